#include "DisplayLabels.h"

namespace displaylabels {

void applyValueTileLook(IGDIpGradientRectPack& pack)
{
    pack.m_frameColor = 0xFF8B8881;
    pack.m_gradientStart = 0xFF434343;
    pack.m_gradientEnd = 0xFF252525;
    pack.setMarginFractions(0, 0, 0, 0.05);
    pack.setCornerFractions(0.5);
}

void setUpPair(CGDIpStatic& caption, CGDIpStatic& value)
{
    caption.m_textColor = 0xFFFFFF;
    value.m_textColor = 0x000000;
    static_cast<IGDIpGradientRectPack&>(value) = IGDIpGradientRectPack();
}

bool create(CGDIpStatic& label, const wchar_t* text, DWORD style, const CRect& r, CWnd* tile, UINT id,
            CFont* font)
{
    if (!label.Create(text, style, r, tile, id))
        return false;
    label.m_font = font;
    return true;
}

} // namespace displaylabels
