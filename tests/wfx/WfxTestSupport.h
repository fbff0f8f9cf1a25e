#pragma once

// Helpers of the framework tests: a top-level window to hold test children,
// message pumping through the framework's loop, and recorders for the hooks.

#include <Wfx.h>

#include <IError.h>

#include <cstdint>
#include <string>
#include <vector>

namespace wfxtest {

// A visible top-level window. Shown without activation: under Wine without
// a window manager, hiding an activated top-level window waits 2 seconds.
class HostWindow : public CWnd
{
public:
    HostWindow()
    {
        CreateEx(0, AfxRegisterWndClass(CS_DBLCLKS, nullptr, reinterpret_cast<HBRUSH>(COLOR_WINDOW + 1)),
                 L"host", WS_POPUP | WS_BORDER, 50, 50, 400, 300, nullptr, nullptr);
        ShowWindow(SW_SHOWNA);
    }
};

// A 32-bit memory bitmap selected into a memory device context.
class Canvas
{
public:
    Canvas(int width, int height)
    {
        m_dc.CreateCompatibleDC(nullptr);
        BITMAPINFO info{};
        info.bmiHeader = {sizeof(BITMAPINFOHEADER), width, -height, 1, 32, BI_RGB, 0, 0, 0, 0, 0};
        void* bits = nullptr;
        m_bitmap.Attach(CreateDIBSection(nullptr, &info, DIB_RGB_COLORS, &bits, nullptr, 0));
        m_bits = static_cast<std::uint32_t*>(bits);
        m_width = width;
        m_old = m_dc.SelectObject(&m_bitmap);
    }
    ~Canvas() { m_dc.SelectObject(m_old); }

    CDC& dc() { return m_dc; }
    // The pixel as 0x00RRGGBB.
    std::uint32_t at(int x, int y) const { return m_bits[y * m_width + x] & 0xFFFFFF; }

private:
    CDC m_dc;
    CBitmap m_bitmap;
    CBitmap* m_old = nullptr;
    std::uint32_t* m_bits = nullptr;
    int m_width = 0;
};

// Runs every message already waiting through the framework's message loop
// (PreTranslateMessage walk included).
inline void pumpPending()
{
    MSG msg;
    while (PeekMessageW(&msg, nullptr, 0, 0, PM_NOREMOVE))
        AfxGetThread()->PumpMessage();
}

// The thread's tooltip control, or null.
inline HWND findToolTip()
{
    HWND found = nullptr;
    EnumThreadWindows(
        GetCurrentThreadId(),
        [](HWND hWnd, LPARAM lParam) -> BOOL {
            wchar_t name[64] = {};
            GetClassNameW(hWnd, name, 64);
            if (_wcsicmp(name, TOOLTIPS_CLASSW) != 0)
                return TRUE;
            *reinterpret_cast<HWND*>(lParam) = hWnd;
            return FALSE;
        },
        reinterpret_cast<LPARAM>(&found));
    return found;
}

// The text the tooltip control shows for tool 0 of a window.
inline std::wstring toolTipText(HWND tip, HWND tool)
{
    wchar_t text[100] = {};
    TOOLINFOW ti{};
    ti.cbSize = sizeof(ti);
    ti.hwnd = tool;
    ti.uId = 0;
    ti.lpszText = text;
    SendMessageW(tip, TTM_GETTEXTW, 100, LPARAM(&ti));
    return text;
}

// Answers message boxes with `answer` and keeps their texts while it lives.
class MessageBoxRecorder
{
public:
    explicit MessageBoxRecorder(int answer = IDOK)
    {
        WfxSetMessageBoxHook([this, answer](HWND, LPCWSTR text, LPCWSTR, UINT) {
            texts.push_back(text);
            return answer;
        });
    }
    ~MessageBoxRecorder() { WfxSetMessageBoxHook(nullptr); }

    std::vector<std::wstring> texts;
};

// Removes the modal dialog hook at the end of a test.
struct ModalHook
{
    explicit ModalHook(WfxModalDialogHook hook) { WfxSetModalDialogHook(std::move(hook)); }
    ~ModalHook() { WfxSetModalDialogHook(nullptr); }
};

// An error object that counts its deletions.
class TestError : public IError
{
public:
    TestError() : IError(5, L"handler()", __LINE__, L"test") { setMsgs(); }
    ~TestError() override { ++s_deleted; }
    void setMsgs() override { m_msgs.push_back(L"Test failure."); }
    std::wstring name() const override { return L"TestError"; }

    static int s_deleted;
};

} // namespace wfxtest
