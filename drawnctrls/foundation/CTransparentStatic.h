#pragma once

#include "CGDIpStatic.h"

// A drawn static with no tile of its own: black text straight on the
// parent's background.
class PRAMBLEGDIP_API CTransparentStatic : public CGDIpStatic
{
    DECLARE_DYNAMIC(CTransparentStatic)

public:
    CTransparentStatic();
    ~CTransparentStatic() override;
    CTransparentStatic& operator=(const CTransparentStatic& other);
};
