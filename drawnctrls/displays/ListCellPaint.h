#pragma once

#include <IGDIpGradientRectPack.h>

#include <string>

// The drawing of a drawn list's cells (header and row cells alike).
namespace listcell {

// The pack, then the text in the font and colour inside the cell less 2
// pixels on every side; the context gets its font, colour and mode back.
void paint(CDC& dc, IGDIpGradientRectPack& pack, CFont* font, COLORREF color, const std::wstring& text,
           UINT format);
// Invalidates the cell's rectangle in the list window, without erasing.
void invalidate(CWnd* list, const CRect& r);
void setColors(IGDIpGradientRectPack& pack, const Gdiplus::ARGB* colors);

} // namespace listcell
