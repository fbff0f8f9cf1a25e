#pragma once

#include <CGDIpStatic.h>

// What the two-label value tiles share: their own look, the looks of their
// caption and value labels, and the making of one label.
namespace displaylabels {

// A dark gradient under a light frame, as the value tiles of the library.
void applyValueTileLook(IGDIpGradientRectPack& pack);
// A white caption, and a black value on the default pack.
void setUpPair(CGDIpStatic& caption, CGDIpStatic& value);
// Makes the label as a child of `tile`; a label that was made takes `font`.
bool create(CGDIpStatic& label, const wchar_t* text, DWORD style, const CRect& r, CWnd* tile, UINT id,
            CFont* font);

} // namespace displaylabels
