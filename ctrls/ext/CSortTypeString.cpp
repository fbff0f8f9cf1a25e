#include "CSortTypeString.h"

bool CSortTypeString::operator<(CSortTypeAny& other)
{
    return sameType(other) && m_value < other.getStrValue();
}

void* CSortTypeString::getValue()
{
    return m_value.data();
}

void CSortTypeString::setValue(void* value)
{
    if (value)
        m_value = static_cast<const wchar_t*>(value);
}
