#include "CGDIpListCtrlRowItem.h"

#include "CListCtrlRowItemColorPack.h"
#include "ListCellPaint.h"

#include <algorithm>

CGDIpListCtrlRowItem::CGDIpListCtrlRowItem()
{
    CListCtrlRowItemColorPack preset;
    setColors(&preset);
}

CGDIpListCtrlRowItem::CGDIpListCtrlRowItem(const CGDIpListCtrlRowItem& other) = default;
CGDIpListCtrlRowItem& CGDIpListCtrlRowItem::operator=(const CGDIpListCtrlRowItem& other) = default;
CGDIpListCtrlRowItem::~CGDIpListCtrlRowItem() = default;

void CGDIpListCtrlRowItem::v_draw(CDC& dc, bool alternate, IListCtrlrColorPack* pack)
{
    const IGDIpGradientRectPack kept(*this);
    const COLORREF keptText = m_textColor;
    if (!m_selected)
        listcell::setColors(*this, alternate ? m_alternateColors : m_normalColors);
    if (pack) {
        IGDIpGradientRectPack::operator=(*pack);
        m_textColor = pack->m_textColor;
        IGDIpGradientRectPack::v_recalcData(getRect()); // the pack's corners
    }
    listcell::paint(dc, *this, m_font, m_textColor, m_text, m_format);
    IGDIpGradientRectPack::operator=(kept);
    m_textColor = keptText;
    if (pack)
        IGDIpGradientRectPack::v_recalcData(getRect());
}

void CGDIpListCtrlRowItem::setSelection(bool selected)
{
    m_selected = selected;
    listcell::setColors(*this, selected ? m_selectedColors : m_normalColors);
}

void CGDIpListCtrlRowItem::setColors(IListCtrlrColorPack* pack)
{
    if (!pack)
        return;
    IGDIpGradientRectPack::operator=(*pack);
    m_textColor = pack->m_textColor;
    std::copy(std::begin(pack->m_normalColors), std::end(pack->m_normalColors), m_normalColors);
    std::copy(std::begin(pack->m_selectedColors), std::end(pack->m_selectedColors), m_selectedColors);
    std::copy(std::begin(pack->m_alternateColors), std::end(pack->m_alternateColors), m_alternateColors);
}

void CGDIpListCtrlRowItem::invalidate()
{
    listcell::invalidate(m_owner, getRect());
}
