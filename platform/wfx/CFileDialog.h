#pragma once

#include "CObject.h"
#include "CString.h"

#include <commdlg.h>

#include <string>
#include <vector>

class CWnd;

// The system's open or save file dialog. The filter is pairs of description
// and pattern, each ended by '|' ("Text (*.txt)|*.txt|"); m_ofn may be
// changed (initial folder, title, flags) before DoModal. Tests answer it
// through the file dialog hook (WfxTestHooks.h).
class WFX_API CFileDialog : public CObject
{
    DECLARE_DYNAMIC(CFileDialog)

public:
    OPENFILENAMEW m_ofn;

    // dwSize and bVistaStyle are accepted for source compatibility; the
    // dialog is always of the explorer kind.
    explicit CFileDialog(BOOL bOpenFileDialog, LPCWSTR lpszDefExt = nullptr, LPCWSTR lpszFileName = nullptr,
                         DWORD dwFlags = OFN_HIDEREADONLY | OFN_OVERWRITEPROMPT, LPCWSTR lpszFilter = nullptr,
                         CWnd* pParentWnd = nullptr, DWORD dwSize = 0, BOOL bVistaStyle = TRUE);
    CFileDialog(const CFileDialog&) = delete;
    CFileDialog& operator=(const CFileDialog&) = delete;

    // IDOK with a file chosen, IDCANCEL otherwise.
    virtual INT_PTR DoModal();

    CString GetPathName() const { return m_path.data(); }
    CString GetFileName() const;
    CString GetFileExt() const;
    CString GetFileTitle() const;
    // The chosen file's folder, without a trailing backslash.
    CString GetFolderPath() const;

private:
    BOOL m_bOpenFileDialog;
    std::wstring m_filter;
    std::wstring m_defaultExtension;
    std::vector<wchar_t> m_path;
};
