#include "CImageObject.h"

#include "GdiplusSession.h"

#include <gdiplus.h>

#include <cstring>

using namespace Gdiplus;
using namespace Gdiplus::DllExports;

namespace {
// Copies the decoded pixels, converted to premultiplied BGRA, into `dest`.
bool copyPixels(GpBitmap* bitmap, int width, int height, std::uint32_t* dest)
{
    GpRect rect{0, 0, width, height};
    BitmapData data{};
    if (GdipBitmapLockBits(bitmap, &rect, ImageLockModeRead, PixelFormat32bppPARGB, &data) != Ok)
        return false;
    for (int y = 0; y < height; ++y) {
        const auto* row = static_cast<const std::uint8_t*>(data.Scan0) + static_cast<ptrdiff_t>(y) * data.Stride;
        std::memcpy(dest + static_cast<size_t>(y) * width, row, static_cast<size_t>(width) * 4);
    }
    GdipBitmapUnlockBits(bitmap, &data);
    return true;
}
} // namespace

CImageObject::CImageObject() = default;

CImageObject::CImageObject(const CImageObject& other) { *this = other; }

CImageObject& CImageObject::operator=(const CImageObject& other)
{
    if (this == &other)
        return *this;
    if (!other.IsLoaded()) {
        release();
        return *this;
    }
    if (create(other.m_width, other.m_height))
        std::memcpy(m_bits, other.m_bits, static_cast<size_t>(m_width) * m_height * 4);
    return *this;
}

CImageObject::~CImageObject() { release(); }

void CImageObject::release()
{
    if (m_bitmap)
        DeleteObject(m_bitmap);
    m_bitmap = nullptr;
    m_bits = nullptr;
    m_width = m_height = 0;
}

bool CImageObject::create(int width, int height)
{
    release();
    if (width <= 0 || height <= 0)
        return false;
    BITMAPINFO info{};
    info.bmiHeader.biSize = sizeof(BITMAPINFOHEADER);
    info.bmiHeader.biWidth = width;
    info.bmiHeader.biHeight = -height; // top-down
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 32;
    info.bmiHeader.biCompression = BI_RGB;
    void* pixels = nullptr;
    HBITMAP bitmap = CreateDIBSection(nullptr, &info, DIB_RGB_COLORS, &pixels, nullptr, 0);
    if (!bitmap)
        return false;
    m_bitmap = bitmap;
    m_bits = static_cast<std::uint32_t*>(pixels);
    m_width = width;
    m_height = height;
    std::memset(m_bits, 0, static_cast<size_t>(width) * height * 4);
    return true;
}

int CImageObject::Load(const wchar_t* path, HDC, int, int)
{
    release();
    if (!path || !ensureGdiplus())
        return 0;
    GpBitmap* bitmap = nullptr;
    if (GdipCreateBitmapFromFile(path, &bitmap) != Ok || !bitmap)
        return 0;
    UINT width = 0, height = 0;
    GdipGetImageWidth(bitmap, &width);
    GdipGetImageHeight(bitmap, &height);
    bool ok = create(static_cast<int>(width), static_cast<int>(height)) &&
              copyPixels(bitmap, m_width, m_height, m_bits);
    GdipDisposeImage(bitmap);
    if (!ok)
        release();
    return ok ? 1 : 0;
}

BOOL CImageObject::Draw(HDC dc, int x, int y) const
{
    if (!IsLoaded() || !dc)
        return FALSE;
    HDC memory = CreateCompatibleDC(dc);
    if (!memory)
        return FALSE;
    HGDIOBJ old = SelectObject(memory, m_bitmap);
    BOOL ok = BitBlt(dc, x, y, m_width, m_height, memory, 0, 0, SRCCOPY);
    SelectObject(memory, old);
    DeleteDC(memory);
    return ok;
}
