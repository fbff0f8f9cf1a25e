#pragma once

#include <CGDIpMultiPageGradientButton.h>

// The program's tab button of a page: the push button's look with its text
// at the left.
class COrvoMenuButton : public CGDIpMultiPageGradientButton
{
public:
    COrvoMenuButton();
    // The view makes every further tab button as a copy of the first.
    COrvoMenuButton(const COrvoMenuButton& other);
    ~COrvoMenuButton() override;
};
