#include "CAdvancedSettingsMPDlg.h"

#include "AdvancedSettingsIds.h"
#include "PetrolProcedure.h"
#include "RoundFunctions.h"
#include "CheckBoxImages.h"
#include "SettingsHandler.h"
#include "ShellIds.h"
#include "ValueLists.h"
#include "translate.h"

#include <CLPGDevice.h>
#include <UserInterface.h>

#include <cmath>
#include <iterator>

IMPLEMENT_DYNAMIC(CAdvancedSettingsMPDlg, CGDIpMultiPageDialog)

namespace {

struct Caption
{
    int id;
    const wchar_t* text;
};

const Caption kChecks[] = {
    {IDC_ADV_INJ_12V, L"Petrol Injectors Activated by +12 V"},
    {IDC_ADV_FAST_SWITCH, L"Fast Switch"},
    {IDC_ADV_EXIT_CUTOFF, L"Exit Cut-Off On Petrol"},
    {IDC_ADV_VALVETRONIC, L"Valvetronic"},
};

const Caption kLabels[] = {
    {IDC_ADV_CUTOFF_LABEL, L"Cut-Off Pressure"},
    {IDC_ADV_RETURN_LABEL, L"Return To Gas Delay"},
    {IDC_ADV_RETURN_EMU_LABEL, L"Return To Gas Emulator Delay"},
    {IDC_ADV_POST_INJECTION_LABEL, L"Petrol Post-Injection"},
    {IDC_ADV_RPM_ABOVE_LABEL, L"RPM Above"},
    {IDC_ADV_IGNORE_LABEL, L"Ignore Extra Times"},
};

const int kUnitIds[] = {IDC_ADV_CUTOFF_UNIT,         IDC_ADV_RETURN_UNIT,    IDC_ADV_RETURN_EMU_UNIT,
                        IDC_ADV_POST_INJECTION_UNIT, IDC_ADV_RPM_ABOVE_UNIT, IDC_ADV_IGNORE_UNIT};

// The cut-off group exists only for LPG.
const int kLpgOnlyIds[] = {IDC_ADV_EXIT_CUTOFF,    IDC_ADV_CUTOFF_LABEL,     IDC_ADV_CUTOFF,
                           IDC_ADV_CUTOFF_UNIT,    IDC_ADV_RETURN_LABEL,     IDC_ADV_RETURN,
                           IDC_ADV_RETURN_UNIT,    IDC_ADV_RETURN_EMU_LABEL, IDC_ADV_RETURN_EMU,
                           IDC_ADV_RETURN_EMU_UNIT};

const unsigned char kInjectors12vFlag = 0x01;
const unsigned char kFastSwitchFlag = 0x40;
const unsigned char kExitCutOffFlag = 0x04;
const unsigned kValvetronicFlag = 0x200;
const unsigned char kCngFlag = 0x08;
const uint32_t kObdModuleFlag = 0x01;

} // namespace

BEGIN_MESSAGE_MAP(CAdvancedSettingsMPDlg, CGDIpMultiPageDialog)
ON_WM_SIZE()
ON_BN_CLICKED(IDC_ADV_INJ_12V, &CAdvancedSettingsMPDlg::OnClickedCheckInj12v)
ON_BN_CLICKED(IDC_ADV_FAST_SWITCH, &CAdvancedSettingsMPDlg::OnBnClickedCheckfastswitch)
ON_BN_CLICKED(IDC_ADV_EXIT_CUTOFF, &CAdvancedSettingsMPDlg::OnClickedCheckExitFromCutoff)
ON_CBN_SELENDOK(IDC_ADV_CUTOFF, &CAdvancedSettingsMPDlg::OnSelendokCmbCutoffPressure)
ON_CBN_SELENDOK(IDC_ADV_RETURN, &CAdvancedSettingsMPDlg::OnSelendokComboReturnToGas)
ON_CBN_SELENDOK(IDC_ADV_RETURN_EMU, &CAdvancedSettingsMPDlg::OnSelendokComboReturnToGasEmulatorDelay)
ON_CBN_SELENDOK(IDC_ADV_POST_INJECTION, &CAdvancedSettingsMPDlg::OnSelendokComboPetrolPostInjection)
ON_CBN_SELENDOK(IDC_ADV_RPM_ABOVE, &CAdvancedSettingsMPDlg::OnSelendokComboRpmForLubrification)
ON_CBN_SELENDOK(IDC_ADV_IGNORE, &CAdvancedSettingsMPDlg::OnSelendokComboIgnore)
ON_BN_CLICKED(IDC_ADV_VALVETRONIC, &CAdvancedSettingsMPDlg::OnClickedChkStartAuto)
END_MESSAGE_MAP()

CAdvancedSettingsMPDlg::CAdvancedSettingsMPDlg(CWnd* pParent)
    : CGDIpMultiPageDialog(IDD_ADVANCED_SETTINGS, pParent)
{
    m_headingFont.attach({&m_header});
}

CAdvancedSettingsMPDlg::~CAdvancedSettingsMPDlg() = default;

void CAdvancedSettingsMPDlg::DoDataExchange(CDataExchange* pDX)
{
    CGDIpMultiPageDialog::DoDataExchange(pDX);
    DDX_Control(pDX, IDC_ADV_HEADER, m_header);
    for (size_t i = 0; i < std::size(kChecks); ++i)
        DDX_Control(pDX, kChecks[i].id, m_checks[i]);
    for (size_t i = 0; i < std::size(kLabels); ++i)
        DDX_Control(pDX, kLabels[i].id, m_labels[i]);
    for (size_t i = 0; i < std::size(kUnitIds); ++i)
        DDX_Control(pDX, kUnitIds[i], m_units[i]);
    DDX_Control(pDX, IDC_ADV_CUTOFF, m_cutOffPressure);
    DDX_Control(pDX, IDC_ADV_RETURN, m_returnDelay);
    DDX_Control(pDX, IDC_ADV_RETURN_EMU, m_returnEmulatorDelay);
    DDX_Control(pDX, IDC_ADV_POST_INJECTION, m_postInjection);
    DDX_Control(pDX, IDC_ADV_RPM_ABOVE, m_rpmAbove);
    DDX_Control(pDX, IDC_ADV_IGNORE, m_ignore);
    DDX_Check(pDX, IDC_ADV_INJ_12V, m_injectors12v);
    DDX_Check(pDX, IDC_ADV_FAST_SWITCH, m_fastSwitch);
    DDX_Check(pDX, IDC_ADV_EXIT_CUTOFF, m_exitCutOff);
    DDX_Check(pDX, IDC_ADV_VALVETRONIC, m_valvetronic);
}

BOOL CAdvancedSettingsMPDlg::OnInitDialog()
{
    for (CValueCmbBox* box : {&m_cutOffPressure, &m_returnDelay, &m_returnEmulatorDelay, &m_postInjection,
                              &m_rpmAbove, &m_ignore})
        box->m_closedHeight = 56;
    CGDIpMultiPageDialog::OnInitDialog();
    loadCheckBoxImages(m_selectedImage, m_unselectedImage,
                       {&m_checks[0], &m_checks[1], &m_checks[2], &m_checks[3]});
    return TRUE;
}

void CAdvancedSettingsMPDlg::OnSize(UINT nType, int cx, int cy)
{
    CGDIpMultiPageDialog::OnSize(nType, cx, cy);
    m_headingFont.resize(*this, cy);
}

void CAdvancedSettingsMPDlg::v_init()
{
    v_translate();
}

void CAdvancedSettingsMPDlg::v_translate()
{
    m_header.SetWindowTextW(translate(L"Additional Settings").c_str());
    for (size_t i = 0; i < 3; ++i)
        m_checks[i].SetWindowTextW(translate(kChecks[i].text).c_str());
    for (size_t i = 0; i < std::size(kLabels); ++i)
        m_labels[i].SetWindowTextW(translate(kLabels[i].text).c_str());
    rebuildList(m_cutOffPressure, [&] { addValueRange(m_cutOffPressure, 2, 1.00, 2.00, 0.01); });
    rebuildList(m_returnDelay, [&] { addValueRange(m_returnDelay, 1, 0.0, 5.0, 0.5); });
    rebuildList(m_returnEmulatorDelay, [&] { addValueRange(m_returnEmulatorDelay, 1, 0.0, 5.1, 0.1); });
    rebuildList(m_postInjection, [&] { addValueRange(m_postInjection, 0, 0, 100, 1); });
    rebuildList(m_rpmAbove, [&] { addValueRange(m_rpmAbove, 0, 500, 8000, 20); });
    rebuildList(m_ignore, [&] { addValueRange(m_ignore, 1, 0.0, 5.1, 0.1); });
}

void CAdvancedSettingsMPDlg::v_activate()
{
    const bool cng =
        g_pDevice != nullptr && (g_pDevice->m_settings.m_advancedSetup.m_advancedFlags & kCngFlag);
    for (int id : kLpgOnlyIds)
        if (CWnd* control = GetDlgItem(id))
            control->ShowWindow(cng ? SW_HIDE : SW_SHOW);
    refreshFromRecord();
}

void CAdvancedSettingsMPDlg::refreshFromRecord()
{
    if (g_pDevice == nullptr || GetSafeHwnd() == nullptr)
        return;
    const CSettingsRecord& r = g_pDevice->m_settings;
    m_injectors12v = (r.m_adv.m_engineSignalBehavior & kInjectors12vFlag) != 0;
    m_exitCutOff = (r.m_adv.m_flags & kExitCutOffFlag) != 0;
    m_fastSwitch = (r.m_base.m_flags & kFastSwitchFlag) != 0;
    m_valvetronic = (r.m_advancedSetup.m_advancedFlags3 & kValvetronicFlag) != 0;
    m_cutOffPressure.setSelValue(round2(r.m_adv.m_cutOffPressSwitch / 100));
    m_returnDelay.setSelValue(r.m_adv.m_cutOffExitDelay);
    m_returnEmulatorDelay.setSelValue(r.m_adv.m_cutOffExitEmulatorDelay);
    m_postInjection.setSelValue(r.m_advancedSetup.m_fuelEmulator);
    m_rpmAbove.setSelValue(r.m_advancedSetup.m_rpmForFuelEmulator);
    m_ignore.setSelValue(round1(r.m_adv.m_ignoreLPGTime));
    UpdateData(FALSE);
}

// The flag follows the box at once; a connected controller is switched to
// petrol to take it and restarted.
void CAdvancedSettingsMPDlg::OnClickedCheckInj12v()
{
    runSettingsHandler(this, L"CAdvancedSettingsMPDlg::OnClickedCheckInj12v", [&] {
        UpdateData(TRUE);
        CSettingsRecord* record = changeableRecord();
        if (record == nullptr)
            return;
        setFlag(record->m_adv.m_engineSignalBehavior, kInjectors12vFlag, m_injectors12v != FALSE);
        if (CLPGDevice* device = editableDevice())
            runPetrolProcedure(this, *device, &CLPGDevice::writeBlock4, L"Can't reset LPG device!");
    });
}

void CAdvancedSettingsMPDlg::OnBnClickedCheckfastswitch()
{
    runSettingsHandler(
        this, L"CAdvancedSettingsMPDlg::OnBnClickedCheckfastswitch",
        [&] {
            UpdateData(TRUE);
            changeSettingAlways(this, &CLPGDevice::writeBlock31, [&](CSettingsRecord& r) {
                setFlag(r.m_base.m_flags, kFastSwitchFlag, m_fastSwitch != FALSE);
            });
        },
        false);
}

void CAdvancedSettingsMPDlg::OnClickedCheckExitFromCutoff()
{
    runSettingsHandler(
        this, L"CAdvancedSettingsMPDlg::OnClickedCheckExitFromCutoff",
        [&] {
            UpdateData(TRUE);
            changeSettingAlways(this, &CLPGDevice::writeBlock4, [&](CSettingsRecord& r) {
                setFlag(r.m_adv.m_flags, kExitCutOffFlag, m_exitCutOff != FALSE);
            });
        },
        false);
}

// The list shows bar; the record holds whole hundredths, so that 1.15 goes
// out as 115 and not as 114.99999999999999.
void CAdvancedSettingsMPDlg::OnSelendokCmbCutoffPressure()
{
    runSettingsHandler(this, L"CAdvancedSettingsMPDlg::OnSelendokCmbCutoffPressure", [&] {
        const double bar = m_cutOffPressure.getSelValue();
        changeSetting(this, &CLPGDevice::writeBlock4, [&](CSettingsRecord& r) {
            return bar >= 0 && setIfChanged(r.m_adv.m_cutOffPressSwitch, std::round(bar * 100));
        });
    });
}

void CAdvancedSettingsMPDlg::changeAdvValue(const wchar_t* handler, CValueCmbBox& box,
                                            double CAdvSettings::*field)
{
    runSettingsHandler(this, handler, [&] {
        const double value = box.getSelValue();
        changeSetting(this, &CLPGDevice::writeBlock4,
                      [&](CSettingsRecord& r) { return value >= 0 && setIfChanged(r.m_adv.*field, value); });
    });
}

void CAdvancedSettingsMPDlg::OnSelendokComboReturnToGas()
{
    changeAdvValue(L"CAdvancedSettingsMPDlg::OnSelendokComboReturnToGas", m_returnDelay,
                   &CAdvSettings::m_cutOffExitDelay);
}

void CAdvancedSettingsMPDlg::OnSelendokComboReturnToGasEmulatorDelay()
{
    changeAdvValue(L"CAdvancedSettingsMPDlg::OnSelendokComboReturnToGasEmulatorDelay", m_returnEmulatorDelay,
                   &CAdvSettings::m_cutOffExitEmulatorDelay);
}

void CAdvancedSettingsMPDlg::OnSelendokComboIgnore()
{
    changeAdvValue(L"CAdvancedSettingsMPDlg::OnSelendokComboIgnore", m_ignore,
                   &CAdvSettings::m_ignoreLPGTime);
}

void CAdvancedSettingsMPDlg::OnSelendokComboPetrolPostInjection()
{
    runSettingsHandler(this, L"CAdvancedSettingsMPDlg::OnSelendokComboPetrolPostInjection", [&] {
        const double percent = m_postInjection.getSelValue();
        changeSetting(this, &CLPGDevice::writeBlock26, [&](CSettingsRecord& r) {
            return percent >= 0 &&
                   setIfChanged(r.m_advancedSetup.m_fuelEmulator, static_cast<unsigned char>(percent));
        });
    });
}

void CAdvancedSettingsMPDlg::OnSelendokComboRpmForLubrification()
{
    runSettingsHandler(this, L"CAdvancedSettingsMPDlg::OnSelendokComboRpmForLubrification", [&] {
        const double rpm = m_rpmAbove.getSelValue();
        changeSetting(this, &CLPGDevice::writeBlock26, [&](CSettingsRecord& r) {
            return rpm >= 0 && setIfChanged(r.m_advancedSetup.m_rpmForFuelEmulator, rpm);
        });
    });
}

void CAdvancedSettingsMPDlg::OnClickedChkStartAuto()
{
    runSettingsHandler(this, L"CAdvancedSettingsMPDlg::OnClickedChkStartAuto", [&] {
        UpdateData(TRUE);
        changeSetting(this, &CLPGDevice::writeBlock26, [&](CSettingsRecord& r) {
            const bool on = m_valvetronic != FALSE;
            setFlag(r.m_advancedSetup.m_advancedFlags3, kValvetronicFlag, on);
            if (on && (r.m_devInfo.m_flags1 & kObdModuleFlag))
                showProgramMessage(this, L"Enable OBD and Start Mapping from OBD on RPM 2D Map tab", MB_OK);
            return true;
        });
    });
}
