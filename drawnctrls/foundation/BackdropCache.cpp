#include "BackdropCache.h"

#include <iterator>

namespace {

template <class T, size_t N> void append(std::vector<double>& out, const T (&values)[N])
{
    out.insert(out.end(), std::begin(values), std::end(values));
}

// Copies the size's worth of `from` into `to` through a context of its own.
void copyPicture(CDC& dc, CBitmap& picture, CSize size, bool intoPicture)
{
    CDC other;
    other.CreateCompatibleDC(&dc);
    HGDIOBJ old = ::SelectObject(other, picture);
    if (intoPicture)
        other.BitBlt(0, 0, size.cx, size.cy, &dc, 0, 0, SRCCOPY);
    else
        dc.BitBlt(0, 0, size.cx, size.cy, &other, 0, 0, SRCCOPY);
    ::SelectObject(other, old);
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
    if (m_picture.m_hObject && size == m_size && background == m_background && look == m_look) {
        copyPicture(dc, m_picture, size, false);
        return;
    }
    pack.IGDIpGradientRectPack::v_draw(dc);
    m_picture.DeleteObject();
    if (size.cx <= 0 || size.cy <= 0 || !m_picture.CreateCompatibleBitmap(&dc, size.cx, size.cy))
        return;
    copyPicture(dc, m_picture, size, true);
    m_size = size;
    m_background = background;
    m_look = std::move(look);
}
