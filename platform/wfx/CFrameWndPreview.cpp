#include "CControlBar.h"
#include "CFrameWnd.h"
#include "CPrintPreviewState.h"
#include "CView.h"

// Print preview mode of CFrameWnd.

namespace {

void enterPreview(CFrameWnd& frame, const std::vector<CControlBar*>& bars, CPrintPreviewState& state)
{
    if (!(frame.GetStyle() & WS_CHILD)) { // a child frame's menu handle is its id
        state.hMenu = ::GetMenu(frame.m_hWnd);
        ::SetMenu(frame.m_hWnd, nullptr);
    }
    for (CControlBar* bar : bars) {
        // The status bar stays: the preview shows its page numbers there.
        if (bar->m_hWnd && (bar->GetStyle() & WS_VISIBLE) && bar->GetDlgCtrlID() != AFX_IDW_STATUS_BAR) {
            state.hiddenBars.push_back(bar->m_hWnd);
            bar->ShowWindow(SW_HIDE);
        }
    }
    state.hWndMainPane = ::GetDlgItem(frame.m_hWnd, AFX_IDW_PANE_FIRST);
    if (state.hWndMainPane) {
        ::ShowWindow(state.hWndMainPane, SW_HIDE);
        ::SetWindowLongPtrW(state.hWndMainPane, GWLP_ID, AFX_IDW_PANE_SAVE);
    }
    CView* active = frame.GetActiveView();
    state.hWndViewActiveOld = active ? active->m_hWnd : nullptr;
    frame.SetActiveView(nullptr, FALSE);
}

void leavePreview(CFrameWnd& frame, CPrintPreviewState& state)
{
    if (state.hMenu && ::IsMenu(state.hMenu))
        ::SetMenu(frame.m_hWnd, state.hMenu);
    state.hMenu = nullptr;
    for (HWND bar : state.hiddenBars)
        if (::IsWindow(bar))
            ::ShowWindow(bar, SW_SHOWNOACTIVATE);
    state.hiddenBars.clear();
    if (state.hWndMainPane && ::IsWindow(state.hWndMainPane)) {
        ::SetWindowLongPtrW(state.hWndMainPane, GWLP_ID, AFX_IDW_PANE_FIRST);
        ::ShowWindow(state.hWndMainPane, SW_SHOWNOACTIVATE);
    }
    state.hWndMainPane = nullptr;
}

} // namespace

void CFrameWnd::OnSetPreviewMode(BOOL bPreview, CPrintPreviewState* pState)
{
    if (!pState || !m_hWnd)
        return;
    if (bPreview) {
        enterPreview(*this, m_listControlBars, *pState);
    } else {
        leavePreview(*this, *pState);
        // The old view may have gone meanwhile.
        CView* old = DYNAMIC_DOWNCAST(CView, FromHandlePermanent(pState->hWndViewActiveOld));
        pState->hWndViewActiveOld = nullptr;
        if (old)
            SetActiveView(old);
    }
    RecalcLayout();
}
