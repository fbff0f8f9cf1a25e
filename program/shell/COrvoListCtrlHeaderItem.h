#pragma once

#include <CGDIpListCtrlHeaderItem.h>

// A header column of the program's drawn lists, in the program's shape;
// the page sets its format and colours.
class COrvoListCtrlHeaderItem : public CGDIpListCtrlHeaderItem
{
public:
    COrvoListCtrlHeaderItem();
    ~COrvoListCtrlHeaderItem() override;
};
