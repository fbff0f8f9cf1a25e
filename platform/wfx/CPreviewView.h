#pragma once

#include "CPreviewDC.h"
#include "CPrintInfo.h"
#include "CPrintPreviewState.h"
#include "CScrollView.h"

#include <memory>

class CDialogBar;
class CFrameWnd;

// The view a frame shows during a print preview, standing in for its main
// pane: one or two pages of the previewed view drawn through a preview
// context, a tool bar above, page and zoom commands. Zoom state 0 shows
// whole pages and the vertical scroll bar moves between pages; above 0 one
// page is magnified and scrolls. Made by CView::DoPrintPreview; closing
// gives the frame back and deletes the preview.
class WFX_API CPreviewView : public CScrollView
{
    DECLARE_DYNCREATE(CPreviewView)

public:
    CPreviewView();
    ~CPreviewView() override;

    void OnDraw(CDC* pDC) override;

    void SetZoomState(UINT nNewState, UINT nPage, CPoint point);
    void SetCurrentPage(UINT nPage, BOOL bClearRatios);
    // The page slot under a client point, which becomes relative to the page.
    BOOL FindPageRect(CPoint& point, UINT& nPage);

protected:
    struct PAGE_INFO
    {
        CRect rectScreen;       // where the page is drawn, in client pixels
        CSize sizeUnscaled;     // the page in screen pixels at 100 %
        CSize sizeScaleRatio;   // screen over unscaled at the zoom state
        CSize sizeZoomOutRatio; // the ratio at which the whole page fits (0: not yet known)
    };
    enum : UINT
    {
        ZOOM_OUT = 0
    };

    // Sets up printing for the view given; FALSE leaves the preview unusable.
    virtual BOOL SetPrintView(CView* pPrintView);
    virtual void PositionPage(UINT nPage);
    virtual void SetScaledSize(UINT nPage);
    virtual void OnDisplayPageNumber(UINT nPage, UINT nPagesDisplayed);
    // Draws page slot nPage into the preview context, set up for it.
    virtual void PrintPageContent(UINT nPage);
    void DoZoom(UINT nPage, CPoint point);
    // The client area less the margins around the pages.
    CSize CalcPageDisplaySize();
    // The ratio at which actualSize fits into windowSize.
    CSize CalcScaleRatio(CSize windowSize, CSize actualSize) const;
    // The printer's physical page in screen pixels: its resolution when the
    // printer gives no page size, A4 when it gives neither.
    CSize PhysicalPageOnScreen() const;
    // Takes the page's rectangle from its scale ratio: scroll sizes when
    // zoomed in, centred in the window when zoomed out.
    void PlaceScaledPage(UINT nPage);

    afx_msg void OnPreviewClose();
    afx_msg void OnNextPage();
    afx_msg void OnPrevPage();
    afx_msg void OnNumPageChange();
    afx_msg void OnUpdateNumPageChange(CCmdUI* pCmdUI);
    afx_msg void OnUpdateNextPage(CCmdUI* pCmdUI);
    afx_msg void OnUpdatePrevPage(CCmdUI* pCmdUI);
    afx_msg void OnSize(UINT nType, int cx, int cy);
    afx_msg void OnVScroll(UINT nSBCode, UINT nPos, CScrollBar* pScrollBar);

    std::unique_ptr<CPreviewDC> m_pPreviewDC;
    std::unique_ptr<CPrintInfo> m_pPreviewInfo;
    std::unique_ptr<CPrintPreviewState> m_pPreviewState;
    CView* m_pOrigView = nullptr;  // the view the preview was asked from
    CView* m_pPrintView = nullptr; // the view that draws the pages
    CDialogBar* m_pToolBar = nullptr;
    PAGE_INFO m_pageInfoArray[2];
    PAGE_INFO* m_pPageInfo = m_pageInfoArray;
    UINT m_nCurrentPage = 1;
    UINT m_nPages = 1;        // pages shown
    UINT m_nZoomOutPages = 1; // pages shown when zoomed out
    UINT m_nMaxPages = 2;
    UINT m_nZoomState = ZOOM_OUT;
    int m_nSecondPageOffset = 0; // how far right the second page lies when zoomed out
    CSize m_sizePrinterPPI;

    DECLARE_MESSAGE_MAP()

private:
    friend class CView;
    BOOL Start(CFrameWnd* pFrame, UINT nIDResource, CView* pPrintView);
    void Abandon(CFrameWnd* pFrame);
    void ShowZoomOutScrollBar();
    void DrawPageOutline(CDC* pDC, const CRect& rect, CPoint viewportOrg);
    bool DrawPage(CDC* pDC, UINT nPage);
};
