// CWnd::RepositionBars: the control bars of a window take their room along
// its edges (WM_SIZEPARENT), the left-over child gets the rest.

#include "CControlBar.h"
#include "CWnd.h"
#include "WfxRes.h"

#include <algorithm>
#include <vector>

namespace {

// Dock bars along the top and bottom take the whole width, those at the
// sides what is left between them.
int dockBarRank(HWND dockBar)
{
    switch (::GetDlgCtrlID(dockBar)) {
    case AFX_IDW_DOCKBAR_TOP:
        return 0;
    case AFX_IDW_DOCKBAR_BOTTOM:
        return 1;
    case AFX_IDW_DOCKBAR_LEFT:
        return 2;
    default:
        return 3;
    }
}

std::vector<HWND> barsInRange(HWND parent, UINT first, UINT last, UINT leftOver)
{
    std::vector<HWND> standing;
    std::vector<HWND> dockBars;
    for (HWND child = ::GetWindow(parent, GW_CHILD); child; child = ::GetWindow(child, GW_HWNDNEXT)) {
        UINT id = UINT(::GetDlgCtrlID(child));
        if (id < first || id > last || id == leftOver)
            continue;
        auto* bar = DYNAMIC_DOWNCAST(CControlBar, CWnd::FromHandlePermanent(child));
        (bar && bar->IsDockBar() ? dockBars : standing).push_back(child);
    }
    std::stable_sort(dockBars.begin(), dockBars.end(),
                     [](HWND a, HWND b) { return dockBarRank(a) < dockBarRank(b); });
    standing.insert(standing.end(), dockBars.begin(), dockBars.end());
    return standing;
}

} // namespace

void CWnd::RepositionBars(UINT nIDFirst, UINT nIDLast, UINT nIDLeftOver, UINT nFlag, LPRECT lpRectParam,
                          LPCRECT lpRectClient, BOOL bStretch)
{
    AFX_SIZEPARENTPARAMS layout{};
    layout.bStretch = bStretch;
    if (lpRectClient)
        layout.rect = *lpRectClient;
    else
        GetClientRect(&layout.rect);
    std::vector<HWND> bars = barsInRange(m_hWnd, nIDFirst, nIDLast, nIDLeftOver);
    layout.hDWP = nFlag == reposQuery ? nullptr : ::BeginDeferWindowPos(int(bars.size()) + 1);
    for (HWND bar : bars)
        ::SendMessageW(bar, WM_SIZEPARENT, 0, reinterpret_cast<LPARAM>(&layout));
    if (lpRectParam)
        *lpRectParam = layout.rect;
    if (nFlag == reposQuery)
        return;
    HWND rest = ::GetDlgItem(m_hWnd, int(nIDLeftOver));
    const RECT& r = layout.rect;
    if (rest && layout.hDWP)
        layout.hDWP = ::DeferWindowPos(layout.hDWP, rest, nullptr, r.left, r.top, r.right - r.left,
                                       r.bottom - r.top, SWP_NOZORDER | SWP_NOACTIVATE);
    if (layout.hDWP)
        ::EndDeferWindowPos(layout.hDWP);
}
