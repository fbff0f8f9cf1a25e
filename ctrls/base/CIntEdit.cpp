#include "CIntEdit.h"

#include "EditRules.h"

IMPLEMENT_DYNCREATE(CIntEdit, CEdit)

BEGIN_MESSAGE_MAP(CIntEdit, CEdit)
ON_WM_CHAR()
ON_WM_KEYDOWN()
END_MESSAGE_MAP()

void CIntEdit::OnChar(UINT nChar, UINT, UINT)
{
    if (pramble::isDigitChar(nChar) || nChar == VK_BACK) {
        Default();
        return;
    }
    CString text;
    GetWindowText(text);
    int start = 0, end = 0;
    GetSel(start, end);
    if (nChar == L'-' && text.Find(L'-') < 0 && (text.IsEmpty() || start == 0))
        Default();
    else if (nChar == L'%' && text.Find(L'%') < 0)
        Default();
}

void CIntEdit::OnKeyDown(UINT nChar, UINT, UINT)
{
    Default();
    CWnd* parent = GetParent();
    if (nChar == VK_RETURN && parent)
        parent->SetFocus();
}
