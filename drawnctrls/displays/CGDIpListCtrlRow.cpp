#include "CGDIpListCtrlRow.h"

#include "ListCellPaint.h"

#include <algorithm>

CGDIpListCtrlRow::CGDIpListCtrlRow()
{
    m_drawFrame = false;
    m_fillBackground = false;
    m_drawGradient = false;
}

CGDIpListCtrlRow::~CGDIpListCtrlRow()
{
    for (CGDIpListCtrlRowItem* item : m_items)
        delete item;
}

void CGDIpListCtrlRow::v_recalcData(const CRect& rc)
{
    IGDIpGradientRectPack::v_recalcData(rc);
    if (!m_header)
        return;
    // Cells beyond the header's columns have no place and stay undrawn.
    const size_t count = std::min(m_items.size(), m_header->size());
    for (size_t k = 0; k < count; ++k) {
        const CGDIpListCtrlHeaderItem* column = (*m_header)[k];
        m_items[k]->v_recalcData(CRect(column->m_left, rc.top, column->m_right, rc.bottom));
        m_items[k]->m_font = m_font;
    }
}

void CGDIpListCtrlRow::v_draw(CDC& dc, int firstItem, int count, IListCtrlrColorPack* pack)
{
    IGDIpGradientRectPack::v_draw(dc);
    const int columns = m_header ? int(m_header->size()) : 0;
    const int end = std::min({firstItem + count, int(m_items.size()), columns});
    for (int k = std::max(0, firstItem); k < end; ++k)
        m_items[size_t(k)]->v_draw(dc, m_alternate, k == firstItem ? pack : nullptr);
}

void CGDIpListCtrlRow::setSelection(bool selected)
{
    m_selected = selected;
    for (CGDIpListCtrlRowItem* item : m_items)
        item->setSelection(selected);
}

bool CGDIpListCtrlRow::hitTest(bool exclusive, CPoint& pt)
{
    const bool was = m_selected;
    const bool inside = getRect().PtInRect(pt) != FALSE;
    if (inside)
        setSelection(!m_selected);
    else if (exclusive)
        setSelection(false);
    else
        setSelection(m_selected);
    if (m_selected != was)
        invalidate();
    return inside;
}

void CGDIpListCtrlRow::invalidate()
{
    listcell::invalidate(m_owner, getRect());
}
