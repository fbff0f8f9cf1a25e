// A program whose run ends with the thread manager: main returns 7, but
// the manager, taken down last, ends the process with 0.
#include "CLPGDevice.h"
#include "CLPGThreadManager.h"

static CLPGThreadManager s_threadManager;

int main()
{
    new CLPGDevice; // lives for the whole run, as the document's does
    return 7;
}
