#include "CRectTracker.h"

#include "CDC.h"
#include "CWnd.h"
#include "WfxRes.h"
#include "WfxResources.h"

#include <algorithm>
#include <cstdlib>
#include <utility>

namespace {

// Per handle: which edge it sits on in x (-1 left, 0 centre, 1 right) and y.
struct HandlePlace
{
    int x;
    int y;
};
const HandlePlace kPlaces[8] = {{-1, -1}, {1, -1}, {1, 1}, {-1, 1}, {0, -1}, {1, 0}, {0, 1}, {-1, 0}};

// The handle that acts the same on a rectangle inverted in x, and in y.
const int kInvertX[8] = {1, 0, 3, 2, 4, 7, 6, 5};
const int kInvertY[8] = {3, 2, 1, 0, 6, 5, 4, 7};

// Placement of a handle of `size` on an edge from `low` to `high`.
int handleStart(int side, int low, int high, int size, bool outside)
{
    if (side == 0)
        return (low + high) / 2 - size / 2;
    if (side < 0)
        return outside ? low - size : low;
    return outside ? high : high - size;
}

} // namespace

CRectTracker::CRectTracker() = default;

CRectTracker::CRectTracker(LPCRECT lpSrcRect, UINT nStyle) : m_rect(*lpSrcRect), m_nStyle(nStyle) {}

CRectTracker::~CRectTracker() = default;

HCURSOR CRectTracker::LoadCursorResource(UINT nID)
{
    LPCWSTR name = MAKEINTRESOURCEW(nID);
    if (HINSTANCE module = AfxFindResourceHandle(name, RT_GROUP_CURSOR))
        if (HCURSOR cursor = ::LoadCursorW(module, name))
            return cursor;
    LPCWSTR system = IDC_ARROW;
    switch (nID) {
    case AFX_IDC_TRACKNWSE:
        system = IDC_SIZENWSE;
        break;
    case AFX_IDC_TRACKNESW:
        system = IDC_SIZENESW;
        break;
    case AFX_IDC_TRACKNS:
        system = IDC_SIZENS;
        break;
    case AFX_IDC_TRACKWE:
        system = IDC_SIZEWE;
        break;
    case AFX_IDC_TRACK4WAY:
    case AFX_IDC_MOVE4WAY:
        system = IDC_SIZEALL;
        break;
    }
    return ::LoadCursorW(nullptr, system);
}

int CRectTracker::GetHandleSize(LPCRECT lpRect) const
{
    CRect rect = lpRect ? CRect(*lpRect) : m_rect;
    rect.NormalizeRect();
    int size = m_nHandleSize;
    // Handles inside a small rectangle shrink so that they never overlap.
    if (!(m_nStyle & resizeOutside)) {
        int limit = std::min(rect.Width(), rect.Height()) / 2;
        if (size > limit)
            size = std::max(limit, 1);
    }
    return size;
}

UINT CRectTracker::GetHandleMask() const
{
    UINT mask = 0x0F;
    int size = m_nHandleSize * 3;
    if (std::abs(m_rect.Width()) - size > 4)
        mask |= 0x50;
    if (std::abs(m_rect.Height()) - size > 4)
        mask |= 0xA0;
    return mask;
}

void CRectTracker::GetTrueRect(LPRECT lpTrueRect) const
{
    CRect rect = m_rect;
    rect.NormalizeRect();
    int inflate = 0;
    if (m_nStyle & (resizeOutside | hatchedBorder))
        inflate += GetHandleSize() - 1;
    if (m_nStyle & (solidLine | dottedLine))
        ++inflate;
    rect.InflateRect(inflate, inflate);
    *lpTrueRect = rect;
}

void CRectTracker::GetHandleRect(int nHandle, CRect* pHandleRect) const
{
    CRect rect = m_rect;
    rect.NormalizeRect();
    if (m_nStyle & (solidLine | dottedLine))
        rect.InflateRect(1, 1);
    int size = GetHandleSize();
    bool outside = (m_nStyle & resizeOutside) != 0;
    // The place of a handle of the inverted rectangle as it is drawn.
    int placed = NormalizeHit(nHandle);
    int x = handleStart(kPlaces[placed].x, rect.left, rect.right, size, outside);
    int y = handleStart(kPlaces[placed].y, rect.top, rect.bottom, size, outside);
    pHandleRect->SetRect(x, y, x + size, y + size);
}

int CRectTracker::HitTestHandles(CPoint point) const
{
    CRect rect;
    GetTrueRect(&rect);
    if (!rect.PtInRect(point))
        return hitNothing;
    UINT mask = GetHandleMask();
    if (m_nStyle & (resizeInside | resizeOutside)) {
        for (int i = 0; i < 8; ++i) {
            CRect handle;
            GetHandleRect(i, &handle);
            if ((mask & (1u << i)) && handle.PtInRect(point))
                return i;
        }
    }
    if (!(m_nStyle & hatchedBorder)) {
        rect = m_rect;
        rect.NormalizeRect();
        if (m_nStyle & (solidLine | dottedLine))
            rect.InflateRect(1, 1);
        if (!rect.PtInRect(point))
            return hitNothing;
    }
    return hitMiddle;
}

int CRectTracker::HitTest(CPoint point) const
{
    return HitTestHandles(point);
}

int CRectTracker::NormalizeHit(int nHandle) const
{
    if (nHandle < 0 || nHandle >= hitMiddle)
        return nHandle;
    if (m_rect.Width() < 0)
        nHandle = kInvertX[nHandle];
    if (m_rect.Height() < 0)
        nHandle = kInvertY[nHandle];
    return nHandle;
}

void CRectTracker::GetModifyPointers(int nHandle, LONG** ppx, LONG** ppy, int* px, int* py)
{
    *ppx = nullptr;
    *ppy = nullptr;
    if (nHandle >= 0 && nHandle <= hitMiddle) {
        // The middle moves the rectangle by its top-left corner.
        HandlePlace place = nHandle == hitMiddle ? HandlePlace{-1, -1} : kPlaces[nHandle];
        if (place.x)
            *ppx = place.x < 0 ? &m_rect.left : &m_rect.right;
        if (place.y)
            *ppy = place.y < 0 ? &m_rect.top : &m_rect.bottom;
    }
    if (px)
        *px = *ppx ? **ppx : 0;
    if (py)
        *py = *ppy ? **ppy : 0;
}

void CRectTracker::AdjustRect(int nHandle, LPRECT)
{
    if (nHandle == hitMiddle || m_bAllowInvert)
        return;
    LONG *x, *y;
    GetModifyPointers(nHandle, &x, &y, nullptr, nullptr);
    if (x == &m_rect.left && m_rect.Width() < m_sizeMin.cx)
        m_rect.left = m_rect.right - m_sizeMin.cx;
    if (x == &m_rect.right && m_rect.Width() < m_sizeMin.cx)
        m_rect.right = m_rect.left + m_sizeMin.cx;
    if (y == &m_rect.top && m_rect.Height() < m_sizeMin.cy)
        m_rect.top = m_rect.bottom - m_sizeMin.cy;
    if (y == &m_rect.bottom && m_rect.Height() < m_sizeMin.cy)
        m_rect.bottom = m_rect.top + m_sizeMin.cy;
}

void CRectTracker::OnChangedRect(const CRect&) {}

// The outline is drawn by inverting, so drawing it again takes it away.
void CRectTracker::DrawTrackerRect(LPCRECT lpRect, CWnd* pWndClipTo, CDC* pDC, CWnd* pWnd)
{
    CRect rect = *lpRect;
    rect.NormalizeRect();
    if (pWndClipTo && pWnd) {
        pWnd->ClientToScreen(&rect);
        pWndClipTo->ScreenToClient(&rect);
    }
    HDC dc = pDC ? pDC->GetSafeHdc() : nullptr;
    if (dc && (m_bFinalErase || !m_bErase)) {
        if (m_bLastDrawn)
            ::DrawFocusRect(dc, &m_rectLast);
        if (!m_bFinalErase)
            ::DrawFocusRect(dc, &rect);
        m_bLastDrawn = !m_bFinalErase;
    }
    m_rectLast = rect;
}

void CRectTracker::Draw(CDC* pDC) const
{
    HDC dc = pDC->GetSafeHdc();
    CRect rect = m_rect;
    rect.NormalizeRect();
    if (m_nStyle & (solidLine | dottedLine)) {
        HPEN pen = ::CreatePen((m_nStyle & dottedLine) ? PS_DOT : PS_SOLID, 0, RGB(0, 0, 0));
        HGDIOBJ oldPen = ::SelectObject(dc, pen);
        HGDIOBJ oldBrush = ::SelectObject(dc, ::GetStockObject(NULL_BRUSH));
        CRect line = rect;
        line.InflateRect(1, 1);
        ::Rectangle(dc, line.left, line.top, line.right, line.bottom);
        ::SelectObject(dc, oldBrush);
        ::SelectObject(dc, oldPen);
        ::DeleteObject(pen);
    }
    if (m_nStyle & (hatchInside | hatchedBorder)) {
        HBRUSH hatch = ::CreateHatchBrush(HS_BDIAGONAL, RGB(0, 0, 0));
        CRect hatched;
        GetTrueRect(&hatched);
        if (m_nStyle & hatchInside)
            hatched = rect;
        HRGN outer = ::CreateRectRgnIndirect(&hatched);
        if (!(m_nStyle & hatchInside)) {
            HRGN inner = ::CreateRectRgnIndirect(&rect);
            ::CombineRgn(outer, outer, inner, RGN_DIFF);
            ::DeleteObject(inner);
        }
        ::SetBkMode(dc, TRANSPARENT);
        ::FillRgn(dc, outer, hatch);
        ::DeleteObject(outer);
        ::DeleteObject(hatch);
    }
    if (m_nStyle & (resizeInside | resizeOutside)) {
        UINT mask = GetHandleMask();
        for (int i = 0; i < 8; ++i) {
            CRect handle;
            GetHandleRect(i, &handle);
            if (mask & (1u << i))
                ::PatBlt(dc, handle.left, handle.top, handle.Width(), handle.Height(), DSTINVERT);
        }
    }
}

BOOL CRectTracker::SetCursor(CWnd* pWnd, UINT nHitTest) const
{
    static const UINT kCursors[10] = {
        AFX_IDC_TRACKNWSE, AFX_IDC_TRACKNESW, AFX_IDC_TRACKNWSE, AFX_IDC_TRACKNESW, AFX_IDC_TRACKNS,
        AFX_IDC_TRACKWE,   AFX_IDC_TRACKNS,   AFX_IDC_TRACKWE,   AFX_IDC_TRACK4WAY, AFX_IDC_MOVE4WAY};
    if (nHitTest != HTCLIENT || !pWnd)
        return FALSE;
    CPoint point;
    ::GetCursorPos(&point);
    pWnd->ScreenToClient(&point);
    int handle = HitTestHandles(point);
    if (handle < 0)
        return FALSE;
    handle = NormalizeHit(handle);
    if (handle == hitMiddle && !m_rect.PtInRect(point) && (m_nStyle & hatchedBorder))
        handle = 9;
    ::SetCursor(LoadCursorResource(kCursors[handle]));
    return TRUE;
}
