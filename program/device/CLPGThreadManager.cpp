#include "CLPGThreadManager.h"

#include "CLPGDevice.h"

#include <windows.h>

CLPGThreadManager::~CLPGThreadManager()
{
    g_pDevice = nullptr;
    ExitProcess(0);
}
