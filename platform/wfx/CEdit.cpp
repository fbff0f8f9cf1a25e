#include "CEdit.h"

IMPLEMENT_DYNAMIC(CEdit, CWnd)

void CEdit::GetSel(int& nStartChar, int& nEndChar) const
{
    DWORD start = 0, end = 0;
    SendMessage(EM_GETSEL, reinterpret_cast<WPARAM>(&start), reinterpret_cast<LPARAM>(&end));
    nStartChar = int(start);
    nEndChar = int(end);
}

void CEdit::SetSel(int nStartChar, int nEndChar, BOOL bNoScroll)
{
    SendMessage(EM_SETSEL, WPARAM(nStartChar), LPARAM(nEndChar));
    if (!bNoScroll)
        SendMessage(EM_SCROLLCARET);
}

CPoint CEdit::PosFromChar(UINT nChar) const
{
    LRESULT packed = SendMessage(EM_POSFROMCHAR, nChar);
    return CPoint(short(LOWORD(packed)), short(HIWORD(packed)));
}
