#include "CExtImage.h"

#include <algorithm>

CExtImage::CExtImage() = default;

CExtImage::CExtImage(const CExtImage& other) : CImageObject(other) {}

CExtImage& CExtImage::operator=(const CExtImage& other)
{
    CImageObject::operator=(other);
    return *this;
}

CExtImage::~CExtImage() = default;

int CExtImage::alphaBlend(HDC dc, int x, int y, double zoomX, double zoomY) const
{
    if (!IsLoaded() || !dc || zoomX <= 0 || zoomY <= 0)
        return 0;
    int width = std::max(1, static_cast<int>(GetWidth() * zoomX + 0.5));
    int height = std::max(1, static_cast<int>(GetHeight() * zoomY + 0.5));
    HDC memory = CreateCompatibleDC(dc);
    if (!memory)
        return 0;
    HGDIOBJ old = SelectObject(memory, bitmap());
    BLENDFUNCTION blend{AC_SRC_OVER, 0, 255, AC_SRC_ALPHA};
    BOOL ok = AlphaBlend(dc, x, y, width, height, memory, 0, 0, GetWidth(), GetHeight(), blend);
    SelectObject(memory, old);
    DeleteDC(memory);
    return ok ? 1 : 0;
}

int CExtImage::downSampling(int kx, int ky)
{
    if (!IsLoaded() || kx < 1 || ky < 1)
        return 0;
    if (kx == 1 && ky == 1)
        return 1;
    const int srcW = GetWidth(), srcH = GetHeight();
    const int dstW = std::max(1, srcW / kx), dstH = std::max(1, srcH / ky);
    const std::uint32_t* src = bits();
    CExtImage reduced;
    if (!reduced.create(dstW, dstH))
        return 0; // keep the image as it was
    for (int y = 0; y < dstH; ++y) {
        for (int x = 0; x < dstW; ++x) {
            unsigned sum[4] = {0, 0, 0, 0};
            unsigned count = 0;
            for (int sy = y * ky; sy < std::min(srcH, (y + 1) * ky); ++sy) {
                for (int sx = x * kx; sx < std::min(srcW, (x + 1) * kx); ++sx) {
                    std::uint32_t p = src[static_cast<size_t>(sy) * srcW + sx];
                    for (int c = 0; c < 4; ++c)
                        sum[c] += (p >> (8 * c)) & 0xFF;
                    ++count;
                }
            }
            std::uint32_t out = 0;
            for (int c = 0; c < 4; ++c)
                out |= ((sum[c] + count / 2) / count) << (8 * c);
            reduced.bits()[static_cast<size_t>(y) * dstW + x] = out;
        }
    }
    *this = reduced;
    return 1;
}
