#include "CMFCVisualManagerOffice2007.h"

IMPLEMENT_DYNCREATE(CMFCVisualManagerOffice2007, CMFCVisualManagerOffice2003)

namespace {

CMFCVisualManagerOffice2007::Style g_style = CMFCVisualManagerOffice2007::Office2007_LunaBlue;

struct Scheme
{
    COLORREF light;
    COLORREF dark;
    COLORREF highlight;
};

const Scheme kSchemes[] = {
    {RGB(227, 239, 255), RGB(175, 210, 255), RGB(255, 231, 162)}, // blue
    {RGB(83, 83, 83), RGB(45, 45, 45), RGB(255, 200, 90)},        // black
    {RGB(226, 233, 241), RGB(190, 205, 222), RGB(255, 231, 162)}, // aqua
    {RGB(241, 242, 244), RGB(208, 212, 221), RGB(255, 231, 162)}, // silver
};

} // namespace

CMFCVisualManagerOffice2007::CMFCVisualManagerOffice2007()
{
    setStyleColors();
}

BOOL CMFCVisualManagerOffice2007::SetStyle(Style style, LPCWSTR)
{
    if (style < Office2007_LunaBlue || style > Office2007_Silver)
        return FALSE;
    g_style = style;
    return TRUE;
}

CMFCVisualManagerOffice2007::Style CMFCVisualManagerOffice2007::GetStyle()
{
    return g_style;
}

void CMFCVisualManagerOffice2007::OnUpdateSystemColors()
{
    CMFCVisualManagerOffice2003::OnUpdateSystemColors();
    setStyleColors();
}

void CMFCVisualManagerOffice2007::setStyleColors()
{
    const Scheme& scheme = kSchemes[g_style];
    m_clrBarGradientLight = m_clrToolBarGradientLight = m_clrToolBarGradientVertLight = scheme.light;
    m_clrBarGradientDark = m_clrToolBarGradientDark = m_clrToolBarGradientVertDark = scheme.dark;
    m_brBarBkgnd.DeleteObject();
    m_brBarBkgnd.CreateSolidBrush(scheme.dark);
    m_clrHighlight = m_clrHighlightChecked = scheme.highlight;
    m_clrHighlightDn = RGB(GetRValue(scheme.highlight), GetGValue(scheme.highlight) * 3 / 4, 0);
}
