#include "CControlBar.h"

#include "CDC.h"
#include "CDockBar.h"
#include "CDockContext.h"
#include "CFrameWnd.h"
#include "CPaintDC.h"

#include <algorithm>

IMPLEMENT_DYNAMIC(CControlBar, CWnd)

BEGIN_MESSAGE_MAP(CControlBar, CWnd)
ON_WM_CREATE()
ON_WM_PAINT()
ON_WM_ERASEBKGND()
ON_WM_LBUTTONDOWN()
ON_WM_LBUTTONDBLCLK()
ON_MESSAGE(WM_SIZEPARENT, &CControlBar::OnSizeParent)
ON_MESSAGE(WM_IDLEUPDATECMDUI, &CControlBar::OnIdleUpdateCmdUI)
END_MESSAGE_MAP()

namespace {

const int kGripperRoom = 8;

// Places a bar of `size` along its edge of `rest` and takes the room out.
CRect takeEdge(DWORD align, CSize size, CRect& rest)
{
    CRect place = rest;
    if (align & CBRS_ALIGN_TOP) {
        place.bottom = std::min(rest.bottom, rest.top + size.cy);
        rest.top = place.bottom;
    } else if (align & CBRS_ALIGN_BOTTOM) {
        place.top = std::max(rest.top, rest.bottom - size.cy);
        rest.bottom = place.top;
    } else if (align & CBRS_ALIGN_LEFT) {
        place.right = std::min(rest.right, rest.left + size.cx);
        rest.left = place.right;
    } else {
        place.left = std::max(rest.left, rest.right - size.cx);
        rest.right = place.left;
    }
    return place;
}

} // namespace

CControlBar::CControlBar() = default;

CControlBar::~CControlBar()
{
    leaveSiteAndDockBar();
    delete m_pDockContext;
}

void CControlBar::leaveSiteAndDockBar()
{
    if (m_pDockBar)
        m_pDockBar->forgetBar(this);
    m_pDockBar = nullptr;
    if (m_pDockSite)
        m_pDockSite->removeControlBar(this);
    m_pDockSite = nullptr;
}

LRESULT CControlBar::WindowProc(UINT message, WPARAM wParam, LPARAM lParam)
{
    if (message == WM_NCDESTROY)
        leaveSiteAndDockBar();
    return CWnd::WindowProc(message, wParam, lParam);
}

void CControlBar::PostNcDestroy()
{
    if (m_bAutoDelete)
        delete this;
}

int CControlBar::OnCreate(LPCREATESTRUCT lpCreateStruct)
{
    if (CWnd::OnCreate(lpCreateStruct) == -1)
        return -1;
    m_pDockSite = GetParentFrame();
    if (m_pDockSite)
        m_pDockSite->addControlBar(this);
    return 0;
}

void CControlBar::EnableDocking(DWORD dwDockStyle)
{
    m_dwDockStyle = dwDockStyle & CBRS_ALIGN_ANY;
    if (!m_pDockContext)
        m_pDockContext = new CDockContext(this);
}

CFrameWnd* CControlBar::GetDockingFrame() const
{
    return GetParentFrame();
}

BOOL CControlBar::IsFloating() const
{
    return (m_dwStyle & CBRS_FLOATING) != 0;
}

BOOL CControlBar::IsVisible() const
{
    if (m_nStateFlags & delayHide)
        return FALSE;
    return (m_nStateFlags & delayShow) || (GetStyle() & WS_VISIBLE);
}

CSize CControlBar::CalcFixedLayout(BOOL bStretch, BOOL bHorz)
{
    CRect rect;
    if (m_hWnd)
        GetWindowRect(&rect);
    if (bStretch)
        return bHorz ? CSize(32767, rect.Height()) : CSize(rect.Width(), 32767);
    return rect.Size();
}

CSize CControlBar::CalcDynamicLayout(int, DWORD nMode)
{
    return CalcFixedLayout((nMode & LM_STRETCH) != 0, (nMode & LM_HORZ) != 0);
}

void CControlBar::DoPaint(CDC* pDC)
{
    CRect rect;
    GetClientRect(&rect);
    DrawBorders(pDC, rect);
}

void CControlBar::DrawBorders(CDC* pDC, CRect& rect)
{
    COLORREF shadow = ::GetSysColor(COLOR_BTNSHADOW);
    if (m_dwStyle & CBRS_BORDER_LEFT)
        pDC->FillSolidRect(rect.left++, rect.top, 1, rect.Height(), shadow);
    if (m_dwStyle & CBRS_BORDER_TOP)
        pDC->FillSolidRect(rect.left, rect.top++, rect.Width(), 1, shadow);
    if (m_dwStyle & CBRS_BORDER_RIGHT)
        pDC->FillSolidRect(--rect.right, rect.top, 1, rect.Height(), shadow);
    if (m_dwStyle & CBRS_BORDER_BOTTOM)
        pDC->FillSolidRect(rect.left, --rect.bottom, rect.Width(), 1, shadow);
}

void CControlBar::CalcInsideRect(CRect& rect, BOOL bHorz) const
{
    rect.left += (m_dwStyle & CBRS_BORDER_LEFT) ? 1 : 0;
    rect.top += (m_dwStyle & CBRS_BORDER_TOP) ? 1 : 0;
    rect.right -= (m_dwStyle & CBRS_BORDER_RIGHT) ? 1 : 0;
    rect.bottom -= (m_dwStyle & CBRS_BORDER_BOTTOM) ? 1 : 0;
    if ((m_dwStyle & CBRS_GRIPPER) && bHorz)
        rect.left += kGripperRoom;
    else if (m_dwStyle & CBRS_GRIPPER)
        rect.top += kGripperRoom;
}

void CControlBar::DelayShow(BOOL bShow)
{
    m_nStateFlags &= ~(delayHide | delayShow);
    BOOL shown = (GetStyle() & WS_VISIBLE) != 0;
    if (bShow && !shown)
        m_nStateFlags |= delayShow;
    else if (!bShow && shown)
        m_nStateFlags |= delayHide;
}

void CControlBar::RecalcDelayShow(AFX_SIZEPARENTPARAMS* lpLayout)
{
    if (!(m_nStateFlags & (delayHide | delayShow)))
        return;
    UINT flags = SWP_NOSIZE | SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE;
    flags |= (m_nStateFlags & delayShow) ? SWP_SHOWWINDOW : SWP_HIDEWINDOW;
    m_nStateFlags &= ~(delayHide | delayShow);
    if (lpLayout && lpLayout->hDWP)
        lpLayout->hDWP = ::DeferWindowPos(lpLayout->hDWP, m_hWnd, nullptr, 0, 0, 0, 0, flags);
    else
        ::SetWindowPos(m_hWnd, nullptr, 0, 0, 0, 0, flags);
}

void CControlBar::OnPaint()
{
    CPaintDC dc(this);
    DoPaint(&dc);
}

BOOL CControlBar::OnEraseBkgnd(CDC* pDC)
{
    CRect rect;
    GetClientRect(&rect);
    pDC->FillSolidRect(&rect, ::GetSysColor(COLOR_BTNFACE));
    return TRUE;
}

void CControlBar::OnLButtonDown(UINT, CPoint point)
{
    if (!m_pDockContext || IsFloating()) {
        Default();
        return;
    }
    ClientToScreen(&point);
    m_pDockContext->StartDrag(point);
}

void CControlBar::OnLButtonDblClk(UINT, CPoint)
{
    if (m_pDockContext)
        m_pDockContext->ToggleDocking();
    else
        Default();
}

LRESULT CControlBar::OnSizeParent(WPARAM, LPARAM lParam)
{
    auto* layout = reinterpret_cast<AFX_SIZEPARENTPARAMS*>(lParam);
    BOOL visible = IsVisible(); // a delayed show is only deferred here
    RecalcDelayShow(layout);
    DWORD align = m_dwStyle & CBRS_ALIGN_ANY;
    if (!visible || !align || IsFloating())
        return 0;
    BOOL horz = (m_dwStyle & CBRS_ORIENT_HORZ) != 0;
    CSize size = CalcFixedLayout(layout->bStretch, horz);
    CRect rest(layout->rect);
    CRect place = takeEdge(align, size, rest);
    layout->rect = rest;
    if (horz) {
        layout->sizeTotal.cy += place.Height();
        layout->sizeTotal.cx = std::max(layout->sizeTotal.cx, LONG(place.Width()));
    } else {
        layout->sizeTotal.cx += place.Width();
        layout->sizeTotal.cy = std::max(layout->sizeTotal.cy, LONG(place.Height()));
    }
    if (layout->hDWP)
        layout->hDWP = ::DeferWindowPos(layout->hDWP, m_hWnd, nullptr, place.left, place.top, place.Width(),
                                        place.Height(), SWP_NOZORDER | SWP_NOACTIVATE);
    return 0;
}

LRESULT CControlBar::OnIdleUpdateCmdUI(WPARAM wParam, LPARAM)
{
    if (!(GetStyle() & WS_VISIBLE))
        return 0;
    CFrameWnd* target = m_pDockSite ? m_pDockSite : GetParentFrame();
    if (target)
        OnUpdateCmdUI(target, BOOL(wParam));
    return 0;
}
