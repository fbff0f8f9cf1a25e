#pragma once

#include <CMultiThread.h>

// The program's thread manager: the first static object built, so the last
// one taken down. Its end is the end of the run: the current-controller
// pointer is cleared and the process ends at once, whatever is still
// running, with the exit code the program's run ended with.
class CLPGThreadManager : public CMultiThread
{
public:
    CLPGThreadManager();
    ~CLPGThreadManager() override;

    // The code the process ends with; the program sets it when its message
    // loop is over (0 until then).
    static void setExitCode(int code);
};

// The manager the reading thread is handed to: the program's, or the one a
// test puts in its place.
extern CThreadManager* g_pThreadManager;
