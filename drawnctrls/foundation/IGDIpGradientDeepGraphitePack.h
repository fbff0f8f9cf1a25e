#pragma once

#include "IGDIpGradientRectPack.h"

// Dark graphite, no margins, no frame, square corners.
class PRAMBLEGDIP_API IGDIpGradientDeepGraphitePack : public IGDIpGradientRectPack
{
public:
    IGDIpGradientDeepGraphitePack();
    ~IGDIpGradientDeepGraphitePack() override;
};
