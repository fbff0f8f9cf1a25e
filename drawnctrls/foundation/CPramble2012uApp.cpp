#include "CPramble2012uApp.h"

CPramble2012uApp::CPramble2012uApp() : CWinApp(L"PrambleGDIp2013u") {}

namespace {
CPramble2012uApp theLibraryApp;
} // namespace
