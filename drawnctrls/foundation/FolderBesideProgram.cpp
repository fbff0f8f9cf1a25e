#include "FolderBesideProgram.h"

#include <ProgramFolder.h>

const std::wstring& folderBesideProgram(std::wstring& cache, const std::wstring& subFolder)
{
    if (cache.empty())
        cache = programFolder() + subFolder;
    return cache;
}
