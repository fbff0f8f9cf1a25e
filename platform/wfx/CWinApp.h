#pragma once

#include "CString.h"
#include "CWinThread.h"

// The application: one object per program, constructed before WinMain runs.
// An object that a library defines statically is that library's module
// object only: AfxGetApp never returns it.
class WFX_API CWinApp : public CWinThread
{
    DECLARE_DYNAMIC(CWinApp)

public:
    explicit CWinApp(LPCWSTR lpszAppName = nullptr);
    ~CWinApp() override;

    HINSTANCE m_hInstance = nullptr;
    LPWSTR m_lpCmdLine = nullptr;
    int m_nCmdShow = SW_SHOWNORMAL;
    LPCWSTR m_pszAppName = nullptr; // the caption of message boxes

    BOOL InitInstance() override;

private:
    CString m_appName;
};

WFX_API CWinApp* AfxGetApp();

// The body of the program's wWinMain: InitInstance, then the message loop.
WFX_API int AfxWinMain(HINSTANCE hInstance, HINSTANCE hPrevInstance, LPWSTR lpCmdLine, int nCmdShow);

// A message box owned by the main window with the application's name as
// caption (through the message box test hook when one is set).
WFX_API int AfxMessageBox(LPCWSTR lpszText, UINT nType = MB_OK, UINT nIDHelp = 0);
