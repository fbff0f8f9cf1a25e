#include "COrvoDescribedDisplay.h"

#include "SkinnedStyle.h"

COrvoDescribedDisplay::COrvoDescribedDisplay()
{
    setSkinnedLook(*this, kSkinGreen);
    m_description.m_textColor = 0;
    m_display.m_textColor = 0;
    setSkinnedLook(m_display, kSkinGreen);
}

COrvoDescribedDisplay::~COrvoDescribedDisplay() = default;
