#include "CPropertySheet.h"

#include "CPropertyPage.h"
#include "CTabCtrl.h"
#include "CWinThread.h"
#include "WfxInternal.h"
#include "WfxTestHooks.h"

#include <algorithm>

IMPLEMENT_DYNAMIC(CPropertySheet, CWnd)

CPropertySheet::CPropertySheet() : CPropertySheet(L"") {}

CPropertySheet::CPropertySheet(LPCWSTR pszCaption, CWnd* pParentWnd, UINT iSelectPage)
    : m_pParentWnd(pParentWnd), m_caption(pszCaption ? pszCaption : L"")
{
    m_psh.dwSize = sizeof(m_psh);
    m_psh.dwFlags = PSH_DEFAULT | PSH_NOAPPLYNOW;
    m_psh.pszCaption = m_caption;
    m_psh.nStartPage = iSelectPage;
}

CPropertySheet::~CPropertySheet()
{
    if (m_hWnd)
        DestroyWindow();
}

void CPropertySheet::AddPage(CPropertyPage* pPage)
{
    if (!pPage)
        return;
    m_pages.push_back(pPage);
    if (!m_hWnd)
        return;
    HPROPSHEETPAGE handle = CreatePropertySheetPageW(&pPage->m_psp);
    if (!handle || !::SendMessageW(m_hWnd, PSM_ADDPAGE, 0, reinterpret_cast<LPARAM>(handle))) {
        if (handle)
            DestroyPropertySheetPage(handle);
        m_pages.pop_back();
    }
}

void CPropertySheet::RemovePage(CPropertyPage* pPage)
{
    RemovePage(GetPageIndex(pPage));
}

void CPropertySheet::RemovePage(int nPage)
{
    if (nPage < 0 || nPage >= GetPageCount())
        return;
    if (m_hWnd)
        ::SendMessageW(m_hWnd, PSM_REMOVEPAGE, WPARAM(nPage), 0);
    m_pages.erase(m_pages.begin() + nPage);
}

CPropertyPage* CPropertySheet::GetPage(int nPage) const
{
    return nPage >= 0 && nPage < GetPageCount() ? m_pages[size_t(nPage)] : nullptr;
}

int CPropertySheet::GetPageIndex(CPropertyPage* pPage) const
{
    auto it = std::find(m_pages.begin(), m_pages.end(), pPage);
    return it == m_pages.end() ? -1 : int(it - m_pages.begin());
}

int CPropertySheet::GetActiveIndex() const
{
    if (!m_hWnd)
        return int(m_psh.nStartPage);
    HWND tab = reinterpret_cast<HWND>(::SendMessageW(m_hWnd, PSM_GETTABCONTROL, 0, 0));
    return tab ? int(::SendMessageW(tab, TCM_GETCURSEL, 0, 0)) : -1;
}

CPropertyPage* CPropertySheet::GetActivePage() const
{
    return GetPage(GetActiveIndex());
}

BOOL CPropertySheet::SetActivePage(int nPage)
{
    if (!m_hWnd) {
        m_psh.nStartPage = UINT(nPage);
        return TRUE;
    }
    return BOOL(::SendMessageW(m_hWnd, PSM_SETCURSEL, WPARAM(nPage), 0));
}

CTabCtrl* CPropertySheet::GetTabControl() const
{
    return static_cast<CTabCtrl*>(
        FromHandle(reinterpret_cast<HWND>(::SendMessageW(m_hWnd, PSM_GETTABCONTROL, 0, 0))));
}

void CPropertySheet::SetTitle(LPCWSTR lpszText)
{
    m_caption = lpszText ? lpszText : L"";
    m_psh.pszCaption = m_caption;
    if (m_hWnd)
        ::SendMessageW(m_hWnd, PSM_SETTITLEW, 0, reinterpret_cast<LPARAM>(LPCWSTR(m_caption)));
}

BOOL CPropertySheet::OnInitDialog()
{
    return TRUE;
}

BOOL CPropertySheet::PreTranslateMessage(MSG* pMsg)
{
    return m_hWnd && ::SendMessageW(m_hWnd, PSM_ISDIALOGMESSAGE, 0, reinterpret_cast<LPARAM>(pMsg));
}

// The system leaves a modeless sheet without a current page once OK or
// Cancel has closed it.
BOOL CPropertySheet::ContinueModal()
{
    return CWnd::ContinueModal() && m_hWnd && ::SendMessageW(m_hWnd, PSM_GETCURRENTPAGEHWND, 0, 0);
}

// A sheet closed by its buttons wakes the modal loop up, which may
// otherwise wait for the next message.
LRESULT CPropertySheet::WindowProc(UINT message, WPARAM wParam, LPARAM lParam)
{
    LRESULT result = CWnd::WindowProc(message, wParam, lParam);
    if ((m_nFlags & WF_CONTINUEMODAL) && m_hWnd && message != WM_NULL && !ContinueModal())
        PostMessage(WM_NULL);
    return result;
}

void CPropertySheet::EndDialog(int nEndID)
{
    m_bEnded = TRUE;
    EndModalLoop(nEndID);
}

HWND CPropertySheet::createModeless(HWND owner)
{
    std::vector<HPROPSHEETPAGE> handles;
    for (CPropertyPage* page : m_pages)
        if (HPROPSHEETPAGE handle = CreatePropertySheetPageW(&page->m_psp))
            handles.push_back(handle);
    if (handles.size() != m_pages.size()) {
        for (HPROPSHEETPAGE handle : handles)
            DestroyPropertySheetPage(handle);
        return nullptr;
    }
    PROPSHEETHEADERW header = m_psh;
    header.dwFlags = (header.dwFlags | PSH_MODELESS) & ~PSH_PROPSHEETPAGE;
    header.hwndParent = owner;
    header.nPages = UINT(handles.size());
    header.phpage = handles.data();
    wfxInitCommonControls();
    INT_PTR made = PropertySheetW(&header);
    return made > 0 ? reinterpret_cast<HWND>(made) : nullptr;
}

INT_PTR CPropertySheet::DoModal()
{
    if (m_hWnd || m_pages.empty())
        return -1;
    return wfxRunModalOver(*this, m_pParentWnd, [this](HWND owner) { return runModal(owner); });
}

INT_PTR CPropertySheet::runModal(HWND owner)
{
    m_bEnded = FALSE;
    m_nModalResult = -1;
    HWND sheet = createModeless(owner);
    if (!sheet || !SubclassWindow(sheet)) {
        if (sheet)
            ::DestroyWindow(sheet);
        return -1;
    }
    OnInitDialog();
    m_nFlags |= WF_CONTINUEMODAL;
    if (ContinueModal())
        WfxRunModalSheetHook(*this);
    if (ContinueModal()) {
        if (!IsWindowVisible())
            ShowWindow(SW_SHOWNORMAL);
        RunModalLoop();
    }
    m_nFlags &= ~WF_CONTINUEMODAL;
    if (m_bEnded || !m_hWnd)
        return m_nModalResult;
    LRESULT result = ::SendMessageW(m_hWnd, PSM_GETRESULT, 0, 0);
    return result > 0 ? result : IDCANCEL;
}
