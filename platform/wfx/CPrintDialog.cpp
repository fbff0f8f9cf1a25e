#include "CPrintDialog.h"

#include "CWnd.h"
#include "WfxTestHooks.h"

IMPLEMENT_DYNAMIC(CPrintDialog, CObject)

CPrintDialog::CPrintDialog(BOOL bPrintSetupOnly, DWORD dwFlags, CWnd* pParentWnd) : m_pd{}
{
    m_pd.lStructSize = sizeof(m_pd);
    m_pd.Flags = dwFlags | (bPrintSetupOnly ? PD_PRINTSETUP : PD_RETURNDC);
    m_pd.hwndOwner = pParentWnd ? pParentWnd->GetSafeHwnd() : nullptr;
    m_pd.nCopies = 1;
}

CPrintDialog::~CPrintDialog()
{
    if (m_pd.hDC)
        ::DeleteDC(m_pd.hDC);
    if (m_pd.hDevMode)
        ::GlobalFree(m_pd.hDevMode);
    if (m_pd.hDevNames)
        ::GlobalFree(m_pd.hDevNames);
}

INT_PTR CPrintDialog::DoModal()
{
    return WfxRunPrintDialog(m_pd) ? IDOK : IDCANCEL;
}

BOOL CPrintDialog::GetDefaults()
{
    DWORD flags = m_pd.Flags;
    m_pd.Flags = (flags | PD_RETURNDEFAULT | PD_RETURNDC) & ~PD_PRINTSETUP;
    BOOL found = WfxRunPrintDialog(m_pd);
    m_pd.Flags = flags;
    return found;
}

CString CPrintDialog::GetDeviceName() const
{
    auto* names = m_pd.hDevNames ? static_cast<DEVNAMES*>(::GlobalLock(m_pd.hDevNames)) : nullptr;
    if (!names)
        return CString();
    CString name(reinterpret_cast<const wchar_t*>(names) + names->wDeviceOffset);
    ::GlobalUnlock(m_pd.hDevNames);
    return name;
}

int CPrintDialog::GetFromPage() const
{
    return PrintRange() ? m_pd.nFromPage : -1;
}

int CPrintDialog::GetToPage() const
{
    return PrintRange() ? m_pd.nToPage : -1;
}
