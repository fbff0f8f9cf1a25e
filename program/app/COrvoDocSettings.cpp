// The document's settings commands: loading a settings file, restoring the
// factory settings and the initial preset of an untouched controller.

#include "COrvoDoc.h"

#include "CMainFrame.h"
#include "PetrolProcedure.h"
#include "ErrorReport.h"
#include "ProgramBusy.h"
#include "translate.h"

#include <DeviceSettingsFiles.h>
#include <IError.h>
#include <UserInterface.h>

#include <windows.h>

namespace {

const wchar_t kCantWrite[] = L"Can't write settings to device!";

// Bits of the advanced set-up that describe the car's installation and the
// installer's reminders, kept from the controller when other settings come in.
struct KeptBits
{
    uint8_t flags;
    uint8_t flags2;
    uint16_t flags3;
};
const uint8_t kInspectionBit = 0x01;
const uint8_t kCngBit = 0x08;
const uint8_t kMapSensorBits = 0x90;
const uint8_t kCreditBit = 0x02;
const uint16_t kPressureRowsBit = 0x0400;
// A file brings another car's installation, but never the reminders.
const KeptBits kKeptFromFile = {kInspectionBit, kCreditBit, 0};
// Factory settings keep the fuel, the MAP sensor, the map rows' kind (its
// axes stay too) and the reminders.
const KeptBits kKeptOnRestore = {kInspectionBit | kCngBit | kMapSensorBits, kCreditBit, kPressureRowsBit};

template <class T> T keepBits(T incoming, T live, T bits)
{
    return static_cast<T>((incoming & ~bits) | (live & bits));
}

// The advanced set-up group of `incoming` taken into `live` but for the kept bits.
void takeAdvancedSetup(CAdvancedSetup& live, const CAdvancedSetup& incoming, const KeptBits& kept)
{
    const CAdvancedSetup before = live;
    live.copy(incoming);
    live.m_advancedFlags = keepBits(live.m_advancedFlags, before.m_advancedFlags, kept.flags);
    live.m_advancedFlags2 = keepBits(live.m_advancedFlags2, before.m_advancedFlags2, kept.flags2);
    live.m_advancedFlags3 = keepBits(live.m_advancedFlags3, before.m_advancedFlags3, kept.flags3);
}

// The groups that both a file and the factory settings bring.
void takeSettingsGroups(CSettingsRecord& live, const CSettingsRecord& incoming, const KeptBits& kept)
{
    live.m_base.copy(incoming.m_base);
    live.m_adv.copy(incoming.m_adv);
    live.copySetupTimes(incoming);
    live.copyCorrections(incoming);
    live.m_corrMap.copy(incoming.m_corrMap);
    live.m_sensorsSetup.copy(incoming.m_sensorsSetup);
    takeAdvancedSetup(live.m_advancedSetup, incoming.m_advancedSetup, kept);
}

bool hasObdModule(const CLPGDevice& device)
{
    return (device.m_settings.m_devInfo.m_flags1 & 1) != 0;
}

// The blocks a settings file goes to, in the order of the Load command.
std::vector<BlockWrite> loadWrites(const CLPGDevice& device)
{
    std::vector<BlockWrite> writes = {&CLPGDevice::writeBlock31, &CLPGDevice::writeBlock4,
                                      &CLPGDevice::writeBlock15, &CLPGDevice::writeTable7,
                                      &CLPGDevice::writeTable9,  &CLPGDevice::writeCorrectionMap,
                                      &CLPGDevice::writeBlock26, &CLPGDevice::writeBlock30};
    if (hasObdModule(device)) {
        writes.push_back(&CLPGDevice::writeBlock18);
        writes.push_back(&CLPGDevice::writeBlock27);
    }
    return writes;
}

} // namespace

void COrvoDoc::OnFileReadSettings()
{
    if (ProgramBusy::isSet() || !m_device.m_connected || m_device.isLocked())
        return;
    ProgramBusy busy;
    try {
        CSettingsRecord loaded;
        if (!readChosenFile(loaded))
            return;
        PetrolProcedure procedure(m_pMainFrame, m_device);
        {
            WaitCursor wait;
            keepUnsavedFields(m_device.m_settings, loaded);
            takeSettingsGroups(m_device.m_settings, loaded, kKeptFromFile);
            m_device.m_settings.m_obdSetup = loaded.m_obdSetup;
            m_device.m_settings.m_obdAdvSetup = loaded.m_obdAdvSetup;
        }
        if (!writeThroughPetrol(procedure, loadWrites(m_device))) {
            rollBack(procedure);
            return;
        }
        // The axes stay the controller's, but the file's sensor and row
        // kind may give them other values.
        m_device.readBlock34();
        showChangedSettings();
    } catch (IError* error) {
        reportError(L"COrvoDoc::OnFileReadSettings()", error);
    }
}

bool COrvoDoc::readChosenFile(CSettingsRecord& loaded)
{
    const int result = openSettingsFile(loaded);
    if (result == kSettingsCancelled)
        return false;
    if (result != kSettingsLoaded) {
        showDeviceMessage(L"Can't read device settings from file");
        return false;
    }
    return true;
}

// Petrol, the blocks, the restart, and back to gas unless the controller
// ran on petrol before; the first step that fails is said and ends it.
bool COrvoDoc::writeThroughPetrol(PetrolProcedure& procedure, const std::vector<BlockWrite>& blocks)
{
    if (!procedure.switchToPetrol()) {
        showCantWrite(m_pMainFrame);
        return false;
    }
    {
        WaitCursor wait;
        for (BlockWrite block : blocks)
            if (!procedure.write(block))
                return false;
    }
    if (!procedure.reset())
        return false;
    procedure.finish();
    return true;
}

// After a failed write of several blocks nothing runs before the record
// holds what the controller holds again, and the controller is back on
// gas unless it ran on petrol before.
void COrvoDoc::rollBack(PetrolProcedure& procedure)
{
    m_device.readBackSettings();
    procedure.runner().handBack();
    showChangedSettings();
}

// The captions follow the fuel type, the page shown its values.
void COrvoDoc::showChangedSettings()
{
    v_translate();
    refreshActivePage();
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
// what goes out as writeAllSettings sends it; the identity, statistics,
// lock data, PC log, OBD set-ups, kept bytes and the car's installation
// stay the controller's.
void COrvoDoc::restoreFactorySettings()
{
    CSettingsRecord defaults;
    keepUnsavedFields(m_device.m_settings, defaults);
    takeSettingsGroups(m_device.m_settings, defaults, kKeptOnRestore);
    m_device.m_settings.m_autoMap.copy(defaults.m_autoMap);
    PetrolProcedure procedure(m_pMainFrame, m_device);
    if (!writeThroughPetrol(procedure, CLPGDevice::allSettingsWrites())) {
        rollBack(procedure);
        return;
    }
    writeInitialSetup();
    showChangedSettings();
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
    PetrolProcedure procedure(m_pMainFrame, m_device);
    {
        WaitCursor wait;
        if (!loadInitialPreset(m_device.m_settings))
            return;
    }
    if (writeInitialBlocks(procedure)) {
        refreshActivePage();
        return;
    }
    showProgramMessage(m_pMainFrame, kCantWrite, MB_ICONERROR);
    rollBack(procedure);
}

// Nothing is written while the controller may still run on gas.
bool COrvoDoc::writeInitialBlocks(PetrolProcedure& procedure)
{
    if (!procedure.switchToPetrol())
        return false;
    WaitCursor wait;
    return m_device.writeBlock31() && m_device.writeBlock4() && m_device.writeBlock26() &&
           m_device.writeBlock30();
}
