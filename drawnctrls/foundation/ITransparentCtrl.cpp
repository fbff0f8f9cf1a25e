#include "ITransparentCtrl.h"

#include <algorithm>

namespace {

BITMAPINFO topDown32(int width, int height)
{
    BITMAPINFO info{};
    info.bmiHeader = {sizeof(BITMAPINFOHEADER), width, -height, 1, 32, BI_RGB, 0, 0, 0, 0, 0};
    return info;
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
    return !m_bkBits.empty() && m_bkInfo.bmWidth == client.Width() && m_bkInfo.bmHeight == client.Height();
}

void ITransparentCtrl::releaseMemory()
{
    if (m_memDC.m_hDC && m_oldBitmap)
        ::SelectObject(m_memDC.m_hDC, m_oldBitmap);
    m_oldBitmap = nullptr;
    m_memDC.DeleteDC();
    m_bitmap.DeleteObject();
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
    if (rows != info.bmHeight)
        return;
    m_bkInfo = BITMAP{0, info.bmWidth, info.bmHeight, info.bmWidth * 4, 1, 32, nullptr};
    m_bkBits = std::move(bits);
}

// Copies `part` of `source` into a bitmap of its size and keeps that.
void ITransparentCtrl::takeBackgroundPart(CDC& source, const CRect& part)
{
    if (part.Width() <= 0 || part.Height() <= 0)
        return;
    CDC mem;
    mem.CreateCompatibleDC(&source);
    CBitmap bitmap;
    bitmap.CreateCompatibleBitmap(&source, part.Width(), part.Height());
    HGDIOBJ old = ::SelectObject(mem.m_hDC, bitmap);
    mem.BitBlt(0, 0, part.Width(), part.Height(), &source, part.left, part.top, SRCCOPY);
    ::SelectObject(mem.m_hDC, old);
    takeBackground(bitmap);
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
    releaseMemory();
    const CRect client = ownerClient();
    const int w = std::max(1, client.Width());
    const int h = std::max(1, client.Height());
    HDC reference = dc ? dc->m_hDC : ::GetDC(nullptr);
    m_memDC.Attach(::CreateCompatibleDC(reference));
    m_bitmap.Attach(::CreateCompatibleBitmap(reference, w, h));
    if (!dc)
        ::ReleaseDC(nullptr, reference);
    m_oldBitmap = ::SelectObject(m_memDC.m_hDC, m_bitmap);
    if (backgroundFits(client)) {
        BITMAPINFO format = topDown32(w, h);
        ::SetDIBits(m_memDC.m_hDC, m_bitmap, 0, UINT(h), m_bkBits.data(), &format, DIB_RGB_COLORS);
    } else {
        m_memDC.FillSolidRect(0, 0, w, h, clearedColor());
    }
}

void ITransparentCtrl::endTransparentPaint(CDC* dc)
{
    if (!dc || !m_memDC.m_hDC)
        return;
    const CRect client = ownerClient();
    dc->BitBlt(0, 0, client.Width(), client.Height(), &m_memDC, 0, 0, SRCCOPY);
    if (m_oldBitmap)
        ::SelectObject(m_memDC.m_hDC, m_oldBitmap);
    m_oldBitmap = nullptr;
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
