#include "CMainCorrInd.h"

#include "translate.h"

#include <algorithm>

using namespace Gdiplus;

IMPLEMENT_DYNAMIC(CMainCorrInd, CGDIpTransparentCompCtrl)

namespace {
const ARGB kRed = 0xFFFF0000;
const ARGB kYellow = 0xFFFFFF00;
const ARGB kGreen = 0xFF00FF00;
const ARGB kPointer = 0xFF434343;

struct Band
{
    REAL top, bottom, width;
    REAL height() const { return bottom - top; }
};

Band bandOf(const CRect& c)
{
    return {c.top + c.Height() * 0.1f, c.top + c.Height() * 0.5f, REAL(c.Width())};
}

// A segment from x0 to x1 filled with a horizontal gradient.
void fillSegment(Graphics& g, const PointF* points, int count, REAL x0, REAL x1, const Band& b, ARGB from,
                 ARGB to)
{
    LinearGradientBrush brush(RectF(x0 - 1, b.top, x1 - x0 + 2, b.height()), Color(from), Color(to),
                              LinearGradientModeHorizontal);
    g.FillPolygon(&brush, points, count);
}

// The outer end narrows to a point at `tip`; `inner` is where the segment meets the next.
void outerSegment(Graphics& g, const Band& b, REAL tip, REAL inner, ARGB outerColor, ARGB innerColor)
{
    const REAL dir = inner > tip ? 1.0f : -1.0f;
    const REAL e = std::min(b.height(), std::abs(inner - tip) / 2);
    const REAL h = b.height();
    const PointF p[8] = {{inner, b.top},
                         {tip + dir * e, b.top},
                         {tip + dir * e / 4, b.top + h * 0.2f},
                         {tip, b.top + h * 0.45f},
                         {tip, b.top + h * 0.55f},
                         {tip + dir * e / 4, b.top + h * 0.8f},
                         {tip + dir * e, b.bottom},
                         {inner, b.bottom}};
    if (dir > 0)
        fillSegment(g, p, 8, tip, inner, b, outerColor, innerColor);
    else
        fillSegment(g, p, 8, inner, tip, b, innerColor, outerColor);
}

void innerSegment(Graphics& g, const Band& b, REAL x0, REAL x1, ARGB from, ARGB to)
{
    const PointF p[4] = {{x0, b.top}, {x1, b.top}, {x1, b.bottom}, {x0, b.bottom}};
    fillSegment(g, p, 4, x0, x1, b, from, to);
}
} // namespace

CMainCorrInd::CMainCorrInd()
{
    setCornerFractions(0.25);
    m_frameColor = 0xFFC8C8C8;
    m_drawFrame = false;
    m_fillBackground = false;
    m_drawGradient = false;
    m_ownFont.CreateFont(12, 0, 0, 0, FW_BOLD, 0, 0, 0, DEFAULT_CHARSET, OUT_DEFAULT_PRECIS,
                         CLIP_DEFAULT_PRECIS, ANTIALIASED_QUALITY, 48, L"Arial");
}

CMainCorrInd::~CMainCorrInd() = default;

void CMainCorrInd::setValue(int value)
{
    if (value == m_value)
        return;
    m_value = std::clamp(value, 0, 1000);
    rebuildFont();
}

void CMainCorrInd::v_recalcData(const CRect& r)
{
    CGDIpTransparentCompCtrl::v_recalcData(r);
    rebuildFont();
}

// The captions' font follows the height.
void CMainCorrInd::rebuildFont()
{
    if (!m_hWnd)
        return;
    CRect c;
    GetClientRect(&c);
    m_ownFont.DeleteObject();
    m_ownFont.CreateFont(-(c.Height() / 3), 0, 0, 0, FW_NORMAL, 0, 0, 0, DEFAULT_CHARSET, OUT_DEFAULT_PRECIS,
                         CLIP_DEFAULT_PRECIS, ANTIALIASED_QUALITY, 48, L"Arial");
    Invalidate(FALSE);
}

void CMainCorrInd::v_draw(CDC& dc)
{
    CRect c;
    GetClientRect(&c);
    if (c.Width() < 8 || c.Height() < 8)
        return;
    Graphics g(dc.m_hDC);
    g.SetSmoothingMode(SmoothingModeAntiAlias);
    drawScale(g, c);
    drawPointer(g, c);
    drawCaptions(dc, g, c);
}

void CMainCorrInd::drawScale(Graphics& g, const CRect& c)
{
    const Band b = bandOf(c);
    const REAL w = b.width;
    outerSegment(g, b, REAL(c.left), c.left + w / 3, kRed, kYellow);
    innerSegment(g, b, c.left + w / 3, c.left + w / 2, kYellow, kGreen);
    innerSegment(g, b, c.left + w / 2, c.left + 2 * w / 3, kGreen, kYellow);
    outerSegment(g, b, REAL(c.right), c.left + 2 * w / 3, kRed, kYellow);
}

// Kept inside the scale so that the pointer never leaves the control.
void CMainCorrInd::drawPointer(Graphics& g, const CRect& c)
{
    m_value = std::clamp(m_value, 5, 95);
    const Band b = bandOf(c);
    const double height = c.Height() * 0.4;
    GraphicsPath path;
    const int x = c.left + int(m_value / 100.0 * c.Width());
    const int y = int(b.bottom + height / 2 + 1);
    equilateralRoundTriangle100T(path, 8, x, y, height / 50 * 0.8, height / 50);
    SolidBrush brush{Color(kPointer)};
    g.FillPath(&brush, &path);
}

void CMainCorrInd::drawCaptions(CDC& dc, Graphics& g, const CRect& c)
{
    if (m_leftCaption.empty() && m_rightCaption.empty())
        return;
    Font font(dc.m_hDC, static_cast<HFONT>(m_ownFont));
    SolidBrush black{Color(0xFF000000)};
    StringFormat format;
    format.SetLineAlignment(StringAlignmentCenter);
    const RectF area(REAL(c.left), REAL(c.top), REAL(c.Width()), REAL(c.Height()));
    const std::wstring left = translate(m_leftCaption);
    const std::wstring right = translate(m_rightCaption);
    format.SetAlignment(StringAlignmentNear);
    g.DrawString(left.c_str(), INT(left.size()), &font, area, &format, &black);
    format.SetAlignment(StringAlignmentFar);
    g.DrawString(right.c_str(), INT(right.size()), &font, area, &format, &black);
}
