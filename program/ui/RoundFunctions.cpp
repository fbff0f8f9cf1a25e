#include "RoundFunctions.h"

#include <cmath>

namespace {

// The half step is added before the multiplication, so 1.995 gives 2.0 with
// two decimals; negative values mirror the positive ones.
double roundDecimals(double x, double halfStep, double scale)
{
    if (x < 0)
        return -roundDecimals(-x, halfStep, scale);
    return std::floor((x + halfStep) * scale) / scale;
}

} // namespace

double round0(double x)
{
    const double sign = x >= 0 ? 1.0 : -1.0;
    return std::trunc((10 * x + 5 * sign) / 10);
}

double round1(double x)
{
    return roundDecimals(x, 0.05, 10);
}

double round2(double x)
{
    return roundDecimals(x, 0.005, 100);
}

double round3(double x)
{
    return roundDecimals(x, 0.0005, 1000);
}

double roundToPrecision(double x, int precision)
{
    switch (precision) {
    case 0:
        return round0(x);
    case 1:
        return round1(x);
    case 2:
        return round2(x);
    case 3:
        return round3(x);
    default:
        return x;
    }
}
