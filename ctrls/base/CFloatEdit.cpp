#include "CFloatEdit.h"

#include "EditRules.h"

IMPLEMENT_DYNCREATE(CFloatEdit, CEdit)

BEGIN_MESSAGE_MAP(CFloatEdit, CEdit)
ON_WM_CHAR()
ON_WM_KEYDOWN()
END_MESSAGE_MAP()

using pramble::isDigitChar;

void CFloatEdit::OnChar(UINT nChar, UINT, UINT)
{
    if (checkFormat(nChar))
        Default();
}

// The first rule that applies decides.
BOOL CFloatEdit::checkFormat(UINT ch)
{
    CString text;
    GetWindowText(text);
    text.Trim();
    int s = 0, e = 0;
    GetSel(s, e);
    const int p = text.Find(m_cSeparator);
    const int n = text.GetLength();
    const bool isSeparator = ch == m_cSeparator;
    if (isDigitChar(ch) && s == 0 && e == n)
        return TRUE;
    if (isSeparator && p >= 0)
        return FALSE;
    if (p < 0 && !isSeparator && n >= m_nMaxInt && ch != VK_BACK)
        return FALSE;
    if (p >= 0 && p >= e && p >= m_nMaxInt && ch != VK_BACK)
        return FALSE;
    // The separator stays while digits follow it.
    if ((ch == VK_BACK || ch == L'.') && e > 0 && e < n && text[e - 1] == m_cSeparator)
        return FALSE;
    if (p >= 0 && isDigitChar(ch) && n - p - 1 >= m_nMaxFrac)
        return p >= e;
    return isDigitChar(ch) || iswcntrl(wint_t(ch)) || isSeparator;
}

void CFloatEdit::OnKeyDown(UINT nChar, UINT, UINT)
{
    if (nChar == VK_DELETE) {
        CString text;
        GetWindowText(text);
        int s = 0, e = 0;
        GetSel(s, e);
        const int n = text.GetLength();
        const bool wholeText = s == 0 && e == n;
        const bool deletable = e < n && (e == n - 1 || text[e] != m_cSeparator);
        if (!wholeText && !deletable)
            return;
    }
    Default();
}
