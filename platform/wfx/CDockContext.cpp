#include "CDockContext.h"

#include "CControlBar.h"
#include "CDockBar.h"
#include "CFrameWnd.h"

namespace {

// How far from a dock bar's edge a dropped bar still docks there.
const int kDockZone = 16;

const UINT kDockBarIds[4] = {AFX_IDW_DOCKBAR_TOP, AFX_IDW_DOCKBAR_BOTTOM, AFX_IDW_DOCKBAR_LEFT,
                             AFX_IDW_DOCKBAR_RIGHT};
const DWORD kDockBarAligns[4] = {CBRS_ALIGN_TOP, CBRS_ALIGN_BOTTOM, CBRS_ALIGN_LEFT, CBRS_ALIGN_RIGHT};

CPoint screenPointOf(const MSG& msg)
{
    CPoint point(short(LOWORD(msg.lParam)), short(HIWORD(msg.lParam)));
    ::ClientToScreen(msg.hwnd, &point);
    return point;
}

} // namespace

CDockContext::CDockContext(CControlBar* pBar) : m_pBar(pBar) {}

CDockContext::~CDockContext() = default;

void CDockContext::rememberPlace()
{
    CRect rect;
    m_pBar->GetWindowRect(&rect);
    if (m_pBar->IsFloating()) {
        m_ptMRUFloatPos = rect.TopLeft();
    } else if (m_pBar->m_pDockBar) {
        m_uMRUDockID = UINT(m_pBar->m_pDockBar->GetDlgCtrlID());
        m_rectMRUDockPos = rect;
    }
}

// The frame's dock bar whose docking zone holds the point and that the bar
// may dock to.
CDockBar* CDockContext::dockBarAt(CPoint screenPoint) const
{
    CFrameWnd* site = m_pBar->m_pDockSite;
    if (!site)
        return nullptr;
    CRect client;
    site->GetClientRect(&client);
    site->ClientToScreen(&client);
    for (int i = 0; i < 4; ++i) {
        auto* dockBar = DYNAMIC_DOWNCAST(CDockBar, site->GetControlBar(kDockBarIds[i]));
        if (!dockBar || !(m_pBar->GetDockStyle() & kDockBarAligns[i]))
            continue;
        CRect zone;
        dockBar->GetWindowRect(&zone);
        if (kDockBarAligns[i] & CBRS_ORIENT_HORZ) {
            zone.left = client.left;
            zone.right = client.right;
            zone.InflateRect(0, kDockZone);
        } else {
            zone.top = client.top;
            zone.bottom = client.bottom;
            zone.InflateRect(kDockZone, 0);
        }
        if (zone.PtInRect(screenPoint))
            return dockBar;
    }
    return nullptr;
}

// An inverted frame on the screen: drawn twice, it is gone.
void CDockContext::drawDragRect(const CRect& rect) const
{
    HDC dc = ::GetDCEx(nullptr, nullptr, DCX_WINDOW | DCX_CACHE | DCX_LOCKWINDOWUPDATE);
    if (!dc)
        return;
    CRect frame(rect);
    ::DrawFocusRect(dc, &frame);
    frame.DeflateRect(1, 1);
    ::DrawFocusRect(dc, &frame);
    ::ReleaseDC(nullptr, dc);
}

// The drag's own message loop; true when the left button ended it.
bool CDockContext::track(CPoint start, CPoint& end)
{
    HWND bar = m_pBar->m_hWnd;
    CRect rect;
    m_pBar->GetWindowRect(&rect);
    CPoint grab = start - rect.TopLeft();
    ::SetCapture(bar);
    drawDragRect(rect);
    end = start;
    bool dropped = false;
    MSG msg;
    while (::GetCapture() == bar) {
        if (::GetMessageW(&msg, nullptr, 0, 0) <= 0) {
            ::PostQuitMessage(int(msg.wParam));
            break;
        }
        if (msg.message == WM_MOUSEMOVE && msg.hwnd == bar) {
            drawDragRect(rect);
            end = screenPointOf(msg);
            rect.MoveToXY(end.x - grab.x, end.y - grab.y);
            drawDragRect(rect);
        } else if (msg.message == WM_LBUTTONUP && msg.hwnd == bar) {
            end = screenPointOf(msg);
            dropped = true;
            break;
        } else if (msg.message == WM_RBUTTONDOWN || (msg.message == WM_KEYDOWN && msg.wParam == VK_ESCAPE)) {
            break;
        } else {
            ::DispatchMessageW(&msg);
        }
    }
    drawDragRect(rect);
    if (::GetCapture() == bar)
        ::ReleaseCapture();
    return dropped;
}

void CDockContext::StartDrag(CPoint pt)
{
    if (m_bDragging || !m_pBar->m_hWnd)
        return;
    m_bDragging = TRUE;
    rememberPlace();
    CRect rect;
    m_pBar->GetWindowRect(&rect);
    CPoint end;
    bool dropped = track(pt, end);
    m_bDragging = FALSE;
    if (dropped && end != pt) {
        rect.OffsetRect(end.x - pt.x, end.y - pt.y);
        drop(rect, end);
    }
}

// Docks the bar where the mouse let it go, or floats it there.
void CDockContext::drop(const CRect& rect, CPoint cursor)
{
    CFrameWnd* site = m_pBar->m_pDockSite;
    if (!site)
        return;
    CDockBar* target = dockBarAt(cursor);
    if (target)
        site->DockControlBar(m_pBar, target, &rect);
    else
        site->FloatControlBar(m_pBar, rect.TopLeft());
    rememberPlace();
}

void CDockContext::ToggleDocking()
{
    CFrameWnd* site = m_pBar->m_pDockSite;
    if (!site)
        return;
    rememberPlace();
    if (!m_pBar->IsFloating()) {
        CPoint place = m_ptMRUFloatPos;
        if (place == CPoint(0, 0)) {
            CRect rect;
            m_pBar->GetWindowRect(&rect);
            place = rect.TopLeft() + CPoint(kDockZone * 2, kDockZone * 2);
        }
        site->FloatControlBar(m_pBar, place);
        return;
    }
    UINT id = m_uMRUDockID;
    auto* dockBar = DYNAMIC_DOWNCAST(CDockBar, id ? site->GetControlBar(id) : nullptr);
    if (dockBar)
        site->DockControlBar(m_pBar, dockBar, m_rectMRUDockPos.IsRectEmpty() ? nullptr : &m_rectMRUDockPos);
    else
        site->DockControlBar(m_pBar, UINT(0));
}
