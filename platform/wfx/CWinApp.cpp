#include "CWinApp.h"

#include "CCommandLineInfo.h"
#include "CDocTemplate.h"
#include "CRecentFileList.h"
#include "CWnd.h"
#include "WfxTestHooks.h"

IMPLEMENT_DYNAMIC(CWinApp, CWinThread)

BEGIN_MESSAGE_MAP(CWinApp, CWinThread)
ON_COMMAND(ID_APP_EXIT, &CWinApp::OnAppExit)
END_MESSAGE_MAP()

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

CWinApp::CWinApp(LPCWSTR lpszAppName)
    : m_appName(lpszAppName ? CString(lpszAppName) : exeBaseName()), m_profileName(exeBaseName() + L".INI")
{
    m_pszAppName = m_appName;
    m_pszProfileName = m_profileName;
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
    for (CDocTemplate* docTemplate : m_templates)
        delete docTemplate;
    delete m_pRecentFileList;
    if (g_app == this)
        g_app = nullptr;
}

BOOL CWinApp::InitInstance()
{
    return TRUE;
}

int CWinApp::Run()
{
    if (!m_pMainWnd)
        ::PostQuitMessage(0); // nothing on screen could ever end the loop
    return CWinThread::Run();
}

int CWinApp::ExitInstance()
{
    if (m_pRecentFileList)
        m_pRecentFileList->WriteList();
    return CWinThread::ExitInstance();
}

void CWinApp::SetRegistryKey(LPCWSTR lpszRegistryKey)
{
    m_registryKey = lpszRegistryKey;
    m_pszRegistryKey = m_registryKey;
    m_profileName = m_appName;
    m_pszProfileName = m_profileName;
}

void CWinApp::SetAppID(LPCWSTR lpszAppID)
{
    m_appID = lpszAppID;
    m_pszAppID = m_appID;
}

void CWinApp::LoadStdProfileSettings(UINT nMaxMRU)
{
    delete m_pRecentFileList;
    m_pRecentFileList = nullptr;
    if (nMaxMRU == 0)
        return;
    m_pRecentFileList = new CRecentFileList(0, L"Recent File List", L"File%d", int(nMaxMRU));
    m_pRecentFileList->ReadList();
}

void CWinApp::AddToRecentFileList(LPCWSTR lpszPathName)
{
    if (m_pRecentFileList)
        m_pRecentFileList->Add(lpszPathName);
}

void CWinApp::AddDocTemplate(CDocTemplate* pTemplate)
{
    if (pTemplate)
        m_templates.push_back(pTemplate);
}

CDocument* CWinApp::OpenDocumentFile(LPCWSTR lpszFileName)
{
    return m_templates.empty() ? nullptr : m_templates.front()->OpenDocumentFile(lpszFileName);
}

void CWinApp::CloseAllDocuments(BOOL bEndSession)
{
    for (CDocTemplate* docTemplate : m_templates)
        docTemplate->CloseAllDocuments(bEndSession);
}

BOOL CWinApp::SaveAllModified()
{
    for (CDocTemplate* docTemplate : m_templates)
        if (!docTemplate->SaveAllModified())
            return FALSE;
    return TRUE;
}

void CWinApp::ParseCommandLine(CCommandLineInfo& rCmdInfo)
{
    int count = 0;
    LPWSTR* arguments = CommandLineToArgvW(GetCommandLineW(), &count);
    if (!arguments)
        return;
    for (int i = 1; i < count; ++i) {
        LPCWSTR argument = arguments[i];
        BOOL flag = argument[0] == L'-' || argument[0] == L'/';
        rCmdInfo.ParseParam(flag ? argument + 1 : argument, flag, i == count - 1);
    }
    LocalFree(arguments);
}

BOOL CWinApp::ProcessShellCommand(CCommandLineInfo& rCmdInfo)
{
    switch (rCmdInfo.m_nShellCommand) {
    case CCommandLineInfo::FileNew:
        if (!OnCmdMsg(ID_FILE_NEW, CN_COMMAND, nullptr, nullptr))
            OnFileNew();
        return m_pMainWnd != nullptr;
    case CCommandLineInfo::FileOpen:
        return OpenDocumentFile(rCmdInfo.m_strFileName) != nullptr;
    default:
        return TRUE;
    }
}

void CWinApp::OnFileNew()
{
    if (!m_templates.empty())
        m_templates.front()->OpenDocumentFile(nullptr);
}

void CWinApp::OnAppExit()
{
    if (m_pMainWnd && m_pMainWnd->m_hWnd)
        m_pMainWnd->SendMessage(WM_CLOSE);
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
