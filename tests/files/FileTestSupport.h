#pragma once

#include <CSettingsRecord.h>
#include <TempDir.h>

#include <string>
#include <vector>

// Files of one test in a folder of their own.
class TestFiles
{
public:
    // A new file of the folder holding the bytes; its path.
    std::wstring put(const std::string& bytes);
    std::wstring newPath();
    const kwtest::TempDir& dir() const { return m_dir; }

private:
    kwtest::TempDir m_dir;
    unsigned m_count = 0;
};

// The bytes the program writes for the record.
std::string writtenBytes(const CSettingsRecord& record);
// Everything of a record, saved or not, as bytes: equal records give equal images.
std::string wholeImage(const CSettingsRecord& record);
// The names in a folder, sorted.
std::vector<std::wstring> folderNames(const std::wstring& folder);
