#pragma once

#include "CWnd.h"
#include "WfxBarStyles.h"

// A bar along one edge of a frame of panes (CFrameWndEx::AddPane): the frame
// asks CalcFixedLayout for its size and places it by its alignment. It
// paints through DoPaint, by default the visual manager's bar background.
class WFX_API CBasePane : public CWnd
{
    DECLARE_DYNAMIC(CBasePane)

public:
    CBasePane() = default;

    virtual DWORD GetPaneStyle() const { return m_dwStyle; }
    virtual void SetPaneStyle(DWORD dwNewStyle) { m_dwStyle = dwNewStyle; }
    DWORD GetCurrentAlignment() const { return m_dwStyle & CBRS_ALIGN_ANY; }
    // Along the top or bottom edge (also when no edge is set).
    BOOL IsHorizontal() const;

    // The room the pane needs; bStretch asks for the frame's full length.
    virtual CSize CalcFixedLayout(BOOL bStretch, BOOL bHorz);
    virtual void DoPaint(CDC* pDC);
    virtual int GetCaptionHeight() const { return 0; }
    // The framework has no menu of pane commands: nothing is shown.
    virtual BOOL OnShowControlBarMenu(CPoint point);

    BOOL PreCreateWindow(CREATESTRUCTW& cs) override;

protected:
    DWORD m_dwStyle = 0;

    afx_msg void OnPaint();
    afx_msg BOOL OnEraseBkgnd(CDC* pDC);
    afx_msg void OnContextMenu(CWnd* pWnd, CPoint point);

    DECLARE_MESSAGE_MAP()
};
