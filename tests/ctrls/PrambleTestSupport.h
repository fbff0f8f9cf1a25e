#pragma once

// Helpers of the control library tests: typing into controls, the
// clipboard, and rendering a window's client area into a canvas that the
// test reads back.

#include "WfxTestSupport.h"

#include <cstdint>
#include <string>

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

// A 32-bit copy of what a window paints for WM_PRINTCLIENT.
class Rendering
{
public:
    explicit Rendering(CWnd& wnd) : m_canvas(clientSize(wnd).cx, clientSize(wnd).cy, kUnpainted)
    {
        wnd.SendMessage(WM_PRINTCLIENT, WPARAM(m_canvas.dc().m_hDC), PRF_CLIENT | PRF_ERASEBKGND);
    }

    int width() const { return m_canvas.width(); }
    int height() const { return m_canvas.height(); }
    // The pixel as a COLORREF.
    COLORREF at(int x, int y) const
    {
        std::uint32_t p = m_canvas.rgb(x, y);
        return RGB((p >> 16) & 0xFF, (p >> 8) & 0xFF, p & 0xFF);
    }
    int count(int left, int top, int right, int bottom, COLORREF colour) const
    {
        return wfxtest::countPixels(m_canvas, CRect(left, top, right, bottom),
                                    wfxtest::rgbOfColorref(colour));
    }

    static constexpr COLORREF kUnpainted = RGB(255, 0, 255);

private:
    static CSize clientSize(CWnd& wnd)
    {
        CRect client;
        wnd.GetClientRect(&client);
        return client.Size();
    }

    wfxtest::Canvas m_canvas;
};

} // namespace prambletest
