#include "COrvoMenuButton.h"

#include "SkinnedStyle.h"

COrvoMenuButton::COrvoMenuButton()
{
    setOrvoButtonLook(*this);
    m_textFormat = DT_LEFT | DT_VCENTER | DT_SINGLELINE | DT_END_ELLIPSIS;
    m_pressShrink = 0.06;
}

COrvoMenuButton::COrvoMenuButton(const COrvoMenuButton& other) : CGDIpMultiPageGradientButton()
{
    CGDIpMultiPageGradientButton::operator=(other);
}

COrvoMenuButton::~COrvoMenuButton() = default;
