#pragma once

#include "HostkitLibApi.h"

#include <string>

// Queries about the operating system.
class HOSTKIT_API CSystemInfo
{
public:
    virtual ~CSystemInfo();

    static bool isNTPlatform();
    // True only for "Terminal Server" (any case) when HKLM\Software\Quillbase
    // holds the REG_SZ value "DST" with the text "TAK".
    static bool validateProductSuite(const std::wstring& suite);
};
