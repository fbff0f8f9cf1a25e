#pragma once

#include "CWnd.h"

#include <richedit.h>

// Loads the rich edit control (class "RichEdit20W") once; dialogs whose
// templates hold one need it before they are made.
WFX_API BOOL AfxInitRichEdit2();

// The rich edit control. Character formats are CHARFORMATW; their cbSize
// is filled in here.
class WFX_API CRichEditCtrl : public CWnd
{
    DECLARE_DYNAMIC(CRichEditCtrl)

public:
    CRichEditCtrl() = default;

    virtual BOOL Create(DWORD dwStyle, const RECT& rect, CWnd* pParentWnd, UINT nID);

    // bSysColor takes the system's window colour instead of cr; the
    // previous colour is returned.
    COLORREF SetBackgroundColor(BOOL bSysColor, COLORREF cr)
    {
        return COLORREF(SendMessage(EM_SETBKGNDCOLOR, WPARAM(bSysColor), LPARAM(cr)));
    }
    DWORD GetDefaultCharFormat(CHARFORMATW& cf) const { return charFormat(SCF_DEFAULT, cf); }
    BOOL SetDefaultCharFormat(CHARFORMATW& cf) { return setCharFormat(SCF_DEFAULT, cf); }
    DWORD GetSelectionCharFormat(CHARFORMATW& cf) const { return charFormat(SCF_SELECTION, cf); }
    BOOL SetSelectionCharFormat(CHARFORMATW& cf) { return setCharFormat(SCF_SELECTION, cf); }

    void SetSel(long nStartChar, long nEndChar);
    void GetSel(long& nStartChar, long& nEndChar) const;
    void ReplaceSel(LPCWSTR lpszNewText, BOOL bCanUndo = FALSE)
    {
        SendMessage(EM_REPLACESEL, WPARAM(bCanUndo), LPARAM(lpszNewText));
    }
    long GetTextLength() const { return long(SendMessage(WM_GETTEXTLENGTH)); }
    int GetLineCount() const { return int(SendMessage(EM_GETLINECOUNT)); }
    BOOL SetReadOnly(BOOL bReadOnly = TRUE) { return BOOL(SendMessage(EM_SETREADONLY, WPARAM(bReadOnly))); }
    void LimitText(long nChars = 0) { SendMessage(EM_EXLIMITTEXT, 0, LPARAM(nChars)); }
    void LineScroll(int nLines, int nChars = 0)
    {
        SendMessage(EM_LINESCROLL, WPARAM(nChars), LPARAM(nLines));
    }
    int GetFirstVisibleLine() const { return int(SendMessage(EM_GETFIRSTVISIBLELINE)); }

private:
    DWORD charFormat(WPARAM which, CHARFORMATW& cf) const;
    BOOL setCharFormat(WPARAM which, CHARFORMATW& cf);
};
