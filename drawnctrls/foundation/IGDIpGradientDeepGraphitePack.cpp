#include "IGDIpGradientDeepGraphitePack.h"

IGDIpGradientDeepGraphitePack::IGDIpGradientDeepGraphitePack()
{
    setPlainLook(0xFF434343, 0xFF0C0C0C, 0);
}

IGDIpGradientDeepGraphitePack::~IGDIpGradientDeepGraphitePack() = default;
