#include "CStatusBar.h"

#include "WfxRes.h"

IMPLEMENT_DYNAMIC(CStatusBar, CControlBar)

// The control paints itself.
BEGIN_MESSAGE_MAP(CStatusBar, CControlBar)
ON_WM_PAINT()
ON_WM_ERASEBKGND()
END_MESSAGE_MAP()

CStatusBar::CStatusBar() = default;

BOOL CStatusBar::Create(CWnd* pParentWnd, DWORD dwStyle, UINT nID)
{
    m_dwStyle = dwStyle & CBRS_ALL;
    // The frame places the bar: the control neither moves nor sizes itself.
    DWORD style = (dwStyle & ~CBRS_ALL) | WS_CHILD | CCS_NOPARENTALIGN | CCS_NOMOVEY | CCS_NORESIZE;
    return CreateEx(0, STATUSCLASSNAMEW, nullptr, style, CRect(0, 0, 0, 0), pParentWnd, nID);
}

CSize CStatusBar::CalcFixedLayout(BOOL bStretch, BOOL bHorz)
{
    int borders[3] = {};
    SendMessage(SB_GETBORDERS, 0, reinterpret_cast<LPARAM>(borders));
    HFONT font = reinterpret_cast<HFONT>(SendMessage(WM_GETFONT));
    HDC dc = ::GetDC(m_hWnd);
    HGDIOBJ old = ::SelectObject(dc, font ? font : ::GetStockObject(DEFAULT_GUI_FONT));
    TEXTMETRICW metrics{};
    ::GetTextMetricsW(dc, &metrics);
    ::SelectObject(dc, old);
    ::ReleaseDC(m_hWnd, dc);
    int height = metrics.tmHeight + 2 * borders[1] + 2 * ::GetSystemMetrics(SM_CYEDGE);
    CSize size = CControlBar::CalcFixedLayout(bStretch, bHorz);
    return CSize(size.cx, height);
}

void CStatusBar::OnUpdateCmdUI(CFrameWnd*, BOOL) {}

void CStatusBar::OnPaint()
{
    Default();
}

BOOL CStatusBar::OnEraseBkgnd(CDC*)
{
    return BOOL(Default());
}
