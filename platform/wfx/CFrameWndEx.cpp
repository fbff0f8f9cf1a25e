#include "CFrameWndEx.h"

#include "CBasePane.h"

#include <algorithm>

IMPLEMENT_DYNCREATE(CFrameWndEx, CFrameWnd)

namespace {

// Puts the pane along its edge of `rest` and takes its room out of `rest`.
void placePane(CBasePane& pane, CRect& rest)
{
    DWORD align = pane.GetCurrentAlignment();
    BOOL horizontal = pane.IsHorizontal();
    CSize size = pane.CalcFixedLayout(TRUE, horizontal);
    CRect placed = rest;
    if (horizontal && !(align & CBRS_ALIGN_TOP) && (align & CBRS_ALIGN_BOTTOM)) {
        placed.top = std::max(rest.top, rest.bottom - size.cy);
        rest.bottom = placed.top;
    } else if (horizontal) {
        placed.bottom = std::min(rest.bottom, rest.top + size.cy);
        rest.top = placed.bottom;
    } else if (align & CBRS_ALIGN_LEFT) {
        placed.right = std::min(rest.right, rest.left + size.cx);
        rest.left = placed.right;
    } else {
        placed.left = std::max(rest.left, rest.right - size.cx);
        rest.right = placed.left;
    }
    pane.SetWindowPos(nullptr, placed.left, placed.top, placed.Width(), placed.Height(),
                      SWP_NOZORDER | SWP_NOACTIVATE);
}

} // namespace

BOOL CFrameWndEx::Create(LPCWSTR lpszClassName, LPCWSTR lpszWindowName, DWORD dwStyle, const RECT& rect,
                         CWnd* pParentWnd, LPCWSTR lpszMenuName, DWORD dwExStyle, CCreateContext* pContext)
{
    if (!CFrameWnd::Create(lpszClassName, lpszWindowName, dwStyle, rect, pParentWnd, lpszMenuName, dwExStyle,
                           pContext))
        return FALSE;
    if (::GetMenu(m_hWnd))
        ::SetMenu(m_hWnd, nullptr); // kept in m_hMenuDefault, destroyed with the frame
    return TRUE;
}

BOOL CFrameWndEx::AddPane(CBasePane* pControlBar, BOOL bTail)
{
    if (!pControlBar || !pControlBar->m_hWnd)
        return FALSE;
    m_panes.erase(std::remove(m_panes.begin(), m_panes.end(), pControlBar->m_hWnd), m_panes.end());
    m_panes.insert(bTail ? m_panes.end() : m_panes.begin(), pControlBar->m_hWnd);
    RecalcLayout();
    return TRUE;
}

void CFrameWndEx::RecalcPaneLayout(CRect& rectClient)
{
    m_panes.erase(std::remove_if(m_panes.begin(), m_panes.end(), [](HWND h) { return !::IsWindow(h); }),
                  m_panes.end());
    for (HWND h : m_panes) {
        CBasePane* pane = DYNAMIC_DOWNCAST(CBasePane, FromHandlePermanent(h));
        if (pane && (pane->GetStyle() & WS_VISIBLE))
            placePane(*pane, rectClient);
    }
}
