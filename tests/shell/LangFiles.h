#pragma once

#include "TempDir.h"

#include <string>

namespace kwtest {

// UTF-16LE with its byte-order mark, as the language files are written.
std::string utf16File(const std::wstring& text);

// A language folder of the test's own; the table is opened from it and
// closed again when the folder goes.
class LangFolder
{
public:
    LangFolder();
    ~LangFolder();
    LangFolder(const LangFolder&) = delete;
    LangFolder& operator=(const LangFolder&) = delete;

    void write(const wchar_t* name, const std::wstring& lines);
    void writeBytes(const wchar_t* name, const std::string& bytes);
    // Opens the table from this folder.
    void open();

private:
    TempDir m_dir;
};

} // namespace kwtest
