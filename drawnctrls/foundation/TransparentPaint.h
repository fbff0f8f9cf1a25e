#pragma once

#include "ITransparentCtrl.h"

// Paints a control through its transparent mix-in: `draw` paints into the
// memory context (memDC, the mix-in's own) that starts with the background,
// and the result reaches dc. Both contexts get their state back, so no font
// of the control stays selected in them.
template <class Draw> void paintTransparent(ITransparentCtrl& ctrl, CDC& dc, CDC& memDC, Draw draw)
{
    const int saved = dc.SaveDC();
    ctrl.beginTransparentPaint(&dc);
    const int memSaved = memDC.SaveDC();
    draw(memDC);
    memDC.RestoreDC(memSaved);
    ctrl.endTransparentPaint(&dc);
    dc.RestoreDC(saved);
}

// The GDI colour of an ARGB colour (alpha dropped).
inline COLORREF colorrefOf(Gdiplus::ARGB argb)
{
    return RGB((argb >> 16) & 0xFF, (argb >> 8) & 0xFF, argb & 0xFF);
}
