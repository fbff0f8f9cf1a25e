#include "CPreviewView.h"

#include "CCmdUI.h"
#include "CCreateContext.h"
#include "CDialogBar.h"
#include "CFrameWnd.h"
#include "WfxInternal.h"

#include <algorithm>

IMPLEMENT_DYNCREATE(CPreviewView, CScrollView)

BEGIN_MESSAGE_MAP(CPreviewView, CScrollView)
ON_COMMAND(AFX_ID_PREVIEW_CLOSE, &CPreviewView::OnPreviewClose)
ON_COMMAND(AFX_ID_PREVIEW_NUMPAGE, &CPreviewView::OnNumPageChange)
ON_COMMAND(AFX_ID_PREVIEW_NEXT, &CPreviewView::OnNextPage)
ON_COMMAND(AFX_ID_PREVIEW_PREV, &CPreviewView::OnPrevPage)
ON_UPDATE_COMMAND_UI(AFX_ID_PREVIEW_NUMPAGE, &CPreviewView::OnUpdateNumPageChange)
ON_UPDATE_COMMAND_UI(AFX_ID_PREVIEW_NEXT, &CPreviewView::OnUpdateNextPage)
ON_UPDATE_COMMAND_UI(AFX_ID_PREVIEW_PREV, &CPreviewView::OnUpdatePrevPage)
ON_WM_SIZE()
ON_WM_VSCROLL()
END_MESSAGE_MAP()

CPreviewView::CPreviewView() = default;

CPreviewView::~CPreviewView() = default;

BOOL CPreviewView::Start(CFrameWnd* pFrame, UINT nIDResource, CView* pPrintView)
{
    if (!m_pPreviewState)
        m_pPreviewState = std::make_unique<CPrintPreviewState>();
    m_bAutoDelete = TRUE;
    pFrame->OnSetPreviewMode(TRUE, m_pPreviewState.get());
    // The bar comes first: the view checks its buttons when created.
    m_pToolBar = new CDialogBar;
    if (!m_pToolBar->Create(pFrame, nIDResource, CBRS_TOP | WS_VISIBLE, AFX_IDW_PREVIEW_BAR)) {
        delete m_pToolBar;
        m_pToolBar = nullptr;
        Abandon(pFrame);
        return FALSE;
    }
    m_pToolBar->m_bAutoDelete = TRUE;
    CCreateContext context;
    context.m_pCurrentFrame = pFrame;
    context.m_pLastView = m_pOrigView;
    WfxLifeWatch watch(this);
    BOOL created = Create(nullptr, nullptr, WS_CHILD | WS_VISIBLE, CRect(0, 0, 0, 0), pFrame,
                          AFX_IDW_PANE_FIRST, &context);
    if (!watch.alive())
        return FALSE; // gone with its failed window; the frame is given back below
    if (!created || !SetPrintView(pPrintView)) {
        Abandon(pFrame);
        return FALSE;
    }
    pFrame->SetActiveView(this);
    pFrame->RecalcLayout();
    return TRUE;
}

// A preview that could not start gives the frame back and goes.
void CPreviewView::Abandon(CFrameWnd* pFrame)
{
    if (m_pToolBar)
        m_pToolBar->DestroyWindow();
    m_pToolBar = nullptr;
    pFrame->OnSetPreviewMode(FALSE, m_pPreviewState.get());
    if (m_hWnd)
        DestroyWindow();
    else
        delete this;
}

BOOL CPreviewView::SetPrintView(CView* pPrintView)
{
    m_pPrintView = pPrintView;
    m_pPreviewInfo = std::make_unique<CPrintInfo>();
    m_pPreviewInfo->m_bPreview = TRUE;
    if (!pPrintView || !pPrintView->OnPreparePrinting(m_pPreviewInfo.get()))
        return FALSE;
    HDC printer = m_pPreviewInfo->m_pPD->GetPrinterDC();
    if (!printer)
        return FALSE;
    m_pPreviewDC = std::make_unique<CPreviewDC>();
    m_pPreviewDC->SetAttribDC(printer);
    m_sizePrinterPPI = CSize(::GetDeviceCaps(printer, LOGPIXELSX), ::GetDeviceCaps(printer, LOGPIXELSY));
    pPrintView->OnBeginPrinting(m_pPreviewDC.get(), m_pPreviewInfo.get());
    m_nPages = std::clamp(m_pPreviewInfo->m_nNumPreviewPages, 1u, m_nMaxPages);
    m_nZoomOutPages = m_nPages;
    SetScrollSizes(MM_TEXT, CSize(1, 1));
    SetCurrentPage(m_pPreviewInfo->m_nCurPage, TRUE);
    ShowZoomOutScrollBar();
    return TRUE;
}

void CPreviewView::OnPreviewClose()
{
    if (m_pToolBar)
        m_pToolBar->DestroyWindow();
    m_pToolBar = nullptr;
    m_pPreviewInfo->m_nCurPage = m_nCurrentPage;
    m_pOrigView->OnEndPrintPreview(m_pPreviewDC.get(), m_pPreviewInfo.get(), CPoint(0, 0), this);
}

void CPreviewView::SetCurrentPage(UINT nPage, BOOL bClearRatios)
{
    UINT first = m_pPreviewInfo->GetMinPage();
    UINT last = std::max(first, m_pPreviewInfo->GetMaxPage());
    m_nCurrentPage = std::clamp(nPage, first, last);
    if (m_nZoomState == ZOOM_OUT)
        SetScrollPos(SB_VERT, int(m_nCurrentPage));
    if (bClearRatios)
        for (PAGE_INFO& info : m_pageInfoArray)
            info.sizeScaleRatio = CSize(0, 0);
    Invalidate(TRUE);
}

void CPreviewView::ShowZoomOutScrollBar()
{
    ShowScrollBar(SB_HORZ, FALSE);
    UINT first = m_pPreviewInfo->GetMinPage();
    UINT last = m_pPreviewInfo->GetMaxPage();
    bool fits = last <= 0x7FFF && last >= first && last - first <= 0x7FFF;
    ShowScrollBar(SB_VERT, fits);
    if (!fits)
        return;
    SCROLLINFO info{
        sizeof(info), SIF_RANGE | SIF_PAGE | SIF_POS, int(first), int(last), 1, int(m_nCurrentPage), 0};
    SetScrollInfo(SB_VERT, &info, TRUE);
}

void CPreviewView::SetZoomState(UINT nNewState, UINT nPage, CPoint point)
{
    if (m_nZoomState == nNewState)
        return;
    m_nZoomState = nNewState;
    DoZoom(nPage, point);
}

void CPreviewView::DoZoom(UINT nPage, CPoint point)
{
    if (m_nZoomState == ZOOM_OUT) {
        m_nPages = m_nZoomOutPages;
        SetScrollSizes(MM_TEXT, CSize(1, 1));
        ShowZoomOutScrollBar();
        SetCurrentPage(m_nCurrentPage, TRUE);
        return;
    }
    m_nPages = 1;
    m_pPageInfo[0].rectScreen = m_pPageInfo[nPage].rectScreen;
    m_pPageInfo[0].sizeUnscaled = m_pPageInfo[nPage].sizeUnscaled;
    m_pPageInfo[0].sizeZoomOutRatio = m_pPageInfo[nPage].sizeZoomOutRatio;
    m_nCurrentPage += nPage;
    SetScaledSize(0);
    const PAGE_INFO& page = m_pPageInfo[0];
    point.x = ::MulDiv(point.x, page.sizeScaleRatio.cx, page.sizeScaleRatio.cy) + page.rectScreen.left;
    point.y = ::MulDiv(point.y, page.sizeScaleRatio.cx, page.sizeScaleRatio.cy) + page.rectScreen.top;
    CRect client;
    GetClientRect(&client);
    ScrollToPosition(
        CPoint(std::max(0L, point.x - client.Width() / 2), std::max(0L, point.y - client.Height() / 2)));
    Invalidate(TRUE);
}

BOOL CPreviewView::FindPageRect(CPoint& point, UINT& nPage)
{
    CPoint at = point;
    if (m_nZoomState != ZOOM_OUT)
        at += GetDeviceScrollPosition();
    for (nPage = 0; nPage < m_nPages; ++nPage) {
        const PAGE_INFO& page = m_pPageInfo[nPage];
        if (!page.rectScreen.PtInRect(at) || page.sizeScaleRatio.cx <= 0)
            continue;
        // Back to the page's own pixels, for zooming about it.
        point.x = ::MulDiv(at.x - page.rectScreen.left, page.sizeScaleRatio.cy, page.sizeScaleRatio.cx);
        point.y = ::MulDiv(at.y - page.rectScreen.top, page.sizeScaleRatio.cy, page.sizeScaleRatio.cx);
        return TRUE;
    }
    return FALSE;
}

void CPreviewView::OnNextPage()
{
    SetCurrentPage(m_nCurrentPage + 1, TRUE);
}

void CPreviewView::OnPrevPage()
{
    if (m_nCurrentPage > 1)
        SetCurrentPage(m_nCurrentPage - 1, TRUE);
}

void CPreviewView::OnNumPageChange()
{
    m_nPages = m_nPages == 1 ? std::min(2u, m_nMaxPages) : 1;
    m_nZoomOutPages = m_nPages;
    SetCurrentPage(m_nCurrentPage, TRUE);
}

void CPreviewView::OnUpdateNumPageChange(CCmdUI* pCmdUI)
{
    bool twoPossible = m_pPreviewInfo->GetMaxPage() >= 2 || m_nPages >= 2;
    pCmdUI->Enable(m_nZoomState == ZOOM_OUT && m_nMaxPages != 1 && twoPossible);
}

void CPreviewView::OnUpdateNextPage(CCmdUI* pCmdUI)
{
    pCmdUI->Enable(m_nCurrentPage + m_nPages - 1 < m_pPreviewInfo->GetMaxPage());
}

void CPreviewView::OnUpdatePrevPage(CCmdUI* pCmdUI)
{
    pCmdUI->Enable(m_pPreviewInfo->GetMinPage() < m_nCurrentPage);
}

void CPreviewView::OnSize(UINT nType, int cx, int cy)
{
    if (m_nZoomState != ZOOM_OUT || !m_pPreviewInfo) {
        CScrollView::OnSize(nType, cx, cy);
        return;
    }
    Default();
    SetCurrentPage(m_nCurrentPage, TRUE); // whole pages fit the new size
}

void CPreviewView::OnVScroll(UINT nSBCode, UINT nPos, CScrollBar* pScrollBar)
{
    if (m_nZoomState != ZOOM_OUT || !m_pPreviewInfo) {
        CScrollView::OnVScroll(nSBCode, nPos, pScrollBar);
        return;
    }
    UINT page = m_nCurrentPage;
    if (nSBCode == SB_TOP)
        page = m_pPreviewInfo->GetMinPage();
    else if (nSBCode == SB_BOTTOM)
        page = m_pPreviewInfo->GetMaxPage();
    else if ((nSBCode == SB_LINEUP || nSBCode == SB_PAGEUP) && page > 1)
        --page;
    else if (nSBCode == SB_LINEDOWN || nSBCode == SB_PAGEDOWN)
        ++page;
    else if (nSBCode == SB_THUMBTRACK || nSBCode == SB_THUMBPOSITION)
        page = nPos;
    if (page != m_nCurrentPage)
        SetCurrentPage(page, TRUE);
}
