#pragma once

#include <PrambleGDIpApi.h>

// One bar of a multi-bar display.
struct SMultiBarRecord
{
    RECT m_barRect{};
    RECT m_textRect{}; // the value below the bar
    RECT m_idRect{};   // the identifier above it
    double m_value = 0.0;
    CString m_id;
};
