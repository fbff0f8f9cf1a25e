#include "CEditEx.h"

#include "EditRules.h"

using namespace pramble;

IMPLEMENT_DYNCREATE(CEditEx, CEdit)

BEGIN_MESSAGE_MAP(CEditEx, CEdit)
ON_WM_CREATE()
ON_WM_CHAR()
ON_WM_KEYDOWN()
ON_MESSAGE(WM_CUT, &CEditEx::OnCut)
ON_MESSAGE(WM_PASTE, &CEditEx::OnPaste)
ON_MESSAGE(WM_CLEAR, &CEditEx::OnClear)
ON_WM_CTLCOLOR_REFLECT()
END_MESSAGE_MAP()

CEditEx::CEditEx() : m_bkgrd(GetSysColor(COLOR_WINDOW)), m_frgrd(GetSysColor(COLOR_WINDOWTEXT)) {}

CEditEx::~CEditEx() = default;

void CEditEx::setMask(const CString& mask)
{
    if (!m_hWnd)
        m_mask = mask;
}

void CEditEx::setRanges(const std::vector<SSection>& sections)
{
    m_sections = sections;
}

void CEditEx::setRanges(int n, int* positions, int* values)
{
    m_sections.clear();
    appendRanges(n, positions, values);
}

void CEditEx::appendRanges(const std::vector<SSection>& sections)
{
    m_sections.insert(m_sections.end(), sections.begin(), sections.end());
}

void CEditEx::appendRanges(int n, int* positions, int* values)
{
    if (!positions || !values)
        return;
    for (int k = 1; k < n; k += 2)
        m_sections.emplace_back(unsigned(positions[k - 1]), unsigned(positions[k]), values[k - 1], values[k]);
}

void CEditEx::setRange(int index, int min, int max)
{
    setRange(index, SRange(min, max));
}

void CEditEx::setRange(int index, const SRange& range)
{
    m_sections.at(size_t(index)).range = range;
}

CString CEditEx::getText() const
{
    CString text;
    GetWindowText(text);
    return text;
}

void CEditEx::clear()
{
    SetSel(0, m_mask.GetLength());
    SendMessage(WM_CLEAR);
}

bool CEditEx::isOk() const
{
    const CString text = getText();
    if (text.GetLength() < m_mask.GetLength())
        return false;
    for (int i = 0; i < text.GetLength(); ++i)
        if (!checkChar(i, text[i]))
            return false;
    return true;
}

void CEditEx::KillFocus()
{
    if (m_clearOnKill && !isOk())
        clear();
}

// While Create makes the window the edit is not ready yet; OnCreate shows
// the mask then.
void CEditEx::PreSubclassWindow()
{
    CEdit::PreSubclassWindow();
    showBlankMask();
}

int CEditEx::OnCreate(LPCREATESTRUCT)
{
    const int result = int(Default());
    if (result != -1)
        showBlankMask();
    return result;
}

void CEditEx::showBlankMask()
{
    if (!isMask())
        return;
    LimitText(m_mask.GetLength());
    SetWindowText(blankMask(m_mask));
}

bool CEditEx::isPlaceholder(int i) const
{
    return isMaskPlaceholder(m_mask.GetAt(i));
}

int CEditEx::getCaretPos() const
{
    int start = 0, end = 0;
    GetSel(start, end);
    return start;
}

void CEditEx::replaceChar(int i, wchar_t ch)
{
    const wchar_t text[2] = {ch, 0};
    SetSel(i, i + 1);
    ReplaceSel(text);
}

void CEditEx::setChar(int i, wchar_t ch)
{
    replaceChar(i, ch);
    setCaretPos(i + 1);
}

void CEditEx::clearChars(int from, int to)
{
    for (int i = from < 0 ? 0 : from; i < to && i < m_mask.GetLength(); ++i)
        if (isPlaceholder(i))
            clearChar(i);
}

void CEditEx::clearSelChars()
{
    int start = 0, end = 0;
    GetSel(start, end);
    clearChars(start, end);
    setCaretPos(start);
}

bool CEditEx::findSection(int i, SSection& section) const
{
    for (const SSection& s : m_sections)
        if (i >= 0 && unsigned(i) >= s.first && unsigned(i) <= s.last) {
            section = s;
            return true;
        }
    return false;
}

bool CEditEx::checkChar(int i, wchar_t ch) const
{
    switch (m_mask.GetAt(i)) {
    case L'#':
        return isAlpha(i, ch);
    case L'$':
        return isDigit(i, ch);
    default:
        return true;
    }
}

bool CEditEx::isDigit(int i, wchar_t ch) const
{
    return isDigitChar(ch) && checkRange(i, ch);
}

// Letters of any script, classified as the wide characters they are.
bool CEditEx::isAlpha(int i, wchar_t ch) const
{
    return iswalpha(ch) && checkRange(i, ch);
}

// The field's digits typed so far, with ch at i, must fit the range cut to
// as many digits.
bool CEditEx::checkRange(int i, wchar_t ch) const
{
    SSection section;
    if (!findSection(i, section))
        return true;
    const CString text = getText();
    const int last = section.last < unsigned(m_mask.GetLength()) ? int(section.last) : m_mask.GetLength() - 1;
    CString part;
    for (int j = int(section.first); j <= last; ++j)
        part += j == i ? ch : (j < text.GetLength() ? text[j] : L' ');
    int firstDigit = 0;
    while (firstDigit < part.GetLength() && !isDigitChar(part[firstDigit]))
        ++firstDigit;
    int lastDigit = part.GetLength() - 1;
    while (lastDigit >= 0 && !isDigitChar(part[lastDigit]))
        --lastDigit;
    if (lastDigit < 0)
        return true;
    const long long value = readNumber(part, firstDigit, lastDigit);
    const long long d = powerOfTen(part.GetLength() - 1 - lastDigit);
    return section.range.minimum / d <= value && value <= section.range.maximum / d;
}

void CEditEx::OnChar(UINT nChar, UINT, UINT)
{
    if (!doChar(nChar))
        Default();
}

void CEditEx::OnKeyDown(UINT nChar, UINT, UINT)
{
    if (!doKeyDown(nChar))
        Default();
}

bool CEditEx::doChar(UINT ch)
{
    if (!isMask())
        return false;
    if (ch == VK_BACK)
        return true; // handled as a key
    // Clipboard keys and other controls go to the edit, never into the text.
    if (iswcntrl(wint_t(ch)))
        return false;
    int start = 0, end = 0;
    GetSel(start, end);
    if (!inMask(start))
        return false;
    switch (m_mask[start]) {
    case L'#':
        if (!isAlpha(start, wchar_t(ch)))
            return true;
        break;
    case L'$':
        if (!isDigit(start, wchar_t(ch)))
            return true;
        break;
    case L'@':
        break;
    default: // a literal: the character goes to the next position
        setCaretPos(start + 1);
        SendMessage(WM_CHAR, ch, 1);
        return true;
    }
    clearChars(start, end);
    setChar(start, wchar_t(ch));
    return true;
}

bool CEditEx::doKeyDown(UINT vk)
{
    if (!isMask() || (vk != VK_BACK && vk != VK_DELETE))
        return false;
    int start = 0, end = 0;
    GetSel(start, end);
    if (start != end) {
        clearChars(start, end);
        setCaretPos(start);
    } else if (vk == VK_BACK) {
        if (start > 0) {
            clearChars(start - 1, start);
            setCaretPos(start - 1);
        }
    } else {
        clearChars(start, start + 1);
        setCaretPos(start + 1);
    }
    return true;
}

LRESULT CEditEx::OnCut(WPARAM, LPARAM)
{
    if (!isMask())
        return Default();
    SendMessage(WM_COPY);
    clearSelChars();
    return 0;
}

LRESULT CEditEx::OnClear(WPARAM, LPARAM)
{
    if (!isMask())
        return Default();
    clearSelChars();
    return 0;
}

// Typed in character by character, as far as the selection reaches.
LRESULT CEditEx::OnPaste(WPARAM, LPARAM)
{
    const CString text = clipboardText();
    int start = 0, end = 0;
    GetSel(start, end);
    int count = text.GetLength();
    if (end > start && count >= end - start)
        count = end - start;
    for (int i = 0; i < count; ++i)
        SendMessage(WM_CHAR, text[i], 1);
    return 0;
}

// Empty when the clipboard cannot be opened or holds no text.
CString CEditEx::clipboardText()
{
    CString text;
    if (!OpenClipboard())
        return text;
    if (HANDLE data = GetClipboardData(CF_UNICODETEXT)) {
        if (const auto* chars = static_cast<const wchar_t*>(GlobalLock(data))) {
            text = CString(chars, int(wcsnlen(chars, GlobalSize(data) / sizeof(wchar_t))));
            GlobalUnlock(data);
        }
    }
    CloseClipboard();
    return text;
}

HBRUSH CEditEx::CtlColor(CDC* pDC, UINT)
{
    pDC->SetTextColor(isOk() ? m_frgrd : m_errorCol);
    pDC->SetBkColor(m_bkgrd);
    m_brush = std::make_unique<CBrush>(m_bkgrd);
    return *m_brush;
}
