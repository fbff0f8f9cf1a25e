#pragma once

#include "CBasePane.h"

// A pane with borders around its content.
class WFX_API CPane : public CBasePane
{
    DECLARE_DYNAMIC(CPane)

public:
    CPane() = default;

    void SetBorders(int cxLeft = 0, int cyTop = 0, int cxRight = 0, int cyBottom = 0)
    {
        m_rectBorders = CRect(cxLeft, cyTop, cxRight, cyBottom);
    }
    // Left, top, right and bottom border widths.
    CRect GetBorders() const { return m_rectBorders; }

protected:
    CRect m_rectBorders;
};
