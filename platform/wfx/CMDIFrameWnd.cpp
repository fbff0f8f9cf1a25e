#include "CMDIFrameWnd.h"

#include "CMenu.h"
#include "CView.h"

IMPLEMENT_DYNCREATE(CMDIFrameWnd, CFrameWnd)

namespace {

// Menu ids the MDI client gives its children's window-menu items.
const UINT kFirstChildMenuId = 0xFF00;

} // namespace

CMDIFrameWnd::CMDIFrameWnd() = default;

BOOL CMDIFrameWnd::OnCreateClient(LPCREATESTRUCT lpcs, CCreateContext*)
{
    return CreateClient(lpcs, nullptr);
}

BOOL CMDIFrameWnd::CreateClient(LPCREATESTRUCT, CMenu* pWindowMenu)
{
    CLIENTCREATESTRUCT client{pWindowMenu ? pWindowMenu->m_hMenu : nullptr, kFirstChildMenuId};
    m_hWndMDIClient = ::CreateWindowExW(WS_EX_CLIENTEDGE, L"MDICLIENT", nullptr,
                                        WS_CHILD | WS_VISIBLE | WS_CLIPCHILDREN | WS_CLIPSIBLINGS, 0, 0, 0, 0,
                                        m_hWnd, reinterpret_cast<HMENU>(UINT_PTR(AFX_IDW_PANE_FIRST)),
                                        ::GetModuleHandleW(nullptr), &client);
    return m_hWndMDIClient != nullptr;
}

LRESULT CMDIFrameWnd::DefWindowProc(UINT message, WPARAM wParam, LPARAM lParam)
{
    return ::DefFrameProcW(m_hWnd, m_hWndMDIClient, message, wParam, lParam);
}

CFrameWnd* CMDIFrameWnd::MDIGetActive(BOOL* pbMaximized) const
{
    BOOL maximized = FALSE;
    HWND active = m_hWndMDIClient
                      ? reinterpret_cast<HWND>(::SendMessageW(m_hWndMDIClient, WM_MDIGETACTIVE, 0,
                                                              reinterpret_cast<LPARAM>(&maximized)))
                      : nullptr;
    if (pbMaximized)
        *pbMaximized = maximized;
    CWnd* wnd = FromHandlePermanent(active);
    return wnd && wnd->IsFrameWnd() ? static_cast<CFrameWnd*>(wnd) : nullptr;
}

void CMDIFrameWnd::MDIActivate(CWnd* pWndActivate)
{
    if (m_hWndMDIClient && pWndActivate)
        ::SendMessageW(m_hWndMDIClient, WM_MDIACTIVATE, reinterpret_cast<WPARAM>(pWndActivate->m_hWnd), 0);
}

CFrameWnd* CMDIFrameWnd::GetActiveFrame()
{
    CFrameWnd* child = MDIGetActive();
    return child ? child : this;
}

CView* CMDIFrameWnd::GetActiveView() const
{
    CFrameWnd* child = MDIGetActive();
    return child ? child->GetActiveView() : CFrameWnd::GetActiveView();
}

CDocument* CMDIFrameWnd::GetActiveDocument()
{
    CFrameWnd* child = MDIGetActive();
    return child ? child->GetActiveDocument() : CFrameWnd::GetActiveDocument();
}

BOOL CMDIFrameWnd::OnCmdMsg(UINT nID, int nCode, void* pExtra, WfxCmdHandlerInfo* pHandlerInfo)
{
    CFrameWnd* child = MDIGetActive();
    if (child && child->OnCmdMsg(nID, nCode, pExtra, pHandlerInfo))
        return TRUE;
    return CFrameWnd::OnCmdMsg(nID, nCode, pExtra, pHandlerInfo);
}

BOOL CMDIFrameWnd::PreTranslateMessage(MSG* pMsg)
{
    if (m_hWndMDIClient && ::TranslateMDISysAccel(m_hWndMDIClient, pMsg))
        return TRUE;
    return CFrameWnd::PreTranslateMessage(pMsg);
}
