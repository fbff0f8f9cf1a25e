#include "CHeaderStatic.h"

CHeaderStatic::CHeaderStatic()
{
    m_textColor = RGB(240, 0, 0);
}

CHeaderStatic::~CHeaderStatic() = default;
