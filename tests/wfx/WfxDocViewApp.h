#pragma once

// A minimal document/view program: an application with a single-document
// template of a document, a frame and a view. Once the message loop runs,
// the frame's timer plays a fixed scenario (menu update, commands, profile)
// and ends the program through the Exit command. Built into the test
// program and into wfx_docview_program.exe.

#include <Wfx.h>

#include <string>

namespace docview {

// What the scenario saw; also written to the profile section "Results".
struct Results
{
    int initialUpdates = 0;
    bool viewHadDocument = false;
    bool frameWasMainWindow = false;
    UINT disabledState = 0; // menu states after the popup was updated
    UINT checkedState = 0;
    UINT noHandlerState = 0;
    UINT countState = 0;
    UINT exitState = 0;
    int countRuns = 0;
    int disabledRuns = 0;
    std::wstring routedTo[3]; // who handled ID_ROUTE_VIEW, ID_ROUTE_FRAME, ID_ROUTE_APP
    std::wstring title;
    std::wstring documentTitle;
    int ticks = 0;
    int documentsDeleted = 0;
    int viewsDeleted = 0;
    int framesDeleted = 0;
};

Results& results();

const wchar_t kRegistryKey[] = L"KestrelwaveTest";
const wchar_t kAppName[] = L"DocView Test";

// The program's template (its document, frame and view classes).
CSingleDocTemplate* makeTemplate();

class CTestApp : public CWinApp
{
public:
    CTestApp() : CWinApp(kAppName) {}

    BOOL InitInstance() override;

protected:
    afx_msg void OnRouteFrame();
    afx_msg void OnRouteApp();

    DECLARE_MESSAGE_MAP()
};

} // namespace docview
