#pragma once

// Helpers of the control library tests: typing into controls, the
// clipboard, and rendering a window's client area into a bitmap that the
// test reads back.

#include "WfxTestSupport.h"

#include <string>
#include <vector>

namespace prambletest {

// Types each character as WM_CHAR.
inline void typeText(CWnd& wnd, const std::wstring& text)
{
    for (wchar_t ch : text)
        wnd.SendMessage(WM_CHAR, ch, 1);
}

inline void pressKey(CWnd& wnd, UINT vk)
{
    wnd.SendMessage(WM_KEYDOWN, vk, 1);
    wnd.SendMessage(WM_KEYUP, vk, 0xC0000001);
}

inline std::wstring textOf(const CWnd& wnd)
{
    CString text;
    wnd.GetWindowText(text);
    return text.str();
}

inline int caretOf(const CEdit& edit)
{
    int start = 0, end = 0;
    edit.GetSel(start, end);
    return start;
}

// Puts text on the clipboard; an empty text leaves it empty.
inline bool setClipboardText(const std::wstring& text)
{
    if (!OpenClipboard(nullptr))
        return false;
    EmptyClipboard();
    bool ok = true;
    if (!text.empty()) {
        HGLOBAL data = GlobalAlloc(GMEM_MOVEABLE, (text.size() + 1) * sizeof(wchar_t));
        wcscpy(static_cast<wchar_t*>(GlobalLock(data)), text.c_str());
        GlobalUnlock(data);
        ok = SetClipboardData(CF_UNICODETEXT, data) != nullptr;
    }
    CloseClipboard();
    return ok;
}

inline std::wstring clipboardText()
{
    std::wstring text;
    if (!OpenClipboard(nullptr))
        return text;
    if (HANDLE data = GetClipboardData(CF_UNICODETEXT)) {
        text = static_cast<const wchar_t*>(GlobalLock(data));
        GlobalUnlock(data);
    }
    CloseClipboard();
    return text;
}

// The text and background colours a control asks its parent's reflection
// for, painted into a memory DC.
struct CtlColors
{
    COLORREF text;
    COLORREF background;
    bool brush;
};

inline CtlColors askColors(CWnd& parent, CWnd& control, UINT message = WM_CTLCOLOREDIT)
{
    HDC dc = CreateCompatibleDC(nullptr);
    LRESULT brush = parent.SendMessage(message, WPARAM(dc), LPARAM(control.m_hWnd));
    CtlColors colors{GetTextColor(dc), GetBkColor(dc), brush != 0};
    DeleteDC(dc);
    return colors;
}

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
