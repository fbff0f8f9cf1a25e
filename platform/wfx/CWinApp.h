#pragma once

#include "CString.h"
#include "CWinThread.h"
#include "WfxMsgMap.h"
#include "WfxPosition.h"
#include "WfxRes.h"

#include <vector>

class CCommandLineInfo;
class CDocTemplate;
class CDocument;
class CRecentFileList;

// The application: one object per program, constructed before WinMain runs.
// It owns the document templates and the recent-file list, keeps the
// profile (the registry under "Software\<registry key>\<profile name>", or
// an .INI file without a registry key) and ends the commands nothing else
// handled (File New through its table, Exit).
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
    LPCWSTR m_pszAppName = nullptr;     // the caption of message boxes
    LPCWSTR m_pszRegistryKey = nullptr; // null: the profile is an .INI file
    LPCWSTR m_pszProfileName = nullptr; // the application's key under the registry key
    LPCWSTR m_pszAppID = nullptr;
    CRecentFileList* m_pRecentFileList = nullptr;

    BOOL InitInstance() override;
    // Ends at once (quits) when InitInstance left no main window.
    int Run() override;
    // Saves the recent-file list.
    int ExitInstance() override;

    void SetRegistryKey(LPCWSTR lpszRegistryKey);
    void SetAppID(LPCWSTR lpszAppID);
    // The framework adds nothing to the taskbar; accepted for start-up code.
    void EnableTaskbarInteraction(BOOL = TRUE) {}
    // Reads the recent-file list (nMaxMRU entries; 0 keeps none).
    void LoadStdProfileSettings(UINT nMaxMRU = 4);
    virtual void AddToRecentFileList(LPCWSTR lpszPathName);

    UINT GetProfileInt(LPCWSTR lpszSection, LPCWSTR lpszEntry, int nDefault);
    CString GetProfileString(LPCWSTR lpszSection, LPCWSTR lpszEntry, LPCWSTR lpszDefault = nullptr);
    BOOL WriteProfileInt(LPCWSTR lpszSection, LPCWSTR lpszEntry, int nValue);
    // A null value deletes the entry, a null entry the whole section.
    BOOL WriteProfileString(LPCWSTR lpszSection, LPCWSTR lpszEntry, LPCWSTR lpszValue);
    // Open keys (created when missing) that the caller closes; null without
    // a registry key.
    HKEY GetAppRegistryKey();
    HKEY GetSectionKey(LPCWSTR lpszSection);

    // The application owns the template from now on.
    void AddDocTemplate(CDocTemplate* pTemplate);
    POSITION GetFirstDocTemplatePosition() const { return WfxPositionAt(m_templates, 0); }
    CDocTemplate* GetNextDocTemplate(POSITION& rPosition) const { return WfxNextAt(m_templates, rPosition); }
    virtual CDocument* OpenDocumentFile(LPCWSTR lpszFileName);
    virtual void CloseAllDocuments(BOOL bEndSession);
    virtual BOOL SaveAllModified();

    // The program's command line (the file to open, /nologo).
    void ParseCommandLine(CCommandLineInfo& rCmdInfo);
    // New or open document as the command line asks; FALSE when that failed.
    BOOL ProcessShellCommand(CCommandLineInfo& rCmdInfo);

    // A new document through the first template.
    afx_msg void OnFileNew();
    // Closes the main window (which ends the program).
    afx_msg void OnAppExit();

private:
    CString m_appName;
    CString m_registryKey;
    CString m_profileName;
    CString m_appID;
    std::vector<CDocTemplate*> m_templates;

    DECLARE_MESSAGE_MAP()
};

WFX_API CWinApp* AfxGetApp();

// The body of the program's wWinMain: InitInstance, then the message loop.
WFX_API int AfxWinMain(HINSTANCE hInstance, HINSTANCE hPrevInstance, LPWSTR lpCmdLine, int nCmdShow);

// A message box owned by the main window with the application's name as
// caption (through the message box test hook when one is set).
WFX_API int AfxMessageBox(LPCWSTR lpszText, UINT nType = MB_OK, UINT nIDHelp = 0);
