#include "CWinApp.h"

#include "CWnd.h"
#include "WfxTestHooks.h"

IMPLEMENT_DYNAMIC(CWinApp, CWinThread)

namespace {

CWinApp* g_app = nullptr;

CString exeBaseName()
{
    wchar_t path[MAX_PATH] = {};
    GetModuleFileNameW(nullptr, path, MAX_PATH);
    CString name(path);
    name = name.Mid(name.ReverseFind(L'\\') + 1);
    int dot = name.ReverseFind(L'.');
    return dot > 0 ? name.Left(dot) : name;
}

// The module whose image holds the object; null for the stack and the heap.
HMODULE imageOf(const void* object)
{
    HMODULE module = nullptr;
    if (!GetModuleHandleExW(GET_MODULE_HANDLE_EX_FLAG_FROM_ADDRESS |
                                GET_MODULE_HANDLE_EX_FLAG_UNCHANGED_REFCOUNT,
                            static_cast<LPCWSTR>(object), &module))
        return nullptr;
    return module;
}

} // namespace

CWinApp* AfxGetApp()
{
    return g_app;
}

CWinApp::CWinApp(LPCWSTR lpszAppName) : m_appName(lpszAppName ? CString(lpszAppName) : exeBaseName())
{
    m_pszAppName = m_appName;
    m_hInstance = GetModuleHandleW(nullptr);
    // A library's own application object is loaded before the program's and
    // must not take its place.
    HMODULE image = imageOf(this);
    if (image && image != m_hInstance) {
        m_hInstance = image;
        return;
    }
    if (!g_app)
        g_app = this;
}

CWinApp::~CWinApp()
{
    if (g_app == this)
        g_app = nullptr;
}

BOOL CWinApp::InitInstance()
{
    return TRUE;
}

int AfxWinMain(HINSTANCE hInstance, HINSTANCE, LPWSTR lpCmdLine, int nCmdShow)
{
    CWinApp* app = AfxGetApp();
    if (!app)
        return -1;
    app->m_hInstance = hInstance;
    app->m_lpCmdLine = lpCmdLine;
    app->m_nCmdShow = nCmdShow;
    if (!app->InitInstance()) {
        if (app->m_pMainWnd && app->m_pMainWnd->m_hWnd)
            app->m_pMainWnd->DestroyWindow();
        return app->ExitInstance();
    }
    return app->Run();
}

int AfxMessageBox(LPCWSTR lpszText, UINT nType, UINT)
{
    CWnd* mainWnd = AfxGetMainWnd();
    HWND owner = mainWnd && mainWnd->m_hWnd && mainWnd->IsWindowVisible() ? mainWnd->m_hWnd : nullptr;
    CWinApp* app = AfxGetApp();
    return WfxShowMessageBox(owner, lpszText, app ? app->m_pszAppName : nullptr, nType);
}
