#include "CScrollView.h"

#include "CDC.h"

#include <algorithm>
#include <cstdlib>

IMPLEMENT_DYNAMIC(CScrollView, CView)

BEGIN_MESSAGE_MAP(CScrollView, CView)
ON_WM_SIZE()
ON_WM_HSCROLL()
ON_WM_VSCROLL()
ON_WM_MOUSEWHEEL()
END_MESSAGE_MAP()

const SIZE CScrollView::sizeDefault = {0, 0};

namespace {

// Between logical and device units of a map mode (screen resolution).
CPoint mapPoint(int mapMode, CPoint point, bool toDevice)
{
    if (mapMode == MM_TEXT)
        return point;
    HDC dc = ::GetDC(nullptr);
    ::SetMapMode(dc, mapMode);
    if (toDevice)
        ::LPtoDP(dc, &point, 1);
    else
        ::DPtoLP(dc, &point, 1);
    ::ReleaseDC(nullptr, dc);
    return point;
}

CSize deviceSize(int mapMode, SIZE size)
{
    CPoint device = mapPoint(mapMode, CPoint(size.cx, size.cy), true);
    return CSize(std::abs(device.x), std::abs(device.y));
}

CSize orDefault(const SIZE& size, CSize fallback)
{
    return size.cx == 0 && size.cy == 0 ? fallback : CSize(size.cx, size.cy);
}

} // namespace

CScrollView::CScrollView() = default;

void CScrollView::SetScrollSizes(int nMapMode, SIZE sizeTotal, const SIZE& sizePage, const SIZE& sizeLine)
{
    m_nMapMode = nMapMode;
    m_totalLog = CSize(sizeTotal.cx, sizeTotal.cy);
    m_totalDev = deviceSize(nMapMode, sizeTotal);
    m_pageDev = deviceSize(nMapMode, orDefault(sizePage, CSize(m_totalLog.cx / 10, m_totalLog.cy / 10)));
    m_lineDev = deviceSize(nMapMode, orDefault(sizeLine, CSize(m_pageDev.cx / 10, m_pageDev.cy / 10)));
    m_lineDev = CSize(std::max(1L, m_lineDev.cx), std::max(1L, m_lineDev.cy));
    if (m_hWnd)
        UpdateBars();
}

CPoint CScrollView::GetDeviceScrollPosition() const
{
    return CPoint(GetScrollPos(SB_HORZ), GetScrollPos(SB_VERT));
}

CPoint CScrollView::GetScrollPosition() const
{
    return mapPoint(m_nMapMode, GetDeviceScrollPosition(), false);
}

void CScrollView::ScrollToPosition(POINT pt)
{
    CPoint device = mapPoint(m_nMapMode, pt, true);
    CPoint current = GetDeviceScrollPosition();
    OnScrollBy(CSize(device.x - current.x, device.y - current.y));
}

void CScrollView::OnPrepareDC(CDC* pDC, CPrintInfo* pInfo)
{
    pDC->SetMapMode(m_nMapMode);
    CPoint position = pInfo ? CPoint(0, 0) : GetDeviceScrollPosition(); // pages are not scrolled
    pDC->SetViewportOrg(-position.x, -position.y);
    CView::OnPrepareDC(pDC, pInfo);
}

void CScrollView::setBar(int nBar, int total, int page)
{
    SCROLLINFO info{
        sizeof(info), SIF_RANGE | SIF_PAGE, 0, std::max(total - 1, 0), UINT(std::max(page, 0)), 0, 0};
    ::SetScrollInfo(m_hWnd, nBar, &info, TRUE);
}

// The client size the view will have with the bars that its total size
// needs, starting from the size it would have without any bar.
CSize CScrollView::clientSizeWithBars(BOOL& bNeedHorz, BOOL& bNeedVert) const
{
    CRect client;
    GetClientRect(&client);
    CSize bare = client.Size();
    if (GetStyle() & WS_VSCROLL)
        bare.cx += ::GetSystemMetrics(SM_CXVSCROLL);
    if (GetStyle() & WS_HSCROLL)
        bare.cy += ::GetSystemMetrics(SM_CYHSCROLL);
    CSize size = bare;
    bNeedHorz = bNeedVert = FALSE;
    for (int pass = 0; pass < 2; ++pass) { // one bar may make room for the other too scarce
        bNeedVert = m_totalDev.cy > size.cy;
        bNeedHorz = m_totalDev.cx > size.cx;
        size = CSize(bare.cx - (bNeedVert ? ::GetSystemMetrics(SM_CXVSCROLL) : 0),
                     bare.cy - (bNeedHorz ? ::GetSystemMetrics(SM_CYHSCROLL) : 0));
    }
    return size;
}

void CScrollView::UpdateBars()
{
    if (m_bUpdatingBars)
        return; // a bar shown or hidden resizes the window again
    m_bUpdatingBars = TRUE;
    CPoint before = GetDeviceScrollPosition();
    BOOL needHorz = FALSE;
    BOOL needVert = FALSE;
    CSize client = clientSizeWithBars(needHorz, needVert);
    ShowScrollBar(SB_HORZ, needHorz);
    ShowScrollBar(SB_VERT, needVert);
    setBar(SB_HORZ, needHorz ? m_totalDev.cx : 0, client.cx);
    setBar(SB_VERT, needVert ? m_totalDev.cy : 0, client.cy);
    CPoint after = GetDeviceScrollPosition();
    if (after != before)
        ::ScrollWindow(m_hWnd, before.x - after.x, before.y - after.y, nullptr, nullptr);
    m_bUpdatingBars = FALSE;
}

int CScrollView::clampedPosition(int nBar, int position) const
{
    SCROLLINFO info{};
    GetScrollInfo(nBar, &info, SIF_RANGE | SIF_PAGE);
    int last = info.nMax - std::max(int(info.nPage) - 1, 0);
    return std::max(info.nMin, std::min(position, std::max(last, info.nMin)));
}

BOOL CScrollView::OnScrollBy(CSize sizeScroll, BOOL bDoScroll)
{
    CPoint before = GetDeviceScrollPosition();
    CPoint after(clampedPosition(SB_HORZ, before.x + sizeScroll.cx),
                 clampedPosition(SB_VERT, before.y + sizeScroll.cy));
    if (after == before)
        return FALSE;
    if (bDoScroll) {
        ::ScrollWindow(m_hWnd, before.x - after.x, before.y - after.y, nullptr, nullptr);
        SetScrollPos(SB_HORZ, after.x);
        SetScrollPos(SB_VERT, after.y);
    }
    return TRUE;
}

int CScrollView::targetPosition(int nBar, UINT nSBCode) const
{
    SCROLLINFO info{};
    GetScrollInfo(nBar, &info, SIF_ALL);
    int line = nBar == SB_HORZ ? m_lineDev.cx : m_lineDev.cy;
    int page = nBar == SB_HORZ ? m_pageDev.cx : m_pageDev.cy;
    switch (nSBCode) {
    case SB_TOP:
        return info.nMin;
    case SB_BOTTOM:
        return info.nMax;
    case SB_LINEUP:
        return info.nPos - line;
    case SB_LINEDOWN:
        return info.nPos + line;
    case SB_PAGEUP:
        return info.nPos - page;
    case SB_PAGEDOWN:
        return info.nPos + page;
    case SB_THUMBTRACK:
    case SB_THUMBPOSITION:
        return info.nTrackPos;
    default:
        return info.nPos;
    }
}

void CScrollView::OnSize(UINT nType, int cx, int cy)
{
    CView::OnSize(nType, cx, cy);
    UpdateBars();
}

void CScrollView::OnHScroll(UINT nSBCode, UINT, CScrollBar*)
{
    OnScrollBy(CSize(targetPosition(SB_HORZ, nSBCode) - GetScrollPos(SB_HORZ), 0));
}

void CScrollView::OnVScroll(UINT nSBCode, UINT, CScrollBar*)
{
    OnScrollBy(CSize(0, targetPosition(SB_VERT, nSBCode) - GetScrollPos(SB_VERT)));
}

BOOL CScrollView::OnMouseWheel(UINT, short zDelta, CPoint)
{
    return OnScrollBy(CSize(0, -zDelta / WHEEL_DELTA * 3 * m_lineDev.cy));
}
