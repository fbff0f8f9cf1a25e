#include "CMiniDockFrameWnd.h"

IMPLEMENT_DYNCREATE(CMiniDockFrameWnd, CFrameWnd)

BEGIN_MESSAGE_MAP(CMiniDockFrameWnd, CFrameWnd)
ON_WM_CLOSE()
ON_WM_SIZE()
END_MESSAGE_MAP()

namespace {

const DWORD kFrameStyle = WS_POPUP | WS_CAPTION | WS_SYSMENU | WS_THICKFRAME | WS_CLIPCHILDREN;
const DWORD kFrameExStyle = WS_EX_TOOLWINDOW;

} // namespace

CMiniDockFrameWnd::CMiniDockFrameWnd() : m_wndDockBar(TRUE) {}

BOOL CMiniDockFrameWnd::PreCreateWindow(CREATESTRUCTW& cs)
{
    if (!cs.lpszClass)
        cs.lpszClass = AfxRegisterWndClass(CS_DBLCLKS, ::LoadCursorW(nullptr, IDC_ARROW),
                                           reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1));
    return TRUE;
}

BOOL CMiniDockFrameWnd::Create(CWnd* pParent, DWORD dwBarStyle)
{
    m_bAutoDelete = TRUE;
    if (!CreateEx(kFrameExStyle, nullptr, nullptr, kFrameStyle, 0, 0, 0, 0,
                  pParent ? pParent->m_hWnd : nullptr, nullptr))
        return FALSE;
    return m_wndDockBar.Create(this, WS_CHILD | WS_VISIBLE | (dwBarStyle & CBRS_ALIGN_ANY),
                               AFX_IDW_DOCKBAR_FLOAT);
}

// The frame takes the size its bar asks for.
void CMiniDockFrameWnd::RecalcLayout(BOOL)
{
    if (m_bInRecalcLayout || !m_wndDockBar.m_hWnd)
        return;
    m_bInRecalcLayout = TRUE;
    CSize size = m_wndDockBar.CalcFixedLayout(FALSE, TRUE);
    m_wndDockBar.SetWindowPos(nullptr, 0, 0, size.cx, size.cy, SWP_NOZORDER | SWP_NOACTIVATE);
    CRect outer(0, 0, size.cx, size.cy);
    ::AdjustWindowRectEx(&outer, GetStyle(), FALSE, GetExStyle());
    SetWindowPos(nullptr, 0, 0, outer.Width(), outer.Height(), SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
    m_bInRecalcLayout = FALSE;
}

void CMiniDockFrameWnd::OnClose()
{
    for (INT_PTR i = 0; i < m_wndDockBar.m_arrBars.GetSize(); ++i)
        if (CControlBar* bar = m_wndDockBar.GetDockedControlBar(int(i)); bar && bar->m_pDockSite)
            bar->m_pDockSite->ShowControlBar(bar, FALSE, FALSE);
}

// A frame the user resized asks its bar for the floating size that fits.
void CMiniDockFrameWnd::OnSize(UINT nType, int cx, int cy)
{
    CWnd::OnSize(nType, cx, cy);
    if (m_bInRecalcLayout || nType == SIZE_MINIMIZED)
        return;
    for (INT_PTR i = 0; i < m_wndDockBar.m_arrBars.GetSize(); ++i)
        if (CControlBar* bar = m_wndDockBar.GetDockedControlBar(int(i))) {
            bar->CalcDynamicLayout(cx, LM_HORZ);
            bar->CalcDynamicLayout(cy, LM_HORZ | LM_LENGTHY);
        }
    RecalcLayout();
}
