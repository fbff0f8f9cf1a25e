#include "CGDIpGradientSpinButtonCtrl.h"

#include "TransparentPaint.h"

#include <algorithm>

using namespace Gdiplus;

IMPLEMENT_DYNAMIC(CGDIpGradientSpinButtonCtrl, CSpinButtonCtrl)

BEGIN_MESSAGE_MAP(CGDIpGradientSpinButtonCtrl, CSpinButtonCtrl)
ON_WM_PAINT()
ON_WM_SIZE()
ON_WM_MOUSEMOVE()
ON_WM_MOUSELEAVE()
ON_WM_LBUTTONDOWN()
ON_WM_LBUTTONUP()
END_MESSAGE_MAP()

CGDIpGradientSpinButtonCtrl::CGDIpGradientSpinButtonCtrl() : ITransparentCtrl(this), IGDIpGradientCtrl(this)
{
    setMarginFractions(0, 0.05, 0, 0);
    setCornerFractions(0.3);
}

CGDIpGradientSpinButtonCtrl::~CGDIpGradientSpinButtonCtrl() = default;

CGDIpGradientSpinButtonCtrl& CGDIpGradientSpinButtonCtrl::operator=(const CGDIpGradientSpinButtonCtrl& other)
{
    IGDIpGradientCtrl::copy(other);
    IOwnFontCtrl::operator=(other);
    return *this;
}

void CGDIpGradientSpinButtonCtrl::OnPaint()
{
    CPaintDC dc(this);
    paintTransparent(*this, dc, m_memDC, [this](CDC& mem) { v_draw(mem); });
}

void CGDIpGradientSpinButtonCtrl::OnSize(UINT, int, int)
{
    Default();
    v_recalcData();
}

void CGDIpGradientSpinButtonCtrl::OnMouseMove(UINT, CPoint)
{
    mouseMove();
    Default();
}

void CGDIpGradientSpinButtonCtrl::OnMouseLeave()
{
    mouseLeave();
    Default();
}

void CGDIpGradientSpinButtonCtrl::OnLButtonDown(UINT, CPoint point)
{
    m_focused = true;
    Invalidate(TRUE);
    m_upperPressed = CRect(0, 0, m_right - m_left, (m_bottom - m_top) / 2).PtInRect(point) != FALSE;
    m_lowerPressed = !m_upperPressed;
    Default();
}

void CGDIpGradientSpinButtonCtrl::OnLButtonUp(UINT, CPoint)
{
    m_focused = false;
    Invalidate(TRUE);
    m_upperPressed = m_lowerPressed = false;
    Default();
}

void CGDIpGradientSpinButtonCtrl::v_draw(CDC& dc)
{
    const int f = m_frameWidth;
    const Rect r(m_left + f, m_top + f, m_right - 2 * f - m_left, m_bottom - 2 * f - m_top);
    Graphics g(dc.m_hDC);
    g.SetSmoothingMode(SmoothingModeAntiAlias);
    if (m_fillBackground)
        drawHalves(g, r);
    v_drawFrame(g, r);
}

// The body in the frame colour, the two halves over it and their arrows.
// Corners never go below 1 pixel.
void CGDIpGradientSpinButtonCtrl::drawHalves(Graphics& g, const Rect& r)
{
    if (r.Width <= 0 || r.Height <= 0)
        return;
    const int* m = m_margins;
    const int* c = m_cornerDiameters;
    fillShape(g, SolidBrush(Color(m_frameColor)), r, c);
    const int n = (r.Height - m[3] - m[1]) / 2;
    const int w = r.Width - m[0] - m[2];
    if (n > 0 && w > 0) {
        const int upper[4] = {std::max(1, c[0] - 2 * m[0]), std::max(1, c[1] - 2 * m[1]), 1, 1};
        const int lower[4] = {1, 1, std::max(1, c[2] - 2 * m[2]), std::max(1, c[3] - 2 * m[3])};
        fillShape(g, SolidBrush(Color(m_upperButtonColor)), Rect(r.X + m[0], r.Y + m[1], w, n), upper);
        fillShape(g, SolidBrush(Color(m_lowerButtonColor)), Rect(r.X + m[0], r.Y + m[1] + n, w, n), lower);
    }
    const double sx = r.Width / 300.0;
    const double sy = (r.Height / 2) / 150.0;
    GraphicsPath up;
    GraphicsPath down;
    equilateralRoundTriangle100T(up, 5, r.Width / 2 + 1, r.Height / 4, sx, sy);
    equilateralRoundTriangle100B(down, 5, r.Width / 2 + 1, r.Height / 4 + r.Height / 2, sx, sy);
    SolidBrush upBrush{Color(m_upperPressed ? m_pressedArrowColor : m_arrowColor)};
    SolidBrush downBrush{Color(m_lowerPressed ? m_pressedArrowColor : m_arrowColor)};
    g.FillPath(&upBrush, &up);
    g.FillPath(&downBrush, &down);
}
