#pragma once

#include "PrambleApi.h"

#include <CRectTracker.h>
#include <CWnd.h>

// A rectangle tracker driven by its owner's own mouse and key messages
// instead of a private message loop. The owner selects it with setSel and
// passes its button, move, key and cursor messages on; each entry point
// returns 0 while nothing is selected.
class PRAMBLE_API CRectTrackerEx : public CRectTracker
{
public:
    CRectTrackerEx();
    CRectTrackerEx(LPCRECT lpSrcRect, UINT nStyle);
    CRectTrackerEx(const CRectTrackerEx& other);
    CRectTrackerEx& operator=(const CRectTrackerEx& other);
    ~CRectTrackerEx() override;

    void setWnd(CWnd* wnd) { m_pWnd = wnd; }
    BOOL isSel() const { return m_handle >= 0; }
    int getHandle() const { return m_handle; }
    BOOL isTracking() const { return m_tracking; }
    BOOL hitTest(CPoint point) const { return HitTestHandles(point) >= 0; }
    int hitTestHandles(CPoint point) const { return HitTestHandles(point); }
    CPoint getCenter() const { return m_rect.CenterPoint(); }

    // One drag step: the coordinates the handle changes follow the point.
    virtual void onResize(CPoint point);
    // Keeps the size while the middle is dragged.
    virtual void onMove();
    // The index into the cursor table for a handle (0-9).
    virtual int getCursor(int handle, int flag) const;
    // Paints whatever the tracker stands for; the owner calls it from its paint handler.
    virtual void drawContent(CDC* pDC) const = 0;
    virtual void select(int flag, int handle);
    virtual int setSel(CPoint point, int toggle, int selectFlag);
    virtual int onLButtonDblDown(UINT flags, CPoint point);
    virtual int onLButtonDown(UINT flags, CPoint point, CWnd* wnd, CWnd* clipTo, int allowInvert);
    virtual int onLButtonUp(UINT flags, CPoint point);
    virtual int onRButtonDown(UINT flags, CPoint point);
    virtual int onMouseMove(UINT flags, CPoint point);
    virtual int onKeyDown(UINT ch, UINT repeat, UINT flags);
    virtual int onSetCursor(CWnd* wnd, UINT hitTest, int flag);

    // The cursor of a table index, loaded once for all trackers.
    static HCURSOR cursorAt(int index);

protected:
    void beginTrack(CPoint point, CWnd* wnd, CWnd* clipTo, int allowInvert);
    void track(CPoint point);
    void acceptTrack(CPoint point);
    void cancelTrack();
    void endTrack();
    int setCursor(CWnd* wnd, UINT hitTest, int flag);

private:
    static constexpr int kCursorCount = 10;

    static void loadCursors();
    void copyOwnFields(const CRectTrackerEx& other);
    void dragStep(CPoint point);
    void drawOutline(const CRect& rect);
    void releaseDC();

    int m_handle = -1;
    BOOL m_moved = FALSE;
    BOOL m_tracking = FALSE;
    CRect m_rectSave;
    int m_offsetX = 0;
    int m_offsetY = 0;
    CDC* m_pDC = nullptr;   // owned while tracking
    HWND m_dcWnd = nullptr; // the window the drawing DC belongs to
    CWnd* m_pClipTo = nullptr;
    CWnd* m_pWnd = nullptr;
};
