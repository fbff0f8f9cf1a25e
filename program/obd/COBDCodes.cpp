#include "COBDCodes.h"

#include "translate.h"

#include <cwchar>

COBDCodes::COBDCodes()
{
    fillTable();
}

std::wstring COBDCodes::getText(unsigned short code) const
{
    const auto it = m_codes.find(code);
    if (it != m_codes.end())
        return it->second;
    // Formatted into a string: a long translation must not overrun anything.
    wchar_t digits[8];
    std::swprintf(digits, 8, L"%04X", code);
    return std::wstring(digits) + L"  " + translate(L"Unknown ");
}
