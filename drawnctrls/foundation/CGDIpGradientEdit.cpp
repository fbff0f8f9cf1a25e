#include "CGDIpGradientEdit.h"

#include "TransparentPaint.h"

using namespace Gdiplus;

IMPLEMENT_DYNAMIC(CGDIpGradientEdit, CEdit)

BEGIN_MESSAGE_MAP(CGDIpGradientEdit, CEdit)
ON_MESSAGE(WM_SETTEXT, &CGDIpGradientEdit::OnSetText)
ON_MESSAGE(WM_GETTEXT, &CGDIpGradientEdit::OnGetText)
ON_MESSAGE(WM_GETTEXTLENGTH, &CGDIpGradientEdit::OnGetTextLength)
ON_WM_PAINT()
ON_WM_SIZE()
ON_WM_MOUSELEAVE()
ON_WM_KEYDOWN()
ON_WM_CHAR()
ON_WM_KEYUP()
ON_WM_LBUTTONDOWN()
ON_WM_MOUSEMOVE()
ON_WM_LBUTTONDBLCLK()
ON_WM_SETFOCUS()
ON_WM_KILLFOCUS()
ON_WM_TIMER()
ON_WM_NCPAINT()
ON_CONTROL_REFLECT(EN_SETFOCUS, &CGDIpGradientEdit::updateBkg)
ON_CONTROL_REFLECT(EN_KILLFOCUS, &CGDIpGradientEdit::updateBkg)
ON_CONTROL_REFLECT(EN_CHANGE, &CGDIpGradientEdit::updateBkg)
ON_CONTROL_REFLECT(EN_UPDATE, &CGDIpGradientEdit::updateBkg)
ON_CONTROL_REFLECT(EN_MAXTEXT, &CGDIpGradientEdit::updateBkg)
END_MESSAGE_MAP()

namespace {

const UINT_PTR kBlinkTimer = 2;
const UINT kBlinkPeriod = 250;
const int kTextInset = 4;

} // namespace

CGDIpGradientEdit::CGDIpGradientEdit() : ITransparentCtrl(this), IGDIpGradientCtrl(this)
{
    m_disabledStart = 0x32000000;
    m_disabledEnd = 0x32000000;
}

CGDIpGradientEdit::~CGDIpGradientEdit() = default;

void CGDIpGradientEdit::SetWindowTextW(LPCWSTR text)
{
    if (m_hWnd)
        ::SetWindowTextW(m_hWnd, text);
    m_edit.setText(text);
}

UINT CGDIpGradientEdit::getTextFormat()
{
    const DWORD style = m_hWnd ? GetStyle() : 0;
    if (style & ES_PASSWORD)
        m_password = true;
    if (m_textFormatOverride)
        return m_textFormatOverride;
    if (style & ES_CENTER)
        return DT_CENTER | DT_VCENTER | DT_SINGLELINE;
    if (style & ES_RIGHT)
        return DT_RIGHT | DT_VCENTER | DT_SINGLELINE;
    return DT_VCENTER | DT_SINGLELINE;
}

void CGDIpGradientEdit::updateBkg()
{
    CWnd* parent = m_hWnd ? GetParent() : nullptr;
    if (!parent)
        return;
    CRect r;
    GetWindowRect(&r);
    parent->ScreenToClient(&r);
    parent->RedrawWindow(
        &r, nullptr, RDW_INVALIDATE | RDW_INTERNALPAINT | RDW_NOINTERNALPAINT | RDW_NOERASE | RDW_UPDATENOW);
}

void CGDIpGradientEdit::PreSubclassWindow()
{
    ModifyStyleEx(0, WS_EX_TRANSPARENT);
    CEdit::PreSubclassWindow();
    SendMessage(EM_LIMITTEXT, 256);
    v_recalcData();
}

LRESULT CGDIpGradientEdit::OnSetText(WPARAM, LPARAM lParam)
{
    m_edit.setText(reinterpret_cast<LPCWSTR>(lParam));
    Invalidate(FALSE);
    return TRUE;
}

LRESULT CGDIpGradientEdit::OnGetText(WPARAM wParam, LPARAM lParam)
{
    const int size = wParam > INT_MAX ? INT_MAX : int(wParam);
    return m_edit.copyTo(reinterpret_cast<LPWSTR>(lParam), size);
}

LRESULT CGDIpGradientEdit::OnGetTextLength(WPARAM, LPARAM)
{
    return m_edit.text().GetLength();
}

void CGDIpGradientEdit::OnPaint()
{
    CPaintDC dc(this);
    paintTransparent(*this, dc, m_memDC, [this](CDC& mem) { v_draw(mem); });
}

void CGDIpGradientEdit::OnSize(UINT, int, int)
{
    Default();
    v_recalcData();
}

void CGDIpGradientEdit::OnMouseLeave()
{
    mouseLeave();
    Default();
}

void CGDIpGradientEdit::OnKeyDown(UINT nChar, UINT, UINT)
{
    switch (nChar) {
    case VK_BACK:
        m_edit.backspace();
        updateBkg();
        break;
    case VK_END:
        m_edit.end();
        break;
    case VK_HOME:
        m_edit.home();
        break;
    case VK_LEFT:
        m_edit.left();
        break;
    case VK_RIGHT:
        m_edit.right();
        break;
    case VK_DELETE:
        m_edit.deleteForward();
        break;
    default:
        break;
    }
    Invalidate(TRUE);
}

void CGDIpGradientEdit::OnChar(UINT nChar, UINT, UINT)
{
    if (nChar == VK_BACK)
        return;
    m_edit.typeChar(wchar_t(nChar));
    updateBkg();
}

void CGDIpGradientEdit::OnKeyUp(UINT, UINT, UINT)
{
    updateBkg();
}

void CGDIpGradientEdit::OnLButtonDown(UINT, CPoint point)
{
    updateBkg();
    SetFocus();
    m_edit.clickAt(point2CursorPos(point));
    Invalidate(TRUE);
}

void CGDIpGradientEdit::OnMouseMove(UINT nFlags, CPoint point)
{
    mouseMove();
    if (nFlags & MK_LBUTTON) {
        m_edit.dragTo(point2CursorPos(point));
        Invalidate(TRUE);
    }
    Default();
}

void CGDIpGradientEdit::OnLButtonDblClk(UINT, CPoint)
{
    updateBkg();
    SetFocus();
    m_edit.selectAll();
    Invalidate(TRUE);
}

// The caret blinks only on the focused edit: the pages hold dozens of
// edits, and a timer for each would wake the program forty times a tick.
void CGDIpGradientEdit::OnSetFocus(CWnd*)
{
    m_focused = true;
    SetTimer(kBlinkTimer, kBlinkPeriod);
    updateBkg();
}

void CGDIpGradientEdit::OnKillFocus(CWnd*)
{
    m_focused = false;
    KillTimer(kBlinkTimer);
    updateBkg();
}

void CGDIpGradientEdit::OnTimer(UINT_PTR nIDEvent)
{
    if (nIDEvent == kBlinkTimer)
        m_blink = !m_blink;
    Invalidate(FALSE);
    Default();
}

CString CGDIpGradientEdit::shownText() const
{
    const CString& text = m_edit.text();
    return m_password ? CString(L'*', text.GetLength()) : text;
}

std::vector<int> CGDIpGradientEdit::textWidths(CDC& dc, const CString& shown) const
{
    std::vector<int> widths(size_t(shown.GetLength()) + 1, 0);
    if (shown.IsEmpty())
        return widths;
    CFont* old = m_font ? dc.SelectObject(m_font) : nullptr;
    SIZE size{};
    ::GetTextExtentExPointW(dc.m_hDC, shown, shown.GetLength(), 0, nullptr, widths.data() + 1, &size);
    if (old)
        dc.SelectObject(old);
    return widths;
}

CRect CGDIpGradientEdit::textRect() const
{
    return CRect(m_left + kTextInset, m_top, m_right - kTextInset, m_bottom);
}

int CGDIpGradientEdit::textOrigin(int textWidth)
{
    if (getTextFormat() & DT_CENTER)
        return m_left + (m_right - m_left) / 2 - textWidth / 2;
    return m_left + kTextInset;
}

int CGDIpGradientEdit::point2CursorPos(CPoint point)
{
    getTextFormat();
    const CString shown = shownText();
    CClientDC dc(this);
    const std::vector<int> widths = textWidths(dc, shown);
    return EditBuffer::positionAt(widths, point.x - textOrigin(widths.back()));
}

void CGDIpGradientEdit::v_draw(CDC& dc)
{
    const UINT format = getTextFormat();
    const CString shown = shownText();
    const std::vector<int> widths = textWidths(dc, shown);
    {
        const int f = m_frameWidth;
        const Rect frame(m_left + f, m_top + f, m_right - 2 * f - m_left, m_bottom - 2 * f - m_top);
        Graphics g(dc.m_hDC);
        g.SetSmoothingMode(SmoothingModeAntiAlias);
        v_drawBackground(g, frame);
        v_drawFrame(g, frame);
        if (m_focused && m_edit.hasSelection())
            drawSelection(g, dc, shown, widths);
        else if (m_focused && m_showFocusFrame && m_blink)
            drawCaret(g, widths);
    }
    if (m_font)
        dc.SelectObject(m_font);
    dc.SetBkMode(TRANSPARENT);
    dc.SetTextColor(m_textColor);
    CRect text = textRect();
    dc.DrawText(shown, &text, format);
}

void CGDIpGradientEdit::drawSelection(Graphics& g, CDC& dc, const CString& shown,
                                      const std::vector<int>& widths)
{
    const int start = m_edit.selStart();
    const int end = m_edit.selEnd();
    CFont* old = m_font ? dc.SelectObject(m_font) : nullptr;
    const CSize selected = dc.GetTextExtent(shown.Mid(start, end - start));
    if (old)
        dc.SelectObject(old);
    const int x = textOrigin(widths.back()) + widths[size_t(start)];
    const int y = m_top + (m_bottom - selected.cy - m_top) / 2;
    if (selected.cx <= 0 || selected.cy <= 0)
        return;
    const Rect band(x, y, selected.cx, selected.cy);
    LinearGradientBrush brush(band, Color(m_selectionStart), Color(m_selectionEnd),
                              LinearGradientMode(m_selectionMode));
    const REAL factors[3] = {0.0f, 0.5f, 1.0f};
    const REAL positions[3] = {0.0f, 0.5f, 1.0f};
    brush.SetBlend(factors, positions, 3);
    // Twice: one pass of the faint selection colours is hardly visible.
    g.FillRectangle(&brush, band);
    g.FillRectangle(&brush, band);
}

void CGDIpGradientEdit::drawCaret(Graphics& g, const std::vector<int>& widths)
{
    const int total = widths.back();
    const int rest = total - widths[size_t(m_edit.caret())];
    const int x = (getTextFormat() & DT_CENTER) ? m_left + (m_right - m_left) / 2 + total / 2 - rest
                                                : total + m_left + kTextInset - rest + 1;
    Pen pen{Color(m_caretColor), 2.0f};
    g.DrawLine(&pen, x, m_top + 4, x, m_bottom - 4);
}
