#pragma once

#include "CDialog.h"

#include <prsht.h>

class CPropertySheet;

// A page of a property sheet. The sheet creates the page's window from the
// template; the object takes it over at WM_INITDIALOG and gets the sheet's
// PSN_* notifications as the virtual handlers below.
class WFX_API CPropertyPage : public CDialog
{
    DECLARE_DYNAMIC(CPropertyPage)

public:
    CPropertyPage();
    explicit CPropertyPage(UINT nIDTemplate, UINT nIDCaption = 0);
    explicit CPropertyPage(LPCWSTR lpszTemplateName, UINT nIDCaption = 0);

    PROPSHEETPAGEW m_psp{};

    // The sheet the page is shown in, or null.
    CPropertySheet* GetSheet() const;
    void SetModified(BOOL bChanged = TRUE);

    // PSN_SETACTIVE: FALSE refuses the page.
    virtual BOOL OnSetActive();
    // PSN_KILLACTIVE: the controls' values back into the members; FALSE keeps the page.
    virtual BOOL OnKillActive();
    // PSN_APPLY (OK or Apply): OnOK; FALSE keeps the sheet open.
    virtual BOOL OnApply();
    // PSN_RESET (Cancel): OnCancel.
    virtual void OnReset();
    // PSN_QUERYCANCEL: FALSE keeps the sheet open.
    virtual BOOL OnQueryCancel();
    // PSN_WIZFINISH: FALSE keeps the wizard open.
    virtual BOOL OnWizardFinish();
    // A page does not end a dialog: the sheet's buttons do.
    void OnOK() override;
    void OnCancel() override;
    // The sheet translates the keys of its pages.
    BOOL PreTranslateMessage(MSG* pMsg) override;
    BOOL OnNotify(WPARAM wParam, LPARAM lParam, LRESULT* pResult) override;

private:
    void initPage(LPCWSTR lpszTemplateName, UINT nIDCaption);
    static INT_PTR CALLBACK pageProcedure(HWND hWnd, UINT message, WPARAM wParam, LPARAM lParam);
    BOOL onSheetNotify(const NMHDR& hdr, LRESULT* pResult);

    CString m_caption;
};
