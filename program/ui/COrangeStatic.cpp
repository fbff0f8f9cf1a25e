#include "COrangeStatic.h"

#include "SkinnedStyle.h"

COrangeStatic::COrangeStatic()
{
    setOrangeStaticLook(*this);
}

COrangeStatic::~COrangeStatic() = default;
