#include "COrvoApp.h"

#include "CAboutDlg.h"
#include "CMainFrame.h"
#include "COrvoDoc.h"
#include "COrvoView.h"
#include "CSplashDlg.h"
#include "ShellIds.h"

#include <CLPGThreadManager.h>
#include <IGDIpHelper.h>
#include <UserInterface.h>

#include <commctrl.h>

namespace {

// One message-box hook for the whole program: the controller's boxes go
// through the framework's, which tests answer.
void joinMessageBoxHooks()
{
    setMessageBoxHook([](const MessageBoxRequest& box) {
        return WfxShowMessageBox(box.owner, box.text.c_str(), box.caption.c_str(), box.flags);
    });
}

} // namespace

BEGIN_MESSAGE_MAP(COrvoApp, CWinAppEx)
ON_COMMAND(ID_APP_ABOUT, &COrvoApp::OnAppAbout)
ON_COMMAND(ID_FILE_NEW, &CWinApp::OnFileNew)
END_MESSAGE_MAP()

COrvoApp::COrvoApp() : CWinAppEx(TRUE)
{
    SetAppID(L"Quillbase.Kestrelwave.001");
}

BOOL COrvoApp::InitInstance()
{
    joinMessageBoxHooks();
    IGDIpHelper::startupGDIp();
    INITCOMMONCONTROLSEX controls{sizeof(controls), 0xFF};
    InitCommonControlsEx(&controls);
    CWinAppEx::InitInstance();
    EnableTaskbarInteraction(FALSE);
    showSplash();
    AfxInitRichEdit2();
    SetRegistryKey(L"Quillbase");
    LoadStdProfileSettings(4);
    CleanState();
    AddDocTemplate(new CSingleDocTemplate(IDR_MAINFRAME, RUNTIME_CLASS(COrvoDoc), RUNTIME_CLASS(CMainFrame),
                                          RUNTIME_CLASS(COrvoView)));
    CCommandLineInfo commandLine;
    ParseCommandLine(commandLine);
    if (!ProcessShellCommand(commandLine))
        return FALSE;
    m_pMainWnd->ShowWindow(SW_SHOW);
    m_pMainWnd->UpdateWindow();
    return TRUE;
}

// The splash shows for 2 s by the clock while the start-up goes on: the
// view's first update connects and builds the pages behind it (2 s of
// waiting first and the building after took twice the splash's time).
void COrvoApp::showSplash()
{
    if (g_pSplash)
        g_pSplash->show();
}

int COrvoApp::Run()
{
    const int code = CWinAppEx::Run();
    CLPGThreadManager::setExitCode(code);
    return code;
}

void COrvoApp::OnAppAbout()
{
    CAboutDlg about;
    about.DoModal();
}
