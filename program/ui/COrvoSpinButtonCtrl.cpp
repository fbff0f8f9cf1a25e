#include "COrvoSpinButtonCtrl.h"

#include "SkinnedStyle.h"

COrvoSpinButtonCtrl::COrvoSpinButtonCtrl()
{
    setSkinnedGeometry(*this);
}

COrvoSpinButtonCtrl::~COrvoSpinButtonCtrl() = default;
