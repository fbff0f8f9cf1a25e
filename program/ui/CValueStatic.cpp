#include "CValueStatic.h"

#include "SkinnedStyle.h"

CValueStatic::CValueStatic()
{
    setSkinnedGeometry(*this);
    m_frameColor = kSkinGreen;
    m_drawFrame = true;
    m_fillBackground = false;
    m_drawGradient = false;
    m_textColor = 0;
    m_format = 0;
    m_strike = false;
}

CValueStatic::~CValueStatic() = default;
