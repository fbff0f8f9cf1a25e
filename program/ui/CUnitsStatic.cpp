#include "CUnitsStatic.h"

#include "SkinnedStyle.h"

CUnitsStatic::CUnitsStatic()
{
    setOrangeStaticLook(*this);
}

CUnitsStatic::~CUnitsStatic() = default;
