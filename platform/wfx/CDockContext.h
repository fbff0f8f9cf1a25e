#pragma once

#include "CRect.h"
#include "WfxApi.h"

class CControlBar;
class CDockBar;
class CFrameWnd;

// Drags a control bar to another dock bar or off the frame (floating), and
// toggles between its last docked and last floating place.
class WFX_API CDockContext
{
public:
    explicit CDockContext(CControlBar* pBar);
    virtual ~CDockContext();
    CDockContext(const CDockContext&) = delete;
    CDockContext& operator=(const CDockContext&) = delete;

    CControlBar* m_pBar;
    UINT m_uMRUDockID = 0;  // the dock bar the bar was docked in last
    CRect m_rectMRUDockPos; // where it was docked (screen)
    CPoint m_ptMRUFloatPos; // where it floated last (screen)
    BOOL m_bDragging = FALSE;

    // Follows the mouse from the screen point until the left button is
    // released (docks or floats the bar there) or the drag is cancelled
    // (right button, Escape, lost capture).
    virtual void StartDrag(CPoint pt);
    virtual void ToggleDocking();

private:
    void rememberPlace();
    CDockBar* dockBarAt(CPoint screenPoint) const;
    void drawDragRect(const CRect& rect) const;
    bool track(CPoint start, CPoint& end);
    void drop(const CRect& rect, CPoint cursor);
};
