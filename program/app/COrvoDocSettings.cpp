// The document's settings commands: loading a settings file, restoring the
// factory settings and the initial preset of an untouched controller.

#include "COrvoDoc.h"

#include "CMainFrame.h"
#include "ErrorReport.h"
#include "ProgramBusy.h"
#include "translate.h"

#include <DeviceSettingsFiles.h>
#include <IError.h>
#include <UserInterface.h>

#include <windows.h>

namespace {

const wchar_t kCantWrite[] = L"Can't write settings to device!";

// Bits of the advanced flags that stay the controller's whatever a file says.
const uint8_t kKeptFlagsBit = 0x01;
const uint8_t kKeptFlags2Bit = 0x02;

uint8_t keepBits(uint8_t loaded, uint8_t live, uint8_t bits)
{
    return static_cast<uint8_t>((loaded & ~bits) | (live & bits));
}

// The groups a settings file carries, taken into the live image.
void takeFileGroups(CSettingsRecord& live, const CSettingsRecord& loaded)
{
    const uint8_t flags = live.m_advancedSetup.m_advancedFlags;
    const uint8_t flags2 = live.m_advancedSetup.m_advancedFlags2;
    live.m_base.copy(loaded.m_base);
    live.m_adv.copy(loaded.m_adv);
    live.copySetupTimes(loaded);
    live.copyCorrections(loaded);
    live.m_corrMap.copy(loaded.m_corrMap);
    live.m_sensorsSetup.copy(loaded.m_sensorsSetup);
    live.m_obdSetup = loaded.m_obdSetup;
    live.m_obdAdvSetup = loaded.m_obdAdvSetup;
    live.m_advancedSetup.copy(loaded.m_advancedSetup);
    live.m_advancedSetup.m_advancedFlags =
        keepBits(live.m_advancedSetup.m_advancedFlags, flags, kKeptFlagsBit);
    live.m_advancedSetup.m_advancedFlags2 =
        keepBits(live.m_advancedSetup.m_advancedFlags2, flags2, kKeptFlags2Bit);
}

bool hasObdModule(const CLPGDevice& device)
{
    return (device.m_settings.m_devInfo.m_flags1 & 1) != 0;
}

} // namespace

void COrvoDoc::OnFileReadSettings()
{
    if (ProgramBusy::isSet() || !m_device.m_connected || m_device.isLocked())
        return;
    ProgramBusy busy;
    try {
        if (loadSettingsIntoDevice() && !writeLoadedSettings())
            showDeviceMessage(kCantWrite);
    } catch (IError* error) {
        reportError(L"COrvoDoc::OnFileReadSettings()", error);
    }
}

bool COrvoDoc::loadSettingsIntoDevice()
{
    CSettingsRecord loaded;
    const int result = openSettingsFile(loaded);
    if (result == kSettingsCancelled)
        return false;
    if (result != kSettingsLoaded) {
        showDeviceMessage(L"Can't read device settings from file");
        return false;
    }
    WaitCursor wait;
    keepUnsavedFields(m_device.m_settings, loaded);
    takeFileGroups(m_device.m_settings, loaded);
    return true;
}

bool COrvoDoc::writeLoadedSettings()
{
    if (!m_device.switchToPetrolAndWait())
        return false;
    {
        WaitCursor wait;
        CLPGDevice& d = m_device;
        const bool written =
            d.writeBlock31() && d.writeBlock4() && d.writeBlock15() && d.writeTable7() && d.writeTable9() &&
            d.writeCorrectionMap() && d.writeBlock26() && d.writeBlock30() &&
            (!hasObdModule(d) || (d.writeBlock18() && d.writeBlock27(d.m_settings.m_obdAdvSetup)));
        if (!written)
            return false;
    }
    if (!m_device.reset())
        return false;
    refreshActivePage();
    return true;
}

void COrvoDoc::OnSettingsRestore()
{
    if (ProgramBusy::isSet() || m_device.isLocked())
        return;
    if (!m_device.m_connected) {
        showDeviceMessage(kCantWrite);
        return;
    }
    if (showProgramMessage(HWND(nullptr), L"Do you want to restore default settings?", MB_YESNO) != IDYES)
        return;
    ProgramBusy busy;
    try {
        restoreFactorySettings();
    } catch (IError* error) {
        reportError(L"COrvoDoc::OnSettingsRestore()", error);
    }
}

// The settings groups of a fresh record go into the live image, which is
// what writeAllSettings sends; the identity, statistics, lock data, PC log,
// OBD set-ups and kept bytes stay the controller's.
void COrvoDoc::restoreFactorySettings()
{
    CSettingsRecord defaults;
    keepUnsavedFields(m_device.m_settings, defaults);
    CSettingsRecord& live = m_device.m_settings;
    live.m_base.copy(defaults.m_base);
    live.m_adv.copy(defaults.m_adv);
    live.copySetupTimes(defaults);
    live.copyCorrections(defaults);
    live.m_corrMap.copy(defaults.m_corrMap);
    live.m_sensorsSetup.copy(defaults.m_sensorsSetup);
    live.m_advancedSetup.copy(defaults.m_advancedSetup);
    live.m_autoMap.copy(defaults.m_autoMap);
    m_device.writeAllSettings();
    writeInitialSetup();
    refreshActivePage();
}

bool COrvoDoc::isDeviceUntouched()
{
    const CSettingsRecord& live = m_device.m_settings;
    const CSettingsRecord defaults;
    for (double corr : live.m_mainCorr.m_mainCorr)
        if (corr != 1.0)
            return false;
    for (const auto& row : live.m_setupTimes1)
        for (double value : row)
            if (value != 0.0)
                return false;
    for (const auto& row : live.m_corrMap.m_injMapTable)
        for (double value : row)
            if (value != 0.0)
                return false;
    const CSensorsSetup& s = live.m_sensorsSetup;
    const CSensorsSetup& d = defaults.m_sensorsSetup;
    return live.m_base.m_switchMinGasTime == defaults.m_base.m_switchMinGasTime &&
           s.m_fuelFull == d.m_fuelFull && s.m_fuelHgw == d.m_fuelHgw && s.m_fuelHalf == d.m_fuelHalf &&
           s.m_fuelQuarter == d.m_fuelQuarter && s.m_fuelRes == d.m_fuelRes && s.m_fuelType == d.m_fuelType;
}

// A locked controller takes no preset, untouched or not.
void COrvoDoc::writeInitialSetup()
{
    if (m_device.isLocked() || !isDeviceUntouched())
        return;
    const std::wstring path = presetFilePath(kInitialSettingsPreset);
    HANDLE file =
        CreateFileW(path.c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING, 0, nullptr);
    if (file == INVALID_HANDLE_VALUE)
        return;
    CloseHandle(file);
    ProgramBusy busy;
    {
        WaitCursor wait;
        if (!loadInitialPreset(m_device.m_settings))
            return;
    }
    if (writeInitialBlocks()) {
        refreshActivePage();
        return;
    }
    showProgramMessage(m_pMainFrame, kCantWrite, MB_ICONERROR);
}

// Nothing is written while the controller may still run on gas.
bool COrvoDoc::writeInitialBlocks()
{
    if (!m_device.switchToPetrolAndWait())
        return false;
    WaitCursor wait;
    return m_device.writeBlock31() && m_device.writeBlock4() && m_device.writeBlock26() &&
           m_device.writeBlock30();
}
