// The document/view test program on its own: started by the tests, it plays
// its scenario and ends with exit code 0.

#include "WfxDocViewApp.h"

docview::CTestApp theApp;
