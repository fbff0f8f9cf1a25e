// The base settings page's handlers: each changes one setting of the
// controller object's record and writes the block that holds it.

#include "CBaseSettingsMPDlg.h"

#include "CCppDlg.h"
#include "CInjSizeCalcDlg.h"
#include "IProgramShell.h"
#include "PetrolProcedure.h"
#include "SettingsHandler.h"

#include <CLPGDevice.h>

namespace {

const double kInjectorSource = 9;
const double kCrankSource = 10;
const double kCustomRatio = 100;
const unsigned char kCrankDivider = 62;
const unsigned char kCngFlag = 0x08;
const unsigned char kTurboFlag = 0x40;
const unsigned char kInjectorSignalFlag = 0x40;

} // namespace

void CBaseSettingsMPDlg::OnCbnSelendokComborpmsource()
{
    runSettingsHandler(this, L"CBaseSettingsMPDlg::OnCbnSelendokComborpmsource", [&] {
        CLPGDevice* device = editableDevice();
        const double source = m_rpmSource.getSelValue();
        if (device == nullptr || source < 0)
            return;
        CSettingsRecord& r = device->m_settings;
        setFlag(r.m_advancedSetup.m_advancedFlags2, kInjectorSignalFlag, source == kInjectorSource);
        if (source == kInjectorSource) {
            r.m_base.m_sparkDivider = 1;
            m_ratio.setSelValue(1);
        } else if (source == kCrankSource) {
            r.m_base.m_sparkDivider = kCrankDivider;
            m_ratio.setSelValue(kCustomRatio);
        } else {
            r.m_base.m_sparkDivider = static_cast<unsigned char>(source);
            m_ratio.setSelValue(source);
        }
        showDivider(r.m_base.m_sparkDivider);
        if (writeSettingsBlock(this, &CLPGDevice::writeBlock26))
            writeSettingsBlock(this, &CLPGDevice::writeBlock31);
    });
}

void CBaseSettingsMPDlg::OnSelendokCmbRatio()
{
    runSettingsHandler(this, L"CBaseSettingsMPDlg::OnSelendokCmbRatio", [&] {
        const double ratio = m_ratio.getSelValue();
        changeSetting(this, &CLPGDevice::writeBlock31, [&](CSettingsRecord& r) {
            if (ratio < 0 || ratio == kCustomRatio)
                return false;
            r.m_base.m_sparkDivider = static_cast<unsigned char>(ratio);
            showDivider(r.m_base.m_sparkDivider);
            return true;
        });
    });
}

void CBaseSettingsMPDlg::OnSelendokCmbFuelType()
{
    runSettingsHandler(this, L"CBaseSettingsMPDlg::OnSelendokCmbFuelType", [&] { runFuelChange(); });
}

// The controller restarts on its new fuel; the CNG flag written with block
// 26 turns every "LPG" of the captions into "CNG". Until the controller has
// taken the flag the record keeps the fuel it runs on, and so does the page.
void CBaseSettingsMPDlg::runFuelChange()
{
    CLPGDevice* device = editableDevice();
    const double fuel = m_fuelType.getSelValue();
    if (device == nullptr || fuel < 0)
        return;
    uint8_t& flags = device->m_settings.m_advancedSetup.m_advancedFlags;
    const uint8_t before = flags;
    setFlag(flags, kCngFlag, fuel == 1);
    PetrolProcedure procedure(this, *device);
    procedure.switchToPetrol();
    bool written = false;
    try {
        written = procedure.write(&CLPGDevice::writeBlock26);
    } catch (...) {
        flags = before;
        refreshFromRecord();
        throw;
    }
    if (!written) {
        flags = before;
        refreshFromRecord();
        return;
    }
    if (!procedure.reset())
        return;
    if (g_pShell != nullptr)
        g_pShell->v_translate();
    procedure.finish();
}

void CBaseSettingsMPDlg::OnSelendokCmbLpgInj()
{
    runSettingsHandler(this, L"CBaseSettingsMPDlg::OnSelendokCmbLpgInj", [&] {
        const double type = m_injectorType.getSelValue();
        changeSetting(this, &CLPGDevice::writeBlock4, [&](CSettingsRecord& r) {
            const auto code = static_cast<unsigned char>(type);
            if (type < 0 || code == r.m_adv.m_injectorType)
                return false;
            applyInjectorPreset(r.m_adv, code);
            return true;
        });
    });
}

void CBaseSettingsMPDlg::changeSwitchValue(const wchar_t* handler, CValueCmbBox& box,
                                           double CBaseSettings::*field)
{
    runSettingsHandler(this, handler, [&] {
        const double value = box.getSelValue();
        changeSetting(this, &CLPGDevice::writeBlock31,
                      [&](CSettingsRecord& r) { return value >= 0 && setIfChanged(r.m_base.*field, value); });
    });
}

void CBaseSettingsMPDlg::OnSelendokCmbSwitchDelay()
{
    changeSwitchValue(L"CBaseSettingsMPDlg::OnSelendokCmbSwitchDelay", m_waitTime,
                      &CBaseSettings::m_switchDelay);
}

void CBaseSettingsMPDlg::OnSelendokCmbTemprSwitch()
{
    changeSwitchValue(L"CBaseSettingsMPDlg::OnSelendokCmbTemprSwitch", m_switchTemp,
                      &CBaseSettings::m_switchTempr);
}

void CBaseSettingsMPDlg::OnSelendokCmbRpmSwitch()
{
    changeSwitchValue(L"CBaseSettingsMPDlg::OnSelendokCmbRpmSwitch", m_switchRpm,
                      &CBaseSettings::m_switchRPM);
}

void CBaseSettingsMPDlg::OnSelendokCmbSeqDelay()
{
    changeSwitchValue(L"CBaseSettingsMPDlg::OnSelendokCmbSeqDelay", m_seqDelay,
                      &CBaseSettings::m_emulatorDelay);
}

void CBaseSettingsMPDlg::OnSelendokCmbFuelMeterDirection()
{
    runSettingsHandler(this, L"CBaseSettingsMPDlg::OnSelendokCmbFuelMeterDirection", [&] {
        const double direction = m_direction.getSelValue();
        changeSetting(this, &CLPGDevice::writeBlock30, [&](CSettingsRecord& r) {
            if (direction < 0)
                return false;
            applyGaugeDirection(r.m_sensorsSetup, direction == 1);
            showGauge();
            return true;
        });
    });
}

// Turbo engines run without the pressure gain; the controller learns the
// new engine type through actions 28 and 29, whose failure is said too.
void CBaseSettingsMPDlg::OnCbnSelendokComborpmtype()
{
    runSettingsHandler(this, L"CBaseSettingsMPDlg::OnCbnSelendokComborpmtype", [&] {
        CLPGDevice* device = editableDevice();
        const double type = m_engineType.getSelValue();
        if (device == nullptr || type < 0)
            return;
        CSettingsRecord& r = device->m_settings;
        const bool turbo = type == 1;
        setFlag(r.m_advancedSetup.m_advancedFlags, kTurboFlag, turbo);
        r.m_base.m_pressureGain = turbo ? 0.0 : 1.0;
        if (!writeSettingsBlock(this, &CLPGDevice::writeBlock26) ||
            !writeSettingsBlock(this, &CLPGDevice::writeBlock31))
            return;
        if (!device->sendAction28() || !device->sendAction29())
            showCantWrite(this);
    });
}

void CBaseSettingsMPDlg::OnClickedBtnFuelMeter()
{
    if (ProgramBusy::isSet())
        return;
    CCppDlg dialog(this);
    dialog.DoModal();
    refreshFromRecord();
}

void CBaseSettingsMPDlg::OnClickedBtnInjCalculator()
{
    CInjSizeCalcDlg dialog(this);
    dialog.DoModal();
}
