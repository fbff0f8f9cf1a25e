#include "CLPGThreadManager.h"

#include "CLPGDevice.h"

#include <windows.h>

CThreadManager* g_pThreadManager = nullptr;

namespace {
int g_exitCode = 0;
}

CLPGThreadManager::CLPGThreadManager()
{
    g_pThreadManager = this;
}

CLPGThreadManager::~CLPGThreadManager()
{
    g_pThreadManager = nullptr;
    g_pDevice = nullptr;
    ExitProcess(static_cast<UINT>(g_exitCode));
}

void CLPGThreadManager::setExitCode(int code)
{
    g_exitCode = code;
}
