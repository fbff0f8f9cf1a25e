#include "IGDIpGradientDeepGraphitePack.h"

IGDIpGradientDeepGraphitePack::IGDIpGradientDeepGraphitePack()
{
    setMarginFractions(0, 0, 0, 0);
    m_drawFrame = false;
    m_gradientStart = 0xFF434343;
    m_gradientEnd = 0xFF0C0C0C;
    setCornerFractions(0);
}

IGDIpGradientDeepGraphitePack::~IGDIpGradientDeepGraphitePack() = default;
