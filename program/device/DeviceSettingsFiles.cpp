#include "DeviceSettingsFiles.h"

#include "CLPGDevice.h"
#include "COpenFile.h"
#include "SettingsFileIO.h"
#include "UserInterface.h"

#include <ProgramFolder.h>

#include <windows.h>

#include <cwchar>

namespace {

const wchar_t kSettingsFilter[] = L"Settings file (*.settings)|*.settings|";
const wchar_t kSettingsExtension[] = L"settings";
const wchar_t kPresetFolder[] = L"Kestrelwave PRESET";

// "%d-%m-%Y-%H:%M:%S" of the local time.
std::wstring localTimeStamp()
{
    SYSTEMTIME now;
    GetLocalTime(&now);
    wchar_t text[32];
    swprintf(text, 32, L"%02u-%02u-%04u-%02u:%02u:%02u", now.wDay, now.wMonth, now.wYear, now.wHour,
             now.wMinute, now.wSecond);
    return text;
}

COpenFile settingsDialog(bool save)
{
    return COpenFile(getSettingsFolder(), kSettingsFilter, kSettingsExtension, save);
}

} // namespace

const wchar_t kInitialSettingsPreset[] = L"Initial settings.settings";
const wchar_t kAfterCalibrationPreset[] = L"After Calibration map.settings";

bool CLPGDevice::loadSettingsFile(const std::wstring& path, CSettingsRecord& record)
{
    // Read into a copy, so a file refused half way changes nothing.
    CSettingsRecord loaded = record;
    if (!readSettingsFile(path, loaded))
        return false;
    record = loaded;
    return true;
}

int CLPGDevice::saveSettingsFile()
{
    WaitCursor wait;
    m_settings.m_timeStamp = localTimeStamp();
    std::wstring path = settingsDialog(true).askFileName();
    if (path.empty())
        return kSettingsNotSaved;
    if (writeSettingsFile(path, m_settings))
        return kSettingsSaved;
    showDeviceMessage(L"Nie można wpisać ustawień do pliku z danymi samochodu");
    return kSettingsNotSaved;
}

int openSettingsFile(CSettingsRecord& record)
{
    std::wstring path = settingsDialog(false).askFileName();
    if (path.empty())
        return kSettingsCancelled;
    WaitCursor wait;
    return CLPGDevice::loadSettingsFile(path, record) ? kSettingsLoaded : kSettingsUnreadable;
}

std::wstring presetFilePath(const wchar_t* fileName)
{
    return programFolder() + L"\\" + kPresetFolder + L"\\" + fileName;
}

void keepUnsavedFields(const CSettingsRecord& live, CSettingsRecord& loaded)
{
    loaded.m_base.m_extraValue = live.m_base.m_extraValue;
    CAdvancedSetup& advanced = loaded.m_advancedSetup;
    advanced.m_inspectionEnd = live.m_advancedSetup.m_inspectionEnd;
    advanced.m_circuitLimits = live.m_advancedSetup.m_circuitLimits;
    advanced.m_circuitFlags = live.m_advancedSetup.m_circuitFlags;
    loaded.m_corrMap.m_rowAxis = live.m_corrMap.m_rowAxis;
    loaded.m_corrMap.m_colAxis = live.m_corrMap.m_colAxis;
    loaded.m_obdAdvSetup.reserved = live.m_obdAdvSetup.reserved;
}

bool loadInitialPreset(CSettingsRecord& live)
{
    CSettingsRecord preset;
    if (!CLPGDevice::loadSettingsFile(presetFilePath(kInitialSettingsPreset), preset))
        return false;
    keepUnsavedFields(live, preset);
    live.m_base.copy(preset.m_base);
    live.m_adv.copy(preset.m_adv);
    live.m_sensorsSetup.copy(preset.m_sensorsSetup);
    live.m_advancedSetup.copy(preset.m_advancedSetup);
    return true;
}

bool CLPGDevice::applyAfterCalibrationPreset()
{
    CSettingsRecord preset;
    if (!loadSettingsFile(presetFilePath(kAfterCalibrationPreset), preset))
        return false;
    m_settings.copySetupTimes(preset);
    if (writeTable7())
        return true;
    showDeviceMessage(L"Can't write settings to device!");
    return false;
}
