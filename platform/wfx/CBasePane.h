#pragma once

#include "CWnd.h"

// Pane styles: a pane's own style word, apart from its window style (the
// low word of a creation style is taken as pane style).
#define CBRS_SIZE_DYNAMIC 0x0004L
#define CBRS_BORDER_LEFT 0x0100L
#define CBRS_BORDER_TOP 0x0200L
#define CBRS_BORDER_RIGHT 0x0400L
#define CBRS_BORDER_BOTTOM 0x0800L
#define CBRS_BORDER_ANY 0x0F00L
#define CBRS_ALIGN_LEFT 0x1000L
#define CBRS_ALIGN_TOP 0x2000L
#define CBRS_ALIGN_RIGHT 0x4000L
#define CBRS_ALIGN_BOTTOM 0x8000L
#define CBRS_ALIGN_ANY 0xF000L
#define CBRS_GRIPPER 0x00400000L
#define CBRS_ALL 0x0040FFFFL
#define CBRS_TOP (CBRS_ALIGN_TOP | CBRS_BORDER_BOTTOM)
#define CBRS_BOTTOM (CBRS_ALIGN_BOTTOM | CBRS_BORDER_TOP)
#define CBRS_LEFT (CBRS_ALIGN_LEFT | CBRS_BORDER_RIGHT)
#define CBRS_RIGHT (CBRS_ALIGN_RIGHT | CBRS_BORDER_LEFT)

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
