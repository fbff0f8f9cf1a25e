#pragma once

// Helpers of the tests of the framework and the control libraries: a
// top-level window to hold test children, a canvas to draw into and read
// back, message pumping through the framework's loop, and recorders for the
// hooks.

#include <Wfx.h>

#include <IError.h>

#include <gtest/gtest.h>

#include <cstdint>
#include <functional>
#include <string>
#include <vector>

namespace wfxtest {

// A visible top-level window of the given client size. Shown without
// activation: under Wine, hiding an activated top-level window may wait for
// a window manager.
class HostWindow : public CWnd
{
public:
    HostWindow(int clientWidth = 400, int clientHeight = 300, COLORREF background = RGB(255, 255, 255));
    ~HostWindow() override;

private:
    HBRUSH m_brush;
};

// A 32-bit top-down DIB selected into a memory device context.
class Canvas
{
public:
    Canvas(int width, int height, COLORREF fill = RGB(255, 255, 255));
    ~Canvas();
    Canvas(const Canvas&) = delete;
    Canvas& operator=(const Canvas&) = delete;

    CDC& dc() { return m_dc; }
    int width() const { return m_width; }
    int height() const { return m_height; }
    // The pixel as 0x00RRGGBB.
    std::uint32_t rgb(int x, int y) const;

private:
    CDC m_dc;
    HBITMAP m_bitmap = nullptr;
    HGDIOBJ m_old = nullptr;
    std::uint32_t* m_bits = nullptr;
    int m_width = 0;
    int m_height = 0;
};

// 0x00RRGGBB of a COLORREF.
inline std::uint32_t rgbOfColorref(COLORREF c)
{
    return (std::uint32_t(GetRValue(c)) << 16) | (std::uint32_t(GetGValue(c)) << 8) | GetBValue(c);
}

// Each channel of `actual` within `tolerance` of `expected` (both 0x00RRGGBB).
::testing::AssertionResult rgbNear(std::uint32_t expected, std::uint32_t actual, int tolerance = 3);

// How many pixels of r (0x00RRGGBB) the test accepts, or equal `rgb`.
int countPixels(const Canvas& canvas, const CRect& r, const std::function<bool(std::uint32_t)>& test);
int countPixels(const Canvas& canvas, const CRect& r, std::uint32_t rgb);

// Runs every message already waiting through the framework's message loop
// (PreTranslateMessage walk included).
void pumpPending();
// Repaints the window and its children now.
void repaintNow(CWnd& wnd);
// What the window shows in its client area, read from its device context.
std::uint32_t clientPixel(CWnd& wnd, int x, int y);
// The window rectangle of a child in its parent's client coordinates.
CRect rectInParent(CWnd& wnd);

// The thread's tooltip control, or null.
HWND findToolTip();
// The text the tooltip control shows for tool 0 of a window.
std::wstring toolTipText(HWND tip, HWND tool);

// The printing tests' printer (added by tests/testenv.sh) is the default one.
bool testPrinterReady();

// A file's bytes (empty when it cannot be read), and how often `what` occurs in text.
std::string fileBytes(const std::wstring& path);
size_t countOf(const std::string& text, const char* what);

// Answers message boxes with `answer` and keeps their texts while it lives.
class MessageBoxRecorder
{
public:
    explicit MessageBoxRecorder(int answer = IDOK);
    ~MessageBoxRecorder();

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
