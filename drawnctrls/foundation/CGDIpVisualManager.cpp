#include "CGDIpVisualManager.h"

IMPLEMENT_DYNCREATE(CGDIpVisualManager, CMSMVisualManager)

using namespace Gdiplus;

CGDIpVisualManager::CGDIpVisualManager()
    : m_clrBarFirst(m_clrBar), m_clrBarSecond(m_clrBar), m_clrMenuFirst(m_clrBar), m_clrMenuSecond(m_clrBar)
{
    m_clrHighlightChecked = RGB(0xFF, 0xFF, 0xFF);
    m_clrHighlight = RGB(0x7D, 0x7D, 0x7D);
    m_clrHighlightDn = RGB(0xFF, 0, 0);
    GetGlobalData()->clrBarText = RGB(0xFF, 0xFF, 0xFF);
    m_bMenuCheckFrame = FALSE;
}

CGDIpVisualManager::~CGDIpVisualManager() = default;

void CGDIpVisualManager::fillGradient(CDC* pDC, const CRect& rect, COLORREF first, COLORREF second)
{
    if (rect.IsRectEmpty())
        return;
    Graphics g(pDC->GetSafeHdc());
    Rect r(rect.left, rect.top, rect.Width(), rect.Height());
    // One pixel wider: GDI+ repeats the gradient from its far edge.
    RectF span(REAL(rect.left) - 1, REAL(rect.top), REAL(rect.Width()) + 2, REAL(rect.Height()));
    auto colorOf = [](COLORREF c) { return Color(255, GetRValue(c), GetGValue(c), GetBValue(c)); };
    LinearGradientBrush brush(span, colorOf(first), colorOf(second), REAL(0));
    g.FillRectangle(&brush, r);
}

void CGDIpVisualManager::drawText(CDC* pDC, const CString& text, CRect rect, UINT format, COLORREF color)
{
    const int oldMode = pDC->SetBkMode(TRANSPARENT);
    const COLORREF oldColor = pDC->SetTextColor(color);
    pDC->DrawText(text, &rect, format);
    pDC->SetTextColor(oldColor);
    pDC->SetBkMode(oldMode);
}

void CGDIpVisualManager::drawFocusFrame(CDC* pDC, CRect rect, COLORREF color)
{
    rect.DeflateRect(1, 1);
    const POINT corners[5] = {{rect.left, rect.top},
                              {rect.right - 1, rect.top},
                              {rect.right - 1, rect.bottom - 1},
                              {rect.left, rect.bottom - 1},
                              {rect.left, rect.top}};
    CPen pen(PS_SOLID, 1, color);
    CPen* old = pDC->SelectObject(&pen);
    pDC->Polyline(corners, 5);
    pDC->SelectObject(old);
}

void CGDIpVisualManager::drawCaptionBarBackground(CDC* pDC, CBasePane*, CRect rectClient, CRect)
{
    fillGradient(pDC, rectClient, m_clrBarFirst, m_clrBarSecond);
}

void CGDIpVisualManager::drawCaptionBarText(CDC* pDC, const CString& text, CRect rect, UINT format)
{
    drawText(pDC, text, rect, format, m_clrCaptionText);
}

void CGDIpVisualManager::drawMenuTextOnCaptionBar(CDC* pDC, const CString& text, CRect rect, UINT format)
{
    drawText(pDC, text, rect, format, m_clrCaptionMenuText);
}

void CGDIpVisualManager::drawMenuFocusRectOnCaptionBar(CDC* pDC, CRect rect)
{
    drawFocusFrame(pDC, rect, m_clrMenuFocusLine);
}

void CGDIpVisualManager::drawMenuBackground(CDC* pDC, CRect rect)
{
    fillGradient(pDC, rect, m_clrMenuFirst, m_clrMenuSecond);
}

void CGDIpVisualManager::drawPopUpMenuSeparator(CDC* pDC, CRect rect)
{
    drawMenuBackground(pDC, rect);
    CPen pen(PS_SOLID, 1, GetGlobalData()->clrBtnShadow);
    CPen* old = pDC->SelectObject(&pen);
    const int y = rect.top + rect.Height() / 2;
    pDC->MoveTo(rect.left + 2 * CMenuImages::Size().cx, y);
    pDC->LineTo(rect.right, y);
    pDC->SelectObject(old);
}

void CGDIpVisualManager::drawMenuFocusRect(CDC* pDC, CRect rect)
{
    drawFocusFrame(pDC, rect, m_clrSecondLine);
}

void CGDIpVisualManager::OnFillBarBackground(CDC* pDC, CBasePane*, CRect rectClient, CRect, BOOL)
{
    fillGradient(pDC, rectClient, m_clrBarFirst, m_clrBarSecond);
}

void CGDIpVisualManager::OnDrawMenuCheck(CDC* pDC, CRect rect, BOOL, BOOL bIsRadio)
{
    CMenuImages::Draw(pDC, bIsRadio ? CMenuImages::IdRadio : CMenuImages::IdCheck, rect,
                      CMenuImages::ImageWhite);
}
