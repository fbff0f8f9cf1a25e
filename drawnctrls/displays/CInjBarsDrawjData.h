#pragma once

#include <PrambleGDIpApi.h>

// One injector of the injection-time bars: two values side by side.
struct CInjBarsDrawjData
{
    CString m_name;
    COLORREF m_firstColor = 0x00005A;
    COLORREF m_secondColor = 0x005A00;
    RECT m_barRect{};
    RECT m_textRect{};
    RECT m_nameRect{};
    double m_first = 0.0;
    double m_second = 0.0;
    bool m_working = false;
};
