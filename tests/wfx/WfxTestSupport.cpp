#include "WfxTestSupport.h"

#include <cstdio>

namespace wfxtest {

HostWindow::HostWindow(int clientWidth, int clientHeight, COLORREF background)
    : m_brush(CreateSolidBrush(background))
{
    CreateEx(0, AfxRegisterWndClass(CS_DBLCLKS, LoadCursorW(nullptr, IDC_ARROW), m_brush), L"host", WS_POPUP,
             20, 20, clientWidth, clientHeight, nullptr, nullptr);
    ShowWindow(SW_SHOWNA);
    UpdateWindow();
}

HostWindow::~HostWindow()
{
    DestroyWindow();
    DeleteObject(m_brush);
}

Canvas::Canvas(int width, int height, COLORREF fill) : m_width(width), m_height(height)
{
    m_dc.CreateCompatibleDC(nullptr);
    BITMAPINFO info{};
    info.bmiHeader = {sizeof(BITMAPINFOHEADER), width, -height, 1, 32, BI_RGB, 0, 0, 0, 0, 0};
    void* bits = nullptr;
    m_bitmap = CreateDIBSection(nullptr, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
    m_bits = static_cast<std::uint32_t*>(bits);
    m_old = SelectObject(m_dc.m_hDC, m_bitmap);
    m_dc.FillSolidRect(0, 0, width, height, fill);
}

Canvas::~Canvas()
{
    SelectObject(m_dc.m_hDC, m_old);
    DeleteObject(m_bitmap);
}

std::uint32_t Canvas::rgb(int x, int y) const
{
    GdiFlush();
    return m_bits[y * m_width + x] & 0xFFFFFF;
}

::testing::AssertionResult rgbNear(std::uint32_t expected, std::uint32_t actual, int tolerance)
{
    for (int shift = 0; shift < 24; shift += 8) {
        int a = int((expected >> shift) & 0xFF);
        int b = int((actual >> shift) & 0xFF);
        if (a - b > tolerance || b - a > tolerance) {
            char text[64];
            snprintf(text, sizeof text, "expected %06X, got %06X", unsigned(expected), unsigned(actual));
            return ::testing::AssertionFailure() << text;
        }
    }
    return ::testing::AssertionSuccess();
}

int countPixels(const Canvas& canvas, const CRect& r, const std::function<bool(std::uint32_t)>& test)
{
    int count = 0;
    for (int y = r.top; y < r.bottom; ++y) {
        for (int x = r.left; x < r.right; ++x)
            count += test(canvas.rgb(x, y)) ? 1 : 0;
    }
    return count;
}

int countPixels(const Canvas& canvas, const CRect& r, std::uint32_t rgb)
{
    return countPixels(canvas, r, [rgb](std::uint32_t pixel) { return pixel == rgb; });
}

void pumpPending()
{
    MSG msg;
    while (PeekMessageW(&msg, nullptr, 0, 0, PM_NOREMOVE))
        AfxGetThread()->PumpMessage();
}

void repaintNow(CWnd& wnd)
{
    wnd.RedrawWindow(nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN | RDW_UPDATENOW);
    pumpPending();
}

std::uint32_t clientPixel(CWnd& wnd, int x, int y)
{
    HDC dc = ::GetDC(wnd.m_hWnd);
    COLORREF c = ::GetPixel(dc, x, y);
    ::ReleaseDC(wnd.m_hWnd, dc);
    return rgbOfColorref(c);
}

CRect rectInParent(CWnd& wnd)
{
    CRect r;
    wnd.GetWindowRect(&r);
    ::MapWindowPoints(nullptr, ::GetParent(wnd.m_hWnd), reinterpret_cast<LPPOINT>(&r), 2);
    return r;
}

HWND findToolTip()
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

std::wstring toolTipText(HWND tip, HWND tool)
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

bool testPrinterReady()
{
    wchar_t name[256] = {};
    DWORD size = 256;
    return GetDefaultPrinterW(name, &size) && std::wstring(name) == L"Kestrelwave Test Printer";
}

std::string fileBytes(const std::wstring& path)
{
    std::string text;
    FILE* file = _wfopen(path.c_str(), L"rb");
    if (!file)
        return text;
    char chunk[4096];
    for (size_t got; (got = fread(chunk, 1, sizeof(chunk), file)) > 0;)
        text.append(chunk, got);
    fclose(file);
    return text;
}

size_t countOf(const std::string& text, const char* what)
{
    size_t count = 0;
    for (size_t at = text.find(what); at != std::string::npos; at = text.find(what, at + 1))
        ++count;
    return count;
}

MessageBoxRecorder::MessageBoxRecorder(int answer)
{
    WfxSetMessageBoxHook([this, answer](HWND, LPCWSTR text, LPCWSTR, UINT) {
        texts.push_back(text ? text : L"");
        return answer;
    });
}

MessageBoxRecorder::~MessageBoxRecorder()
{
    WfxSetMessageBoxHook(nullptr);
}

} // namespace wfxtest
