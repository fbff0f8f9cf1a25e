#include "ListCellPaint.h"

#include "DcTextLook.h"

namespace listcell {

void paint(CDC& dc, IGDIpGradientRectPack& pack, CFont* font, COLORREF color, const std::wstring& text,
           UINT format)
{
    pack.IGDIpGradientRectPack::v_draw(dc);
    DcTextLook look(dc, font, color);
    CRect r = pack.getRect();
    r.DeflateRect(2, 2);
    dc.DrawText(text.c_str(), int(text.size()), &r, format);
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
