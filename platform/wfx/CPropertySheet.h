#pragma once

#include "CWnd.h"

#include <prsht.h>

#include <vector>

class CPropertyPage;
class CTabCtrl;

// The system's property sheet with CPropertyPage objects as pages. DoModal
// creates it modeless and runs the framework's modal loop, so that
// PreTranslateMessage of the sheet and its children sees every key.
class WFX_API CPropertySheet : public CWnd
{
    DECLARE_DYNAMIC(CPropertySheet)

public:
    CPropertySheet();
    explicit CPropertySheet(LPCWSTR pszCaption, CWnd* pParentWnd = nullptr, UINT iSelectPage = 0);
    ~CPropertySheet() override;

    PROPSHEETHEADERW m_psh{};

    // The sheet does not own its pages.
    void AddPage(CPropertyPage* pPage);
    void RemovePage(CPropertyPage* pPage);
    void RemovePage(int nPage);
    int GetPageCount() const { return int(m_pages.size()); }
    CPropertyPage* GetPage(int nPage) const;
    int GetPageIndex(CPropertyPage* pPage) const;
    CPropertyPage* GetActivePage() const;
    int GetActiveIndex() const;
    BOOL SetActivePage(int nPage);
    CTabCtrl* GetTabControl() const;
    void SetTitle(LPCWSTR lpszText);

    // IDOK, IDCANCEL, what EndDialog was given, or -1 when the sheet could not be made.
    virtual INT_PTR DoModal();
    void EndDialog(int nEndID);
    virtual BOOL OnInitDialog();
    BOOL PreTranslateMessage(MSG* pMsg) override;
    BOOL ContinueModal() override;
    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override;

private:
    HWND createModeless(HWND owner);
    INT_PTR runModal(HWND owner);

    std::vector<CPropertyPage*> m_pages;
    CWnd* m_pParentWnd = nullptr;
    CString m_caption;
    BOOL m_bEnded = FALSE; // EndDialog gave the result
};
