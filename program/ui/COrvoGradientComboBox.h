#pragma once

#include <CGDIpGradientComboBox.h>

// The program's drop-down list: square-ish corners, a green hover frame and
// centred item texts.
class COrvoGradientComboBox : public CGDIpGradientComboBox
{
public:
    COrvoGradientComboBox();
    ~COrvoGradientComboBox() override;
};
