#pragma once

#include "CObject.h"

// The buttons of bars. Bars of this framework show a button's text on one
// line whatever the setting; m_bWrapText is kept for programs that set it.
class WFX_API CMFCToolBarButton : public CObject
{
public:
    static BOOL m_bWrapText;
};
