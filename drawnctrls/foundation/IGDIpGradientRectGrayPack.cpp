#include "IGDIpGradientRectGrayPack.h"

IGDIpGradientRectGrayPack::IGDIpGradientRectGrayPack()
{
    setMarginFractions(0, 0, 0, 0);
    m_drawFrame = false;
    m_gradientStart = 0xFFEAEAEA;
    m_gradientEnd = 0xFF808080;
    setCornerFractions(0.015);
}

IGDIpGradientRectGrayPack::~IGDIpGradientRectGrayPack() = default;
