#include "CTransparentStatic.h"

IMPLEMENT_DYNAMIC(CTransparentStatic, CGDIpStatic)

CTransparentStatic::CTransparentStatic()
{
    m_drawFrame = false;
    m_fillBackground = false;
    m_drawGradient = false;
    m_textColor = 0;
}

CTransparentStatic::~CTransparentStatic() = default;

CTransparentStatic& CTransparentStatic::operator=(const CTransparentStatic& other)
{
    CGDIpStatic::operator=(other);
    return *this;
}
