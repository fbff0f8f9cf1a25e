#include "CSortTypeDate.h"

#include <cwchar>
#include <tuple>

namespace {

int field(const std::wstring& date, size_t first, size_t count)
{
    return first < date.size() ? _wtoi(date.substr(first, count).c_str()) : 0;
}

std::tuple<int, int, int> yearMonthDay(const std::wstring& date)
{
    return {field(date, 6, 4), field(date, 3, 2), field(date, 0, 2)};
}

} // namespace

bool CSortTypeDate::operator<(CSortTypeAny& other)
{
    if (!sameType(other))
        return false;
    const std::wstring theirs = other.getStrValue();
    // An empty date taken as equal to every date would make the order
    // intransitive; it goes first instead.
    if (m_value.empty() || theirs.empty())
        return m_value.empty() && !theirs.empty();
    return yearMonthDay(m_value) < yearMonthDay(theirs);
}

void* CSortTypeDate::getValue()
{
    return m_value.data();
}

void CSortTypeDate::setValue(void* value)
{
    if (value)
        m_value = static_cast<const wchar_t*>(value);
}
