#pragma once

#include "IListCtrlrColorPack.h"

// The look of a drawn list's row cells: light rows, every other one
// translucent, red when selected.
class PRAMBLEGDIP_API CListCtrlRowItemColorPack : public IListCtrlrColorPack
{
public:
    CListCtrlRowItemColorPack();
    ~CListCtrlRowItemColorPack() override;
};
