#include "IGDIpGradientRectGrayPack.h"

IGDIpGradientRectGrayPack::IGDIpGradientRectGrayPack()
{
    setPlainLook(0xFFEAEAEA, 0xFF808080, 0.015);
}

IGDIpGradientRectGrayPack::~IGDIpGradientRectGrayPack() = default;
