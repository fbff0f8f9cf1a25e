#include "WfxDocViewApp.h"

#include "WfxDocViewIds.h"

namespace docview {

Results& results()
{
    static Results r;
    return r;
}

class CTestDocument : public CDocument
{
    DECLARE_DYNCREATE(CTestDocument)

public:
    ~CTestDocument() override { ++results().documentsDeleted; }

protected:
    afx_msg void OnCount() { ++results().countRuns; }
    afx_msg void OnDisabled() { ++results().disabledRuns; }
    afx_msg void OnUpdateDisabled(CCmdUI* ui) { ui->Enable(FALSE); }
    afx_msg void OnUpdateChecked(CCmdUI* ui) { ui->SetCheck(1); }
    afx_msg void OnRouteView() { results().routedTo[0] = L"document"; }

    DECLARE_MESSAGE_MAP()
};

IMPLEMENT_DYNCREATE(CTestDocument, CDocument)

BEGIN_MESSAGE_MAP(CTestDocument, CDocument)
ON_COMMAND(ID_DOC_COUNT, &CTestDocument::OnCount)
ON_COMMAND(ID_DOC_DISABLED, &CTestDocument::OnDisabled)
ON_UPDATE_COMMAND_UI(ID_DOC_DISABLED, &CTestDocument::OnUpdateDisabled)
ON_UPDATE_COMMAND_UI(ID_DOC_CHECKED, &CTestDocument::OnUpdateChecked)
ON_COMMAND(ID_ROUTE_VIEW, &CTestDocument::OnRouteView)
END_MESSAGE_MAP()

class CTestView : public CView
{
    DECLARE_DYNCREATE(CTestView)

public:
    ~CTestView() override { ++results().viewsDeleted; }
    void OnDraw(CDC*) override {}
    void OnInitialUpdate() override
    {
        Results& r = results();
        ++r.initialUpdates;
        r.viewHadDocument = DYNAMIC_DOWNCAST(CTestDocument, GetDocument()) != nullptr;
        r.frameWasMainWindow = GetParentFrame() == AfxGetMainWnd();
        CView::OnInitialUpdate();
    }

protected:
    afx_msg void OnRouteView() { results().routedTo[0] = L"view"; }

    DECLARE_MESSAGE_MAP()
};

IMPLEMENT_DYNCREATE(CTestView, CView)

BEGIN_MESSAGE_MAP(CTestView, CView)
ON_COMMAND(ID_ROUTE_VIEW, &CTestView::OnRouteView)
END_MESSAGE_MAP()

class CTestFrame : public CFrameWnd
{
    DECLARE_DYNCREATE(CTestFrame)

public:
    ~CTestFrame() override { ++results().framesDeleted; }

protected:
    afx_msg int OnCreate(LPCREATESTRUCT lpCreateStruct)
    {
        if (CFrameWnd::OnCreate(lpCreateStruct) == -1)
            return -1;
        SetTimer(IDT_SCENARIO, 20);
        return 0;
    }
    afx_msg void OnTimer(UINT_PTR nIDEvent);
    afx_msg void OnRouteFrame() { results().routedTo[1] = L"frame"; }

    DECLARE_MESSAGE_MAP()

private:
    void updateMenu();
    void sendCommands();
};

IMPLEMENT_DYNCREATE(CTestFrame, CFrameWnd)

BEGIN_MESSAGE_MAP(CTestFrame, CFrameWnd)
ON_WM_CREATE()
ON_WM_TIMER()
ON_COMMAND(ID_ROUTE_FRAME, &CTestFrame::OnRouteFrame)
END_MESSAGE_MAP()

void CTestFrame::updateMenu()
{
    CMenu* popup = GetMenu()->GetSubMenu(0);
    SendMessage(WM_INITMENUPOPUP, WPARAM(popup->m_hMenu), 0);
    Results& r = results();
    r.disabledState = popup->GetMenuState(ID_DOC_DISABLED, MF_BYCOMMAND);
    r.checkedState = popup->GetMenuState(ID_DOC_CHECKED, MF_BYCOMMAND);
    r.noHandlerState = popup->GetMenuState(ID_NO_HANDLER, MF_BYCOMMAND);
    r.countState = popup->GetMenuState(ID_DOC_COUNT, MF_BYCOMMAND);
    r.exitState = popup->GetMenuState(ID_APP_EXIT, MF_BYCOMMAND);
}

void CTestFrame::sendCommands()
{
    for (UINT id : {ID_DOC_COUNT, ID_DOC_DISABLED, ID_ROUTE_VIEW, ID_ROUTE_FRAME, ID_ROUTE_APP})
        SendMessage(WM_COMMAND, id);
}

void CTestFrame::OnTimer(UINT_PTR nIDEvent)
{
    if (nIDEvent != IDT_SCENARIO)
        return;
    KillTimer(IDT_SCENARIO);
    Results& r = results();
    ++r.ticks;
    updateMenu();
    sendCommands();
    CString title;
    GetWindowText(title);
    r.title = title.str();
    r.documentTitle = GetActiveDocument()->GetTitle().str();
    CWinApp* app = AfxGetApp();
    app->WriteProfileInt(L"Results", L"CountRuns", r.countRuns);
    app->WriteProfileString(L"Results", L"Title", title);
    PostMessage(WM_COMMAND, ID_APP_EXIT);
}

BEGIN_MESSAGE_MAP(CTestApp, CWinApp)
ON_COMMAND(ID_FILE_NEW, &CWinApp::OnFileNew)
ON_COMMAND(ID_ROUTE_FRAME, &CTestApp::OnRouteFrame)
ON_COMMAND(ID_ROUTE_APP, &CTestApp::OnRouteApp)
END_MESSAGE_MAP()

CSingleDocTemplate* makeTemplate()
{
    return new CSingleDocTemplate(IDR_DOCVIEW, RUNTIME_CLASS(CTestDocument), RUNTIME_CLASS(CTestFrame),
                                  RUNTIME_CLASS(CTestView));
}

BOOL CTestApp::InitInstance()
{
    SetRegistryKey(kRegistryKey);
    LoadStdProfileSettings(4);
    AddDocTemplate(makeTemplate());
    CCommandLineInfo commandLine;
    ParseCommandLine(commandLine);
    return ProcessShellCommand(commandLine);
}

void CTestApp::OnRouteFrame()
{
    results().routedTo[1] = L"application";
}

void CTestApp::OnRouteApp()
{
    results().routedTo[2] = L"application";
}

} // namespace docview
