#include "ListCellPaint.h"

#include "GdiSelection.h"

namespace listcell {

void paint(CDC& dc, IGDIpGradientRectPack& pack, CFont* font, COLORREF color, const std::wstring& text,
           UINT format)
{
    pack.IGDIpGradientRectPack::v_draw(dc);
    GdiSelection useFont(dc, font ? font->m_hObject : nullptr);
    const int oldMode = dc.SetBkMode(TRANSPARENT);
    const COLORREF oldColor = dc.SetTextColor(color);
    CRect r = pack.getRect();
    r.DeflateRect(2, 2);
    dc.DrawText(text.c_str(), int(text.size()), &r, format);
    dc.SetTextColor(oldColor);
    dc.SetBkMode(oldMode);
}

void invalidate(CWnd* list, const CRect& r)
{
    if (list && list->m_hWnd)
        list->InvalidateRect(&r, FALSE);
}

void setColors(IGDIpGradientRectPack& pack, const Gdiplus::ARGB* colors)
{
    pack.m_gradientStart = colors[0];
    pack.m_gradientEnd = colors[1];
}

} // namespace listcell
