#pragma once

#include "CObject.h"
#include "CString.h"

// Lists the files of a folder that match a pattern:
//     BOOL more = finder.FindFile(L"C:\\folder\\*.*");
//     while (more) { more = finder.FindNextFile(); ...finder.GetFilePath()... }
// FindNextFile moves to the next entry and tells whether another follows.
class WFX_API CFileFind : public CObject
{
public:
    CFileFind() = default;
    ~CFileFind() override;
    CFileFind(const CFileFind&) = delete;
    CFileFind& operator=(const CFileFind&) = delete;

    // "*.*" of the current folder without a pattern; FALSE (GetLastError
    // tells why) when nothing matches or the folder cannot be read.
    virtual BOOL FindFile(LPCWSTR pstrName = nullptr, DWORD dwUnused = 0);
    virtual BOOL FindNextFile();
    void Close();

    CString GetFileName() const { return m_found.cFileName; }
    CString GetFilePath() const;
    // The file name without its extension.
    CString GetFileTitle() const;
    // The folder searched, with a trailing backslash.
    CString GetRoot() const { return m_root; }
    ULONGLONG GetLength() const;
    BOOL GetLastWriteTime(FILETIME* pTimeStamp) const;

    BOOL MatchesMask(DWORD dwMask) const { return (m_found.dwFileAttributes & dwMask) != 0; }
    BOOL IsDots() const;
    BOOL IsDirectory() const { return MatchesMask(FILE_ATTRIBUTE_DIRECTORY); }
    BOOL IsHidden() const { return MatchesMask(FILE_ATTRIBUTE_HIDDEN); }
    BOOL IsReadOnly() const { return MatchesMask(FILE_ATTRIBUTE_READONLY); }

private:
    HANDLE m_hFind = INVALID_HANDLE_VALUE;
    WIN32_FIND_DATAW m_next{};  // read ahead
    WIN32_FIND_DATAW m_found{}; // the entry FindNextFile moved to
    BOOL m_bHasNext = FALSE;
    CString m_root;
};
