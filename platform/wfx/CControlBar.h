#pragma once

#include "CWnd.h"
#include "WfxBarStyles.h"

class CDockBar;
class CDockContext;
class CFrameWnd;

// Asks a control bar (sent by CWnd::RepositionBars) to take its room from
// the rectangle left over; lParam is an AFX_SIZEPARENTPARAMS.
#define WM_SIZEPARENT (WM_AFXFIRST + 1)

struct AFX_SIZEPARENTPARAMS
{
    HDWP hDWP;      // null: only asking, nothing moves
    RECT rect;      // what is left of the parent's client area
    SIZE sizeTotal; // the room the bars took so far
    BOOL bStretch;  // bars take the whole length of their edge
};

// A bar along an edge of its frame (the dock site), or docked in one of the
// frame's dock bars, or floating in a small frame of its own. The frame
// places it by its alignment through RepositionBars; at idle time it gets
// OnUpdateCmdUI. It leaves its frame's list and its dock bar as its window
// goes and again when the object is deleted.
class WFX_API CControlBar : public CWnd
{
    DECLARE_DYNAMIC(CControlBar)

public:
    ~CControlBar() override;

    BOOL m_bAutoDelete = FALSE;             // deleted when its window is gone
    CFrameWnd* m_pDockSite = nullptr;       // the frame that lays the bar out
    CDockBar* m_pDockBar = nullptr;         // the dock bar holding the bar, or null
    CDockContext* m_pDockContext = nullptr; // set by EnableDocking

    DWORD GetBarStyle() const { return m_dwStyle; }
    void SetBarStyle(DWORD dwStyle) { m_dwStyle = dwStyle; }
    // The sides (CBRS_ALIGN_*) the bar may dock to; makes its dock context.
    void EnableDocking(DWORD dwDockStyle);
    DWORD GetDockStyle() const { return m_dwDockStyle; }
    CFrameWnd* GetDockingFrame() const;
    BOOL IsFloating() const;
    // Shown, or about to be shown by a delayed show.
    BOOL IsVisible() const;
    virtual BOOL IsDockBar() const { return FALSE; }

    virtual CSize CalcFixedLayout(BOOL bStretch, BOOL bHorz);
    // The size for a layout mode (LM_*); by default the fixed layout.
    virtual CSize CalcDynamicLayout(int nLength, DWORD nMode);
    virtual void OnUpdateCmdUI(CFrameWnd* pTarget, BOOL bDisableIfNoHndler) = 0;
    virtual void DoPaint(CDC* pDC);
    // Draws the borders that the bar style asks for and takes them out of rect.
    virtual void DrawBorders(CDC* pDC, CRect& rect);
    virtual void CalcInsideRect(CRect& rect, BOOL bHorz) const;
    // Shows or hides the bar at the next layout (RecalcDelayShow).
    virtual void DelayShow(BOOL bShow);
    // Carries out a delayed show or hide, into the layout's batch when it has one.
    void RecalcDelayShow(AFX_SIZEPARENTPARAMS* lpLayout);

protected:
    CControlBar();

    enum : UINT
    {
        delayHide = 0x0001,
        delayShow = 0x0002,
    };

    DWORD m_dwStyle = 0;     // CBRS_* bar style
    DWORD m_dwDockStyle = 0; // sides it may dock to
    UINT m_nStateFlags = 0;

    void PostNcDestroy() override;
    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override;

    afx_msg int OnCreate(LPCREATESTRUCT lpCreateStruct);
    afx_msg void OnPaint();
    afx_msg BOOL OnEraseBkgnd(CDC* pDC);
    afx_msg void OnLButtonDown(UINT nFlags, CPoint point);
    afx_msg void OnLButtonDblClk(UINT nFlags, CPoint point);
    afx_msg LRESULT OnSizeParent(WPARAM wParam, LPARAM lParam);
    afx_msg LRESULT OnIdleUpdateCmdUI(WPARAM wParam, LPARAM lParam);

    DECLARE_MESSAGE_MAP()

private:
    friend class CDockBar;
    friend class CFrameWnd;
    void leaveSiteAndDockBar();
};
