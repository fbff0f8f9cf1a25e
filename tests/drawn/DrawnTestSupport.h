#pragma once

// Helpers of the drawn-control tests: GDI+ started once for the program, a
// 32-bit canvas to draw packs into, a host window, reading back what a
// window painted, and test images written as TIFF files.

#include <PrambleGDIp.h>

#include <gtest/gtest.h>

#include <cstdint>
#include <string>
#include <vector>

namespace drawntest {

// A white 32-bit top-down DIB selected into a memory device context.
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

// 0x00RRGGBB of an ARGB colour or a COLORREF.
inline std::uint32_t rgbOfArgb(std::uint32_t argb)
{
    return argb & 0xFFFFFF;
}
inline std::uint32_t rgbOfColorref(COLORREF c)
{
    return (std::uint32_t(GetRValue(c)) << 16) | (std::uint32_t(GetGValue(c)) << 8) | GetBValue(c);
}

// Each channel of `actual` within `tolerance` of `expected` (both 0x00RRGGBB).
::testing::AssertionResult rgbNear(std::uint32_t expected, std::uint32_t actual, int tolerance = 3);

// A visible top-level window of the given client size, shown without
// activation (hiding an activated window under Wine without a window
// manager takes 2 seconds).
class HostWindow : public CWnd
{
public:
    HostWindow(int clientWidth = 400, int clientHeight = 300, COLORREF background = RGB(255, 255, 255));
    ~HostWindow() override;
    void setClientSize(int width, int height);

private:
    HBRUSH m_brush;
};

// Keeps the texts of message boxes (errors the framework caught) while it
// lives, answering each with OK.
class MessageBoxRecorder
{
public:
    MessageBoxRecorder();
    ~MessageBoxRecorder();
    std::vector<std::wstring> texts;
};

// A host window that keeps the commands its children send or post.
class CommandHost : public HostWindow
{
public:
    using HostWindow::HostWindow;
    struct Command
    {
        WPARAM wParam;
        LPARAM lParam;
    };
    std::vector<Command> commands;
    BOOL OnCommand(WPARAM wParam, LPARAM lParam) override;
};

// Runs every waiting message through the framework's message loop.
void pumpPending();
// Repaints the window and its children now.
void repaintNow(CWnd& wnd);
// What the window shows in its client area, read from its device context.
std::uint32_t clientPixel(CWnd& wnd, int x, int y);

// Writes a w x h TIFF of one ARGB colour; false when GDI+ can't.
bool writeSolidTiff(const std::wstring& path, int width, int height, std::uint32_t argb);

// The client rectangle of a window in its parent's client coordinates.
CRect rectInParent(CWnd& wnd);

} // namespace drawntest
