#include "COrangeCheckBox.h"

#include "SkinnedStyle.h"

COrangeCheckBox::COrangeCheckBox()
{
    setSkinnedLook(*this, kSkinGreen);
    m_fillBackground = false;
    m_drawGradient = true;
}

COrangeCheckBox::~COrangeCheckBox() = default;
