#pragma once

#include <cstdio>
#include <mutex>
#include <string>

// One language file: UTF-16 lines of "English TAB note TAB translation".
// The file stays open and is scanned from the start on every lookup; the
// lookup holds the file's own lock, since the reading thread translates too.
class CLangFile
{
public:
    CLangFile() = default;
    CLangFile(const CLangFile&) = delete;
    CLangFile& operator=(const CLangFile&) = delete;
    virtual ~CLangFile();

    bool open(const std::wstring& path);
    void close();
    bool isOpen() const;
    std::wstring path() const;

    // The translation of `text`; `text` itself (escapes replaced) when the
    // file has no line for it; empty when no file is open or the line's
    // translation is empty.
    std::wstring lookup(const std::wstring& text);

private:
    void closeLocked();
    std::wstring scan(const std::wstring& text);

    FILE* m_file = nullptr;
    std::wstring m_path;
    mutable std::mutex m_lock;
};

// The backslash-t, -r and -n escapes of a language file, replaced in that order.
std::wstring replaceEscapes(std::wstring text);
