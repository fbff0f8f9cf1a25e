#pragma once

#include "IGDIpGradientRectPack.h"

// Light grey to mid grey, no margins, no frame, nearly square corners.
class PRAMBLEGDIP_API IGDIpGradientRectGrayPack : public IGDIpGradientRectPack
{
public:
    IGDIpGradientRectGrayPack();
    ~IGDIpGradientRectGrayPack() override;
};
