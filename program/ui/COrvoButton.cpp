#include "COrvoButton.h"

#include "SkinnedStyle.h"

COrvoButton::COrvoButton()
{
    setOrvoButtonLook(*this);
}

COrvoButton::~COrvoButton() = default;
