#include "CExtEdit.h"

#include "EditRules.h"

using namespace pramble;

IMPLEMENT_DYNCREATE(CExtEdit, CEdit)

BEGIN_MESSAGE_MAP(CExtEdit, CEdit)
ON_WM_CHAR()
ON_CONTROL_REFLECT(EN_CHANGE, &CExtEdit::OnChange)
ON_WM_KEYDOWN()
ON_WM_KEYUP()
ON_WM_SETFOCUS()
ON_WM_KILLFOCUS()
ON_WM_LBUTTONDOWN()
ON_WM_CTLCOLOR_REFLECT()
END_MESSAGE_MAP()

namespace {

bool isLetterChar(UINT ch)
{
    return (ch >= L'A' && ch <= L'Z') || (ch >= L'a' && ch <= L'z');
}

} // namespace

CExtEdit::CExtEdit() : m_crText(GetSysColor(COLOR_WINDOWTEXT)), m_crBkgnd(GetSysColor(COLOR_WINDOW)) {}

CExtEdit::~CExtEdit() = default;

int CExtEdit::SetMask(CString mask)
{
    if (!m_hWnd)
        return 0;
    m_strText = Mask2Text(mask);
    showText(0, 0);
    return 1;
}

CString CExtEdit::Mask2Text(CString mask)
{
    m_strMask = mask;
    return blankMask(mask);
}

int CExtEdit::Clear()
{
    return m_hWnd ? SetMask(m_strMask) : 0;
}

void CExtEdit::SetRanges(int count, int* positions, int* values)
{
    m_pRangePos.reset(positions);
    m_pRangeVal.reset(values);
    m_nRanges = positions && values && count > 0 ? count : 0;
}

int CExtEdit::SetDate(CString date)
{
    if (!m_hWnd || !CheckDate(date))
        return 0;
    m_strText = date;
    showText(0, 0);
    return 1;
}

int CExtEdit::SetReadOnly(BOOL bReadOnly)
{
    m_bReadOnly = bReadOnly;
    m_crBkgnd = GetSysColor(bReadOnly ? COLOR_BTNFACE : COLOR_WINDOW);
    if (m_hWnd)
        Invalidate();
    return 1;
}

BOOL CExtEdit::IsOk()
{
    if (!m_hWnd)
        return FALSE;
    CheckText();
    return m_bValid;
}

bool CExtEdit::isPlaceholder(int i) const
{
    return isMaskPlaceholder(m_strMask.GetAt(i));
}

void CExtEdit::readWindow()
{
    GetWindowText(m_strText);
    GetSel(m_nSelStart, m_nSelEnd);
}

// Our own change of the window text, which OnChange lets through.
void CExtEdit::showText(int selStart, int selEnd)
{
    m_bProgChange = true;
    SetWindowText(m_strText);
    SetSel(selStart, selEnd);
}

void CExtEdit::OnChar(UINT nChar, UINT, UINT)
{
    if (m_bReadOnly)
        return;
    readWindow();
    if (nChar == VK_BACK) {
        BackSpace();
        return;
    }
    // Control keys (the clipboard's among them) never land in the text.
    if (iswcntrl(wint_t(nChar)) || m_nSelStart >= m_strMask.GetLength() || !CheckChar(nChar))
        return;
    m_strText.SetAt(m_nSelStart, wchar_t(nChar));
    showText(m_nSelStart + 1, m_nSelEnd + 1);
}

BOOL CExtEdit::CheckChar(UINT ch)
{
    for (;;) {
        if (m_nSelStart < 0 || m_nSelStart >= m_strMask.GetLength())
            return FALSE;
        switch (m_strMask[m_nSelStart]) {
        case L'#':
            return TRUE;
        case L'$':
            return isDigitChar(ch) && checkDigit(ch);
        case L'@':
            return isLetterChar(ch) && checkLetter(ch);
        default:
            ++m_nSelStart;
            ++m_nSelEnd;
        }
    }
}

// A digit completes a field when it is the field's last character; the
// field's value must then lie within its range.
BOOL CExtEdit::checkDigit(UINT ch)
{
    const int k = rangeEndingAt(m_nSelStart);
    if (k < 0)
        return TRUE;
    CString text = m_strText;
    text.SetAt(m_nSelStart, wchar_t(ch));
    const int first = m_pRangePos[2 * k];
    const long long value = readNumber(text, first, m_pRangePos[2 * k + 1]);
    if (value >= m_pRangeVal[2 * k] && value <= m_pRangeVal[2 * k + 1])
        return TRUE;
    rejectField(first);
    return FALSE;
}

BOOL CExtEdit::checkLetter(UINT ch)
{
    const int k = rangeHolding(m_nSelStart);
    if (k < 0 || (int(ch) >= m_pRangeVal[2 * k] && int(ch) <= m_pRangeVal[2 * k + 1]))
        return TRUE;
    rejectField(m_nSelStart);
    return FALSE;
}

// Blanks the field from `first` up to the character being typed.
void CExtEdit::rejectField(int first)
{
    m_nSelEnd = m_nSelEnd + 1;
    m_nSelStart = first;
    deleteKey();
}

bool CExtEdit::rangeUsable(int k) const
{
    const int first = m_pRangePos[2 * k];
    const int last = m_pRangePos[2 * k + 1];
    return first >= 0 && first <= last && last < m_strMask.GetLength();
}

int CExtEdit::rangeEndingAt(int i) const
{
    for (int k = 0; k < m_nRanges; ++k)
        if (rangeUsable(k) && m_pRangePos[2 * k + 1] == i)
            return k;
    return -1;
}

int CExtEdit::rangeHolding(int i) const
{
    for (int k = 0; k < m_nRanges; ++k)
        if (rangeUsable(k) && m_pRangePos[2 * k] <= i && i <= m_pRangePos[2 * k + 1])
            return k;
    return -1;
}

void CExtEdit::BackSpace()
{
    for (; m_nSelStart > 0; --m_nSelStart, --m_nSelEnd) {
        if (isPlaceholder(m_nSelStart - 1)) {
            m_strText.SetAt(m_nSelStart - 1, L' ');
            showText(m_nSelStart - 1, m_nSelEnd - 1);
            return;
        }
    }
}

void CExtEdit::OnKeyDown(UINT nChar, UINT, UINT)
{
    if (m_bReadOnly)
        return;
    readWindow();
    if (nChar == VK_SHIFT)
        m_bShift = true;
    if (nChar == VK_DELETE) {
        deleteKey();
        return;
    }
    if (nChar == VK_END && !m_bShift) {
        if (m_nSelStart >= m_strMask.GetLength())
            return;
        const int blank = m_strText.Find(L' ');
        if (blank >= 0) {
            SetSel(blank, blank);
            return;
        }
    }
    Default();
}

void CExtEdit::OnKeyUp(UINT nChar, UINT, UINT)
{
    if (nChar == VK_SHIFT)
        m_bShift = false;
    Default();
}

// Blanks the fields of the selection, or the one under the caret; literals
// stay.
void CExtEdit::deleteKey()
{
    const int length = m_strMask.GetLength();
    if (m_nSelStart != m_nSelEnd) {
        for (int i = m_nSelStart < 0 ? 0 : m_nSelStart; i < m_nSelEnd && i < length; ++i)
            if (isPlaceholder(i))
                m_strText.SetAt(i, L' ');
    } else if (m_nSelStart >= length) {
        return;
    } else if (isPlaceholder(m_nSelStart)) {
        m_strText.SetAt(m_nSelStart, L' ');
    }
    showText(m_nSelStart, m_nSelStart);
}

void CExtEdit::blankAll()
{
    m_nSelStart = 0;
    m_nSelEnd = m_strText.GetLength();
    deleteKey();
}

void CExtEdit::OnChange()
{
    if (!m_bProgChange) {
        if (GetModify()) { // typed past the filters or pasted: undone
            m_bProgChange = true;
            SetWindowText(m_strText);
        } else { // set from outside
            GetWindowText(m_strText);
        }
    }
    m_bProgChange = false;
}

void CExtEdit::OnSetFocus(CWnd*)
{
    Default();
    SetSel(0, 0);
}

void CExtEdit::OnKillFocus(CWnd*)
{
    GetWindowText(m_strText);
    CheckText();
    Default();
}

void CExtEdit::OnLButtonDown(UINT, CPoint)
{
    Default();
    SetCursor();
}

// A click in the blank tail puts the caret back where the filled part ends.
void CExtEdit::SetCursor()
{
    const CString blank = Mask2Text(m_strMask);
    CString text;
    GetWindowText(text);
    int start = 0, end = 0;
    GetSel(start, end);
    int i = start < blank.GetLength() - 1 ? start : blank.GetLength() - 1;
    while (i > 0 && text[i] == blank[i])
        --i;
    i = i < 0 ? 0 : i;
    SetSel(i, i);
}

void CExtEdit::CheckText()
{
    GetWindowText(m_strText);
    if (m_bDate) {
        m_bValid = CheckDate(m_strText);
        if (!m_bValid)
            blankAll();
        return;
    }
    for (int i = 0; i < m_strMask.GetLength(); ++i) {
        if (!isPlaceholder(i))
            continue;
        m_nSelStart = m_nSelEnd = i;
        if (!CheckChar(m_strText[i])) {
            blankAll();
            m_bValid = false;
            return;
        }
    }
    m_bValid = true;
}

// dd/mm/yyyy with digits only, a real day of a real month.
BOOL CExtEdit::CheckDate(CString s)
{
    if (!hasDateDigits(s) || s[2] != L'/' || s[5] != L'/')
        return FALSE;
    const CString day = s.Mid(0, 2);
    const CString month = s.Mid(3, 2);
    if (day.Compare(L"01") < 0)
        return FALSE;
    if (CString(L"01 03 05 07 08 10 12").Find(month) >= 0)
        return day.Compare(L"31") <= 0;
    if (CString(L"04 06 09 11").Find(month) >= 0)
        return day.Compare(L"30") <= 0;
    if (month != L"02")
        return FALSE;
    const int february = day.Compare(L"29");
    return february < 0 || (february == 0 && isLeapYear(readNumber(s, 6, 9)));
}

HBRUSH CExtEdit::CtlColor(CDC* pDC, UINT)
{
    pDC->SetTextColor(m_crText);
    pDC->SetBkColor(m_crBkgnd);
    m_pBrush = std::make_unique<CBrush>(m_crBkgnd);
    return *m_pBrush;
}
