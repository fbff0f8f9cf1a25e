#pragma once

// Helpers of the control library tests: rendering a window's client area
// into a bitmap that the test reads back.

#include "WfxTestSupport.h"

#include <vector>

namespace prambletest {

// A 32-bit top-down copy of what a window paints for WM_PRINTCLIENT.
class Rendering
{
public:
    explicit Rendering(CWnd& wnd)
    {
        CRect client;
        wnd.GetClientRect(&client);
        m_width = client.Width();
        m_height = client.Height();
        BITMAPINFO info{};
        info.bmiHeader.biSize = sizeof(info.bmiHeader);
        info.bmiHeader.biWidth = m_width;
        info.bmiHeader.biHeight = -m_height;
        info.bmiHeader.biPlanes = 1;
        info.bmiHeader.biBitCount = 32;
        void* bits = nullptr;
        HDC dc = CreateCompatibleDC(nullptr);
        HBITMAP bitmap = CreateDIBSection(dc, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
        HGDIOBJ old = SelectObject(dc, bitmap);
        RECT all{0, 0, m_width, m_height};
        HBRUSH unpainted = CreateSolidBrush(kUnpainted);
        FillRect(dc, &all, unpainted);
        DeleteObject(unpainted);
        wnd.SendMessage(WM_PRINTCLIENT, WPARAM(dc), PRF_CLIENT | PRF_ERASEBKGND);
        GdiFlush();
        const auto* pixels = static_cast<const DWORD*>(bits);
        m_pixels.assign(pixels, pixels + m_width * m_height);
        SelectObject(dc, old);
        DeleteObject(bitmap);
        DeleteDC(dc);
    }

    int width() const { return m_width; }
    int height() const { return m_height; }
    // The pixel as a COLORREF.
    COLORREF at(int x, int y) const
    {
        DWORD p = m_pixels[size_t(y * m_width + x)];
        return RGB((p >> 16) & 0xFF, (p >> 8) & 0xFF, p & 0xFF);
    }
    int count(int left, int top, int right, int bottom, COLORREF colour) const
    {
        int n = 0;
        for (int y = top; y < bottom; ++y)
            for (int x = left; x < right; ++x)
                n += at(x, y) == colour;
        return n;
    }

    static constexpr COLORREF kUnpainted = RGB(255, 0, 255);

private:
    int m_width = 0;
    int m_height = 0;
    std::vector<DWORD> m_pixels;
};

} // namespace prambletest
