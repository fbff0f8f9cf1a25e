#include "ExeFolder.h"

std::wstring g_exeFolder;

std::wstring exeFolderOf(const std::wstring& modulePath)
{
    const size_t slash = modulePath.rfind(L'\\');
    if (slash == std::wstring::npos || slash == 0)
        return modulePath;
    return modulePath.substr(0, slash);
}

std::wstring skinFile(const wchar_t* name)
{
    return g_exeFolder + L"\\Skins\\Kestrelwave\\" + name;
}
