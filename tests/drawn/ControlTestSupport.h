#pragma once

// Helpers of the control tests: a background handed to a control, owner
// drawing into a canvas, and telling pixels of a kind.

#include "DrawnTestSupport.h"

#include <TempDir.h>

#include <memory>

namespace drawntest {

// Gives the control a plain background of w x h, as a container would.
void giveBackground(ITransparentCtrl& ctrl, int width, int height, COLORREF color);

// Runs the button's owner drawing into the canvas with the item state.
void drawItemInto(CButton& button, Canvas& canvas, UINT state);

// The control's own drawing (no background) on a canvas of w x h.
std::unique_ptr<Canvas> drawnOnCanvas(IGDIpGradientCtrl& ctrl, int width, int height,
                                      COLORREF fill = RGB(128, 128, 128));

// A loaded w x h image of one ARGB colour, written to `file` in dir.
std::unique_ptr<CExtImage> solidImage(const kwtest::TempDir& dir, int width, int height, std::uint32_t argb,
                                      const wchar_t* file = L"solid.tif");

// Both canvases hold the same picture.
bool sameImage(const Canvas& a, const Canvas& b);

inline bool isRed(std::uint32_t rgb)
{
    return ((rgb >> 16) & 0xFF) > 200 && ((rgb >> 8) & 0xFF) < 60 && (rgb & 0xFF) < 60;
}
inline bool isWhite(std::uint32_t rgb)
{
    return ((rgb >> 16) & 0xFF) > 200 && ((rgb >> 8) & 0xFF) > 200 && (rgb & 0xFF) > 200;
}

} // namespace drawntest
