#include "CGDIpGradientComboBox.h"

#include "TransparentPaint.h"

#include <algorithm>

using namespace Gdiplus;

IMPLEMENT_DYNAMIC(CGDIpGradientComboBox, CComboBox)

BEGIN_MESSAGE_MAP(CGDIpGradientComboBox, CComboBox)
ON_WM_PAINT()
ON_WM_SIZE()
ON_WM_MOUSEMOVE()
ON_WM_MOUSELEAVE()
ON_WM_SETFOCUS()
ON_WM_KILLFOCUS()
END_MESSAGE_MAP()

namespace {

// Item data that holds no string.
bool noText(ULONG_PTR data)
{
    return data == 0 || data == ULONG_PTR(-1);
}

} // namespace

CGDIpGradientComboBox::CGDIpGradientComboBox() : ITransparentCtrl(this), IGDIpGradientCtrl(this) {}

CGDIpGradientComboBox::~CGDIpGradientComboBox() = default;

int CGDIpGradientComboBox::SetCurSel(int i)
{
    SendMessage(CB_SETCURSEL, WPARAM(i));
    Invalidate(TRUE);
    return i;
}

void CGDIpGradientComboBox::DrawItem(LPDRAWITEMSTRUCT dis)
{
    if (noText(dis->itemData))
        return;
    CDC* dc = CDC::FromHandle(dis->hDC);
    dc->FillSolidRect(&dis->rcItem, RGB(255, 0, 0));
    if (m_font)
        dc->SelectObject(m_font);
    dc->SetBkMode(TRANSPARENT);
    dc->SetTextColor(m_textColor);
    CRect r(dis->rcItem);
    dc->DrawText(reinterpret_cast<LPCWSTR>(dis->itemData), -1, &r, m_textFormat);
}

// A line of text in the own font, whatever the item holds.
void CGDIpGradientComboBox::MeasureItem(LPMEASUREITEMSTRUCT mis)
{
    if (mis->itemID == UINT(-1))
        return;
    HDC screen = ::GetDC(nullptr);
    HGDIOBJ old = m_font ? ::SelectObject(screen, m_font->m_hObject) : nullptr;
    TEXTMETRICW tm{};
    ::GetTextMetricsW(screen, &tm);
    if (old)
        ::SelectObject(screen, old);
    ::ReleaseDC(nullptr, screen);
    mis->itemHeight = UINT(tm.tmHeight + 10);
}

void CGDIpGradientComboBox::OnPaint()
{
    CPaintDC dc(this);
    paintTransparent(*this, dc, m_memDC, [this](CDC& mem) { v_draw(mem); });
}

void CGDIpGradientComboBox::OnSize(UINT, int, int)
{
    Default();
    v_recalcData();
}

void CGDIpGradientComboBox::OnMouseMove(UINT, CPoint)
{
    mouseMove();
    Default();
}

void CGDIpGradientComboBox::OnMouseLeave()
{
    mouseLeave();
    Default();
}

void CGDIpGradientComboBox::OnSetFocus(CWnd*)
{
    Default();
    m_focused = true;
    Invalidate(TRUE);
}

void CGDIpGradientComboBox::OnKillFocus(CWnd*)
{
    Default();
    m_focused = false;
    Invalidate(TRUE);
}

void CGDIpGradientComboBox::v_draw(CDC& dc)
{
    const Rect body(m_left, m_top, m_right - m_left - 1, m_bottom - m_top - 1);
    {
        Graphics g(dc.m_hDC);
        g.SetSmoothingMode(SmoothingModeAntiAlias);
        v_drawBackground(g, body);
        drawButtonPart(g);
        v_drawFrame(g, body);
    }
    drawSelectedText(dc);
}

int CGDIpGradientComboBox::buttonPartLeft() const
{
    const int w = m_right - m_left - 1;
    const int h = m_bottom - m_top - 1;
    return int(m_left + w - 0.8 * h);
}

CRect CGDIpGradientComboBox::valueRect() const
{
    return CRect(m_left + 10, m_top, m_right - 30, m_bottom);
}

// The button part at the right: upper and lower halves and the arrow, with
// their outline when the frame is on. Corners never go below 1 pixel.
void CGDIpGradientComboBox::drawButtonPart(Graphics& g)
{
    const int* m = m_margins;
    const int* c = m_cornerDiameters;
    const int h = m_bottom - m_top - 1;
    const double b = 0.8 * h;
    const int x0 = buttonPartLeft();
    const int bw = int(b - m[2]);
    const int e = (h - m[3] - m[1] - 1) / 2;
    const int upper = std::max(1, c[1] - 2 * m[1]);
    const int lower = std::max(1, c[2] - 2 * m[2]);
    GraphicsPath arrow;
    equilateralRoundTriangle100B(arrow, 5, bw / 2 + x0, h / 2 + m[1], h / 300.0, h / 150.0);
    if (m_fillBackground && bw > 0 && e > 0) {
        const int upperCorners[4] = {1, upper, 1, 1};
        const int lowerCorners[4] = {1, 1, lower, 1};
        fillShape(g, SolidBrush(Color(m_upperButtonColor)), Rect(x0, m_top + m[1] + 1, bw, e), upperCorners);
        fillShape(g, SolidBrush(Color(m_lowerButtonColor)), Rect(x0, m_top + m[1] + 1 + e, bw, e),
                  lowerCorners);
        SolidBrush arrowBrush{Color(m_arrowColor)};
        g.FillPath(&arrowBrush, &arrow);
    }
    if (m_drawFrame && h - m[3] - m[1] > 0) {
        const int corners[4] = {1, upper, lower, 1};
        GraphicsPath outline;
        roundRect(outline, Rect(x0, m_top + m[1], int(b - m[2] + 1), h - m[3] - m[1]), corners);
        Pen pen{Color(m_frameColor), REAL(m_frameWidth)};
        g.DrawPath(&pen, &outline);
        g.DrawPath(&pen, &arrow);
    }
}

void CGDIpGradientComboBox::drawSelectedText(CDC& dc)
{
    CString text;
    GetLBText(GetCurSel(), text);
    if (m_font)
        dc.SelectObject(m_font);
    dc.SetBkMode(TRANSPARENT);
    dc.SetTextColor(m_textColor);
    CRect r = valueRect();
    dc.DrawText(text, &r, m_textFormat);
}
