#include "LangFiles.h"

#include "translate.h"

namespace kwtest {

std::string utf16File(const std::wstring& text)
{
    std::string bytes = "\xFF\xFE";
    for (wchar_t c : text) {
        bytes += static_cast<char>(c & 0xFF);
        bytes += static_cast<char>(c >> 8);
    }
    return bytes;
}

LangFolder::LangFolder() = default;

// The files must be closed before the folder can be removed.
LangFolder::~LangFolder()
{
    for (CLangFile& file : g_langTable)
        file.close();
    g_languageId = 1;
    g_cngMode = 0;
}

void LangFolder::write(const wchar_t* name, const std::wstring& lines)
{
    writeBytes(name, utf16File(lines));
}

void LangFolder::writeBytes(const wchar_t* name, const std::string& bytes)
{
    writeFileBytes(m_dir.file(name), bytes);
}

void LangFolder::open()
{
    openLanguageFilesIn(m_dir.path() + L"\\");
}

} // namespace kwtest
