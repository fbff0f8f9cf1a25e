#include "MapColors.h"

#include <cmath>

COLORREF valueColor(double value)
{
    if (value >= 0) {
        BYTE c = BYTE(long(255 - 5 * value) & 0xFF);
        return RGB(255, c, c);
    }
    BYTE c = BYTE(long(255 + 5 * value) & 0xFF);
    return RGB(255, 255, c);
}

COLORREF darkenTrail(COLORREF color, double step)
{
    double blue = GetBValue(color) - step;
    double green = GetGValue(color);
    if (blue < 0) {
        blue = 0;
        green -= step;
        if (green < 0)
            green = 0;
    }
    return RGB(GetRValue(color), BYTE(std::lround(green)), BYTE(std::lround(blue)));
}
