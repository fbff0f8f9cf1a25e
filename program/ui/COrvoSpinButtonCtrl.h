#pragma once

#include <CGDIpGradientSpinButtonCtrl.h>

// The program's spin button.
class COrvoSpinButtonCtrl : public CGDIpGradientSpinButtonCtrl
{
public:
    COrvoSpinButtonCtrl();
    ~COrvoSpinButtonCtrl() override;
};
