#include "CRecentFileList.h"

#include "CWinApp.h"

#include <algorithm>

CRecentFileList::CRecentFileList(UINT nStart, LPCWSTR lpszSection, LPCWSTR lpszEntryFormat, int nSize)
    : m_nStart(nStart), m_strSectionName(lpszSection), m_strEntryFormat(lpszEntryFormat),
      m_names(size_t(std::max(nSize, 0)))
{
}

CString CRecentFileList::operator[](int nIndex) const
{
    return nIndex >= 0 && nIndex < GetSize() ? m_names[size_t(nIndex)] : CString();
}

CString CRecentFileList::entryName(int index) const
{
    CString entry;
    entry.Format(m_strEntryFormat, index + 1);
    return entry;
}

void CRecentFileList::Add(LPCWSTR lpszPathName)
{
    if (m_names.empty() || !lpszPathName || !*lpszPathName)
        return;
    wchar_t full[MAX_PATH * 2] = {};
    DWORD length = GetFullPathNameW(lpszPathName, MAX_PATH * 2, full, nullptr);
    CString path = length > 0 && length < MAX_PATH * 2 ? full : lpszPathName;
    auto same = std::find_if(m_names.begin(), m_names.end(),
                             [&](const CString& name) { return name.CompareNoCase(path) == 0; });
    if (same == m_names.end())
        same = m_names.end() - 1; // the oldest entry drops out
    m_names.erase(same);
    m_names.insert(m_names.begin(), path);
}

void CRecentFileList::Remove(int nIndex)
{
    if (nIndex < 0 || nIndex >= GetSize())
        return;
    m_names.erase(m_names.begin() + nIndex);
    m_names.emplace_back();
}

void CRecentFileList::ReadList()
{
    CWinApp* app = AfxGetApp();
    if (!app)
        return;
    std::fill(m_names.begin(), m_names.end(), CString());
    size_t filled = 0;
    for (int i = 0; i < GetSize(); ++i) {
        CString name = app->GetProfileString(m_strSectionName, entryName(i));
        if (!name.IsEmpty())
            m_names[filled++] = name;
    }
}

void CRecentFileList::WriteList()
{
    CWinApp* app = AfxGetApp();
    if (!app)
        return;
    for (int i = 0; i < GetSize(); ++i)
        app->WriteProfileString(m_strSectionName, entryName(i),
                                m_names[size_t(i)].IsEmpty() ? nullptr : m_names[size_t(i)].GetString());
}
