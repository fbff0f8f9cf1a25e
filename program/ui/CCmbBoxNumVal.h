#pragma once

#include "RoundFunctions.h"

// One item of a CValueCmbBox: the number it stands for and its decimals.
struct CCmbBoxNumVal
{
    double m_value = 0;
    int m_precision = 0; // 0 to 3; any other: no rounding

    double getRoundedValue() const { return roundToPrecision(m_value, m_precision); }
};
