#include "SettingsHandler.h"

#include "ErrorReport.h"
#include "ProgramBusy.h"
#include "translate.h"

#include <CLPGDevice.h>
#include <IError.h>
#include <UserInterface.h>
#include <Wfx.h>

#include <optional>
#include <string>

CLPGDevice* readableDevice()
{
    if (g_pDevice == nullptr || !g_pDevice->m_connected || ProgramBusy::isSet())
        return nullptr;
    return g_pDevice;
}

bool settingsLocked()
{
    return g_pDevice != nullptr && g_pDevice->m_connected && g_pDevice->isLocked();
}

CLPGDevice* editableDevice()
{
    return settingsLocked() ? nullptr : readableDevice();
}

CSettingsRecord* changeableRecord()
{
    if (g_pDevice == nullptr || ProgramBusy::isSet() || settingsLocked())
        return nullptr;
    return &g_pDevice->m_settings;
}

void showReadOnlyWhileLocked(CWnd& dialog)
{
    if (!settingsLocked())
        return;
    for (HWND child = GetWindow(dialog.GetSafeHwnd(), GW_CHILD); child;
         child = GetWindow(child, GW_HWNDNEXT)) {
        const int id = GetDlgCtrlID(child);
        if (id != IDOK && id != IDCANCEL)
            EnableWindow(child, FALSE);
    }
}

void runSettingsHandler(CWnd* page, const wchar_t* handler, const std::function<void()>& body,
                        bool waitCursor)
{
    if (ProgramBusy::isSet())
        return;
    std::optional<WaitCursor> wait;
    if (waitCursor)
        wait.emplace();
    try {
        body();
    } catch (IError* error) {
        wait.reset();
        reportError((std::wstring(handler) + L"()").c_str(), error, page ? page->GetSafeHwnd() : nullptr);
    }
}

bool writeSettingsBlock(CWnd* page, BlockWrite write)
{
    if (settingsLocked())
        return false;
    CLPGDevice* device = g_pDevice;
    if (device != nullptr && (device->*write)())
        return true;
    showCantWrite(page);
    return false;
}

bool changeSetting(CWnd* page, BlockWrite write, const std::function<bool(CSettingsRecord&)>& change)
{
    CLPGDevice* device = editableDevice();
    if (device == nullptr || !change(device->m_settings))
        return false;
    return writeSettingsBlock(page, write);
}

void changeSettingAlways(CWnd* page, BlockWrite write, const std::function<void(CSettingsRecord&)>& change)
{
    CSettingsRecord* record = changeableRecord();
    if (record == nullptr)
        return;
    change(*record);
    if (editableDevice() != nullptr)
        writeSettingsBlock(page, write);
}

void showCantWrite(CWnd* page)
{
    showPageError(page, L"Can't write settings to device!");
}

void showPageError(CWnd* page, const wchar_t* text)
{
    showProgramMessage(page, text, MB_ICONERROR);
}
