#pragma once

#include <Wfx.h>

// The program's application object: its start-up shows the splash window,
// sets up the profile and builds the single document template.
class COrvoApp : public CWinAppEx
{
public:
    COrvoApp();

    BOOL InitInstance() override;
    // The exit code of the run also ends the process (the thread manager
    // ends it after the static objects).
    int Run() override;

protected:
    afx_msg void OnAppAbout();

    DECLARE_MESSAGE_MAP()

private:
    void showSplash();
};
