#include "DayCount.h"

namespace {

// Days from 1 January 1970 to a civil date.
constexpr long daysFromCivil(long y, long m, long d)
{
    y -= m <= 2;
    const long era = (y >= 0 ? y : y - 399) / 400;
    const long yoe = y - era * 400;
    const long doy = (153 * (m > 2 ? m - 3 : m + 9) + 2) / 5 + d - 1;
    const long doe = yoe * 365 + yoe / 4 - yoe / 100 + doy;
    return era * 146097 + doe - 719468;
}

CivilDate civilFromDays(long z)
{
    z += 719468;
    const long era = (z >= 0 ? z : z - 146096) / 146097;
    const unsigned doe = unsigned(z - era * 146097);
    const unsigned yoe = (doe - doe / 1460 + doe / 36524 - doe / 146096) / 365;
    const unsigned doy = doe - (365 * yoe + yoe / 4 - yoe / 100);
    const unsigned mp = (5 * doy + 2) / 153;
    const unsigned d = doy - (153 * mp + 2) / 5 + 1;
    const unsigned m = mp < 10 ? mp + 3 : mp - 9;
    return {long(yoe) + era * 400 + (m <= 2), m, d};
}

constexpr long kDayZero = daysFromCivil(2004, 4, 1);

} // namespace

long dayCountOf(long year, long month, long day)
{
    return daysFromCivil(year, month, day) - kDayZero;
}

CivilDate dateOfDayCount(long days)
{
    return civilFromDays(kDayZero + days);
}
