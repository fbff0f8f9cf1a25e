#include "DrawnTestSupport.h"

using namespace Gdiplus;

namespace drawntest {

namespace {

// The program starts GDI+ once, as the application does at start-up.
struct GdiplusStart
{
    GdiplusStart() { IGDIpHelper::startupGDIp(); }
} const g_gdiplusStart;

const CLSID kTiffEncoder = {0x557cf405, 0x1a04, 0x11d3, {0x9a, 0x73, 0x00, 0x00, 0xf8, 0x1e, 0xf3, 0x2e}};

} // namespace

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
            wchar_t text[64];
            swprintf(text, 64, L"expected %06X, got %06X", unsigned(expected), unsigned(actual));
            std::wstring w(text);
            return ::testing::AssertionFailure() << std::string(w.begin(), w.end());
        }
    }
    return ::testing::AssertionSuccess();
}

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

void HostWindow::setClientSize(int width, int height)
{
    SetWindowPos(nullptr, 0, 0, width, height, SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
}

MessageBoxRecorder::MessageBoxRecorder()
{
    WfxSetMessageBoxHook([this](HWND, LPCWSTR text, LPCWSTR, UINT) {
        texts.push_back(text ? text : L"");
        return IDOK;
    });
}

MessageBoxRecorder::~MessageBoxRecorder()
{
    WfxSetMessageBoxHook(nullptr);
}

BOOL CommandHost::OnCommand(WPARAM wParam, LPARAM lParam)
{
    commands.push_back({wParam, lParam});
    return TRUE;
}

void pumpPending()
{
    MSG msg;
    while (PeekMessageW(&msg, nullptr, 0, 0, PM_NOREMOVE)) {
        if (!AfxGetThread()->PumpMessage())
            break;
    }
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

bool writeSolidTiff(const std::wstring& path, int width, int height, std::uint32_t argb)
{
    std::vector<std::uint32_t> pixels(size_t(width) * size_t(height), argb);
    Bitmap bitmap(width, height, width * 4, PixelFormat32bppARGB, reinterpret_cast<BYTE*>(pixels.data()));
    return bitmap.Save(path.c_str(), &kTiffEncoder, nullptr) == Ok;
}

CRect rectInParent(CWnd& wnd)
{
    CRect r;
    wnd.GetWindowRect(&r);
    wnd.GetParent()->ScreenToClient(&r);
    return r;
}

} // namespace drawntest
