#include "ITransparentCtrl.h"

#include <algorithm>

namespace {

// Larger memory contexts (a page's) go after a paint unless the last one was
// just before (a chart that follows the mouse or the live data): pages are
// painted seldom and would hold megabytes each. The memory bitmap is a compatible
// one: GDI+ draws into a DIB section ten times slower under Wine.
constexpr long kKeptMemoryPixels = 256 * 256;
constexpr DWORD kOftenMs = 1000;

BITMAPINFO topDown32(int width, int height)
{
    BITMAPINFO info{};
    info.bmiHeader = {sizeof(BITMAPINFOHEADER), width, -height, 1, 32, BI_RGB, 0, 0, 0, 0, 0};
    return info;
}

// A 32-bit top-down DIB section selected into a memory context.
struct DibCanvas
{
    CDC dc;
    CBitmap bitmap;
    void* bits = nullptr;
    HGDIOBJ old = nullptr;

    bool make(HDC reference, int w, int h)
    {
        BITMAPINFO format = topDown32(w, h);
        if (!dc.Attach(::CreateCompatibleDC(reference)))
            return false;
        if (!bitmap.Attach(::CreateDIBSection(dc.m_hDC, &format, DIB_RGB_COLORS, &bits, nullptr, 0)))
            return false;
        old = ::SelectObject(dc.m_hDC, bitmap);
        return true;
    }
    ~DibCanvas()
    {
        if (old)
            ::SelectObject(dc.m_hDC, old);
    }
};

bool oneColour(const BYTE* bits, size_t pixels, DWORD& pixel)
{
    const DWORD* p = reinterpret_cast<const DWORD*>(bits);
    pixel = pixels ? p[0] : 0;
    return std::all_of(p, p + pixels, [pixel](DWORD q) { return q == pixel; });
}

} // namespace

ITransparentCtrl::ITransparentCtrl(CWnd* owner) : m_owner(owner) {}

ITransparentCtrl::ITransparentCtrl(const ITransparentCtrl& other) : m_owner(other.m_owner) {}

ITransparentCtrl::~ITransparentCtrl()
{
    m_paintDC.reset();
    releaseMemory();
}

CRect ITransparentCtrl::ownerClient() const
{
    CRect client;
    if (m_owner && m_owner->m_hWnd)
        m_owner->GetClientRect(&client);
    return client;
}

bool ITransparentCtrl::backgroundFits(const CRect& client) const
{
    return (m_bkUniform || !m_bkBits.empty()) && m_bkInfo.bmWidth == client.Width() &&
           m_bkInfo.bmHeight == client.Height();
}

void ITransparentCtrl::releaseMemory()
{
    if (m_memDC.m_hDC && m_memState)
        m_memDC.RestoreDC(m_memState);
    m_memState = 0;
    if (m_memDC.m_hDC && m_oldBitmap)
        ::SelectObject(m_memDC.m_hDC, m_oldBitmap);
    m_oldBitmap = nullptr;
    m_memDC.DeleteDC();
    m_bitmap.DeleteObject();
    m_memSize = CSize();
}

// The memory context's state is saved for the paint and given back at its
// end, so nothing the owner selects stays selected between paints.
void ITransparentCtrl::prepareMemory(CDC* dc, int w, int h)
{
    if (m_memDC.m_hDC && m_memSize == CSize(w, h)) {
        if (m_memState)
            m_memDC.RestoreDC(m_memState);
        m_memState = m_memDC.SaveDC();
        return;
    }
    releaseMemory();
    HDC reference = dc ? dc->m_hDC : ::GetDC(nullptr);
    m_memDC.Attach(::CreateCompatibleDC(reference));
    m_bitmap.Attach(::CreateCompatibleBitmap(reference, w, h));
    if (!dc)
        ::ReleaseDC(nullptr, reference);
    m_oldBitmap = ::SelectObject(m_memDC.m_hDC, m_bitmap);
    m_memSize = CSize(w, h);
    m_memState = m_memDC.SaveDC();
}

void ITransparentCtrl::storeBackground(const BYTE* bits, int w, int h)
{
    const size_t bytes = size_t(w) * size_t(h) * 4;
    const bool sameSize = m_bkInfo.bmWidth == w && m_bkInfo.bmHeight == h;
    DWORD pixel = 0;
    if (oneColour(bits, bytes / 4, pixel)) {
        if (m_bkUniform && sameSize && m_bkPixel == pixel)
            return;
        std::vector<BYTE>().swap(m_bkBits);
        m_bkUniform = true;
        m_bkPixel = pixel;
    } else {
        if (!m_bkUniform && sameSize && m_bkBits.size() == bytes &&
            std::equal(bits, bits + bytes, m_bkBits.begin()))
            return;
        m_bkBits.assign(bits, bits + bytes);
        m_bkUniform = false;
    }
    m_bkInfo = BITMAP{0, w, h, w * 4, 1, 32, nullptr};
    ++m_bkVersion;
}

void ITransparentCtrl::takeBackground(CBitmap& bitmap)
{
    BITMAP info{};
    if (!bitmap.GetBitmap(&info) || info.bmWidth <= 0 || info.bmHeight <= 0)
        return;
    std::vector<BYTE> bits(size_t(info.bmWidth) * size_t(info.bmHeight) * 4);
    BITMAPINFO format = topDown32(info.bmWidth, info.bmHeight);
    HDC screen = ::GetDC(nullptr);
    int rows = ::GetDIBits(screen, bitmap, 0, UINT(info.bmHeight), bits.data(), &format, DIB_RGB_COLORS);
    ::ReleaseDC(nullptr, screen);
    if (rows == info.bmHeight)
        storeBackground(bits.data(), info.bmWidth, info.bmHeight);
}

// Copies `part` of `source` and keeps it.
void ITransparentCtrl::takeBackgroundPart(CDC& source, const CRect& part)
{
    const int w = part.Width(), h = part.Height();
    if (w <= 0 || h <= 0)
        return;
    DibCanvas canvas;
    if (!canvas.make(source.m_hDC, w, h))
        return;
    canvas.dc.BitBlt(0, 0, w, h, &source, part.left, part.top, SRCCOPY);
    ::GdiFlush();
    storeBackground(static_cast<const BYTE*>(canvas.bits), w, h);
}

void ITransparentCtrl::parentBkChanged()
{
    if (!m_owner || !m_owner->m_hWnd || !(m_owner->GetStyle() & WS_CHILD))
        return;
    CWnd* parent = m_owner->GetParent();
    if (!parent)
        return;
    CRect part = ownerClient();
    m_owner->ClientToScreen(&part);
    parent->ScreenToClient(&part);
    CDC* parentDC = parent->GetDC();
    if (!parentDC)
        return;
    takeBackgroundPart(*parentDC, part);
    parent->ReleaseDC(parentDC);
}

void ITransparentCtrl::beginTransparentPaint(CDC* dc)
{
    const CRect client = ownerClient();
    const int w = std::max(1, client.Width());
    const int h = std::max(1, client.Height());
    prepareMemory(dc, w, h);
    if (!backgroundFits(client)) {
        m_memDC.FillSolidRect(0, 0, w, h, clearedColor());
    } else if (m_bkUniform) {
        m_memDC.FillSolidRect(0, 0, w, h,
                              RGB(m_bkPixel >> 16 & 0xFF, m_bkPixel >> 8 & 0xFF, m_bkPixel & 0xFF));
    } else {
        BITMAPINFO format = topDown32(w, h);
        ::SetDIBitsToDevice(m_memDC.m_hDC, 0, 0, DWORD(w), DWORD(h), 0, 0, 0, UINT(h), m_bkBits.data(),
                            &format, DIB_RGB_COLORS);
    }
}

void ITransparentCtrl::endTransparentPaint(CDC* dc)
{
    if (!dc || !m_memDC.m_hDC)
        return;
    const CRect client = ownerClient();
    dc->BitBlt(0, 0, client.Width(), client.Height(), &m_memDC, 0, 0, SRCCOPY);
    const DWORD now = ::GetTickCount();
    const bool often = m_lastPaintTick && now - m_lastPaintTick < kOftenMs;
    m_lastPaintTick = now;
    if (!often && long(m_memSize.cx) * m_memSize.cy > kKeptMemoryPixels) {
        releaseMemory();
        return;
    }
    if (m_memState)
        m_memDC.RestoreDC(m_memState);
    m_memState = 0;
}

void ITransparentCtrl::beginTransparentPaint()
{
    m_paintDC.reset();
    m_paintDC = std::make_unique<CPaintDC>(m_owner);
    beginTransparentPaint(m_paintDC.get());
}

void ITransparentCtrl::endTransparentPaint()
{
    if (!m_paintDC)
        return;
    endTransparentPaint(m_paintDC.get());
    m_paintDC.reset();
}

ITransparentCtrl* ITransparentCtrl::fromWindow(HWND hWnd)
{
    return dynamic_cast<ITransparentCtrl*>(CWnd::FromHandlePermanent(hWnd));
}

void ITransparentCtrl::handBackgroundToChildren(CWnd* container, CDC& composed,
                                                const std::function<void()>& beforeEach)
{
    for (HWND child = ::GetWindow(container->m_hWnd, GW_CHILD); child;
         child = ::GetWindow(child, GW_HWNDNEXT)) {
        ITransparentCtrl* control = fromWindow(child);
        if (!control)
            continue;
        if (beforeEach)
            beforeEach();
        CRect part;
        ::GetClientRect(child, &part);
        ::MapWindowPoints(child, container->m_hWnd, reinterpret_cast<LPPOINT>(&part), 2);
        control->takeBackgroundPart(composed, part);
    }
}

void ITransparentCtrl::composeOpaque(CWnd* container, CDC* dc, const std::function<void(CDC&)>& draw)
{
    CRect client;
    container->GetClientRect(&client);
    CDC mem;
    mem.CreateCompatibleDC(dc);
    CBitmap bitmap;
    bitmap.CreateCompatibleBitmap(dc, std::max(1, client.Width()), std::max(1, client.Height()));
    HGDIOBJ old = ::SelectObject(mem.m_hDC, bitmap);
    draw(mem);
    handBackgroundToChildren(container, mem);
    dc->BitBlt(0, 0, client.Width(), client.Height(), &mem, 0, 0, SRCCOPY);
    ::SelectObject(mem.m_hDC, old);
}

void ITransparentCtrl::releasePictures(bool background)
{
    if (m_paintDC)
        return; // inside a paint
    releaseMemory();
    if (!background)
        return;
    std::vector<BYTE>().swap(m_bkBits);
    m_bkInfo = BITMAP{};
    m_bkUniform = false;
    ++m_bkVersion;
}

void ITransparentCtrl::releaseHiddenPictures(HWND page)
{
    if (!page || ::IsWindowVisible(page))
        return;
    if (ITransparentCtrl* control = fromWindow(page))
        control->releasePictures(false);
    ::EnumChildWindows(
        page,
        [](HWND child, LPARAM) -> BOOL {
            if (ITransparentCtrl* control = fromWindow(child))
                control->releasePictures(true);
            return TRUE;
        },
        0);
}
