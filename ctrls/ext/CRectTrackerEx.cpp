#include "CRectTrackerEx.h"

#include <CDC.h>
#include <CSendrelMutex.h>
#include <WfxRes.h>

namespace {

HCURSOR g_cursors[10];
bool g_cursorsLoaded = false;

CSendrelMutex& cursorMutex()
{
    static CSendrelMutex mutex;
    return mutex;
}

} // namespace

CRectTrackerEx::CRectTrackerEx()
{
    loadCursors();
}

CRectTrackerEx::CRectTrackerEx(LPCRECT lpSrcRect, UINT nStyle) : CRectTracker(lpSrcRect, nStyle)
{
    loadCursors();
}

CRectTrackerEx::CRectTrackerEx(const CRectTrackerEx& other) : CRectTracker(other)
{
    copyOwnFields(other);
}

CRectTrackerEx& CRectTrackerEx::operator=(const CRectTrackerEx& other)
{
    if (this != &other) {
        releaseDC();
        CRectTracker::operator=(other);
        copyOwnFields(other);
    }
    return *this;
}

CRectTrackerEx::~CRectTrackerEx()
{
    releaseDC();
}

// The drawing DC stays with the tracker that took it; a copy draws no outline.
void CRectTrackerEx::copyOwnFields(const CRectTrackerEx& other)
{
    m_handle = other.m_handle;
    m_moved = other.m_moved;
    m_tracking = other.m_tracking;
    m_rectSave = other.m_rectSave;
    m_offsetX = other.m_offsetX;
    m_offsetY = other.m_offsetY;
    m_pClipTo = other.m_pClipTo;
    m_pWnd = other.m_pWnd;
    m_pDC = nullptr;
    m_dcWnd = nullptr;
}

void CRectTrackerEx::loadCursors()
{
    static const UINT kIds[kCursorCount] = {
        AFX_IDC_TRACKNWSE, AFX_IDC_TRACKNESW, AFX_IDC_TRACKNWSE, AFX_IDC_TRACKNESW, AFX_IDC_TRACKNS,
        AFX_IDC_TRACKWE,   AFX_IDC_TRACKNS,   AFX_IDC_TRACKWE,   AFX_IDC_TRACK4WAY, AFX_IDC_MOVE4WAY};
    CSendrelMutex& mutex = cursorMutex();
    mutex.lock();
    if (!g_cursorsLoaded) {
        for (int i = 0; i < kCursorCount; ++i)
            g_cursors[i] = LoadCursorResource(kIds[i]);
        g_cursorsLoaded = true;
    }
    mutex.unlock();
}

HCURSOR CRectTrackerEx::cursorAt(int index)
{
    loadCursors();
    return index >= 0 && index < kCursorCount ? g_cursors[index] : nullptr;
}

void CRectTrackerEx::select(int flag, int handle)
{
    m_handle = flag ? handle : -1;
}

int CRectTrackerEx::setSel(CPoint point, int toggle, int selectFlag)
{
    if (!toggle)
        select(selectFlag, HitTestHandles(point));
    else if (hitTest(point))
        select(!isSel(), hitMiddle);
    return isSel();
}

void CRectTrackerEx::onResize(CPoint point)
{
    LONG *x, *y;
    GetModifyPointers(m_handle, &x, &y, nullptr, nullptr);
    if (x)
        *x = point.x - m_offsetX;
    if (y)
        *y = point.y - m_offsetY;
}

void CRectTrackerEx::onMove()
{
    if (m_handle != hitMiddle)
        return;
    m_rect.right = m_rect.left + m_rectSave.Width();
    m_rect.bottom = m_rect.top + m_rectSave.Height();
}

int CRectTrackerEx::getCursor(int handle, int flag) const
{
    return flag ? hitMiddle : handle;
}

int CRectTrackerEx::onLButtonDblDown(UINT, CPoint)
{
    return 0;
}

int CRectTrackerEx::onLButtonDown(UINT, CPoint point, CWnd* wnd, CWnd* clipTo, int allowInvert)
{
    if (!isSel())
        return 0;
    beginTrack(point, wnd, clipTo, allowInvert);
    return 1;
}

int CRectTrackerEx::onMouseMove(UINT, CPoint point)
{
    if (!isSel())
        return 0;
    track(point);
    return 1;
}

int CRectTrackerEx::onLButtonUp(UINT, CPoint point)
{
    if (!isSel())
        return 0;
    if (m_tracking)
        acceptTrack(point);
    return isSel() ? 1 : 2;
}

int CRectTrackerEx::onRButtonDown(UINT, CPoint)
{
    if (!isSel())
        return 0;
    if (m_tracking)
        cancelTrack();
    return 1;
}

int CRectTrackerEx::onKeyDown(UINT ch, UINT, UINT flags)
{
    return ch == VK_ESCAPE ? onRButtonDown(flags, CPoint(0, 0)) : 0;
}

int CRectTrackerEx::onSetCursor(CWnd* wnd, UINT hitTest, int flag)
{
    return isSel() ? setCursor(wnd, hitTest, flag) : 0;
}

void CRectTrackerEx::beginTrack(CPoint point, CWnd* wnd, CWnd* clipTo, int allowInvert)
{
    releaseDC();
    m_tracking = TRUE;
    m_bAllowInvert = allowInvert;
    m_rectSave = m_rect;
    int x = 0, y = 0;
    LONG *px, *py;
    GetModifyPointers(m_handle, &px, &py, &x, &y);
    m_offsetX = point.x - x;
    m_offsetY = point.y - y;
    m_pWnd = wnd;
    m_pClipTo = clipTo;
    CWnd* dcWnd = clipTo ? clipTo : wnd;
    if (!dcWnd || !dcWnd->GetSafeHwnd())
        return;
    m_dcWnd = dcWnd->GetSafeHwnd();
    HDC dc = clipTo ? ::GetDCEx(m_dcWnd, nullptr, DCX_CACHE) : ::GetDC(m_dcWnd);
    if (!dc)
        return;
    m_pDC = new CDC;
    m_pDC->Attach(dc);
}

void CRectTrackerEx::dragStep(CPoint point)
{
    onResize(point);
    onMove();
    AdjustRect(m_handle, &m_rect);
}

void CRectTrackerEx::drawOutline(const CRect& rect)
{
    DrawTrackerRect(&rect, m_pClipTo, m_pDC, m_pWnd);
}

void CRectTrackerEx::track(CPoint point)
{
    if (!m_tracking)
        return;
    CRect old = m_rect;
    dragStep(point);
    if (m_rect != old) {
        if (m_moved) {
            m_bErase = TRUE;
            drawOutline(old);
        }
        OnChangedRect(old);
        m_moved = TRUE;
    }
    if (m_rect != old) {
        m_bErase = FALSE;
        drawOutline(m_rect);
    }
}

void CRectTrackerEx::acceptTrack(CPoint point)
{
    CRect old = m_rect;
    dragStep(point);
    m_bFinalErase = TRUE;
    if (m_moved)
        drawOutline(m_rect);
    else
        m_handle = HitTestHandles(point);
    OnChangedRect(old);
    endTrack();
}

void CRectTrackerEx::cancelTrack()
{
    if (m_moved) {
        m_bFinalErase = TRUE;
        m_bErase = TRUE;
        drawOutline(m_rect);
    }
    m_rect = m_rectSave;
    endTrack();
}

void CRectTrackerEx::endTrack()
{
    m_tracking = FALSE;
    if (!m_moved)
        m_rect = m_rectSave;
    m_bFinalErase = FALSE;
    m_bErase = FALSE;
    m_moved = FALSE;
    m_bLastDrawn = FALSE;
    releaseDC();
}

void CRectTrackerEx::releaseDC()
{
    if (!m_pDC)
        return;
    ::ReleaseDC(m_dcWnd, m_pDC->Detach());
    delete m_pDC;
    m_pDC = nullptr;
    m_dcWnd = nullptr;
}

int CRectTrackerEx::setCursor(CWnd* wnd, UINT hitTest, int flag)
{
    if (hitTest != HTCLIENT || !wnd)
        return 0;
    int handle;
    if (m_moved && m_handle >= 0) {
        handle = m_handle;
    } else {
        CPoint point;
        ::GetCursorPos(&point);
        wnd->ScreenToClient(&point);
        handle = HitTestHandles(point);
        if (handle < 0)
            return 0;
        handle = NormalizeHit(handle);
        if (handle == hitMiddle && !m_rect.PtInRect(point) && (m_nStyle & hatchedBorder))
            handle = 9;
    }
    int index = getCursor(handle, flag);
    // A deriving class may answer any number; only the table's own are set.
    if (index < 0 || index >= kCursorCount)
        return 0;
    ::SetCursor(g_cursors[index]);
    return 1;
}
