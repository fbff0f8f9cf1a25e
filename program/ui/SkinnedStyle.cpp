#include "SkinnedStyle.h"

void setSkinnedGeometry(IGDIpGradientRectPack& pack)
{
    pack.setMarginFractions(0, 0, 0, 0);
    pack.setCornerFractions(kSkinCorner);
}

void setSkinnedLook(IGDIpGradientRectPack& pack, Gdiplus::ARGB frame)
{
    setSkinnedGeometry(pack);
    pack.m_frameColor = frame;
    pack.m_gradientStart = kSkinWhite;
    pack.m_gradientEnd = kSkinWhite;
    pack.m_drawFrame = true;
}

void setOrangeStaticLook(CGDIpStatic& stat)
{
    setSkinnedLook(stat, kSkinGreen);
    stat.m_fillBackground = true;
    stat.m_textColor = 0;
    stat.m_format = 0;
    stat.m_strike = false;
}

void setOrvoButtonLook(CGDIpGradientButton& button)
{
    setSkinnedLook(button, kSkinBlack);
    button.m_pressedStart = kSkinWhite;
    button.m_pressedEnd = kSkinWhite;
    button.m_fillBackground = false;
    button.m_drawGradient = true;
    button.m_textColor = 0;
    // The library's light grey would look disabled on the white body.
    button.m_hoverTextColor = kSkinHoverText;
    button.m_highlightPack.m_drawFrame = false;
    button.m_highlightPack.m_fillBackground = false;
    button.m_highlightPack.m_drawGradient = false;
    button.m_pressedHighlightPack = button.m_highlightPack;
}
