#include "CSortTypeDouble.h"

#include <cmath>
#include <cwchar>
#include <sstream>

bool CSortTypeDouble::operator<(CSortTypeAny& other)
{
    if (!sameType(other))
        return false;
    const double theirs = *static_cast<double*>(other.getValue());
    // NaN compares false with everything, which no sort can live with.
    if (std::isnan(m_value) || std::isnan(theirs))
        return std::isnan(m_value) && !std::isnan(theirs);
    return m_value < theirs;
}

void CSortTypeDouble::setValue(void* value)
{
    if (value) {
        m_value = *static_cast<const double*>(value);
        m_bEmpty = false;
    }
}

std::wstring CSortTypeDouble::getStrValue()
{
    if (m_bEmpty)
        return std::wstring();
    std::wostringstream out;
    out << m_value;
    return out.str();
}

void CSortTypeDouble::setStrValue(std::wstring value)
{
    m_value = wcstod(value.c_str(), nullptr);
    m_bEmpty = value.empty();
}
