#pragma once

#include "WfxApi.h"

// A bitmap held as a DIB section: made empty at a size and depth, or loaded
// from an image file (BMP, PNG, TIFF, JPEG... through GDI+). A 32-bit image
// with an alpha channel (createAlphaChannel, or a file that has one) is
// drawn blended; its pixels are then premultiplied.
class WFX_API CImage
{
public:
    enum
    {
        createAlphaChannel = 0x01
    };

    CImage() = default;
    ~CImage();
    CImage(const CImage&) = delete;
    CImage& operator=(const CImage&) = delete;

    // A positive height makes a bottom-up image (GetPitch negative), a
    // negative one a top-down image.
    BOOL Create(int nWidth, int nHeight, int nBPP, DWORD dwFlags = 0);
    // S_OK, or E_FAIL with the image left empty.
    HRESULT Load(LPCWSTR pszFileName);
    void Destroy();
    void Attach(HBITMAP hBitmap);
    HBITMAP Detach();

    bool IsNull() const { return m_hBitmap == nullptr; }
    operator HBITMAP() const { return m_hBitmap; }
    int GetWidth() const { return m_width; }
    int GetHeight() const { return m_height; }
    int GetBPP() const { return m_bpp; }
    // Bytes from one row to the next, negative for bottom-up images.
    int GetPitch() const { return m_pitch; }
    // The first byte of the top row.
    void* GetBits() { return m_bits; }
    const void* GetBits() const { return m_bits; }
    COLORREF GetPixel(int x, int y) const;
    void SetPixel(int x, int y, COLORREF color);

    // A memory DC with the image selected, shared by nested calls; every
    // GetDC needs its ReleaseDC.
    HDC GetDC() const;
    void ReleaseDC() const;

    BOOL Draw(HDC hDestDC, int xDest, int yDest) const;
    BOOL Draw(HDC hDestDC, const RECT& rectDest) const;
    BOOL Draw(HDC hDestDC, const RECT& rectDest, const RECT& rectSrc) const;
    BOOL BitBlt(HDC hDestDC, int xDest, int yDest, DWORD dwROP = SRCCOPY) const;
    BOOL AlphaBlend(HDC hDestDC, int xDest, int yDest, BYTE bSrcAlpha = 0xff,
                    BYTE bBlendOp = AC_SRC_OVER) const;

private:
    void takeDetails(bool topDown);
    BOOL copyFromGdiplus(void* bitmap);

    HBITMAP m_hBitmap = nullptr;
    void* m_bits = nullptr;
    int m_width = 0;
    int m_height = 0;
    int m_bpp = 0;
    int m_pitch = 0;
    bool m_hasAlpha = false;
    mutable HDC m_hDC = nullptr;
    mutable int m_dcUses = 0;
    mutable HGDIOBJ m_oldBitmap = nullptr;
};
