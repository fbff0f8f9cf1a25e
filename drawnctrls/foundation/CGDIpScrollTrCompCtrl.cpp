#include "CGDIpScrollTrCompCtrl.h"

#include <algorithm>

IMPLEMENT_DYNAMIC(CGDIpScrollTrCompCtrl, CGDIpTransparentCompCtrl)

BEGIN_MESSAGE_MAP(CGDIpScrollTrCompCtrl, CGDIpTransparentCompCtrl)
ON_WM_VSCROLL()
ON_WM_HSCROLL()
ON_WM_MOUSEMOVE()
ON_WM_LBUTTONDOWN()
ON_WM_LBUTTONUP()
ON_WM_NCLBUTTONUP()
ON_WM_NCMOUSEMOVE()
ON_WM_NCMOUSELEAVE()
ON_MESSAGE(WM_CAPTURECHANGED, &CGDIpScrollTrCompCtrl::OnCaptureChanged)
ON_WM_TIMER()
ON_WM_MOUSEWHEEL()
END_MESSAGE_MAP()

CGDIpScrollTrCompCtrl::CGDIpScrollTrCompCtrl() = default;

CGDIpScrollTrCompCtrl::~CGDIpScrollTrCompCtrl() = default;

CGDIpScrollTrCompCtrl& CGDIpScrollTrCompCtrl::operator=(const CGDIpScrollTrCompCtrl& other)
{
    CGDIpTransparentCompCtrl::operator=(other);
    m_contentSize = other.m_contentSize;
    m_margin = other.m_margin;
    m_scrollPos = other.m_scrollPos;
    m_scale = other.m_scale;
    m_minScale = other.m_minScale;
    m_maxScale = other.m_maxScale;
    m_scaleStep = other.m_scaleStep;
    m_lineStep = other.m_lineStep;
    return *this;
}

void CGDIpScrollTrCompCtrl::v_recalcData(const CRect& r)
{
    CGDIpTransparentCompCtrl::v_recalcData(r);
    updateScrollInfo();
}

TSize<int> CGDIpScrollTrCompCtrl::totalSize() const
{
    return TSize<int>(m_contentSize.cx + 2 * m_margin.cx, m_contentSize.cy + 2 * m_margin.cy);
}

void CGDIpScrollTrCompCtrl::updateScrollInfo()
{
    if (!m_hWnd)
        return;
    const TSize<int> total = totalSize();
    const CRect view = getRect();
    SCROLLINFO info{};
    info.cbSize = sizeof(info);
    info.fMask = SIF_ALL;
    info.nMax = total.cy;
    info.nPage = UINT(std::max(0, view.Height()));
    info.nPos = m_scrollPos.cy;
    SetScrollInfo(SB_VERT, &info, TRUE);
    info.nMax = total.cx;
    info.nPage = UINT(std::max(0, view.Width()));
    info.nPos = m_scrollPos.cx;
    SetScrollInfo(SB_HORZ, &info, TRUE);
}

// The part of delta that keeps position within 0..room.
int CGDIpScrollTrCompCtrl::clampedDelta(int position, int delta, int room)
{
    if (position + delta > room)
        return room - position;
    if (position + delta < 0)
        return -position;
    return delta;
}

bool CGDIpScrollTrCompCtrl::deltaCheckAndApply(int dx, int dy)
{
    const TSize<int> total = totalSize();
    const CRect view = getRect();
    const bool horizontal = view.Width() < total.cx;
    const bool vertical = view.Height() < total.cy;
    if (!horizontal && !vertical)
        return false;
    dx = horizontal ? clampedDelta(m_scrollPos.cx, dx, total.cx - view.Width()) : 0;
    dy = vertical ? clampedDelta(m_scrollPos.cy, dy, total.cy - view.Height()) : 0;
    m_scrollPos.cx += dx;
    m_scrollPos.cy += dy;
    return true;
}

void CGDIpScrollTrCompCtrl::scrollToPosition(POINT delta, bool redraw)
{
    scrollToPosition(TPoint<int>(delta.x, delta.y), redraw);
}

void CGDIpScrollTrCompCtrl::scrollToPosition(TPoint<int> delta, bool redraw)
{
    if (!deltaCheckAndApply(delta.x, delta.y))
        return;
    updateScrollInfo();
    if (redraw && m_hWnd)
        Invalidate(TRUE);
}

// Through the clamp too: content smaller than the view stays at 0.
void CGDIpScrollTrCompCtrl::centerScrollPos(bool redraw)
{
    const CRect view = getRect();
    const TSize<int> total = totalSize();
    const TSize<int> centre((total.cx - view.Width()) / 2, (total.cy - view.Height()) / 2);
    m_scrollPos = TSize<int>(0, 0);
    deltaCheckAndApply(centre.cx, centre.cy);
    updateScrollInfo();
    if (redraw && m_hWnd)
        Invalidate(TRUE);
}

void CGDIpScrollTrCompCtrl::setScaleToFitSize(bool redraw)
{
    if (!m_hWnd)
        return;
    CRect client;
    GetClientRect(&client);
    const double w = m_contentSize.cx / m_scale + 2 * m_margin.cx;
    const double h = m_contentSize.cy / m_scale + 2 * m_margin.cy;
    // Nothing to fit: the scale stays.
    if (w <= 0 || h <= 0)
        return;
    m_scale = std::min(client.Height() / h, client.Width() / w);
    m_scale = std::max(m_minScale, std::min(m_maxScale, m_scale));
    scaleChanged(redraw);
}

void CGDIpScrollTrCompCtrl::scaleChanged(bool redraw)
{
    notifyParent();
    if (redraw && m_hWnd)
        Invalidate(TRUE);
}

void CGDIpScrollTrCompCtrl::notifyParent()
{
    if (CWnd* parent = m_hWnd ? GetParent() : nullptr)
        parent->SendMessage(WM_COMMAND, MAKEWPARAM(scaleChangedCommand, 0), LPARAM(m_hWnd));
}

void CGDIpScrollTrCompCtrl::GetClientRectSB(CRect& r)
{
    GetClientRect(&r);
    CRect window;
    GetWindowRect(&window);
    ScreenToClient(&window);
    const DWORD style = GetStyle();
    if ((style & WS_VSCROLL) && window.right >= r.right + ::GetSystemMetrics(SM_CXVSCROLL))
        r.right += ::GetSystemMetrics(SM_CXVSCROLL);
    if ((style & WS_HSCROLL) && window.bottom >= r.bottom + ::GetSystemMetrics(SM_CYHSCROLL))
        r.bottom += ::GetSystemMetrics(SM_CYHSCROLL);
}

int CGDIpScrollTrCompCtrl::Get32BitScrollPos(int bar)
{
    SCROLLINFO info{};
    info.cbSize = sizeof(info);
    info.fMask = SIF_TRACKPOS;
    GetScrollInfo(bar, &info, SIF_TRACKPOS);
    return info.nTrackPos;
}

void CGDIpScrollTrCompCtrl::scrollBy(int bar, UINT code)
{
    const bool vertical = bar == SB_VERT;
    const CRect view = getRect();
    const int page = vertical ? view.Height() : view.Width();
    const int position = vertical ? m_scrollPos.cy : m_scrollPos.cx;
    int delta = 0;
    switch (code) {
    case SB_LINEUP:
        delta = -m_lineStep;
        break;
    case SB_LINEDOWN:
        delta = m_lineStep;
        break;
    case SB_PAGEUP:
        delta = -page;
        break;
    case SB_PAGEDOWN:
        delta = page;
        break;
    case SB_THUMBPOSITION:
    case SB_THUMBTRACK:
        delta = Get32BitScrollPos(bar) - position;
        break;
    default:
        return;
    }
    if (!deltaCheckAndApply(vertical ? 0 : delta, vertical ? delta : 0))
        return;
    SetScrollPos(bar, vertical ? m_scrollPos.cy : m_scrollPos.cx, TRUE);
    Invalidate(TRUE);
}

void CGDIpScrollTrCompCtrl::OnVScroll(UINT nSBCode, UINT, CScrollBar*)
{
    scrollBy(SB_VERT, nSBCode);
}

void CGDIpScrollTrCompCtrl::OnHScroll(UINT nSBCode, UINT, CScrollBar*)
{
    scrollBy(SB_HORZ, nSBCode);
}

void CGDIpScrollTrCompCtrl::OnMouseMove(UINT, CPoint point)
{
    if (!m_dragging) {
        m_lastPoint = point;
    } else if (deltaCheckAndApply(m_lastPoint.x - point.x, m_lastPoint.y - point.y)) {
        m_lastPoint = point;
        updateScrollInfo();
        Invalidate(TRUE);
    }
    Default();
}

// The capture keeps the release in this window even outside it.
void CGDIpScrollTrCompCtrl::OnLButtonDown(UINT, CPoint point)
{
    m_lastPoint = point;
    m_dragging = 1;
    SetCapture();
    Default();
}

void CGDIpScrollTrCompCtrl::OnLButtonUp(UINT, CPoint)
{
    stopDragging();
    Default();
}

void CGDIpScrollTrCompCtrl::stopDragging()
{
    m_dragging = 0;
    if (::GetCapture() == m_hWnd)
        ::ReleaseCapture();
}

void CGDIpScrollTrCompCtrl::OnNcLButtonUp(UINT, CPoint)
{
    stopDragging();
    Default();
}

void CGDIpScrollTrCompCtrl::OnNcMouseMove(UINT, CPoint)
{
    stopDragging();
    Default();
}

void CGDIpScrollTrCompCtrl::OnNcMouseLeave()
{
    stopDragging();
    Default();
}

LRESULT CGDIpScrollTrCompCtrl::OnCaptureChanged(WPARAM, LPARAM)
{
    m_dragging = 0;
    return Default();
}

void CGDIpScrollTrCompCtrl::OnTimer(UINT_PTR nIDEvent)
{
    if (nIDEvent != wheelTimer) {
        Default();
        return;
    }
    KillTimer(wheelTimer);
    notifyParent();
    v_scaleWheelEnd();
}

// Ctrl and the wheel zoom by one step per turn; the parent hears of it
// once, 100 ms after the last turn.
BOOL CGDIpScrollTrCompCtrl::OnMouseWheel(UINT nFlags, short zDelta, CPoint)
{
    if (!(nFlags & MK_CONTROL) || zDelta == 0)
        return TRUE;
    v_scaleWheelStart();
    if ((zDelta < 0 && m_scale <= m_minScale) || (zDelta > 0 && m_scale >= m_maxScale))
        return TRUE;
    m_scale += zDelta > 0 ? m_scaleStep : -m_scaleStep;
    m_scale = std::max(m_minScale, std::min(m_maxScale, m_scale));
    SetTimer(wheelTimer, 100, nullptr);
    Invalidate(TRUE);
    return TRUE;
}
