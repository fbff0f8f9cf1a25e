#pragma once

#include <windows.h>

#include <string>
#include <vector>

// The folder of the running program, without a trailing backslash; the
// language files, skins, presets and firmware lie in folders beside it.
inline std::wstring programFolder()
{
    std::vector<wchar_t> path(32768);
    const DWORD n = GetModuleFileNameW(nullptr, path.data(), static_cast<DWORD>(path.size()));
    const std::wstring full(path.data(), n);
    const size_t slash = full.rfind(L'\\');
    return slash == std::wstring::npos ? std::wstring() : full.substr(0, slash);
}
