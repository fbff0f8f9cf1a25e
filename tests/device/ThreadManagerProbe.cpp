// A program whose run ends with the thread manager: main returns 3, but the
// manager, taken down last, ends the process with the code the program set.
#include "CLPGDevice.h"
#include "CLPGThreadManager.h"

static CLPGThreadManager s_threadManager;

int main()
{
    new CLPGDevice; // lives for the whole run, as the document's does
    CLPGThreadManager::setExitCode(7);
    return 3;
}
