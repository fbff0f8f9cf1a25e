#include "CGDIpProgressBar.h"

#include <algorithm>

IMPLEMENT_DYNAMIC(CGDIpProgressBar, CGDIpTransparentCompCtrl)

namespace {

const int kFull = 1000;
// Rows beyond a rounded end that antialiasing may still touch.
const int kTopRowsBeyondCorners = 2;

void setLinearBlend(IGDIpGradientRectPack& pack)
{
    const float steps[3] = {0.0f, 0.5f, 1.0f};
    std::copy(steps, steps + 3, pack.m_blendFactors);
    std::copy(steps, steps + 3, pack.m_blendPositions);
}

} // namespace

CGDIpProgressBar::CGDIpProgressBar()
{
    setMarginFractions(0, 0, 0, 0);
    setCornerFractions(0.25);
    m_drawFrame = false;
    m_fillBackground = false;
    m_drawGradient = true;
    m_frameColor = 0xFF8B8881;
    m_gradientStart = 0xFF838383;
    m_gradientEnd = 0xFFFCFCFC;
    m_gradientMode = Gdiplus::LinearGradientModeHorizontal;
    setLinearBlend(*this);

    m_barPack.setMarginFractions(0.05, 0.05, 0.05, 0.05);
    m_barPack.setCornerFractions(0.25);
    m_barPack.m_drawFrame = false;
    m_barPack.m_fillBackground = false;
    m_barPack.m_drawGradient = true;
    m_barPack.m_frameColor = 0xFF8B8881;
    m_barPack.m_gradientStart = 0xFFFDFDFD;
    m_barPack.m_gradientEnd = 0xFF35CC67;
    m_barPack.m_gradientMode = Gdiplus::LinearGradientModeHorizontal;
    setLinearBlend(m_barPack);
}

CGDIpProgressBar::~CGDIpProgressBar() = default;

CGDIpProgressBar& CGDIpProgressBar::operator=(const CGDIpProgressBar& other)
{
    CGDIpTransparentCompCtrl::operator=(other);
    m_barPack = other.m_barPack;
    v_recalcPos();
    return *this;
}

void CGDIpProgressBar::setPos(int p)
{
    if (p == m_pos)
        return;
    const CRect before = barRect();
    m_pos = std::clamp(p, 0, kFull);
    if (m_hWnd && barRect() == before)
        return;
    v_recalcPos();
}

// A vertical bar's fill changes across it, not along it: below its rounded
// top it is the full bar's, row for row. Only the top is drawn each time, a
// GDI+ gradient costing about a millisecond a bar under Wine.
void CGDIpProgressBar::drawContent(CDC& dc)
{
    CRect client;
    GetClientRect(&client);
    m_backdrop.draw(dc, *this, client.Size(), backgroundVersion());
    IGDIpGradientRectPack full = fullBar();
    const CRect fromFull = rowsAsFull(full);
    if (fromFull.IsRectEmpty()) {
        v_draw(dc);
        return;
    }
    m_fullBar.draw(dc, full, client.Size(), m_backdrop.generation());
    m_backdrop.copyPart(dc, CRect(0, 0, client.right, fromFull.top));
    drawTop(dc, fromFull.top);
}

// The bar above `bottom`: the bar cut short out of sight below it, as GDI+
// works out the whole shape whatever the clip.
void CGDIpProgressBar::drawTop(CDC& dc, int bottom)
{
    IGDIpGradientRectPack top(m_barPack);
    std::copy(std::begin(m_barPack.m_cornerDiameters), std::end(m_barPack.m_cornerDiameters),
              top.m_cornerDiameters);
    top.m_left = m_barPack.m_left;
    top.m_top = m_barPack.m_top;
    top.m_right = m_barPack.m_right;
    top.m_bottom =
        bottom + kTopRowsBeyondCorners + *std::max_element(top.m_cornerDiameters, top.m_cornerDiameters + 4);
    top.drawWithin(dc, CRect(top.m_left - 1, top.m_top - 1, top.m_right + 1, bottom));
}

void CGDIpProgressBar::releasePictures(bool background)
{
    CGDIpTransparentCompCtrl::releasePictures(background);
    m_backdrop.clear();
    m_fullBar.clear();
}

IGDIpGradientRectPack CGDIpProgressBar::fullBar() const
{
    IGDIpGradientRectPack full(m_barPack);
    placeBar(full, kFull);
    return full;
}

CRect CGDIpProgressBar::rowsAsFull(const IGDIpGradientRectPack& full) const
{
    if (m_gradientMode == Gdiplus::LinearGradientModeHorizontal ||
        m_barPack.m_gradientMode != Gdiplus::LinearGradientModeHorizontal ||
        !std::equal(std::begin(full.m_cornerDiameters), std::end(full.m_cornerDiameters),
                    std::begin(m_barPack.m_cornerDiameters)))
        return CRect();
    const int corner =
        *std::max_element(std::begin(full.m_cornerDiameters), std::end(full.m_cornerDiameters));
    const int top = m_barPack.m_top + corner + m_barPack.m_frameWidth + kTopRowsBeyondCorners;
    if (top + corner + kTopRowsBeyondCorners > m_barPack.m_bottom)
        return CRect();
    CRect client;
    GetClientRect(&client);
    return CRect(0, top, client.right, client.bottom);
}

void CGDIpProgressBar::v_draw(CDC& dc)
{
    m_barPack.v_draw(dc);
}

void CGDIpProgressBar::v_recalcData(const CRect& r)
{
    CGDIpTransparentCompCtrl::v_recalcData(r);
    v_recalcPos();
}

// The bar inside margins taken from the client's height (horizontal) or
// width (vertical), as long as the position says.
CRect CGDIpProgressBar::barRect(int pos) const
{
    if (!m_hWnd)
        return CRect();
    CRect c;
    GetClientRect(&c);
    const double* f = m_barPack.m_marginFractions;
    const bool horizontal = m_gradientMode == Gdiplus::LinearGradientModeHorizontal;
    const int base = horizontal ? c.Height() : c.Width();
    const int mL = int(base * f[0]), mT = int(base * f[1]), mR = int(base * f[2]), mB = int(base * f[3]);
    if (horizontal) {
        const int x0 = c.left + mL;
        return CRect(x0, c.top + mT, x0 + (c.right - mR - x0) * pos / kFull, c.bottom - mB);
    }
    const int top = c.top + mT;
    return CRect(c.left + mL, (c.bottom - mB - top) * (kFull - pos) / kFull + top, c.right - mR,
                 c.bottom - mB);
}

// The pack keeps its corner diameters for the bar, without margins of its own.
void CGDIpProgressBar::placeBar(IGDIpGradientRectPack& pack, int pos) const
{
    pack.v_recalcData(barRect(pos));
    std::fill(std::begin(pack.m_margins), std::end(pack.m_margins), 0);
}

void CGDIpProgressBar::v_recalcPos()
{
    if (!m_hWnd)
        return;
    placeBar(m_barPack, m_pos);
    Invalidate(FALSE);
}
