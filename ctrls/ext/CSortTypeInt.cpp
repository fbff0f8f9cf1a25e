#include "CSortTypeInt.h"

#include <cwchar>

bool CSortTypeInt::operator<(CSortTypeAny& other)
{
    return sameType(other) && m_value < *static_cast<int*>(other.getValue());
}

void CSortTypeInt::setValue(void* value)
{
    if (value) {
        m_value = *static_cast<const int*>(value);
        m_bEmpty = false;
    }
}

std::wstring CSortTypeInt::getStrValue()
{
    return m_bEmpty ? std::wstring() : std::to_wstring(m_value);
}

void CSortTypeInt::setStrValue(std::wstring value)
{
    m_value = _wtoi(value.c_str());
    m_bEmpty = value.empty();
}
