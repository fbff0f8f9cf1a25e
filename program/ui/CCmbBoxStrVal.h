#pragma once

#include "RoundFunctions.h"

#include <string>

// One item of a CStrValueCmbBox: the number, the text shown for it and its decimals.
struct CCmbBoxStrVal
{
    double m_value = 0;
    std::wstring m_text;
    int m_precision = 0; // 0 to 3; any other: no rounding

    double getRoundedValue() const { return roundToPrecision(m_value, m_precision); }
};
