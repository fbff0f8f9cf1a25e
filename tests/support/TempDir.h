#pragma once

#include <string>

namespace kwtest {

// A fresh folder under the Windows temporary folder, removed with all its
// contents when the object goes.
class TempDir
{
public:
    TempDir();
    ~TempDir();
    TempDir(const TempDir&) = delete;
    TempDir& operator=(const TempDir&) = delete;

    const std::wstring& path() const { return m_path; }
    // path() + L"\\" + name
    std::wstring file(const std::wstring& name) const;

private:
    std::wstring m_path;
};

// Whole-file helpers for tests.
bool writeFileBytes(const std::wstring& path, const std::string& bytes);
std::string readFileBytes(const std::wstring& path);
bool removeTree(const std::wstring& path);

} // namespace kwtest
