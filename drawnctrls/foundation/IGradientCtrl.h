#pragma once

#include "PrambleGDIpApi.h"

// Marks a control of the gradient family; the colours are read by the
// transparent extended list.
class PRAMBLEGDIP_API IGradientCtrl
{
public:
    IGradientCtrl() = default;
    IGradientCtrl(const IGradientCtrl&) = default;
    IGradientCtrl& operator=(const IGradientCtrl&) = default;
    virtual ~IGradientCtrl();

    COLORREF m_colors[4] = {0x00BAEAB3, 0x0044B932, 0x0044B932, 0x0044B932};
    int m_value = 0;
};
