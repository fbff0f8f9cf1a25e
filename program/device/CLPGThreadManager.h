#pragma once

#include <CMultiThread.h>

// The program's thread manager: the first static object built, so the last
// one taken down. Its end is the end of the run: the current-controller
// pointer is cleared and the process ends at once, whatever is still running.
class CLPGThreadManager : public CMultiThread
{
public:
    CLPGThreadManager() = default;
    ~CLPGThreadManager() override;
};
