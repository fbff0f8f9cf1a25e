#include "BackdropCache.h"

#include <iterator>

namespace {

template <class T, size_t N> void append(std::vector<double>& out, const T (&values)[N])
{
    out.insert(out.end(), std::begin(values), std::end(values));
}

} // namespace

// Everything the pack's picture depends on: its look and its geometry.
std::vector<double> BackdropCache::lookOf(const IGDIpGradientRectPack& p)
{
    std::vector<double> look{double(p.m_enabledLook),   double(p.m_drawFrame),     double(p.m_fillBackground),
                             double(p.m_drawGradient),  double(p.m_frameWidth),    double(p.m_gradientMode),
                             double(p.m_frameColor),    double(p.m_gradientStart), double(p.m_gradientEnd),
                             double(p.m_disabledStart), double(p.m_disabledEnd),   double(p.m_left),
                             double(p.m_top),           double(p.m_right),         double(p.m_bottom)};
    append(look, p.m_marginFractions);
    append(look, p.m_cornerFractions);
    append(look, p.m_blendFactors);
    append(look, p.m_blendPositions);
    append(look, p.m_margins);
    append(look, p.m_cornerDiameters);
    return look;
}

void BackdropCache::draw(CDC& dc, IGDIpGradientRectPack& pack, CSize size, unsigned background)
{
    std::vector<double> look = lookOf(pack);
    if (m_pictureDC.m_hDC && size == m_size && background == m_background && look == m_look) {
        dc.BitBlt(0, 0, size.cx, size.cy, &m_pictureDC, 0, 0, SRCCOPY);
        return;
    }
    pack.IGDIpGradientRectPack::v_draw(dc);
    clear();
    ++m_generation;
    if (size.cx <= 0 || size.cy <= 0 || !m_picture.CreateCompatibleBitmap(&dc, size.cx, size.cy) ||
        !m_pictureDC.CreateCompatibleDC(&dc)) {
        clear();
        return;
    }
    m_oldBitmap = ::SelectObject(m_pictureDC, m_picture);
    m_pictureDC.BitBlt(0, 0, size.cx, size.cy, &dc, 0, 0, SRCCOPY);
    m_size = size;
    m_background = background;
    m_look = std::move(look);
}

void BackdropCache::copyPart(CDC& dc, const CRect& part)
{
    if (!m_pictureDC.m_hDC)
        return;
    const CRect shown = part & CRect(CPoint(), m_size);
    dc.BitBlt(shown.left, shown.top, shown.Width(), shown.Height(), &m_pictureDC, shown.left, shown.top,
              SRCCOPY);
}

void BackdropCache::clear()
{
    if (m_pictureDC.m_hDC && m_oldBitmap)
        ::SelectObject(m_pictureDC, m_oldBitmap);
    m_oldBitmap = nullptr;
    m_pictureDC.DeleteDC();
    m_picture.DeleteObject();
    m_size = CSize();
}
