#include "CTime.h"

#include <cwchar>

CTime::CTime(int year, int month, int day, int hour, int minute, int second)
{
    std::tm t{};
    t.tm_year = year - 1900;
    t.tm_mon = month - 1;
    t.tm_mday = day;
    t.tm_hour = hour;
    t.tm_min = minute;
    t.tm_sec = second;
    t.tm_isdst = -1;
    m_time = _mktime64(&t);
}

CTime CTime::GetCurrentTime()
{
    return CTime(_time64(nullptr));
}

std::tm CTime::local() const
{
    std::tm t{};
    if (_localtime64_s(&t, &m_time) != 0)
        t = std::tm{};
    return t;
}

CString CTime::Format(LPCWSTR format) const
{
    std::tm t{};
    if (!format || m_time < 0 || _localtime64_s(&t, &m_time) != 0)
        return CString();
    wchar_t buffer[256];
    size_t n = wcsftime(buffer, 256, format, &t);
    return CString(buffer, int(n));
}
