#pragma once

#include "IListCtrlrColorPack.h"

// The look of a drawn list's header cells: framed, rounded, red captions.
class PRAMBLEGDIP_API CListCtrlHeaderColorPack : public IListCtrlrColorPack
{
public:
    CListCtrlHeaderColorPack();
    ~CListCtrlHeaderColorPack() override;
};
