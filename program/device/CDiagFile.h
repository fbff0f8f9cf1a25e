#pragma once

#include <cstdio>
#include <string>

// A live-data recording ("*.osc"): a text stream and its path, the path
// empty whenever nothing is being recorded.
class CDiagFile
{
public:
    CDiagFile() = default;
    CDiagFile(const CDiagFile&) = delete;
    CDiagFile& operator=(const CDiagFile&) = delete;
    virtual ~CDiagFile();

    // Empties an existing file. False (and nothing recorded) when the file
    // cannot be opened.
    bool open(const std::wstring& path);
    void close();
    bool isOpen() const { return m_file != nullptr; }
    const std::wstring& path() const { return m_path; }
    void write(const std::string& line);

private:
    FILE* m_file = nullptr;
    std::wstring m_path;
};
