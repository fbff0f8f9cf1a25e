#include "MapPageSupport.h"

#include "ErrorReport.h"
#include "ProgramBusy.h"
#include "translate.h"

#include <CLPGDevice.h>
#include <UserInterface.h>

#include <CWnd.h>

CLPGDevice* mapDevice()
{
    if (!g_pDevice || !g_pDevice->m_connected || ProgramBusy::isSet())
        return nullptr;
    return g_pDevice;
}

void showMapMessage(CWnd* owner, const wchar_t* text, unsigned icon)
{
    showMessageBox(owner ? owner->GetSafeHwnd() : HWND(nullptr), translate(text), L"Kestrelwave", icon);
}

void showMapWriteError(CWnd* owner)
{
    showMapMessage(owner, L"Can't write settings to device!", MB_ICONERROR);
}

void reportMapError(const wchar_t* handler, IError* error)
{
    reportError(handler, error);
}

void pumpedWait(unsigned ms)
{
    const ULONGLONG end = GetTickCount64() + ms;
    while (GetTickCount64() < end) {
        pumpMessages();
        Sleep(10);
    }
}
