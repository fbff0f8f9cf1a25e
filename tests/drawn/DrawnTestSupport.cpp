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

BOOL CommandHost::OnCommand(WPARAM wParam, LPARAM lParam)
{
    commands.push_back({wParam, lParam});
    return TRUE;
}

bool writeSolidTiff(const std::wstring& path, int width, int height, std::uint32_t argb)
{
    std::vector<std::uint32_t> pixels(size_t(width) * size_t(height), argb);
    Bitmap bitmap(width, height, width * 4, PixelFormat32bppARGB, reinterpret_cast<BYTE*>(pixels.data()));
    return bitmap.Save(path.c_str(), &kTiffEncoder, nullptr) == Ok;
}

BEGIN_MESSAGE_MAP(CBackdropWnd, CWnd)
ON_WM_PAINT()
ON_WM_ERASEBKGND()
END_MESSAGE_MAP()

void CBackdropWnd::OnPaint()
{
    beginTransparentPaint();
    endTransparentPaint();
}

} // namespace drawntest
