#include "CMDIChildWnd.h"

#include "CMDIFrameWnd.h"
#include "CWinApp.h"
#include "WfxInternal.h"

IMPLEMENT_DYNCREATE(CMDIChildWnd, CFrameWnd)

BEGIN_MESSAGE_MAP(CMDIChildWnd, CFrameWnd)
ON_WM_CREATE()
END_MESSAGE_MAP()

CMDIChildWnd::CMDIChildWnd() = default;

BOOL CMDIChildWnd::PreCreateWindow(CREATESTRUCTW& cs)
{
    if (!cs.lpszClass)
        cs.lpszClass = AfxRegisterWndClass(CS_DBLCLKS, ::LoadCursorW(nullptr, IDC_ARROW),
                                           reinterpret_cast<HBRUSH>(COLOR_WINDOW + 1));
    return TRUE;
}

BOOL CMDIChildWnd::LoadFrame(UINT nIDResource, DWORD dwDefaultStyle, CWnd* pParentWnd,
                             CCreateContext* pContext)
{
    m_nIDHelp = nIDResource;
    CString text;
    if (text.LoadString(nIDResource))
        m_strTitle = text.Find(L'\n') < 0 ? text : text.Left(text.Find(L'\n'));
    auto* parent = DYNAMIC_DOWNCAST(CMDIFrameWnd, pParentWnd);
    BOOL autoDelete = m_bAutoDelete;
    WfxLifeWatch watch(this);
    if (Create(nullptr, m_strTitle, dwDefaultStyle | WS_CHILD, rectDefault, parent, pContext))
        return TRUE;
    if (watch.alive() && autoDelete)
        delete this;
    return FALSE;
}

BOOL CMDIChildWnd::Create(LPCWSTR lpszClassName, LPCWSTR lpszWindowName, DWORD dwStyle, const RECT& rect,
                          CMDIFrameWnd* pParentWnd, CCreateContext* pContext)
{
    if (m_hWnd)
        return FALSE;
    CMDIFrameWnd* parent = pParentWnd ? pParentWnd : DYNAMIC_DOWNCAST(CMDIFrameWnd, AfxGetMainWnd());
    if (!parent || !parent->m_hWndMDIClient)
        return FALSE;
    CRect place(rect);
    bool systemPlace = place == rectDefault;
    CREATESTRUCTW cs{};
    cs.lpszClass = lpszClassName;
    cs.lpszName = lpszWindowName;
    cs.style = LONG(dwStyle);
    if (!PreCreateWindow(cs))
        return FALSE;
    m_strTitle = lpszWindowName;
    MDICREATESTRUCTW create{cs.lpszClass,
                            cs.lpszName,
                            ::GetModuleHandleW(nullptr),
                            systemPlace ? CW_USEDEFAULT : place.left,
                            systemPlace ? CW_USEDEFAULT : place.top,
                            systemPlace ? CW_USEDEFAULT : place.Width(),
                            systemPlace ? CW_USEDEFAULT : place.Height(),
                            DWORD(cs.style) & ~(WS_MAXIMIZE | WS_VISIBLE),
                            reinterpret_cast<LPARAM>(pContext)};
    WfxCreationHook::arm(this);
    HWND made = reinterpret_cast<HWND>(
        ::SendMessageW(parent->m_hWndMDIClient, WM_MDICREATE, 0, reinterpret_cast<LPARAM>(&create)));
    bool taken = WfxCreationHook::disarm();
    if (!made)
        return FALSE;
    if (!taken)
        SubclassWindow(made);
    return TRUE;
}

// The creation context comes inside the MDI creation record.
int CMDIChildWnd::OnCreate(LPCREATESTRUCT lpCreateStruct)
{
    auto* mdi = static_cast<MDICREATESTRUCTW*>(lpCreateStruct->lpCreateParams);
    auto* context = mdi ? reinterpret_cast<CCreateContext*>(mdi->lParam) : nullptr;
    if (CWnd::OnCreate(lpCreateStruct) == -1)
        return -1;
    if (!OnCreateClient(lpCreateStruct, context))
        return -1;
    RecalcLayout();
    return 0;
}

LRESULT CMDIChildWnd::DefWindowProc(UINT message, WPARAM wParam, LPARAM lParam)
{
    return ::DefMDIChildProcW(m_hWnd, message, wParam, lParam);
}

CMDIFrameWnd* CMDIChildWnd::GetMDIFrame() const
{
    HWND client = m_hWnd ? ::GetParent(m_hWnd) : nullptr;
    return DYNAMIC_DOWNCAST(CMDIFrameWnd, FromHandlePermanent(client ? ::GetParent(client) : nullptr));
}

void CMDIChildWnd::MDIActivate()
{
    HWND client = ::GetParent(m_hWnd);
    if (client)
        ::SendMessageW(client, WM_MDIACTIVATE, reinterpret_cast<WPARAM>(m_hWnd), 0);
}

void CMDIChildWnd::ActivateFrame(int nCmdShow)
{
    CFrameWnd::ActivateFrame(nCmdShow);
    MDIActivate();
}

BOOL CMDIChildWnd::DestroyWindow()
{
    HWND client = m_hWnd ? ::GetParent(m_hWnd) : nullptr;
    if (!client || !GetMDIFrame())
        return CFrameWnd::DestroyWindow();
    ::SendMessageW(client, WM_MDIDESTROY, reinterpret_cast<WPARAM>(m_hWnd), 0);
    return TRUE;
}
