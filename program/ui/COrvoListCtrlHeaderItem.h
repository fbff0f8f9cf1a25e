#pragma once

#include <CGDIpListCtrlHeaderItem.h>

// A header column of the program's drawn lists: centred single-line
// captions cut with an ellipsis on a plain grey cell in every state.
class COrvoListCtrlHeaderItem : public CGDIpListCtrlHeaderItem
{
public:
    COrvoListCtrlHeaderItem();
    ~COrvoListCtrlHeaderItem() override;
};
