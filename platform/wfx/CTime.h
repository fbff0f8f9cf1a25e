#pragma once

#include "CString.h"

#include <ctime>

// A point in time, to the second, read and formatted in local time.
class WFX_API CTime
{
public:
    CTime() = default;
    CTime(__time64_t t) : m_time(t) {}
    // Local time; -1 inside when the fields name no valid time.
    CTime(int year, int month, int day, int hour, int minute, int second);

    static CTime GetCurrentTime();

    __time64_t GetTime() const { return m_time; }
    int GetYear() const { return local().tm_year + 1900; }
    int GetMonth() const { return local().tm_mon + 1; }
    int GetDay() const { return local().tm_mday; }
    int GetHour() const { return local().tm_hour; }
    int GetMinute() const { return local().tm_min; }
    int GetSecond() const { return local().tm_sec; }
    int GetDayOfWeek() const { return local().tm_wday + 1; }

    // strftime-style: "%d/%m/%Y" gives 31/12/2024. Empty for an invalid time.
    CString Format(LPCWSTR format) const;

    bool operator==(CTime t) const { return m_time == t.m_time; }
    bool operator!=(CTime t) const { return m_time != t.m_time; }
    bool operator<(CTime t) const { return m_time < t.m_time; }
    bool operator>(CTime t) const { return m_time > t.m_time; }
    bool operator<=(CTime t) const { return m_time <= t.m_time; }
    bool operator>=(CTime t) const { return m_time >= t.m_time; }

private:
    std::tm local() const;

    __time64_t m_time = 0;
};
