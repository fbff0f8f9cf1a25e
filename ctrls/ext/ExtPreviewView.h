#pragma once

#include "ExtPreviewIds.h"
#include "PrambleApi.h"

#include <Wfx.h>

// The print preview with six zoom steps: in scale mode a click on a page
// zooms in (the right button out), in move mode dragging scrolls the
// magnified page. Pages are drawn by the previewed view's IPrintView;
// a view without it gets white pages.
class PRAMBLE_API ExtPreviewView : public CPreviewView
{
    DECLARE_DYNCREATE(ExtPreviewView)

public:
    ExtPreviewView();
    ~ExtPreviewView() override;

    CView* GetOrigView() const { return m_pOrigView; }
    CDialogBar* GetToolBar() const { return m_pToolBar; }
    // The printer's offset on page 0 at 400 %, with the extents it took.
    void InitVxPrintOffset(CDC* pDC);

    BOOL PreCreateWindow(CREATESTRUCTW& cs) override;
    void OnActivateView(BOOL bActivate, CView* pActivateView, CView* pDeactiveView) override;

protected:
    static const UINT kLastStep = 5;

    void SetScaledSize(UINT nPage) override;
    void PrintPageContent(UINT nPage) override;

    afx_msg int OnCreate(LPCREATESTRUCT lpCreateStruct);
    afx_msg BOOL OnEraseBkgnd(CDC* pDC);
    afx_msg BOOL OnSetCursor(CWnd* pWnd, UINT nHitTest, UINT message);
    afx_msg void OnLButtonDown(UINT nFlags, CPoint point);
    afx_msg void OnLButtonUp(UINT nFlags, CPoint point);
    afx_msg void OnRButtonDown(UINT nFlags, CPoint point);
    afx_msg void OnMouseMove(UINT nFlags, CPoint point);
    afx_msg void OnPreviewClose();
    afx_msg void OnPreviewPrint();
    afx_msg void OnZoomIn();
    afx_msg void OnZoomOut();
    afx_msg void OnScaleMode();
    afx_msg void OnMoveMode();
    afx_msg void OnUpdateZoomIn(CCmdUI* pCmdUI);
    afx_msg void OnUpdateZoomOut(CCmdUI* pCmdUI);

    CPoint m_printOffset;
    CSize m_viewportExt;
    CSize m_windowExt;
    bool m_bOffsetInit = false;
    bool m_bActivated = false;
    int m_nStep = 100; // percent between the steps above 100 %
    bool m_bScaleMode = true;
    bool m_bButtonDown = false;
    HCURSOR m_hMoveCursor = nullptr;
    HCURSOR m_hMovePressedCursor = nullptr;
    HCURSOR m_hMagnifyCursor = nullptr;
    CPoint m_lastPoint;

    DECLARE_MESSAGE_MAP()

private:
    CSize stepRatio(CSize zoomOut) const;
    // The cursor for a client point: over a page, by mode and button.
    void setCursorAt(CPoint point);
    HCURSOR loadCursor(UINT nID) const;
};
