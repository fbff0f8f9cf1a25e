#pragma once

#include "PictrelApi.h"

#include <windows.h>

#include <cstdint>

// An image file decoded into a 32-bit premultiplied-alpha DIB section.
class PICTREL_API CImageObject
{
public:
    CImageObject();
    CImageObject(const CImageObject& other);
    CImageObject& operator=(const CImageObject& other);
    virtual ~CImageObject();

    // Decodes any format GDI+ reads (TIFF with alpha included). The image is
    // always kept at its natural size; `dc`, `cx` and `cy` are accepted for
    // the callers' sake and not used. Nonzero when loaded.
    int Load(const wchar_t* path, HDC dc = nullptr, int cx = -1, int cy = -1);
    // Opaque copy of the image to (x, y).
    BOOL Draw(HDC dc, int x, int y) const;
    int GetWidth() const { return m_width; }
    int GetHeight() const { return m_height; }
    bool IsLoaded() const { return m_bitmap != nullptr; }

protected:
    // Replaces the image by a blank one of w x h; false when it can't.
    bool create(int width, int height);
    void release();
    std::uint32_t* bits() const { return m_bits; }
    HBITMAP bitmap() const { return m_bitmap; }

private:
    HBITMAP m_bitmap = nullptr;
    std::uint32_t* m_bits = nullptr;
    int m_width = 0;
    int m_height = 0;
};
