#pragma once

#include "CRect.h"
#include "WfxApi.h"

class CDC;
class CWnd;

// A rectangle with resize handles that its owner draws and hit-tests. The
// handles are numbered 0-3 corners (top-left, top-right, bottom-right,
// bottom-left), 4-7 sides (top, right, bottom, left) and 8 the middle.
class WFX_API CRectTracker
{
public:
    enum StyleFlags
    {
        solidLine = 1,
        dottedLine = 2,
        hatchedBorder = 4,
        resizeInside = 8,
        resizeOutside = 16,
        hatchInside = 32,
    };
    enum TrackerHit
    {
        hitNothing = -1,
        hitTopLeft = 0,
        hitTopRight = 1,
        hitBottomRight = 2,
        hitBottomLeft = 3,
        hitTop = 4,
        hitRight = 5,
        hitBottom = 6,
        hitLeft = 7,
        hitMiddle = 8,
    };

    CRectTracker();
    CRectTracker(LPCRECT lpSrcRect, UINT nStyle);
    CRectTracker(const CRectTracker&) = default;
    CRectTracker& operator=(const CRectTracker&) = default;
    virtual ~CRectTracker();

    CRect m_rect;
    CSize m_sizeMin;
    int m_nHandleSize = 4;
    UINT m_nStyle = 0;

    void Draw(CDC* pDC) const;
    // The rectangle with its border and outside handles.
    void GetTrueRect(LPRECT lpTrueRect) const;
    // The handle under a point in the owner's client coordinates, or hitNothing.
    int HitTest(CPoint point) const;
    // The handle as it acts on an inverted rectangle.
    int NormalizeHit(int nHandle) const;
    // Sets the handle's cursor when the mouse is over the tracker in the client area.
    BOOL SetCursor(CWnd* pWnd, UINT nHitTest) const;

    virtual void DrawTrackerRect(LPCRECT lpRect, CWnd* pWndClipTo, CDC* pDC, CWnd* pWnd);
    // Keeps the minimum size while a handle other than the middle is dragged.
    virtual void AdjustRect(int nHandle, LPRECT lpRect);
    virtual void OnChangedRect(const CRect& rectOld);
    virtual UINT GetHandleMask() const;

    // The framework's tracker cursors (AFX_IDC_TRACKNWSE ... AFX_IDC_MOVE4WAY): a
    // cursor resource of that id in a loaded module, else the system's own.
    static HCURSOR LoadCursorResource(UINT nID);

protected:
    BOOL m_bAllowInvert = FALSE;
    CRect m_rectLast;
    BOOL m_bLastDrawn = FALSE;
    BOOL m_bErase = FALSE;
    BOOL m_bFinalErase = FALSE;

    int HitTestHandles(CPoint point) const;
    void GetHandleRect(int nHandle, CRect* pHandleRect) const;
    // The coordinates of m_rect that dragging the handle changes (null for
    // none) and their values now.
    void GetModifyPointers(int nHandle, LONG** ppx, LONG** ppy, int* px, int* py);
    virtual int GetHandleSize(LPCRECT lpRect = nullptr) const;
};
