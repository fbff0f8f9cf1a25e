#include "IGDIpGradientRectPack.h"

#include <algorithm>
#include <cstring>

using namespace Gdiplus;

IGDIpGradientRectPack::IGDIpGradientRectPack() : m_path(std::make_unique<GraphicsPath>()) {}

IGDIpGradientRectPack::IGDIpGradientRectPack(const IGDIpGradientRectPack& other)
    : IGDIpHelper(other), m_path(std::make_unique<GraphicsPath>())
{
    copyLook(other);
}

IGDIpGradientRectPack::IGDIpGradientRectPack(IGDIpGradientRectPack&& other) noexcept
    : IGDIpHelper(other), m_path(std::make_unique<GraphicsPath>())
{
    *this = std::move(other);
}

IGDIpGradientRectPack& IGDIpGradientRectPack::operator=(const IGDIpGradientRectPack& other)
{
    copyLook(other);
    return *this;
}

// A move keeps the geometry too: packs held in a growing vector must not
// lose it.
IGDIpGradientRectPack& IGDIpGradientRectPack::operator=(IGDIpGradientRectPack&& other) noexcept
{
    copyLook(other);
    std::copy(std::begin(other.m_margins), std::end(other.m_margins), m_margins);
    std::copy(std::begin(other.m_cornerDiameters), std::end(other.m_cornerDiameters), m_cornerDiameters);
    m_left = other.m_left;
    m_top = other.m_top;
    m_right = other.m_right;
    m_bottom = other.m_bottom;
    m_pathStatus = other.m_pathStatus;
    std::swap(m_path, other.m_path);
    return *this;
}

IGDIpGradientRectPack::~IGDIpGradientRectPack() = default;

void IGDIpGradientRectPack::copy(const IGDIpGradientRectPack& other)
{
    copyLook(other);
}

void IGDIpGradientRectPack::copyLook(const IGDIpGradientRectPack& o)
{
    if (this == &o)
        return;
    m_enabledLook = o.m_enabledLook;
    m_drawFrame = o.m_drawFrame;
    m_fillBackground = o.m_fillBackground;
    m_drawGradient = o.m_drawGradient;
    std::memcpy(m_marginFractions, o.m_marginFractions, sizeof m_marginFractions);
    std::memcpy(m_cornerFractions, o.m_cornerFractions, sizeof m_cornerFractions);
    m_frameWidth = o.m_frameWidth;
    m_gradientMode = o.m_gradientMode;
    m_frameColor = o.m_frameColor;
    m_gradientStart = o.m_gradientStart;
    m_gradientEnd = o.m_gradientEnd;
    std::memcpy(m_blendFactors, o.m_blendFactors, sizeof m_blendFactors);
    std::memcpy(m_blendPositions, o.m_blendPositions, sizeof m_blendPositions);
    m_disabledStart = o.m_disabledStart;
    m_disabledEnd = o.m_disabledEnd;
}

void IGDIpGradientRectPack::setMarginFractions(double left, double top, double right, double bottom)
{
    m_marginFractions[0] = left;
    m_marginFractions[1] = top;
    m_marginFractions[2] = right;
    m_marginFractions[3] = bottom;
}

void IGDIpGradientRectPack::setCornerFractions(double value)
{
    std::fill(std::begin(m_cornerFractions), std::end(m_cornerFractions), value);
}

void IGDIpGradientRectPack::setPlainLook(ARGB start, ARGB end, double cornerFraction)
{
    setMarginFractions(0, 0, 0, 0);
    m_drawFrame = false;
    m_gradientStart = start;
    m_gradientEnd = end;
    setCornerFractions(cornerFraction);
}

GraphicsPath* IGDIpGradientRectPack::framePath()
{
    return m_path.get();
}

void IGDIpGradientRectPack::v_recalcData(const CRect& r)
{
    const int w = r.Width();
    const int h = r.Height();
    recalcGeometry(r, w <= h ? w : h);
}

void IGDIpGradientRectPack::recalcGeometry(const CRect& r, int base)
{
    m_left = r.left;
    m_top = r.top;
    m_right = r.right;
    m_bottom = r.bottom;
    const int s = std::max(0, base);
    for (int i = 0; i < 4; ++i) {
        m_margins[i] = int(m_marginFractions[i] * s);
        if (m_margins[i] == 0 && m_marginFractions[i] != 0)
            m_margins[i] = 1;
        m_cornerDiameters[i] = std::max(1, int(m_cornerFractions[i] * s));
    }
    Rect outline = rect();
    outline.Width -= 1;
    outline.Height -= 1;
    m_path->Reset();
    roundRect(*m_path, outline, m_cornerDiameters);
    m_pathStatus = m_path->GetLastStatus();
}

Rect IGDIpGradientRectPack::rect() const
{
    return Rect(m_left, m_top, m_right - m_left, m_bottom - m_top);
}

void IGDIpGradientRectPack::innerDiameters(int* d) const
{
    const int* m = m_margins;
    const int* c = m_cornerDiameters;
    d[0] = std::max(1, c[0] - m[0] - m[1]);
    d[1] = std::max(1, c[1] - m[2] - m[1]);
    d[2] = std::max(1, c[2] - m[3] - m[2]);
    d[3] = std::max(1, c[3] - m[3] - m[0]);
}

std::unique_ptr<LinearGradientBrush> IGDIpGradientRectPack::gradientBrush(const Rect& r, ARGB start, ARGB end,
                                                                          bool blend) const
{
    auto brush = std::make_unique<LinearGradientBrush>(r, Color(start), Color(end),
                                                       LinearGradientMode(m_gradientMode));
    if (blend)
        brush->SetBlend(m_blendFactors, m_blendPositions, 3);
    brush->SetGammaCorrection(TRUE);
    return brush;
}

void IGDIpGradientRectPack::fillShape(Graphics& g, const Brush& brush, const Rect& r, const int* d)
{
    GraphicsPath path;
    roundRect(path, r, d);
    m_pathStatus = path.GetLastStatus();
    g.FillPath(&brush, &path);
}

void IGDIpGradientRectPack::v_draw(CDC& dc)
{
    const bool normal = m_enabledLook;
    paint(dc, rect(), normal ? m_gradientStart : m_disabledStart, normal ? m_gradientEnd : m_disabledEnd, 1);
}

void IGDIpGradientRectPack::drawWithin(CDC& dc, const CRect& clip)
{
    const bool normal = m_enabledLook;
    paint(dc, rect(), normal ? m_gradientStart : m_disabledStart, normal ? m_gradientEnd : m_disabledEnd, 1,
          &clip);
}

void IGDIpGradientRectPack::v_drawButtonFlash(CDC& dc, int grow)
{
    Rect r = rect();
    r.Inflate(grow, grow);
    paint(dc, r, m_gradientStart, m_gradientEnd, 0);
}

// Solid background, gradient inside the margins, frame: as the flags say.
void IGDIpGradientRectPack::paint(CDC& dc, const Rect& r, ARGB start, ARGB end, int frameShrink,
                                  const CRect* clip)
{
    // Texts over a plain background draw nothing here: not even a GDI+ context.
    if (r.Width <= 0 || r.Height <= 0 || !(m_fillBackground || m_drawGradient || m_drawFrame))
        return;
    Graphics g(dc.m_hDC);
    g.SetSmoothingMode(SmoothingModeAntiAlias);
    if (clip)
        g.SetClip(Rect(clip->left, clip->top, clip->Width(), clip->Height()));
    if (m_fillBackground)
        fillShape(g, SolidBrush(Color(m_frameColor)), r, m_cornerDiameters);
    if (m_drawGradient) {
        Rect inner(r.X + m_margins[0], r.Y + m_margins[1], r.Width - m_margins[0] - m_margins[2],
                   r.Height - m_margins[1] - m_margins[3]);
        int d[4];
        innerDiameters(d);
        if (inner.Width > 0 && inner.Height > 0)
            fillShape(g, *gradientBrush(r, start, end, true), inner, d);
    }
    if (m_drawFrame) {
        Rect outline(r.X, r.Y, r.Width - frameShrink, r.Height - frameShrink);
        GraphicsPath path;
        roundRect(path, outline, m_cornerDiameters);
        Pen pen(Color(m_frameColor), static_cast<REAL>(m_frameWidth));
        g.DrawPath(&pen, &path);
    }
}
