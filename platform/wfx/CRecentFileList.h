#pragma once

#include "CString.h"

#include <vector>

// The most recently used files, newest first, kept in the application's
// profile as entries of one section ("File1", "File2"... by the entry
// format). A path added again moves to the front; paths compare without
// regard to case.
class WFX_API CRecentFileList
{
public:
    // nStart is the command id of the first entry.
    CRecentFileList(UINT nStart, LPCWSTR lpszSection, LPCWSTR lpszEntryFormat, int nSize);
    virtual ~CRecentFileList() = default;

    int GetSize() const { return int(m_names.size()); }
    // The entry at nIndex; empty past the last one.
    CString operator[](int nIndex) const;
    virtual void Add(LPCWSTR lpszPathName);
    virtual void Remove(int nIndex);
    virtual void ReadList();
    virtual void WriteList();

protected:
    UINT m_nStart;
    CString m_strSectionName;
    CString m_strEntryFormat;
    std::vector<CString> m_names; // m_nSize slots, empty ones at the end

private:
    CString entryName(int index) const;
};
