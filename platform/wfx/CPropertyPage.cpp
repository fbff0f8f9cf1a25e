#include "CPropertyPage.h"

#include "CPropertySheet.h"
#include "WfxResources.h"

IMPLEMENT_DYNAMIC(CPropertyPage, CDialog)

CPropertyPage::CPropertyPage()
{
    initPage(nullptr, 0);
}

CPropertyPage::CPropertyPage(UINT nIDTemplate, UINT nIDCaption) : CDialog(nIDTemplate)
{
    initPage(MAKEINTRESOURCEW(nIDTemplate), nIDCaption);
}

CPropertyPage::CPropertyPage(LPCWSTR lpszTemplateName, UINT nIDCaption) : CDialog(lpszTemplateName)
{
    initPage(m_lpszTemplateName, nIDCaption);
}

void CPropertyPage::initPage(LPCWSTR lpszTemplateName, UINT nIDCaption)
{
    m_psp.dwSize = sizeof(m_psp);
    m_psp.dwFlags = PSP_DEFAULT;
    m_psp.pszTemplate = lpszTemplateName;
    m_psp.hInstance =
        lpszTemplateName ? AfxFindResourceHandle(lpszTemplateName, RT_DIALOG, GetRuntimeClass()) : nullptr;
    m_psp.pfnDlgProc = pageProcedure;
    m_psp.lParam = reinterpret_cast<LPARAM>(this);
    if (nIDCaption && m_caption.LoadString(nIDCaption)) {
        m_psp.dwFlags |= PSP_USETITLE;
        m_psp.pszTitle = m_caption;
    }
}

// The system's dialog procedure of the page: it only hands the window to
// the object, whose handler tables see every message after that.
INT_PTR CALLBACK CPropertyPage::pageProcedure(HWND hWnd, UINT message, WPARAM, LPARAM lParam)
{
    if (message != WM_INITDIALOG)
        return FALSE;
    auto* sheetPage = reinterpret_cast<PROPSHEETPAGEW*>(lParam);
    auto* page = sheetPage ? reinterpret_cast<CPropertyPage*>(sheetPage->lParam) : nullptr;
    if (!page || (!page->m_hWnd && !page->SubclassWindow(hWnd)))
        return TRUE;
    return page->OnInitDialog();
}

CPropertySheet* CPropertyPage::GetSheet() const
{
    return dynamic_cast<CPropertySheet*>(FromHandlePermanent(::GetParent(m_hWnd)));
}

void CPropertyPage::SetModified(BOOL bChanged)
{
    HWND sheet = ::GetParent(m_hWnd);
    if (sheet)
        ::SendMessageW(sheet, bChanged ? PSM_CHANGED : PSM_UNCHANGED, WPARAM(m_hWnd), 0);
}

BOOL CPropertyPage::OnSetActive()
{
    return TRUE;
}

BOOL CPropertyPage::OnKillActive()
{
    return UpdateData(TRUE);
}

BOOL CPropertyPage::OnApply()
{
    OnOK();
    return TRUE;
}

void CPropertyPage::OnReset()
{
    OnCancel();
}

BOOL CPropertyPage::OnQueryCancel()
{
    return TRUE;
}

BOOL CPropertyPage::OnWizardFinish()
{
    return TRUE;
}

void CPropertyPage::OnOK() {}

void CPropertyPage::OnCancel() {}

BOOL CPropertyPage::PreTranslateMessage(MSG*)
{
    return FALSE;
}

BOOL CPropertyPage::OnNotify(WPARAM wParam, LPARAM lParam, LRESULT* pResult)
{
    auto* hdr = reinterpret_cast<NMHDR*>(lParam);
    if (hdr && hdr->hwndFrom == ::GetParent(m_hWnd) && onSheetNotify(*hdr, pResult)) {
        // The sheet may read the answer the dialog way too.
        ::SetWindowLongPtrW(m_hWnd, DWLP_MSGRESULT, *pResult);
        return TRUE;
    }
    return CDialog::OnNotify(wParam, lParam, pResult);
}

BOOL CPropertyPage::onSheetNotify(const NMHDR& hdr, LRESULT* pResult)
{
    switch (hdr.code) {
    case PSN_SETACTIVE:
        *pResult = OnSetActive() ? 0 : -1;
        return TRUE;
    case PSN_KILLACTIVE:
        *pResult = !OnKillActive();
        return TRUE;
    case PSN_APPLY:
        *pResult = OnApply() ? PSNRET_NOERROR : PSNRET_INVALID_NOCHANGEPAGE;
        return TRUE;
    case PSN_RESET:
        OnReset();
        *pResult = 0;
        return TRUE;
    case PSN_QUERYCANCEL:
        *pResult = !OnQueryCancel();
        return TRUE;
    case PSN_WIZFINISH:
        *pResult = !OnWizardFinish();
        return TRUE;
    }
    return FALSE;
}
