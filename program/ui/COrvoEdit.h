#pragma once

#include <CGDIpGradientEdit.h>

// The program's text field.
class COrvoEdit : public CGDIpGradientEdit
{
public:
    COrvoEdit();
    ~COrvoEdit() override;
};
