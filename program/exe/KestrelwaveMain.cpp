// The program's static objects, in the order they must be built: the thread
// manager first, so that it is taken down last and ends the process.

#include <COrvoApp.h>
#include <CSplashDlg.h>

#include <CLPGThreadManager.h>

static CLPGThreadManager s_threadManager;
static COrvoApp theApp;
static CSplashDlg s_splash;
