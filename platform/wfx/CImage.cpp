#include "CImage.h"

#include <gdiplus.h>

#include <cstring>
#include <utility>

namespace {

// GDI+ for decoding files: started once and never shut down, as images may
// still be drawn while modules unload.
struct GdiplusStart
{
    GdiplusStart()
    {
        Gdiplus::GdiplusStartupInput input;
        ok = Gdiplus::GdiplusStartup(&token, &input, nullptr) == Gdiplus::Ok;
    }
    ULONG_PTR token = 0;
    bool ok = false;
};

// Keeps a DC of the image for one drawing.
class ImageDC
{
public:
    explicit ImageDC(const CImage& image) : m_image(image), m_dc(image.GetDC()) {}
    ~ImageDC() { m_image.ReleaseDC(); }
    ImageDC(const ImageDC&) = delete;
    ImageDC& operator=(const ImageDC&) = delete;
    operator HDC() const { return m_dc; }

private:
    const CImage& m_image;
    HDC m_dc;
};

} // namespace

CImage::~CImage()
{
    Destroy();
}

BOOL CImage::Create(int nWidth, int nHeight, int nBPP, DWORD dwFlags)
{
    Destroy();
    if (nWidth <= 0 || nHeight == 0)
        return FALSE;
    BITMAPINFO info{};
    info.bmiHeader.biSize = sizeof(info.bmiHeader);
    info.bmiHeader.biWidth = nWidth;
    info.bmiHeader.biHeight = nHeight;
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = WORD(nBPP);
    info.bmiHeader.biCompression = BI_RGB;
    void* bits = nullptr;
    HBITMAP bitmap = ::CreateDIBSection(nullptr, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
    if (!bitmap)
        return FALSE;
    m_hBitmap = bitmap;
    takeDetails(nHeight < 0);
    m_hasAlpha = nBPP == 32 && (dwFlags & createAlphaChannel);
    return TRUE;
}

void CImage::Attach(HBITMAP hBitmap)
{
    Destroy();
    m_hBitmap = hBitmap;
    DIBSECTION section{};
    bool dib = hBitmap && ::GetObjectW(hBitmap, sizeof(section), &section) == sizeof(section);
    takeDetails(dib && section.dsBmih.biHeight < 0);
}

HBITMAP CImage::Detach()
{
    while (m_dcUses > 0)
        ReleaseDC();
    HBITMAP bitmap = std::exchange(m_hBitmap, nullptr);
    takeDetails(false);
    return bitmap;
}

void CImage::Destroy()
{
    HBITMAP bitmap = Detach();
    if (bitmap)
        ::DeleteObject(bitmap);
}

// The system does not always report a top-down section as such: the
// maker of the bitmap says.
void CImage::takeDetails(bool topDown)
{
    DIBSECTION section{};
    m_hasAlpha = false;
    if (!m_hBitmap || ::GetObjectW(m_hBitmap, sizeof(section), &section) != sizeof(section)) {
        m_bits = nullptr;
        m_width = m_height = m_bpp = m_pitch = 0;
        return;
    }
    const BITMAP& bm = section.dsBm;
    m_width = bm.bmWidth;
    m_height = bm.bmHeight;
    m_bpp = bm.bmBitsPixel;
    bool bottomUp = !topDown;
    m_pitch = bottomUp ? -bm.bmWidthBytes : bm.bmWidthBytes;
    m_bits = static_cast<BYTE*>(bm.bmBits) + (bottomUp ? (m_height - 1) * bm.bmWidthBytes : 0);
}

HRESULT CImage::Load(LPCWSTR pszFileName)
{
    Destroy();
    static const GdiplusStart gdiplus;
    if (!gdiplus.ok)
        return E_FAIL;
    Gdiplus::Bitmap bitmap(pszFileName);
    if (bitmap.GetLastStatus() != Gdiplus::Ok || !copyFromGdiplus(&bitmap)) {
        Destroy();
        return E_FAIL;
    }
    return S_OK;
}

BOOL CImage::copyFromGdiplus(void* source)
{
    auto* bitmap = static_cast<Gdiplus::Bitmap*>(source);
    int width = int(bitmap->GetWidth());
    int height = int(bitmap->GetHeight());
    if (!Create(width, -height, 32))
        return FALSE;
    Gdiplus::Rect all(0, 0, width, height);
    Gdiplus::BitmapData data{};
    if (bitmap->LockBits(&all, Gdiplus::ImageLockModeRead, PixelFormat32bppPARGB, &data) != Gdiplus::Ok)
        return FALSE;
    for (int y = 0; y < height; ++y)
        std::memcpy(static_cast<BYTE*>(m_bits) + y * m_pitch,
                    static_cast<BYTE*>(data.Scan0) + y * data.Stride, size_t(width) * 4);
    bitmap->UnlockBits(&data);
    m_hasAlpha = Gdiplus::IsAlphaPixelFormat(bitmap->GetPixelFormat());
    return TRUE;
}

HDC CImage::GetDC() const
{
    if (m_dcUses++ == 0) {
        m_hDC = ::CreateCompatibleDC(nullptr);
        m_oldBitmap = ::SelectObject(m_hDC, m_hBitmap);
    }
    return m_hDC;
}

void CImage::ReleaseDC() const
{
    if (m_dcUses <= 0 || --m_dcUses > 0)
        return;
    ::SelectObject(m_hDC, m_oldBitmap);
    ::DeleteDC(m_hDC);
    m_hDC = nullptr;
}

COLORREF CImage::GetPixel(int x, int y) const
{
    ImageDC dc(*this);
    return ::GetPixel(dc, x, y);
}

void CImage::SetPixel(int x, int y, COLORREF color)
{
    ImageDC dc(*this);
    ::SetPixelV(dc, x, y, color);
}

BOOL CImage::Draw(HDC hDestDC, int xDest, int yDest) const
{
    return Draw(hDestDC, RECT{xDest, yDest, xDest + m_width, yDest + m_height});
}

BOOL CImage::Draw(HDC hDestDC, const RECT& rectDest) const
{
    return Draw(hDestDC, rectDest, RECT{0, 0, m_width, m_height});
}

BOOL CImage::Draw(HDC hDestDC, const RECT& rectDest, const RECT& rectSrc) const
{
    if (IsNull())
        return FALSE;
    ImageDC dc(*this);
    int w = rectDest.right - rectDest.left;
    int h = rectDest.bottom - rectDest.top;
    int sw = rectSrc.right - rectSrc.left;
    int sh = rectSrc.bottom - rectSrc.top;
    if (m_hasAlpha) {
        BLENDFUNCTION blend{AC_SRC_OVER, 0, 0xff, AC_SRC_ALPHA};
        return ::GdiAlphaBlend(hDestDC, rectDest.left, rectDest.top, w, h, dc, rectSrc.left, rectSrc.top, sw,
                               sh, blend);
    }
    int oldMode = ::SetStretchBltMode(hDestDC, COLORONCOLOR);
    BOOL done = ::StretchBlt(hDestDC, rectDest.left, rectDest.top, w, h, dc, rectSrc.left, rectSrc.top, sw,
                             sh, SRCCOPY);
    ::SetStretchBltMode(hDestDC, oldMode);
    return done;
}

BOOL CImage::BitBlt(HDC hDestDC, int xDest, int yDest, DWORD dwROP) const
{
    if (IsNull())
        return FALSE;
    ImageDC dc(*this);
    return ::BitBlt(hDestDC, xDest, yDest, m_width, m_height, dc, 0, 0, dwROP);
}

BOOL CImage::AlphaBlend(HDC hDestDC, int xDest, int yDest, BYTE bSrcAlpha, BYTE bBlendOp) const
{
    if (IsNull())
        return FALSE;
    ImageDC dc(*this);
    BLENDFUNCTION blend{bBlendOp, 0, bSrcAlpha, BYTE(m_hasAlpha ? AC_SRC_ALPHA : 0)};
    return ::GdiAlphaBlend(hDestDC, xDest, yDest, m_width, m_height, dc, 0, 0, m_width, m_height, blend);
}
