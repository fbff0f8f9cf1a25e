#include "CFrameWnd.h"

#include "CCmdUI.h"
#include "CCreateContext.h"
#include "CDocument.h"
#include "CView.h"
#include "CWinApp.h"
#include "WfxInternal.h"
#include "WfxResources.h"

IMPLEMENT_DYNCREATE(CFrameWnd, CWnd)

BEGIN_MESSAGE_MAP(CFrameWnd, CWnd)
ON_WM_CREATE()
ON_WM_DESTROY()
ON_WM_CLOSE()
ON_WM_SIZE()
ON_WM_SETFOCUS()
ON_WM_INITMENUPOPUP()
ON_MESSAGE(WM_IDLEUPDATECMDUI, &CFrameWnd::OnIdleUpdateCmdUI)
END_MESSAGE_MAP()

const CRect CFrameWnd::rectDefault(CW_USEDEFAULT, CW_USEDEFAULT, 0, 0);

namespace {

template <class Handle>
Handle loadFrom(LPCWSTR name, LPCWSTR type, const CRuntimeClass* asking, Handle (*load)(HINSTANCE, LPCWSTR))
{
    HINSTANCE module = AfxFindResourceHandle(name, type, asking);
    return module ? load(module, name) : nullptr;
}

} // namespace

CFrameWnd::CFrameWnd() = default;

CFrameWnd::~CFrameWnd()
{
    // Taken down here, while the frame's own handlers still answer.
    m_bAutoDelete = FALSE;
    if (m_hWnd && FromHandlePermanent(m_hWnd) == this)
        DestroyWindow();
    forgetControlBars();
    CWinThread* thread = AfxGetThread();
    if (thread->m_pMainWnd == this)
        thread->m_pMainWnd = nullptr;
}

BOOL CFrameWnd::LoadFrame(UINT nIDResource, DWORD dwDefaultStyle, CWnd* pParentWnd, CCreateContext* pContext)
{
    m_nIDHelp = nIDResource;
    LPCWSTR name = MAKEINTRESOURCEW(nIDResource);
    CString text;
    if (text.LoadString(nIDResource))
        m_strTitle = text.Find(L'\n') < 0 ? text : text.Left(text.Find(L'\n'));
    m_hAccelTable = loadFrom(name, RT_ACCELERATOR, GetRuntimeClass(), LoadAcceleratorsW);
    BOOL autoDelete = m_bAutoDelete;
    WfxLifeWatch watch(this);
    if (Create(nullptr, m_strTitle, dwDefaultStyle, rectDefault, pParentWnd, name, 0, pContext))
        return TRUE;
    // A frame of the framework's making is gone after a failure either way.
    if (watch.alive() && autoDelete)
        delete this;
    return FALSE;
}

BOOL CFrameWnd::Create(LPCWSTR lpszClassName, LPCWSTR lpszWindowName, DWORD dwStyle, const RECT& rect,
                       CWnd* pParentWnd, LPCWSTR lpszMenuName, DWORD dwExStyle, CCreateContext* pContext)
{
    m_strTitle = lpszWindowName;
    HMENU menu = lpszMenuName ? loadFrom(lpszMenuName, RT_MENU, GetRuntimeClass(), LoadMenuW) : nullptr;
    m_hMenuDefault = menu;
    CRect place(rect);
    if (place == rectDefault)
        place = CRect(CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT);
    else
        place = CRect(place.left, place.top, place.Width(), place.Height()); // x, y, width, height
    if (CreateEx(dwExStyle, lpszClassName, lpszWindowName, dwStyle, place.left, place.top, place.right,
                 place.bottom, pParentWnd ? pParentWnd->m_hWnd : nullptr, menu, pContext))
        return TRUE;
    if (menu && ::IsMenu(menu))
        ::DestroyMenu(menu); // never reached a window
    return FALSE;
}

BOOL CFrameWnd::PreCreateWindow(CREATESTRUCTW& cs)
{
    if (!cs.lpszClass) {
        HICON icon = m_nIDHelp
                         ? loadFrom(MAKEINTRESOURCEW(m_nIDHelp), RT_GROUP_ICON, GetRuntimeClass(), LoadIconW)
                         : nullptr;
        cs.lpszClass = AfxRegisterWndClass(CS_DBLCLKS, LoadCursorW(nullptr, IDC_ARROW),
                                           reinterpret_cast<HBRUSH>(COLOR_WINDOW + 1), icon);
    }
    cs.dwExStyle |= WS_EX_CLIENTEDGE;
    return TRUE;
}

int CFrameWnd::OnCreate(LPCREATESTRUCT lpCreateStruct)
{
    if (CWnd::OnCreate(lpCreateStruct) == -1)
        return -1;
    if (!OnCreateClient(lpCreateStruct, static_cast<CCreateContext*>(lpCreateStruct->lpCreateParams)))
        return -1;
    RecalcLayout();
    return 0;
}

BOOL CFrameWnd::OnCreateClient(LPCREATESTRUCT, CCreateContext* pContext)
{
    return !(pContext && pContext->m_pNewViewClass) || CreateView(pContext, AFX_IDW_PANE_FIRST);
}

CWnd* CFrameWnd::CreateView(CCreateContext* pContext, UINT nID)
{
    CObject* object = pContext->m_pNewViewClass->CreateObject();
    CWnd* view = DYNAMIC_DOWNCAST(CWnd, object);
    if (!view) {
        delete object;
        return nullptr;
    }
    if (CView* asView = DYNAMIC_DOWNCAST(CView, view))
        asView->m_bAutoDelete = TRUE;
    WfxLifeWatch watch(view);
    if (view->Create(nullptr, nullptr, WS_CHILD | WS_VISIBLE, CRect(0, 0, 0, 0), this, nID, pContext))
        return view;
    if (watch.alive())
        delete view;
    return nullptr;
}

void CFrameWnd::SetActiveView(CView* pViewNew, BOOL bNotify)
{
    CView* old = m_pViewActive;
    if (old == pViewNew)
        return;
    m_pViewActive = pViewNew;
    if (bNotify && old)
        old->OnActivateView(FALSE, pViewNew, old);
    if (bNotify && pViewNew)
        pViewNew->OnActivateView(TRUE, pViewNew, old);
}

CDocument* CFrameWnd::GetActiveDocument()
{
    return m_pViewActive ? m_pViewActive->GetDocument() : nullptr;
}

void CFrameWnd::RecalcLayout(BOOL)
{
    if (m_bInRecalcLayout || !m_hWnd)
        return;
    m_bInRecalcLayout = TRUE;
    CRect rest;
    GetClientRect(&rest);
    RecalcPaneLayout(rest);
    HWND view = ::GetDlgItem(m_hWnd, AFX_IDW_PANE_FIRST);
    if (view)
        ::SetWindowPos(view, nullptr, rest.left, rest.top, rest.Width(), rest.Height(),
                       SWP_NOZORDER | SWP_NOACTIVATE);
    m_bInRecalcLayout = FALSE;
}

void CFrameWnd::RecalcPaneLayout(CRect& rectClient)
{
    CRect rest;
    RepositionBars(0, 0xFFFF, AFX_IDW_PANE_FIRST, reposDefault, &rest, &rectClient);
    rectClient = rest;
}

void CFrameWnd::ActivateFrame(int nCmdShow)
{
    if (nCmdShow == -1 && !IsWindowVisible())
        nCmdShow = SW_SHOWNORMAL;
    else if (nCmdShow == -1 && IsIconic())
        nCmdShow = SW_RESTORE;
    if (nCmdShow != -1)
        ShowWindow(nCmdShow);
}

void CFrameWnd::InitialUpdateFrame(CDocument*, BOOL bMakeVisible)
{
    if (!GetActiveView()) {
        CView* view = DYNAMIC_DOWNCAST(CView, FromHandlePermanent(::GetDlgItem(m_hWnd, AFX_IDW_PANE_FIRST)));
        if (view)
            SetActiveView(view, FALSE);
    }
    SendMessageToDescendants(WM_INITIALUPDATE, 0, 0, TRUE);
    OnUpdateFrameTitle(TRUE);
    if (!bMakeVisible)
        return;
    int show = -1;
    CWinApp* app = AfxGetApp();
    if (app && app->m_pMainWnd == this) {
        show = app->m_nCmdShow;
        app->m_nCmdShow = -1; // the show command of the program start serves once
    }
    ActivateFrame(show);
}

void CFrameWnd::OnUpdateFrameTitle(BOOL bAddToTitle)
{
    if (!m_hWnd || !(GetStyle() & FWS_ADDTOTITLE))
        return;
    CDocument* document = GetActiveDocument();
    CString title;
    if (bAddToTitle && document && !document->GetTitle().IsEmpty()) {
        title = document->GetTitle();
        title += L" - ";
    }
    title += m_strTitle;
    CString current;
    GetWindowText(current);
    if (current.Compare(title) != 0)
        SetWindowText(title);
}

BOOL CFrameWnd::OnCmdMsg(UINT nID, int nCode, void* pExtra, WfxCmdHandlerInfo* pHandlerInfo)
{
    CView* view = GetActiveView();
    if (view && view->OnCmdMsg(nID, nCode, pExtra, pHandlerInfo))
        return TRUE;
    if (CWnd::OnCmdMsg(nID, nCode, pExtra, pHandlerInfo))
        return TRUE;
    CWinApp* app = AfxGetApp();
    return app && app->OnCmdMsg(nID, nCode, pExtra, pHandlerInfo);
}

BOOL CFrameWnd::PreTranslateMessage(MSG* pMsg)
{
    if (m_hAccelTable && pMsg->message >= WM_KEYFIRST && pMsg->message <= WM_KEYLAST &&
        ::TranslateAcceleratorW(m_hWnd, m_hAccelTable, pMsg))
        return TRUE;
    return CWnd::PreTranslateMessage(pMsg);
}

void CFrameWnd::PostNcDestroy()
{
    CWinThread* thread = AfxGetThread();
    if (thread->m_pMainWnd == this) {
        thread->m_pMainWnd = nullptr;
        ::PostQuitMessage(0); // the program ends with its main frame
    }
    if (m_bAutoDelete)
        delete this;
}

void CFrameWnd::OnDestroy()
{
    // A menu kept off the window is not destroyed with it.
    if (m_hMenuDefault && ::GetMenu(m_hWnd) != m_hMenuDefault)
        ::DestroyMenu(m_hMenuDefault);
    m_hMenuDefault = nullptr;
    CWnd::OnDestroy();
}

void CFrameWnd::OnClose()
{
    CDocument* document = GetActiveDocument();
    if (document && !document->CanCloseFrame(this))
        return;
    CWinApp* app = AfxGetApp();
    if (app && app->m_pMainWnd == this) {
        app->CloseAllDocuments(FALSE);
        if (!m_hWnd)
            return; // the documents took the frame with them
    }
    DestroyWindow();
}

void CFrameWnd::OnSize(UINT nType, int cx, int cy)
{
    CWnd::OnSize(nType, cx, cy);
    if (nType != SIZE_MINIMIZED)
        RecalcLayout();
}

void CFrameWnd::OnSetFocus(CWnd* pOldWnd)
{
    if (m_pViewActive && m_pViewActive->m_hWnd)
        m_pViewActive->SetFocus();
    else
        CWnd::OnSetFocus(pOldWnd);
}

void CFrameWnd::OnInitMenuPopup(CMenu* pPopupMenu, UINT, BOOL bSysMenu)
{
    if (!bSysMenu && pPopupMenu)
        CCmdUI::UpdateMenu(pPopupMenu, this, m_bAutoMenuEnable);
    Default();
}
