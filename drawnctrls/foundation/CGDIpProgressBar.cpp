#include "CGDIpProgressBar.h"

#include <algorithm>

IMPLEMENT_DYNAMIC(CGDIpProgressBar, CGDIpTransparentCompCtrl)

namespace {

const int kFull = 1000;

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

void CGDIpProgressBar::drawContent(CDC& dc)
{
    CRect client;
    GetClientRect(&client);
    m_backdrop.draw(dc, *this, client.Size(), backgroundVersion());
    v_draw(dc);
}

void CGDIpProgressBar::releasePictures(bool background)
{
    CGDIpTransparentCompCtrl::releasePictures(background);
    m_backdrop.clear();
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
CRect CGDIpProgressBar::barRect() const
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
        return CRect(x0, c.top + mT, x0 + (c.right - mR - x0) * m_pos / kFull, c.bottom - mB);
    }
    const int top = c.top + mT;
    return CRect(c.left + mL, (c.bottom - mB - top) * (kFull - m_pos) / kFull + top, c.right - mR,
                 c.bottom - mB);
}

void CGDIpProgressBar::v_recalcPos()
{
    if (!m_hWnd)
        return;
    // The pack keeps its corner diameters for the bar, without margins of its own.
    m_barPack.v_recalcData(barRect());
    std::fill(std::begin(m_barPack.m_margins), std::end(m_barPack.m_margins), 0);
    Invalidate(FALSE);
}
