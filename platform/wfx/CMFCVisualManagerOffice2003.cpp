#include "CMFCVisualManagerOffice2003.h"

#include "AfxGlobalData.h"
#include "CBasePane.h"
#include "CDC.h"
#include "CMFCMenuBar.h"

IMPLEMENT_DYNCREATE(CMFCVisualManagerOffice2003, CMFCVisualManager)

namespace {

// Halfway between two colours, weighted towards `a` by `percent`.
COLORREF mix(COLORREF a, COLORREF b, int percent)
{
    auto channel = [percent](int x, int y) { return (x * percent + y * (100 - percent)) / 100; };
    return RGB(channel(GetRValue(a), GetRValue(b)), channel(GetGValue(a), GetGValue(b)),
               channel(GetBValue(a), GetBValue(b)));
}

TRIVERTEX vertex(LONG x, LONG y, COLORREF color)
{
    return TRIVERTEX{
        x, y, COLOR16(GetRValue(color) << 8), COLOR16(GetGValue(color) << 8), COLOR16(GetBValue(color) << 8),
        0};
}

} // namespace

CMFCVisualManagerOffice2003::CMFCVisualManagerOffice2003()
{
    setSystemColors();
}

void CMFCVisualManagerOffice2003::setSystemColors()
{
    AFX_GLOBAL_DATA* colors = GetGlobalData();
    m_clrBarGradientLight = mix(colors->clrBarFace, RGB(255, 255, 255), 60);
    m_clrBarGradientDark = colors->clrBarFace;
    m_brBarBkgnd.DeleteObject();
    m_brBarBkgnd.CreateSolidBrush(m_clrBarGradientDark);
    m_clrToolBarGradientLight = m_clrToolBarGradientVertLight = m_clrBarGradientLight;
    m_clrToolBarGradientDark = m_clrToolBarGradientVertDark =
        mix(colors->clrBarFace, colors->clrBarShadow, 70);
    m_clrHighlight = mix(colors->clrHilite, RGB(255, 255, 255), 30);
    m_clrHighlightDn = mix(colors->clrHilite, RGB(255, 255, 255), 60);
    m_clrHighlightChecked = m_clrHighlight;
}

void CMFCVisualManagerOffice2003::OnUpdateSystemColors()
{
    CMFCVisualManager::OnUpdateSystemColors();
    setSystemColors();
}

void CMFCVisualManagerOffice2003::FillGradient(CDC* pDC, const CRect& rect, COLORREF from, COLORREF to,
                                               BOOL bHorz)
{
    TRIVERTEX corners[2] = {vertex(rect.left, rect.top, from), vertex(rect.right, rect.bottom, to)};
    GRADIENT_RECT whole{0, 1};
    ::GradientFill(pDC->GetSafeHdc(), corners, 2, &whole, 1,
                   bHorz ? GRADIENT_FILL_RECT_V : GRADIENT_FILL_RECT_H);
}

void CMFCVisualManagerOffice2003::OnFillBarBackground(CDC* pDC, CBasePane* pBar, CRect rectClient, CRect,
                                                      BOOL bNCArea)
{
    if (bNCArea) {
        pDC->FillRect(&rectClient, &m_brBarBkgnd);
        return;
    }
    BOOL horizontal = !pBar || pBar->IsHorizontal();
    if (!DYNAMIC_DOWNCAST(CMFCMenuBar, pBar))
        FillGradient(pDC, rectClient, m_clrBarGradientLight, m_clrBarGradientDark, horizontal);
    else if (horizontal)
        FillGradient(pDC, rectClient, m_clrToolBarGradientLight, m_clrToolBarGradientDark, TRUE);
    else
        FillGradient(pDC, rectClient, m_clrToolBarGradientVertLight, m_clrToolBarGradientVertDark, FALSE);
}

void CMFCVisualManagerOffice2003::OnFillButtonInterior(CDC* pDC, CMFCButton* pButton, CRect rect,
                                                       AFX_BUTTON_STATE state)
{
    if (state == ButtonsIsPressed)
        pDC->FillSolidRect(&rect, m_clrHighlightDn);
    else if (state == ButtonsIsHighlighted)
        pDC->FillSolidRect(&rect, m_clrHighlight);
    else
        CMFCVisualManager::OnFillButtonInterior(pDC, pButton, rect, state);
}

void CMFCVisualManagerOffice2003::OnHighlightMenuItem(CDC* pDC, CRect rect, COLORREF& clrText)
{
    pDC->FillSolidRect(&rect, m_clrHighlightChecked);
    clrText = GetGlobalData()->clrBarText;
}
