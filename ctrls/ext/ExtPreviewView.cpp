#include "ExtPreviewView.h"

#include "IPrintView.h"

#include <algorithm>

IMPLEMENT_DYNCREATE(ExtPreviewView, CPreviewView)

BEGIN_MESSAGE_MAP(ExtPreviewView, CPreviewView)
ON_WM_CREATE()
ON_WM_ERASEBKGND()
ON_WM_SETCURSOR()
ON_WM_LBUTTONDOWN()
ON_WM_LBUTTONUP()
ON_WM_RBUTTONDOWN()
ON_WM_MOUSEMOVE()
ON_COMMAND(AFX_ID_PREVIEW_CLOSE, &ExtPreviewView::OnPreviewClose)
ON_COMMAND(AFX_ID_PREVIEW_PRINT, &ExtPreviewView::OnPreviewPrint)
ON_COMMAND(ID_FILE_PRINT, &ExtPreviewView::OnPreviewPrint)
ON_COMMAND(AFX_ID_PREVIEW_ZOOMIN, &ExtPreviewView::OnZoomIn)
ON_COMMAND(AFX_ID_PREVIEW_ZOOMOUT, &ExtPreviewView::OnZoomOut)
ON_COMMAND(ID_PREVIEW_SCALE_MODE, &ExtPreviewView::OnScaleMode)
ON_COMMAND(ID_PREVIEW_MOVE_MODE, &ExtPreviewView::OnMoveMode)
ON_UPDATE_COMMAND_UI(AFX_ID_PREVIEW_ZOOMIN, &ExtPreviewView::OnUpdateZoomIn)
ON_UPDATE_COMMAND_UI(AFX_ID_PREVIEW_ZOOMOUT, &ExtPreviewView::OnUpdateZoomOut)
END_MESSAGE_MAP()

ExtPreviewView::ExtPreviewView() = default;

ExtPreviewView::~ExtPreviewView() = default;

BOOL ExtPreviewView::PreCreateWindow(CREATESTRUCTW& cs)
{
    // No class cursor: the view sets its own by mode.
    if (!cs.lpszClass)
        cs.lpszClass = AfxRegisterWndClass(CS_BYTEALIGNCLIENT | CS_DBLCLKS | CS_HREDRAW | CS_VREDRAW);
    return CPreviewView::PreCreateWindow(cs);
}

HCURSOR ExtPreviewView::loadCursor(UINT nID) const
{
    LPCWSTR name = MAKEINTRESOURCEW(nID);
    HINSTANCE module = AfxFindResourceHandle(name, RT_GROUP_CURSOR, GetRuntimeClass());
    HCURSOR cursor = module ? ::LoadCursorW(module, name) : nullptr;
    return cursor ? cursor : ::LoadCursorW(nullptr, IDC_ARROW);
}

int ExtPreviewView::OnCreate(LPCREATESTRUCT lpCreateStruct)
{
    if (CPreviewView::OnCreate(lpCreateStruct) == -1)
        return -1;
    m_hMoveCursor = loadCursor(IDC_PREVIEW_MOVE);
    m_hMovePressedCursor = loadCursor(IDC_PREVIEW_MOVE_PRESSED);
    m_hMagnifyCursor = loadCursor(AFX_IDC_MAGNIFY);
    if (m_pToolBar) {
        m_pToolBar->CheckDlgButton(ID_PREVIEW_SCALE_MODE, m_bScaleMode ? BST_CHECKED : BST_UNCHECKED);
        m_pToolBar->CheckDlgButton(ID_PREVIEW_MOVE_MODE, m_bScaleMode ? BST_UNCHECKED : BST_CHECKED);
    }
    return 0;
}

void ExtPreviewView::OnActivateView(BOOL bActivate, CView* pActivateView, CView* pDeactiveView)
{
    m_bActivated = true;
    CPreviewView::OnActivateView(bActivate, pActivateView, pDeactiveView);
}

CSize ExtPreviewView::stepRatio(CSize zoomOut) const
{
    int n = zoomOut.cx;
    int d = zoomOut.cy;
    switch (m_nZoomState) {
    case 0:
        return zoomOut;
    case 1:
        return n < d ? CSize((n + d) / 2, d) : CSize((3 * n - d) / 2, d);
    case 2:
        return n < d ? CSize(1, 1) : CSize(2 * n - d, d);
    default:
        return CSize(int(m_nZoomState - 2) * m_nStep + 100, 100);
    }
}

void ExtPreviewView::SetScaledSize(UINT nPage)
{
    PAGE_INFO& page = m_pPageInfo[nPage];
    if (page.sizeZoomOutRatio.cx <= 0 || page.sizeZoomOutRatio.cy <= 0) {
        PositionPage(nPage); // zoomed before the page was ever placed
        return;
    }
    page.sizeScaleRatio = stepRatio(page.sizeZoomOutRatio);
    PlaceScaledPage(nPage);
}

void ExtPreviewView::InitVxPrintOffset(CDC* pDC)
{
    auto* preview = static_cast<CPreviewDC*>(pDC);
    CSize size = PhysicalPageOnScreen();
    m_pPageInfo[0].sizeZoomOutRatio = CalcScaleRatio(CalcPageDisplaySize(), size);
    // The offset is taken at 400 %, on a page placed at the margin; the page
    // shown keeps its own place and scale.
    const int scale = 4;
    CPoint pageTopLeft(8, 8);
    CSize viewport = preview->GetViewportExt();
    CSize window = preview->GetWindowExt();
    CSize newViewport = viewport;
    CSize newWindow = window;
    CPreviewDC::DoubleExtents(newViewport.cx, newWindow.cx);
    CPreviewDC::DoubleExtents(newViewport.cy, newWindow.cy);
    HDC screen = ::GetDC(nullptr);
    newViewport.cx = CPreviewDC::MultMultDivDiv(newViewport.cx, scale, ::GetDeviceCaps(screen, LOGPIXELSX), 1,
                                                pDC->GetDeviceCaps(LOGPIXELSX));
    newViewport.cy = CPreviewDC::MultMultDivDiv(newViewport.cy, scale, ::GetDeviceCaps(screen, LOGPIXELSY), 1,
                                                pDC->GetDeviceCaps(LOGPIXELSY));
    ::ReleaseDC(nullptr, screen);
    POINT offset{};
    preview->Escape(GETPRINTINGOFFSET, 0, nullptr, &offset);
    m_printOffset.x =
        CPreviewDC::MultMultDivDiv(offset.x, window.cx, newViewport.cx, viewport.cx, newWindow.cx);
    m_printOffset.y =
        CPreviewDC::MultMultDivDiv(offset.y, window.cy, newViewport.cy, viewport.cy, newWindow.cy);
    m_printOffset += pageTopLeft + CPoint(1, 1);
    m_viewportExt = newViewport;
    m_windowExt = newWindow;
    m_bOffsetInit = true;
}

void ExtPreviewView::PrintPageContent(UINT)
{
    if (!m_bOffsetInit)
        InitVxPrintOffset(m_pPreviewDC.get());
    auto* printView = dynamic_cast<IPrintView*>(m_pPrintView); // without it the page stays white
    if (printView)
        printView->printPage(m_pPreviewDC.get(), m_pPreviewInfo.get());
}

BOOL ExtPreviewView::OnEraseBkgnd(CDC* pDC)
{
    CRect clip;
    pDC->GetClipBox(&clip);
    HGDIOBJ old = ::SelectObject(pDC->m_hDC, ::GetSysColorBrush(COLOR_APPWORKSPACE));
    pDC->PatBlt(clip.left, clip.top, clip.Width(), clip.Height(), PATCOPY);
    ::SelectObject(pDC->m_hDC, old);
    CWnd* main = AfxGetMainWnd();
    return main && ::GetForegroundWindow() == main->m_hWnd;
}

void ExtPreviewView::setCursorAt(CPoint point)
{
    UINT page = 0;
    HCURSOR cursor = ::LoadCursorW(nullptr, IDC_ARROW);
    if (FindPageRect(point, page))
        cursor = m_bScaleMode ? m_hMagnifyCursor : m_bButtonDown ? m_hMovePressedCursor : m_hMoveCursor;
    ::SetCursor(cursor);
}

BOOL ExtPreviewView::OnSetCursor(CWnd*, UINT nHitTest, UINT)
{
    if (nHitTest != HTCLIENT)
        return BOOL(Default());
    CPoint point;
    ::GetCursorPos(&point);
    ScreenToClient(&point);
    setCursorAt(point);
    return TRUE;
}

void ExtPreviewView::OnLButtonDown(UINT, CPoint point)
{
    m_bButtonDown = true;
    if (!m_bScaleMode) {
        m_lastPoint = point;
        SetCapture(); // the drag goes on outside the window
    }
    CPoint onPage = point;
    UINT page = 0;
    if (m_bScaleMode && m_nZoomState < kLastStep && FindPageRect(onPage, page))
        SetZoomState(m_nZoomState + 1, page, onPage);
    setCursorAt(point);
}

void ExtPreviewView::OnLButtonUp(UINT, CPoint point)
{
    m_bButtonDown = false;
    if (::GetCapture() == m_hWnd)
        ::ReleaseCapture();
    CPoint onPage = point;
    UINT page = 0;
    if (FindPageRect(onPage, page))
        setCursorAt(point);
    Default();
}

void ExtPreviewView::OnRButtonDown(UINT, CPoint point)
{
    UINT page = 0;
    if (m_bScaleMode && m_nZoomState > 0 && FindPageRect(point, page))
        SetZoomState(m_nZoomState - 1, page, point);
}

void ExtPreviewView::OnMouseMove(UINT nFlags, CPoint point)
{
    if (nFlags != MK_LBUTTON || m_bScaleMode || m_nZoomState == ZOOM_OUT)
        return;
    OnScrollBy(CSize(m_lastPoint.x - point.x, m_lastPoint.y - point.y));
    m_lastPoint = point;
}

void ExtPreviewView::OnPreviewClose()
{
    // The preview is gone after the framework's close: what the MDI
    // activation needs is taken first, and only an MDI child gets it.
    CFrameWnd* frame = m_pOrigView ? m_pOrigView->GetParentFrame() : nullptr;
    HWND child = frame && frame->IsKindOf(RUNTIME_CLASS(CMDIChildWnd)) ? frame->m_hWnd : nullptr;
    CPreviewView::OnPreviewClose();
    if (child && ::IsWindow(child))
        ::SendMessageW(::GetParent(child), WM_MDIACTIVATE, reinterpret_cast<WPARAM>(child), 0);
}

void ExtPreviewView::OnPreviewPrint()
{
    HWND view = m_pOrigView ? m_pOrigView->m_hWnd : nullptr; // read before the close deletes the preview
    SendMessage(WM_COMMAND, AFX_ID_PREVIEW_CLOSE);
    if (view && ::IsWindow(view))
        ::SendMessageW(view, WM_COMMAND, ID_FILE_PRINT, 0);
}

void ExtPreviewView::OnZoomIn()
{
    if (m_nZoomState < kLastStep)
        SetZoomState(m_nZoomState + 1, 0, CPoint(0, 0));
}

void ExtPreviewView::OnZoomOut()
{
    if (m_nZoomState > 0)
        SetZoomState(m_nZoomState - 1, 0, CPoint(0, 0));
}

void ExtPreviewView::OnScaleMode()
{
    m_bScaleMode = true;
}

void ExtPreviewView::OnMoveMode()
{
    m_bScaleMode = false;
}

void ExtPreviewView::OnUpdateZoomIn(CCmdUI* pCmdUI)
{
    pCmdUI->Enable(m_nZoomState != kLastStep);
}

void ExtPreviewView::OnUpdateZoomOut(CCmdUI* pCmdUI)
{
    pCmdUI->Enable(m_nZoomState != 0);
}
