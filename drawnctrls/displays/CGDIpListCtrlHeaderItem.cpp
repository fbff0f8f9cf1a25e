#include "CGDIpListCtrlHeaderItem.h"

#include "CGDIpListCtrl.h"
#include "CListCtrlHeaderColorPack.h"
#include "ListCellPaint.h"

#include <algorithm>

namespace {
const COLORREF kHoverText = 0x00FFFFFF;
const COLORREF kText = 0x000000FF;
} // namespace

CGDIpListCtrlHeaderItem::CGDIpListCtrlHeaderItem()
{
    const CListCtrlHeaderColorPack preset;
    IGDIpGradientRectPack::operator=(preset);
    std::copy(std::begin(preset.m_selectedColors), std::end(preset.m_selectedColors), m_selectedColors);
    std::copy(std::begin(preset.m_trackColors), std::end(preset.m_trackColors), m_trackColors);
    m_textColor = preset.m_textColor;
    m_savedGradientMode = m_gradientMode;
    m_savedColors[0] = m_gradientStart;
    m_savedColors[1] = m_gradientEnd;
}

CGDIpListCtrlHeaderItem::CGDIpListCtrlHeaderItem(const CGDIpListCtrlHeaderItem& other) = default;
CGDIpListCtrlHeaderItem& CGDIpListCtrlHeaderItem::operator=(const CGDIpListCtrlHeaderItem& other) = default;
CGDIpListCtrlHeaderItem::~CGDIpListCtrlHeaderItem() = default;

void CGDIpListCtrlHeaderItem::v_draw(CDC& dc)
{
    listcell::paint(dc, *this, m_font, m_textColor, m_text, m_format);
}

void CGDIpListCtrlHeaderItem::v_mouseOver()
{
    m_textColor = kHoverText;
}

void CGDIpListCtrlHeaderItem::v_mouseNoOver()
{
    m_textColor = kText;
}

void CGDIpListCtrlHeaderItem::saveColors()
{
    if (m_colorsSaved)
        return;
    m_savedColors[0] = m_gradientStart;
    m_savedColors[1] = m_gradientEnd;
    m_colorsSaved = true;
}

void CGDIpListCtrlHeaderItem::restoreColors()
{
    if (!m_colorsSaved)
        return;
    listcell::setColors(*this, m_savedColors);
    m_colorsSaved = false;
}

void CGDIpListCtrlHeaderItem::v_select()
{
    saveColors();
    listcell::setColors(*this, m_selectedColors);
}

void CGDIpListCtrlHeaderItem::v_unselect()
{
    restoreColors();
}

void CGDIpListCtrlHeaderItem::mouseOver(CPoint& pt, unsigned margin)
{
    CRect test = getRect();
    test.DeflateRect(int(margin), 0);
    const bool inside = test.PtInRect(pt) != FALSE;
    if (inside)
        v_mouseOver();
    else
        v_mouseNoOver();
    if (inside != m_hover) {
        m_hover = inside;
        invalidate();
    }
}

bool CGDIpListCtrlHeaderItem::mousePressed(bool select, CPoint& pt)
{
    const bool inside = getRect().PtInRect(pt) != FALSE;
    if (inside && select)
        v_select();
    else
        v_unselect();
    invalidate();
    return inside;
}

bool CGDIpListCtrlHeaderItem::trackHeaderWidth(CPoint& pt, unsigned margin)
{
    const int m = int(margin);
    const CRect band(m_right - m, m_top, m_right + m, m_bottom);
    if (!band.PtInRect(pt)) {
        restoreColors();
        return false;
    }
    saveColors();
    if (!m_modeSaved) {
        m_savedGradientMode = m_gradientMode;
        m_modeSaved = true;
    }
    listcell::setColors(*this, m_trackColors);
    m_gradientMode = Gdiplus::LinearGradientModeHorizontal;
    return true;
}

void CGDIpListCtrlHeaderItem::endTrackHeaderWidth()
{
    restoreColors();
    if (m_modeSaved)
        m_gradientMode = m_savedGradientMode;
    m_modeSaved = false;
}

void CGDIpListCtrlHeaderItem::invalidate()
{
    listcell::invalidate(m_owner, getRect());
}
