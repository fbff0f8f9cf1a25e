#pragma once

#include <CImageCheckBox.h>

// The program's check box: a white box with a green frame.
class COrangeCheckBox : public CImageCheckBox
{
public:
    COrangeCheckBox();
    ~COrangeCheckBox() override;
};
