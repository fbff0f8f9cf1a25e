#include "cpString.h"

#include <windows.h>

#include <vector>

// Both ask the system for the size first: a fixed "twice the length" buffer
// makes a conversion into a multi-byte code page fail and return nothing.

std::wstring cpString2unicode(const CpString& text)
{
    const int bytes = static_cast<int>(text.text.size());
    if (bytes == 0)
        return std::wstring();
    const int chars = MultiByteToWideChar(text.codePage, 0, text.text.data(), bytes, nullptr, 0);
    std::vector<wchar_t> wide(chars + 1, L'\0');
    MultiByteToWideChar(text.codePage, 0, text.text.data(), bytes, wide.data(), chars);
    return std::wstring(wide.data());
}

CpString unicode2cpString(const std::wstring& text, unsigned codePage)
{
    CpString result;
    result.codePage = codePage;
    const int chars = static_cast<int>(text.size());
    if (chars == 0)
        return result;
    const int bytes = WideCharToMultiByte(codePage, 0, text.data(), chars, nullptr, 0, nullptr, nullptr);
    std::vector<char> narrow(bytes + 1, '\0');
    WideCharToMultiByte(codePage, 0, text.data(), chars, narrow.data(), bytes, nullptr, nullptr);
    result.text = narrow.data();
    return result;
}
