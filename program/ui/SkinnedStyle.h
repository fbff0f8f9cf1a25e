#pragma once

#include <CGDIpGradientButton.h>
#include <CGDIpStatic.h>
#include <IGDIpGradientRectPack.h>

// The style values the program's skinned controls share.
const Gdiplus::ARGB kSkinGreen = 0xFF00FF00;
const Gdiplus::ARGB kSkinBlack = 0xFF000000;
const Gdiplus::ARGB kSkinWhite = 0xFFFFFFFF;
const double kSkinCorner = 0.2;
const COLORREF kSkinHoverText = RGB(0, 100, 0);

// No margins, corners of 0.2.
void setSkinnedGeometry(IGDIpGradientRectPack& pack);
// The geometry, a frame of `frame` and a white gradient, the frame drawn.
void setSkinnedLook(IGDIpGradientRectPack& pack, Gdiplus::ARGB frame);
// A static drawn as a white tile with a green frame, black text.
void setOrangeStaticLook(CGDIpStatic& stat);
// A white button with a black frame and no highlight; hovered, its text
// turns dark green.
void setOrvoButtonLook(CGDIpGradientButton& button);
