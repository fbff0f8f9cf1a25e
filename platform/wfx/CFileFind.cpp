#include "CFileFind.h"

#include <cwchar>

CFileFind::~CFileFind()
{
    Close();
}

void CFileFind::Close()
{
    if (m_hFind != INVALID_HANDLE_VALUE)
        ::FindClose(m_hFind);
    m_hFind = INVALID_HANDLE_VALUE;
    m_bHasNext = FALSE;
    m_found = WIN32_FIND_DATAW{};
}

BOOL CFileFind::FindFile(LPCWSTR pstrName, DWORD)
{
    Close();
    LPCWSTR pattern = pstrName && *pstrName ? pstrName : L"*.*";
    m_hFind = ::FindFirstFileW(pattern, &m_next);
    if (m_hFind == INVALID_HANDLE_VALUE)
        return FALSE;
    m_bHasNext = TRUE;
    wchar_t full[MAX_PATH * 2] = {};
    wchar_t* name = nullptr;
    DWORD length = ::GetFullPathNameW(pattern, MAX_PATH * 2, full, &name);
    if (length > 0 && length < MAX_PATH * 2 && name)
        *name = L'\0';
    m_root = full;
    return TRUE;
}

BOOL CFileFind::FindNextFile()
{
    if (!m_bHasNext)
        return FALSE;
    m_found = m_next;
    m_bHasNext = ::FindNextFileW(m_hFind, &m_next);
    return m_bHasNext;
}

CString CFileFind::GetFilePath() const
{
    CString path = m_root;
    path += m_found.cFileName;
    return path;
}

CString CFileFind::GetFileTitle() const
{
    CString name = GetFileName();
    int dot = name.ReverseFind(L'.');
    return dot > 0 ? name.Left(dot) : name;
}

ULONGLONG CFileFind::GetLength() const
{
    return (ULONGLONG(m_found.nFileSizeHigh) << 32) | m_found.nFileSizeLow;
}

BOOL CFileFind::GetLastWriteTime(FILETIME* pTimeStamp) const
{
    if (!pTimeStamp)
        return FALSE;
    *pTimeStamp = m_found.ftLastWriteTime;
    return TRUE;
}

BOOL CFileFind::IsDots() const
{
    return IsDirectory() && (wcscmp(m_found.cFileName, L".") == 0 || wcscmp(m_found.cFileName, L"..") == 0);
}
