#pragma once

#include "CWnd.h"

// What scroll handlers receive for the control that scrolled (a scroll bar,
// slider or spin button).
class WFX_API CScrollBar : public CWnd
{
    DECLARE_DYNAMIC(CScrollBar)

public:
    CScrollBar() = default;
};
