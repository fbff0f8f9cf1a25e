#include "ControlTestSupport.h"

namespace drawntest {

void giveBackground(ITransparentCtrl& ctrl, int width, int height, COLORREF color)
{
    CClientDC screen(nullptr);
    CDC mem;
    mem.CreateCompatibleDC(&screen);
    CBitmap bitmap;
    bitmap.CreateCompatibleBitmap(&screen, width, height);
    CBitmap* old = mem.SelectObject(&bitmap);
    mem.FillSolidRect(0, 0, width, height, color);
    mem.SelectObject(old);
    ctrl.takeBackground(bitmap);
}

std::unique_ptr<CExtImage> solidImage(const kwtest::TempDir& dir, int width, int height, std::uint32_t argb,
                                      const wchar_t* file)
{
    const std::wstring path = dir.file(file);
    auto image = std::make_unique<CExtImage>();
    if (!writeSolidTiff(path, width, height, argb) || !image->Load(path.c_str()))
        ADD_FAILURE() << "test image not made";
    return image;
}

void drawItemInto(CButton& button, Canvas& canvas, UINT state)
{
    DRAWITEMSTRUCT dis{};
    dis.CtlType = ODT_BUTTON;
    dis.CtlID = UINT(button.GetDlgCtrlID());
    dis.itemAction = ODA_DRAWENTIRE;
    dis.itemState = state;
    dis.hwndItem = button.m_hWnd;
    dis.hDC = canvas.dc().m_hDC;
    button.GetClientRect(&dis.rcItem);
    button.DrawItem(&dis);
}

std::unique_ptr<Canvas> drawnOnCanvas(IGDIpGradientCtrl& ctrl, int width, int height, COLORREF fill)
{
    auto canvas = std::make_unique<Canvas>(width, height, fill);
    ctrl.v_draw(canvas->dc());
    return canvas;
}

bool sameImage(const Canvas& a, const Canvas& b)
{
    if (a.width() != b.width() || a.height() != b.height())
        return false;
    for (int y = 0; y < a.height(); ++y) {
        for (int x = 0; x < a.width(); ++x) {
            if (a.rgb(x, y) != b.rgb(x, y))
                return false;
        }
    }
    return true;
}

} // namespace drawntest
