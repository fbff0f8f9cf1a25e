#pragma once

#include "CFileException.h"

// A file opened for binary reading or writing. Read and Write throw
// CFileException* when the system call fails.
class WFX_API CFile
{
public:
    enum OpenFlags : UINT
    {
        modeRead = 0x0000,
        modeWrite = 0x0001,
        modeReadWrite = 0x0002,
        shareDenyNone = 0x0040,
        modeCreate = 0x1000,
        typeBinary = 0x8000,
    };

    CFile() = default;
    CFile(LPCWSTR lpszFileName, UINT nOpenFlags); // throws on failure
    virtual ~CFile();
    CFile(const CFile&) = delete;
    CFile& operator=(const CFile&) = delete;

    // FALSE on failure, with the reason in pError when given.
    virtual BOOL Open(LPCWSTR lpszFileName, UINT nOpenFlags, CFileException* pError = nullptr);
    virtual void Close();
    virtual UINT Read(void* lpBuf, UINT nCount);
    virtual void Write(const void* lpBuf, UINT nCount);
    ULONGLONG GetLength() const;
    const CString& GetFilePath() const { return m_strFileName; }
    HANDLE m_hFile = INVALID_HANDLE_VALUE;

    // Renames (moves) a file or folder; throws CFileException* on failure.
    static void Rename(LPCWSTR lpszOldName, LPCWSTR lpszNewName);

private:
    CString m_strFileName;
};
