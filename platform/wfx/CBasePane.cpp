#include "CBasePane.h"

#include "CMFCVisualManager.h"
#include "CPaintDC.h"

IMPLEMENT_DYNAMIC(CBasePane, CWnd)

BEGIN_MESSAGE_MAP(CBasePane, CWnd)
ON_WM_PAINT()
ON_WM_ERASEBKGND()
ON_WM_CONTEXTMENU()
END_MESSAGE_MAP()

BOOL CBasePane::IsHorizontal() const
{
    DWORD align = GetCurrentAlignment();
    return (align & (CBRS_ALIGN_TOP | CBRS_ALIGN_BOTTOM)) || !(align & (CBRS_ALIGN_LEFT | CBRS_ALIGN_RIGHT));
}

CSize CBasePane::CalcFixedLayout(BOOL bStretch, BOOL bHorz)
{
    CRect rect;
    if (m_hWnd)
        GetWindowRect(&rect);
    if (bStretch)
        return bHorz ? CSize(32767, rect.Height()) : CSize(rect.Width(), 32767);
    return rect.Size();
}

void CBasePane::DoPaint(CDC* pDC)
{
    CRect client;
    GetClientRect(&client);
    CMFCVisualManager::GetInstance()->OnFillBarBackground(pDC, this, client, client);
}

BOOL CBasePane::OnShowControlBarMenu(CPoint)
{
    return FALSE;
}

BOOL CBasePane::PreCreateWindow(CREATESTRUCTW& cs)
{
    m_dwStyle |= DWORD(cs.style) & 0xFFFF;
    cs.style &= ~LONG(0xFFFF); // class bits of a window style; the pane's are kept apart
    return CWnd::PreCreateWindow(cs);
}

void CBasePane::OnPaint()
{
    CPaintDC dc(this);
    DoPaint(&dc);
}

BOOL CBasePane::OnEraseBkgnd(CDC*)
{
    return TRUE; // DoPaint covers the whole pane
}

void CBasePane::OnContextMenu(CWnd* pWnd, CPoint point)
{
    if (!OnShowControlBarMenu(point))
        CWnd::OnContextMenu(pWnd, point);
}
