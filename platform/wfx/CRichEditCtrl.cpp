#include "CRichEditCtrl.h"

IMPLEMENT_DYNAMIC(CRichEditCtrl, CWnd)

BOOL AfxInitRichEdit2()
{
    static const HMODULE library = ::LoadLibraryW(L"riched20.dll");
    return library != nullptr;
}

BOOL CRichEditCtrl::Create(DWORD dwStyle, const RECT& rect, CWnd* pParentWnd, UINT nID)
{
    return AfxInitRichEdit2() && CWnd::Create(RICHEDIT_CLASSW, nullptr, dwStyle, rect, pParentWnd, nID);
}

void CRichEditCtrl::SetSel(long nStartChar, long nEndChar)
{
    CHARRANGE range{nStartChar, nEndChar};
    SendMessage(EM_EXSETSEL, 0, LPARAM(&range));
}

void CRichEditCtrl::GetSel(long& nStartChar, long& nEndChar) const
{
    CHARRANGE range{0, 0};
    SendMessage(EM_EXGETSEL, 0, LPARAM(&range));
    nStartChar = range.cpMin;
    nEndChar = range.cpMax;
}

DWORD CRichEditCtrl::charFormat(WPARAM which, CHARFORMATW& cf) const
{
    cf.cbSize = sizeof(cf);
    return DWORD(SendMessage(EM_GETCHARFORMAT, which, LPARAM(&cf)));
}

BOOL CRichEditCtrl::setCharFormat(WPARAM which, CHARFORMATW& cf)
{
    cf.cbSize = sizeof(cf);
    return BOOL(SendMessage(EM_SETCHARFORMAT, which, LPARAM(&cf)));
}
