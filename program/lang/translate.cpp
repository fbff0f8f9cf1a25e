#include "translate.h"

#include <ProgramFolder.h>

#include <windows.h>

// The language table, the current language and the opening of the files at
// start live here, beside translate: every user of translate links this
// object file, so none of them can be dropped by the linker.
int g_languageId = languageFromUserLocale();
unsigned char g_cngMode = 0;
CLangFile g_langTable[kLanguageSlots];

namespace {
const int kNoLanguage = 0;
const int kEnglish = 1;
const int kChinese = 10;
const int kLastLanguage = 20;

struct LanguageFile
{
    int id;
    const wchar_t* name;
};

// In the order they are opened.
const LanguageFile kLanguageFiles[] = {
    {1, L"ENGLISH.txt"},    {2, L"RUSSIAN.txt"}, {3, L"ITALIAN.txt"},   {4, L"GERMAN.txt"},
    {5, L"THAI.txt"},       {8, L"FRENCH.txt"},  {14, L"CROATIAN.txt"}, {13, L"SERBIAN.txt"},
    {15, L"BOSNIAN.txt"},   {7, L"SPAIN.txt"},   {11, L"GREEK.txt"},    {18, L"BULGARIAN.txt"},
    {19, L"SLOVENIAN.txt"}, {6, L"TURKISH.txt"}, {12, L"CZECH.txt"},    {20, L"UKRAINIAN.txt"},
};

// Serbian and Croatian sit in each other's slot; every other id in slot id - 1.
int slotOfLanguage(int id)
{
    if (id == 13)
        return 13;
    if (id == 14)
        return 12;
    return id - 1;
}

std::wstring lookupIn(int id, const std::wstring& text)
{
    if (id < kEnglish || id > kLastLanguage)
        return std::wstring();
    return g_langTable[slotOfLanguage(id)].lookup(text);
}

bool s_languageFilesOpen = openLanguageFiles();
} // namespace

std::wstring translateForLanguage(const std::wstring& text)
{
    if (g_languageId == kNoLanguage)
        return text;
    std::wstring result;
    if (g_languageId != kChinese)
        result = lookupIn(g_languageId, text);
    if (result.empty())
        result = lookupIn(kEnglish, text);
    return result.empty() ? text : result;
}

std::wstring translate(const std::wstring& text)
{
    std::wstring result = translateForLanguage(text);
    const size_t at = g_cngMode == 1 ? result.find(L"LPG") : std::wstring::npos;
    if (at != std::wstring::npos)
        result.replace(at, 3, L"CNG");
    return result;
}

int languageOfLangId(unsigned short langId)
{
    const unsigned sub = SUBLANGID(langId);
    switch (PRIMARYLANGID(langId)) {
    case LANG_SPANISH:
        return sub >= 1 && sub <= 20 ? 7 : kEnglish;
    case LANG_PORTUGUESE:
        return sub >= 1 && sub <= 2 ? 9 : kEnglish;
    case LANG_CHINESE:
        return sub >= 1 && sub <= 5 ? kChinese : kEnglish;
    }
    switch (langId) {
    case 0x0415:
        return kNoLanguage;
    case 0x0419:
        return 2;
    case 0x0410:
        return 3;
    case 0x0407:
        return 4;
    case 0x041E:
        return 5;
    case 0x041F:
        return 6;
    case 0x0408:
        return 11;
    case 0x0405:
        return 12;
    case 0x0422:
        return 20;
    }
    return kEnglish;
}

int languageFromUserLocale()
{
    return languageOfLangId(GetUserDefaultLangID());
}

std::wstring joinPath(const std::wstring& folder, const wchar_t* name)
{
    return folder + name;
}

bool openLanguageFiles()
{
    return openLanguageFilesIn(joinPath(programFolder(), L"\\Kestrelwave_LANG\\"));
}

bool openLanguageFilesIn(const std::wstring& folder)
{
    for (CLangFile& file : g_langTable)
        file.close();
    for (const LanguageFile& file : kLanguageFiles)
        g_langTable[slotOfLanguage(file.id)].open(joinPath(folder, file.name));
    return true;
}
