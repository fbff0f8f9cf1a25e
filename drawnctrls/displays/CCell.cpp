#include "CCell.h"

#include "CCellArray.h"

CCell::CCell(CCellArray* owner) : m_owner(owner) {}

CCell::~CCell() = default;

// Only a window that exists is told: a null window would mean the desktop.
void CCell::invalidate()
{
    if (m_owner && m_owner->m_hWnd)
        m_owner->InvalidateRect(&m_rect, TRUE);
}

void CCell::setCurrent(bool current)
{
    m_current = current;
    invalidate();
}

void CCell::setTxt(const CString& text)
{
    m_text = text;
    invalidate();
}

void CCell::setBkColor(COLORREF color)
{
    m_bkColor = color;
    invalidate();
}

void CCell::setSelBkColor(COLORREF color)
{
    m_selBkColor = color;
    invalidate();
}

void CCell::setTxtColor(COLORREF color)
{
    m_txtColor = color;
    invalidate();
}

void CCell::setFrameColor(COLORREF color)
{
    m_frameColor = color;
    invalidate();
}

void CCell::setCurrentCellColor(COLORREF color)
{
    m_currentColor = color;
    invalidate();
}

void CCell::paint(CDC& dc)
{
    TEXTMETRICW metrics{};
    dc.GetTextMetrics(&metrics);
    CRect r = m_rect;
    r.right += 1;
    r.bottom += 1;
    HGDIOBJ oldPen = ::SelectObject(dc, ::GetStockObject(DC_PEN));
    HGDIOBJ oldBrush = ::SelectObject(dc, ::GetStockObject(DC_BRUSH));
    ::SetDCPenColor(dc, m_frameColor);
    ::SetDCBrushColor(dc, m_bkColor);
    dc.Rectangle(&r);
    if (m_sel) {
        r.DeflateRect(1, 1);
        dc.SetBkColor(m_selBkColor);
        dc.FillSolidRect(&r, m_selBkColor);
    } else {
        dc.SetBkColor(m_bkColor);
    }
    dc.SetTextColor(m_txtColor);
    const CSize extent = dc.GetTextExtent(m_text);
    const int x = r.left + r.Width() / 2 - extent.cx / 2;
    const int y = r.top + r.Height() / 2 - (metrics.tmHeight - metrics.tmInternalLeading / 2) / 2;
    dc.TextOut(x, y, m_text);
    if (m_current) {
        CPen mark(PS_SOLID, m_markSize, m_currentColor);
        CPen* previous = dc.SelectObject(&mark);
        dc.Ellipse(m_rect.left + 5, m_rect.top + 5, m_rect.left + 5 + m_markSize,
                   m_rect.top + 5 + m_markSize);
        dc.SelectObject(previous);
    }
    ::SelectObject(dc, oldPen);
    ::SelectObject(dc, oldBrush);
}
