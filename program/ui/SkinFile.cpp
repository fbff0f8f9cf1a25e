#include "SkinFile.h"

#include <MakerWord.h>
#include <ProgramFolder.h>

std::wstring skinFile(const wchar_t* name)
{
    return programFolder() + L"\\Skins\\" + kMakerWord + L"\\" + name;
}
