#pragma once

#include "CGDIpListCtrlHeaderItem.h"
#include "CGDIpListCtrlRowItem.h"

#include <vector>

// One row of the drawn list: one cell per header column, which it owns.
class PRAMBLEGDIP_API CGDIpListCtrlRow : public IGDIpGradientRectPack, public IOwnFontCtrl
{
    friend class CGDIpListCtrl;

public:
    CGDIpListCtrlRow();
    // A copy would share the cells it deletes.
    CGDIpListCtrlRow(const CGDIpListCtrlRow&) = delete;
    CGDIpListCtrlRow& operator=(const CGDIpListCtrlRow&) = delete;
    ~CGDIpListCtrlRow() override;

    // The row's rectangle; each cell takes its column's extent across it.
    void v_recalcData(const CRect& rc) override;
    using IGDIpGradientRectPack::v_draw;
    // Draws `count` cells from `firstItem`, the first of them in `pack`
    // when given.
    virtual void v_draw(CDC& dc, int firstItem, int count, IListCtrlrColorPack* pack);
    // Selects or deselects the row and its cells, without repainting.
    void setSelection(bool selected);
    bool isSelected() const { return m_selected; }
    void invalidate();

    std::vector<CGDIpListCtrlRowItem*> m_items;
    CWnd* m_owner = nullptr;
    std::vector<CGDIpListCtrlHeaderItem*>* m_header = nullptr;
    bool m_selected = false;
    bool m_alternate = false;

protected:
    // A press at pt: inside, the selection toggles (true); outside, an
    // exclusive press deselects (false).
    bool hitTest(bool exclusive, CPoint& pt);
};
