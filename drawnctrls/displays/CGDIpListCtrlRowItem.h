#pragma once

#include "IListCtrlrColorPack.h"

#include <IOwnFontCtrl.h>

#include <string>

class CGDIpListCtrlRow;

// One cell of a drawn list's row: its text and the colours of its states.
class PRAMBLEGDIP_API CGDIpListCtrlRowItem : public IGDIpGradientRectPack, public IOwnFontCtrl
{
public:
    CGDIpListCtrlRowItem();
    CGDIpListCtrlRowItem(const CGDIpListCtrlRowItem& other);
    CGDIpListCtrlRowItem& operator=(const CGDIpListCtrlRowItem& other);
    ~CGDIpListCtrlRowItem() override;

    using IGDIpGradientRectPack::v_draw;
    // Draws the cell in its state's colours, or in those of `pack` when given.
    virtual void v_draw(CDC& dc, bool alternate, IListCtrlrColorPack* pack);
    void setSelection(bool selected);
    // Takes the pack's look and state colours; nothing for no pack.
    void setColors(IListCtrlrColorPack* pack);
    void invalidate();

    bool m_selected = false;
    UINT m_format = DT_CENTER | DT_VCENTER | DT_SINGLELINE | DT_END_ELLIPSIS;
    Gdiplus::ARGB m_normalColors[2] = {};
    Gdiplus::ARGB m_selectedColors[2] = {};
    Gdiplus::ARGB m_alternateColors[2] = {};
    std::wstring m_text;
    CWnd* m_owner = nullptr;
    CGDIpListCtrlRow* m_row = nullptr;
};
