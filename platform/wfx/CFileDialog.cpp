#include "CFileDialog.h"

#include "CWnd.h"
#include "WfxTestHooks.h"

#include <algorithm>

IMPLEMENT_DYNAMIC(CFileDialog, CObject)

namespace {

const size_t kPathChars = 4096;

// The dialog wants the pairs separated by zeros and the list ended by two.
std::wstring dialogFilter(LPCWSTR filter)
{
    std::wstring pairs = filter ? filter : L"";
    std::replace(pairs.begin(), pairs.end(), L'|', L'\0');
    if (!pairs.empty() && pairs.back() != L'\0')
        pairs += L'\0';
    return pairs;
}

} // namespace

CFileDialog::CFileDialog(BOOL bOpenFileDialog, LPCWSTR lpszDefExt, LPCWSTR lpszFileName, DWORD dwFlags,
                         LPCWSTR lpszFilter, CWnd* pParentWnd, DWORD, BOOL)
    : m_ofn{}, m_bOpenFileDialog(bOpenFileDialog), m_filter(dialogFilter(lpszFilter)),
      m_defaultExtension(lpszDefExt ? lpszDefExt : L""), m_path(kPathChars, L'\0')
{
    if (lpszFileName)
        wcsncpy(m_path.data(), lpszFileName, kPathChars - 1);
    m_ofn.lStructSize = sizeof(m_ofn);
    m_ofn.hwndOwner = pParentWnd ? pParentWnd->m_hWnd : nullptr;
    m_ofn.lpstrFilter = m_filter.empty() ? nullptr : m_filter.c_str();
    m_ofn.lpstrFile = m_path.data();
    m_ofn.nMaxFile = DWORD(kPathChars);
    m_ofn.lpstrDefExt = lpszDefExt ? m_defaultExtension.c_str() : nullptr;
    m_ofn.Flags = dwFlags | OFN_EXPLORER;
}

INT_PTR CFileDialog::DoModal()
{
    m_ofn.lpstrFile = m_path.data();
    m_ofn.nMaxFile = DWORD(m_path.size());
    BOOL chosen = WfxRunFileDialog(m_ofn, m_bOpenFileDialog);
    m_path.back() = L'\0'; // whatever answered, the path stays terminated
    if (!chosen) {
        m_path[0] = L'\0';
        return IDCANCEL;
    }
    return IDOK;
}

CString CFileDialog::GetFileName() const
{
    CString path = GetPathName();
    return path.Mid(path.ReverseFind(L'\\') + 1);
}

CString CFileDialog::GetFileExt() const
{
    CString name = GetFileName();
    int dot = name.ReverseFind(L'.');
    return dot < 0 ? CString() : name.Mid(dot + 1);
}

CString CFileDialog::GetFileTitle() const
{
    CString name = GetFileName();
    int dot = name.ReverseFind(L'.');
    return dot < 0 ? name : name.Left(dot);
}

CString CFileDialog::GetFolderPath() const
{
    CString path = GetPathName();
    int slash = path.ReverseFind(L'\\');
    return slash < 0 ? CString() : path.Left(slash);
}
