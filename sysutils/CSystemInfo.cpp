#include "CSystemInfo.h"

#include <windows.h>

#include <vector>

namespace {

// Reads a REG_SZ value whole; false for any other type or an empty value.
bool readStringValue(HKEY key, const wchar_t* name, std::wstring& text)
{
    DWORD size = 0;
    if (RegQueryValueExW(key, name, nullptr, nullptr, nullptr, &size) != ERROR_SUCCESS || size == 0)
        return false;
    std::vector<wchar_t> buffer(size / sizeof(wchar_t) + 1, L'\0');
    DWORD type = 0;
    DWORD read = size;
    if (RegQueryValueExW(key, name, nullptr, &type, reinterpret_cast<BYTE*>(buffer.data()), &read) !=
            ERROR_SUCCESS ||
        type != REG_SZ)
        return false;
    // A value stored without its terminating zero ends where its data ends.
    size_t length = read / sizeof(wchar_t);
    text.assign(buffer.data(), length);
    text.resize(wcsnlen(text.c_str(), length));
    return true;
}

} // namespace

CSystemInfo::~CSystemInfo() = default;

bool CSystemInfo::isNTPlatform()
{
    OSVERSIONINFOW info = {};
    info.dwOSVersionInfoSize = sizeof(info);
#pragma GCC diagnostic push
#pragma GCC diagnostic ignored "-Wdeprecated-declarations"
    if (!GetVersionExW(&info))
        return false;
#pragma GCC diagnostic pop
    return info.dwPlatformId == VER_PLATFORM_WIN32_NT;
}

bool CSystemInfo::validateProductSuite(const std::wstring& suite)
{
    if (_wcsicmp(suite.c_str(), L"Terminal Server") != 0)
        return false;
    HKEY key;
    if (RegOpenKeyExW(HKEY_LOCAL_MACHINE, L"Software\\Quillbase", 0, KEY_QUERY_VALUE, &key) != ERROR_SUCCESS)
        return false;
    std::wstring text;
    bool read = readStringValue(key, L"DST", text);
    RegCloseKey(key);
    return read && text == L"TAK";
}
