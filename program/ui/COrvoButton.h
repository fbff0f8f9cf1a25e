#pragma once

#include <CGDIpGradientButton.h>

// The program's push button: white with a black frame and black text.
class COrvoButton : public CGDIpGradientButton
{
public:
    COrvoButton();
    ~COrvoButton() override;
};
