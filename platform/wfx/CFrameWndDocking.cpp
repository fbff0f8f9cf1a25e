// CFrameWnd as a dock site: its dock bars, the control bars it lays out,
// docking, floating and showing them.

#include "CControlBar.h"
#include "CDockBar.h"
#include "CFrameWnd.h"
#include "CMiniDockFrameWnd.h"
#include "WfxInternal.h"

#include <algorithm>

namespace {

struct DockSide
{
    DWORD align;
    UINT id;
};

// The order in which a bar looks for a dock bar it may use.
const DockSide kDockSides[4] = {{CBRS_ALIGN_TOP, AFX_IDW_DOCKBAR_TOP},
                                {CBRS_ALIGN_BOTTOM, AFX_IDW_DOCKBAR_BOTTOM},
                                {CBRS_ALIGN_LEFT, AFX_IDW_DOCKBAR_LEFT},
                                {CBRS_ALIGN_RIGHT, AFX_IDW_DOCKBAR_RIGHT}};

// Made by the framework and deleted with its window; gone after a failure.
template <class Made, class Creation> Made* createOwned(Made* made, Creation create)
{
    WfxLifeWatch watch(made);
    if (create(made))
        return made;
    if (watch.alive() && made->m_hWnd)
        made->DestroyWindow();
    else if (watch.alive())
        delete made;
    return nullptr;
}

CWnd* floatingFrameOf(CControlBar* bar)
{
    return bar->IsFloating() && bar->m_pDockBar ? bar->m_pDockBar->GetParent() : nullptr;
}

} // namespace

void CFrameWnd::addControlBar(CControlBar* pBar)
{
    if (std::find(m_listControlBars.begin(), m_listControlBars.end(), pBar) == m_listControlBars.end())
        m_listControlBars.push_back(pBar);
}

void CFrameWnd::removeControlBar(CControlBar* pBar)
{
    m_listControlBars.erase(std::remove(m_listControlBars.begin(), m_listControlBars.end(), pBar),
                            m_listControlBars.end());
}

void CFrameWnd::forgetControlBars()
{
    for (CControlBar* bar : m_listControlBars)
        bar->m_pDockSite = nullptr;
    m_listControlBars.clear();
}

CControlBar* CFrameWnd::GetControlBar(UINT nID)
{
    for (CControlBar* bar : m_listControlBars)
        if (bar->m_hWnd && UINT(bar->GetDlgCtrlID()) == nID)
            return bar;
    return nullptr;
}

void CFrameWnd::EnableDocking(DWORD dwDockStyle)
{
    for (const DockSide& side : kDockSides) {
        if (!(dwDockStyle & side.align) || GetControlBar(side.id))
            continue;
        auto* dockBar = new CDockBar;
        dockBar->m_bAutoDelete = TRUE;
        createOwned(dockBar, [&](CDockBar* made) {
            return made->Create(this, WS_CHILD | WS_VISIBLE | side.align, side.id);
        });
    }
    if (!m_pFloatingFrameClass)
        m_pFloatingFrameClass = RUNTIME_CLASS(CMiniDockFrameWnd);
}

void CFrameWnd::DockControlBar(CControlBar* pBar, UINT nDockBarID, LPCRECT lpRect)
{
    CDockBar* dockBar = nullptr;
    for (const DockSide& side : kDockSides) {
        if (nDockBarID ? side.id != nDockBarID : !(pBar->GetDockStyle() & side.align))
            continue;
        dockBar = DYNAMIC_DOWNCAST(CDockBar, GetControlBar(side.id));
        if (dockBar)
            break;
    }
    DockControlBar(pBar, dockBar, lpRect);
}

void CFrameWnd::DockControlBar(CControlBar* pBar, CDockBar* pDockBar, LPCRECT lpRect)
{
    if (!pBar || !pBar->m_hWnd || !pDockBar || !pDockBar->m_hWnd)
        return;
    pDockBar->DockControlBar(pBar, lpRect);
    RecalcLayout();
}

void CFrameWnd::FloatControlBar(CControlBar* pBar, CPoint point, DWORD dwStyle)
{
    if (!pBar || !pBar->m_hWnd)
        return;
    const UINT place = SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE;
    if (CWnd* frame = floatingFrameOf(pBar)) {
        frame->SetWindowPos(nullptr, point.x, point.y, 0, 0, place);
        return;
    }
    CRuntimeClass* frameClass =
        m_pFloatingFrameClass ? m_pFloatingFrameClass : RUNTIME_CLASS(CMiniDockFrameWnd);
    CObject* object = frameClass->CreateObject();
    auto* frame = DYNAMIC_DOWNCAST(CMiniDockFrameWnd, object);
    if (!frame) {
        delete object;
        return;
    }
    if (!createOwned(frame, [&](CMiniDockFrameWnd* made) { return made->Create(this, dwStyle); }))
        return;
    frame->SetWindowPos(nullptr, point.x, point.y, 0, 0, place);
    frame->m_wndDockBar.DockControlBar(pBar);
    pBar->m_dwStyle = (pBar->m_dwStyle & ~CBRS_ALIGN_ANY) | (dwStyle & CBRS_ALIGN_ANY) | CBRS_FLOATING;
    frame->RecalcLayout();
    if (pBar->IsVisible())
        frame->ShowWindow(SW_SHOWNOACTIVATE);
    RecalcLayout();
}

void CFrameWnd::ShowControlBar(CControlBar* pBar, BOOL bShow, BOOL bDelay)
{
    if (!pBar || !pBar->m_hWnd)
        return;
    pBar->DelayShow(bShow);
    if (CWnd* frame = floatingFrameOf(pBar)) {
        pBar->RecalcDelayShow(nullptr);
        if (bShow)
            static_cast<CFrameWnd*>(frame)->RecalcLayout();
        frame->ShowWindow(bShow ? SW_SHOWNOACTIVATE : SW_HIDE);
        return;
    }
    if (bDelay)
        return;
    pBar->RecalcDelayShow(nullptr);
    RecalcLayout();
}

// Floating bars are not among the frame's descendants.
LRESULT CFrameWnd::OnIdleUpdateCmdUI(WPARAM wParam, LPARAM)
{
    std::vector<CControlBar*> bars = m_listControlBars;
    for (CControlBar* bar : bars)
        if (bar->m_hWnd && bar->IsFloating())
            bar->SendMessage(WM_IDLEUPDATECMDUI, wParam);
    return 0;
}
