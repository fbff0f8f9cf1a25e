#pragma once

#include <string>

// Narrow text together with the code page it is written in.
struct CpString
{
    std::string text;
    unsigned codePage = 0;
};

std::wstring cpString2unicode(const CpString& text);
CpString unicode2cpString(const std::wstring& text, unsigned codePage);
