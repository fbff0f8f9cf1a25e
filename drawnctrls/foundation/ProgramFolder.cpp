#include "ProgramFolder.h"

#include <windows.h>

std::wstring programFolder()
{
    wchar_t module[MAX_PATH] = {};
    GetModuleFileNameW(nullptr, module, MAX_PATH - 1);
    const std::wstring program(module);
    const size_t slash = program.find_last_of(L'\\');
    return slash == std::wstring::npos ? std::wstring() : program.substr(0, slash);
}

const std::wstring& folderBesideProgram(std::wstring& cache, const std::wstring& subFolder)
{
    if (cache.empty())
        cache = programFolder() + subFolder;
    return cache;
}
