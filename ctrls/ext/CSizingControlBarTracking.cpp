// CSizingControlBar: its non-client area (edges, gripper, close button),
// the mouse and the dragging of its edges.

#include "CSizingControlBar.h"

#include <algorithm>

namespace {

const UINT kEdgeOrder[4] = {HTLEFT, HTTOP, HTRIGHT, HTBOTTOM};
const int kShrink = 5;
const int kButtonSize = 11;

// The 50 % grey pattern of the tracker.
HBRUSH createHalftoneBrush()
{
    WORD pattern[8];
    for (int i = 0; i < 8; ++i)
        pattern[i] = WORD(0x5555 << (i & 1));
    HBITMAP bitmap = ::CreateBitmap(8, 8, 1, 1, pattern);
    HBRUSH brush = ::CreatePatternBrush(bitmap);
    ::DeleteObject(bitmap);
    return brush;
}

} // namespace

LRESULT CSizingControlBar::OnNcCalcSize(WPARAM, LPARAM lParam)
{
    auto* params = reinterpret_cast<NCCALCSIZE_PARAMS*>(lParam);
    refreshDockBarId();
    CRect window(params->rgrc[0]);
    CRect rect(window);
    rect.DeflateRect(kShrink, kShrink);
    m_dwSCBStyle &= ~SCBS_EDGEALL;
    switch (m_nDockBarID) {
    case AFX_IDW_DOCKBAR_TOP:
        m_dwSCBStyle |= SCBS_EDGEBOTTOM;
        rect.left += m_cyGripper;
        break;
    case AFX_IDW_DOCKBAR_LEFT:
        m_dwSCBStyle |= SCBS_EDGERIGHT;
        rect.top += m_cyGripper;
        break;
    case AFX_IDW_DOCKBAR_RIGHT:
        m_dwSCBStyle |= SCBS_EDGELEFT;
        rect.top += m_cyGripper;
        break;
    case AFX_IDW_DOCKBAR_BOTTOM:
        m_dwSCBStyle |= SCBS_EDGETOP;
        rect.left += m_cyGripper;
        break;
    default:
        break;
    }
    BOOL horz = IsHorzDocked();
    CSCBArray row;
    GetRowSizingBars(row);
    if (!IsFloating() && row.GetSize() > 0) {
        if (row[0] != this)
            m_dwSCBStyle |= horz ? SCBS_EDGELEFT : SCBS_EDGETOP;
        if (row[row.GetSize() - 1] != this)
            m_dwSCBStyle |= horz ? SCBS_EDGERIGHT : SCBS_EDGEBOTTOM;
    }
    if (m_dwSCBStyle & SCBS_SHOWEDGES) {
        rect.left += (m_dwSCBStyle & SCBS_EDGELEFT) ? m_cxEdge : 0;
        rect.top += (m_dwSCBStyle & SCBS_EDGETOP) ? m_cxEdge : 0;
        rect.right -= (m_dwSCBStyle & SCBS_EDGERIGHT) ? m_cxEdge : 0;
        rect.bottom -= (m_dwSCBStyle & SCBS_EDGEBOTTOM) ? m_cxEdge : 0;
    }
    CPoint button = horz ? CPoint(rect.left - m_cyGripper - 1, rect.top - 1)
                         : CPoint(rect.right - kButtonSize, rect.top - m_cyGripper - 1);
    m_biHide.Move(CPoint(button.x - window.left, button.y - window.top));
    params->rgrc[0] = rect;
    return 0;
}

BOOL CSizingControlBar::GetEdgeRect(CRect rcWnd, UINT nHitTest, CRect& rcEdge)
{
    rcEdge = rcWnd;
    if (m_dwSCBStyle & SCBS_SHOWEDGES)
        rcEdge.DeflateRect(1, 1);
    BOOL horz = IsHorzDocked();
    switch (nHitTest) {
    case HTLEFT:
        if (!(m_dwSCBStyle & SCBS_EDGELEFT))
            return FALSE;
        rcEdge.right = rcEdge.left + m_cxEdge;
        rcEdge.DeflateRect(0, horz ? m_cxEdge : 0);
        return TRUE;
    case HTTOP:
        if (!(m_dwSCBStyle & SCBS_EDGETOP))
            return FALSE;
        rcEdge.bottom = rcEdge.top + m_cxEdge;
        rcEdge.DeflateRect(horz ? 0 : m_cxEdge, 0);
        return TRUE;
    case HTRIGHT:
        if (!(m_dwSCBStyle & SCBS_EDGERIGHT))
            return FALSE;
        rcEdge.left = rcEdge.right - m_cxEdge;
        rcEdge.DeflateRect(0, horz ? m_cxEdge : 0);
        return TRUE;
    case HTBOTTOM:
        if (!(m_dwSCBStyle & SCBS_EDGEBOTTOM))
            return FALSE;
        rcEdge.top = rcEdge.bottom - m_cxEdge;
        rcEdge.DeflateRect(horz ? 0 : m_cxEdge, 0);
        return TRUE;
    default:
        return FALSE;
    }
}

void CSizingControlBar::OnNcPaint()
{
    CRect bar;
    GetWindowRect(&bar);
    CRect client;
    GetClientRect(&client);
    ClientToScreen(&client);
    client.OffsetRect(-bar.left, -bar.top);
    bar.OffsetRect(-bar.left, -bar.top);

    CDC* dc = GetWindowDC();
    if (!dc)
        return;
    dc->ExcludeClipRect(&client);
    CRect rest = bar;
    DrawBorders(dc, rest);
    ::FillRect(dc->GetSafeHdc(), &rest,
               reinterpret_cast<HBRUSH>(::GetClassLongPtrW(m_hWnd, GCLP_HBRBACKGROUND)));
    if (m_dwSCBStyle & SCBS_SHOWEDGES) {
        CRect edge;
        for (UINT hit : kEdgeOrder)
            if (GetEdgeRect(bar, hit, edge))
                dc->Draw3dRect(&edge, ::GetSysColor(COLOR_BTNHIGHLIGHT), ::GetSysColor(COLOR_BTNSHADOW));
    }
    if (m_cyGripper && !IsFloating())
        NcPaintGripper(dc, client);
    ReleaseDC(dc);
}

void CSizingControlBar::NcPaintGripper(CDC* pDC, CRect rcClient)
{
    CRect gripper = rcClient;
    CRect button = m_biHide.GetRect();
    BOOL horz = IsHorzDocked();
    gripper.DeflateRect(1, 1);
    if (horz) {
        gripper.left -= m_cyGripper;
        gripper.right = gripper.left + 3;
        gripper.top = button.bottom + 3;
    } else {
        gripper.top -= m_cyGripper;
        gripper.bottom = gripper.top + 3;
        gripper.right = button.left - 3;
    }
    COLORREF light = ::GetSysColor(COLOR_BTNHIGHLIGHT);
    COLORREF shadow = ::GetSysColor(COLOR_BTNSHADOW);
    pDC->Draw3dRect(&gripper, light, shadow);
    gripper.OffsetRect(horz ? 3 : 0, horz ? 0 : 3);
    pDC->Draw3dRect(&gripper, light, shadow);
    m_biHide.Paint(pDC);
}

LRESULT CSizingControlBar::OnNcHitTest(CPoint point)
{
    if (IsFloating())
        return Default();
    CRect bar;
    GetWindowRect(&bar);
    CRect edge;
    for (UINT hit : kEdgeOrder)
        if (GetEdgeRect(bar, hit, edge) && edge.PtInRect(point))
            return hit;
    CRect button = m_biHide.GetRect();
    button.OffsetRect(bar.left, bar.top);
    return button.PtInRect(point) ? HTCLOSE : HTCLIENT;
}

void CSizingControlBar::OnUpdateCmdUI(CFrameWnd*, BOOL)
{
    CPoint cursor;
    ::GetCursorPos(&cursor);
    bool hover = SendMessage(WM_NCHITTEST, 0, MAKELPARAM(cursor.x, cursor.y)) == HTCLOSE;
    bool down = ::GetKeyState(VK_LBUTTON) < 0;
    BOOL wasPushed = m_biHide.m_bPushed;
    BOOL wasRaised = m_biHide.m_bRaised;
    m_biHide.m_bPushed = hover && down;
    m_biHide.m_bRaised = hover && !down;
    if (wasPushed != m_biHide.m_bPushed || wasRaised != m_biHide.m_bRaised)
        SendMessage(WM_NCPAINT);
}

void CSizingControlBar::OnNcLButtonDown(UINT nHitTest, CPoint point)
{
    if (IsFloating()) {
        CControlBar::OnNcLButtonDown(nHitTest, point);
        return;
    }
    if (!m_bTracking && nHitTest >= HTLEFT && nHitTest <= HTBOTTOMRIGHT)
        StartTracking(nHitTest);
}

void CSizingControlBar::OnNcLButtonUp(UINT nHitTest, CPoint point)
{
    if (nHitTest == HTCLOSE && m_pDockSite)
        m_pDockSite->ShowControlBar(this, FALSE, FALSE);
    CControlBar::OnNcLButtonUp(nHitTest, point);
}

void CSizingControlBar::OnLButtonDown(UINT nFlags, CPoint point)
{
    if (m_pDockBar && !IsFloating() && m_pDockContext) {
        ClientToScreen(&point);
        m_pDockContext->StartDrag(point);
        return;
    }
    CWnd::OnLButtonDown(nFlags, point);
}

void CSizingControlBar::OnLButtonDblClk(UINT nFlags, CPoint point)
{
    if (m_pDockBar && !IsFloating() && m_pDockContext) {
        m_pDockContext->ToggleDocking();
        return;
    }
    CWnd::OnLButtonDblClk(nFlags, point);
}

void CSizingControlBar::OnLButtonUp(UINT nFlags, CPoint point)
{
    if (m_bTracking)
        StopTracking();
    CControlBar::OnLButtonUp(nFlags, point);
}

void CSizingControlBar::OnRButtonDown(UINT nFlags, CPoint point)
{
    if (m_bTracking)
        StopTracking();
    CControlBar::OnRButtonDown(nFlags, point);
}

void CSizingControlBar::OnMouseMove(UINT nFlags, CPoint point)
{
    if (m_bTracking) {
        CPoint screen = point;
        ClientToScreen(&screen);
        OnTrackUpdateSize(screen);
    }
    CControlBar::OnMouseMove(nFlags, point);
}

LRESULT CSizingControlBar::OnCaptureChanged(WPARAM, LPARAM lParam)
{
    if (m_bTracking && reinterpret_cast<HWND>(lParam) != m_hWnd)
        StopTracking();
    return Default();
}

void CSizingControlBar::OnWindowPosChanging(WINDOWPOS* lpwndpos)
{
    lpwndpos->flags |= SWP_FRAMECHANGED;
    CControlBar::OnWindowPosChanging(lpwndpos);
    refreshDockBarId();
    if (!IsFloating() && (lpwndpos->flags & SWP_SHOWWINDOW))
        m_bKeepSize = TRUE;
}

LRESULT CSizingControlBar::OnSettingChange(WPARAM, LPARAM)
{
    BOOL full = FALSE;
    ::SystemParametersInfoW(SPI_GETDRAGFULLWINDOWS, 0, &full, 0);
    m_bDragShowContent = full;
    return Default();
}

// The bar paints nothing of its own in its client area.
void CSizingControlBar::OnPaint()
{
    CPaintDC dc(this);
}

// Tracking ----------------------------------------------------------------

// The bar that gives or takes the length while an edge is dragged along the
// row: the previous one for the left or top edge, else the next one.
CSizingControlBar* CSizingControlBar::rowNeighbour(const CSCBArray& row)
{
    INT_PTR self = 0;
    while (self < row.GetSize() && row[self] != this)
        ++self;
    INT_PTR other = self + ((m_htEdge == HTTOP || m_htEdge == HTLEFT) ? -1 : 1);
    return other >= 0 && other < row.GetSize() ? row[other] : nullptr;
}

void CSizingControlBar::StartTracking(UINT nHitTest)
{
    SetCapture();
    RedrawWindow(nullptr, nullptr, RDW_ALLCHILDREN | RDW_UPDATENOW);
    BOOL horz = IsHorzDocked();
    m_szOld = horz ? m_szHorz : m_szVert;
    CRect bar;
    GetWindowRect(&bar);
    CRect edge;
    GetEdgeRect(bar, nHitTest, edge);
    m_ptOld = edge.CenterPoint();
    m_htEdge = nHitTest;
    m_bTracking = TRUE;

    CSCBArray row;
    GetRowSizingBars(row);
    m_szMinT = m_szMin;
    for (INT_PTR i = 0; i < row.GetSize(); ++i) {
        if (horz)
            m_szMinT.cy = std::max(m_szMinT.cy, row[i]->m_szMin.cy);
        else
            m_szMinT.cx = std::max(m_szMinT.cx, row[i]->m_szMin.cx);
    }
    if (IsSideTracking()) {
        CSizingControlBar* neighbour = rowNeighbour(row);
        m_szMaxT = m_szOld;
        if (neighbour)
            m_szMaxT += (horz ? neighbour->m_szHorz : neighbour->m_szVert) - neighbour->m_szMin;
    } else if (m_pDockSite) {
        CRect rest;
        m_pDockSite->RepositionBars(0, 0xFFFF, AFX_IDW_PANE_FIRST, reposQuery, &rest);
        m_szMaxT = m_szOld + rest.Size() - CSize(4, 4);
    }
    OnTrackInvertTracker();
}

void CSizingControlBar::OnTrackUpdateSize(CPoint& point)
{
    BOOL horz = IsHorzDocked();
    CSize delta = point - m_ptOld;
    CSize size = m_szOld;
    switch (m_htEdge) {
    case HTLEFT:
        size.cx -= delta.cx;
        break;
    case HTTOP:
        size.cy -= delta.cy;
        break;
    case HTRIGHT:
        size.cx += delta.cx;
        break;
    case HTBOTTOM:
        size.cy += delta.cy;
        break;
    default:
        break;
    }
    size.cx = std::max(m_szMinT.cx, std::min(m_szMaxT.cx, size.cx));
    size.cy = std::max(m_szMinT.cy, std::min(m_szMaxT.cy, size.cy));

    CSize& current = horz ? m_szHorz : m_szVert;
    CSize change = size - current;
    if (change == CSize(0, 0))
        return;
    CSCBArray row;
    GetRowSizingBars(row);
    OnTrackInvertTracker();
    current = size;
    if (IsSideTracking()) {
        if (CSizingControlBar* neighbour = rowNeighbour(row)) {
            if (horz)
                neighbour->m_szHorz.cx -= change.cx;
            else
                neighbour->m_szVert.cy -= change.cy;
        }
    } else {
        for (INT_PTR i = 0; i < row.GetSize(); ++i)
            (horz ? row[i]->m_szHorz.cy : row[i]->m_szVert.cx) = horz ? size.cy : size.cx;
    }
    OnTrackInvertTracker();
    if (m_bDragShowContent && m_pDockSite)
        m_pDockSite->RecalcLayout();
}

void CSizingControlBar::OnTrackInvertTracker()
{
    if (m_bDragShowContent || !m_pDockBar || !m_pDockSite)
        return;
    BOOL horz = IsHorzDocked();
    CRect bar, dock, frame, tracker;
    GetWindowRect(&bar);
    m_pDockBar->GetWindowRect(&dock);
    m_pDockSite->GetWindowRect(&frame);
    if (!GetEdgeRect(bar, m_htEdge, tracker))
        return;
    if (!IsSideTracking())
        tracker = horz ? CRect(dock.left + 1, tracker.top, dock.right - 1, tracker.bottom)
                       : CRect(tracker.left, dock.top + 1, tracker.right, dock.bottom - 1);
    CSize offset = (horz ? m_szHorz : m_szVert) - m_szOld;
    bool reversed = (m_nDockBarID == AFX_IDW_DOCKBAR_LEFT && m_htEdge == HTTOP) ||
                    (m_nDockBarID == AFX_IDW_DOCKBAR_RIGHT && m_htEdge != HTBOTTOM) ||
                    (m_nDockBarID == AFX_IDW_DOCKBAR_TOP && m_htEdge == HTLEFT) ||
                    (m_nDockBarID == AFX_IDW_DOCKBAR_BOTTOM && m_htEdge != HTRIGHT);
    if (reversed)
        offset = CSize(-offset.cx, -offset.cy);
    tracker.OffsetRect(offset);
    tracker.OffsetRect(-frame.left, -frame.top);

    HDC dc = ::GetDCEx(m_pDockSite->m_hWnd, nullptr, DCX_WINDOW | DCX_CACHE | DCX_LOCKWINDOWUPDATE);
    if (!dc)
        return;
    HBRUSH brush = createHalftoneBrush();
    HGDIOBJ old = ::SelectObject(dc, brush);
    ::PatBlt(dc, tracker.left, tracker.top, tracker.Width(), tracker.Height(), PATINVERT);
    ::SelectObject(dc, old);
    ::DeleteObject(brush);
    ::ReleaseDC(m_pDockSite->m_hWnd, dc);
}

void CSizingControlBar::StopTracking()
{
    OnTrackInvertTracker();
    m_bTracking = FALSE;
    ::ReleaseCapture();
    if (m_pDockSite)
        m_pDockSite->RecalcLayout();
}
