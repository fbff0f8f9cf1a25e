#include "CPetrolChangeSettingsMPD.h"

#include "PetrolChangeIds.h"
#include "RoundFunctions.h"
#include "CheckBoxImages.h"
#include "SettingsHandler.h"
#include "ShellIds.h"
#include "ValueLists.h"
#include "translate.h"

#include <CLPGDevice.h>

#include <cmath>
#include <iterator>

IMPLEMENT_DYNAMIC(CPetrolChangeSettingsMPD, CGDIpMultiPageDialog)

namespace {

struct Caption
{
    int id;
    const wchar_t* text;
};

const Caption kLabels[] = {
    {IDC_PC_LOW_PRESS_MODE_LABEL, L"Change Low GAS Press Mode"},
    {IDC_PC_PRESS_SWITCH_LABEL, L"Change Lower GAS Pressure"},
    {IDC_PC_PRESS_AVERAGE_LABEL, L"Change Waiting Time"},
    {IDC_PC_MAX_RPM_LABEL, L"Change Higher RPM"},
    {IDC_PC_MAX_LOAD_LABEL, L"Change Injection Time"},
    {IDC_PC_MIN_LPG_TEMPR_LABEL, L"Low Gas Temp"},
    {IDC_PC_WORKING_PRESSURE_LABEL, L"Working Pressure"},
};

const int kUnitIds[] = {IDC_PC_PRESS_SWITCH_UNIT, IDC_PC_PRESS_AVERAGE_UNIT, IDC_PC_MAX_RPM_UNIT,
                        IDC_PC_MAX_LOAD_UNIT,     IDC_PC_MIN_LPG_TEMPR_UNIT, IDC_PC_WORKING_PRESSURE_UNIT};

const unsigned char kRpmMaxFlag = 0x02;
const unsigned char kLowTempFlag = 0x01;
const double kNoRpmLimit = 8000;

// The lists show bar; the record holds whole kPa, so a chosen 1.1 bar is
// 110 and not 110.00000000000001.
double barToKpa(double bar)
{
    return std::round(bar * 100);
}

} // namespace

BEGIN_MESSAGE_MAP(CPetrolChangeSettingsMPD, CGDIpMultiPageDialog)
ON_WM_SIZE()
ON_CBN_SELENDOK(IDC_PC_PRESS_SWITCH, &CPetrolChangeSettingsMPD::OnSelendokCmbPressSwitch)
ON_CBN_SELENDOK(IDC_PC_PRESS_AVERAGE, &CPetrolChangeSettingsMPD::OnSelendokCmbPressAverage)
ON_CBN_SELENDOK(IDC_PC_WORKING_PRESSURE, &CPetrolChangeSettingsMPD::OnSelendokComboWorkingPressure)
ON_BN_CLICKED(IDC_PC_RPM_MAX_CHECK, &CPetrolChangeSettingsMPD::OnBnClickedCheckrpmmax)
ON_CBN_SELENDOK(IDC_PC_MAX_RPM, &CPetrolChangeSettingsMPD::OnSelendokCmbMaxRpm)
ON_CBN_SELENDOK(IDC_PC_MAX_LOAD, &CPetrolChangeSettingsMPD::OnSelendokCmbMaxLoad)
ON_BN_CLICKED(IDC_PC_LOW_TEMP_CHECK, &CPetrolChangeSettingsMPD::OnClickedCheckChangeLowGasTempMode)
ON_CBN_SELENDOK(IDC_PC_MIN_LPG_TEMPR, &CPetrolChangeSettingsMPD::OnSelendokCmbMinLpgTempr)
END_MESSAGE_MAP()

CPetrolChangeSettingsMPD::CPetrolChangeSettingsMPD(CWnd* pParent)
    : CGDIpMultiPageDialog(IDD_PETROL_CHANGE, pParent)
{
    m_headingFont.attach({&m_header});
}

CPetrolChangeSettingsMPD::~CPetrolChangeSettingsMPD() = default;

void CPetrolChangeSettingsMPD::DoDataExchange(CDataExchange* pDX)
{
    CGDIpMultiPageDialog::DoDataExchange(pDX);
    DDX_Control(pDX, IDC_PC_HEADER, m_header);
    DDX_Control(pDX, IDC_PC_RPM_MAX_CHECK, m_rpmMaxCheck);
    DDX_Control(pDX, IDC_PC_LOW_TEMP_CHECK, m_lowTempCheck);
    DDX_Control(pDX, IDC_PC_PRESS_SWITCH, m_pressSwitch);
    DDX_Control(pDX, IDC_PC_PRESS_AVERAGE, m_pressAverage);
    DDX_Control(pDX, IDC_PC_MAX_LOAD, m_maxLoad);
    DDX_Control(pDX, IDC_PC_MAX_RPM, m_maxRpm);
    DDX_Control(pDX, IDC_PC_MIN_LPG_TEMPR, m_minLpgTempr);
    DDX_Control(pDX, IDC_PC_WORKING_PRESSURE, m_workingPressure);
    for (size_t i = 0; i < std::size(kLabels); ++i)
        DDX_Control(pDX, kLabels[i].id, m_labels[i]);
    for (size_t i = 0; i < std::size(kUnitIds); ++i)
        DDX_Control(pDX, kUnitIds[i], m_units[i]);
    DDX_Check(pDX, IDC_PC_RPM_MAX_CHECK, m_rpmMaxMode);
    DDX_Check(pDX, IDC_PC_LOW_TEMP_CHECK, m_lowTempMode);
}

BOOL CPetrolChangeSettingsMPD::OnInitDialog()
{
    for (CValueCmbBox* box :
         {&m_pressSwitch, &m_pressAverage, &m_maxLoad, &m_maxRpm, &m_minLpgTempr, &m_workingPressure})
        box->m_closedHeight = 56;
    CGDIpMultiPageDialog::OnInitDialog();
    loadCheckBoxImages(m_selectedImage, m_unselectedImage, {&m_rpmMaxCheck, &m_lowTempCheck});
    return TRUE;
}

void CPetrolChangeSettingsMPD::OnSize(UINT nType, int cx, int cy)
{
    CGDIpMultiPageDialog::OnSize(nType, cx, cy);
    m_headingFont.resize(*this, cy);
}

void CPetrolChangeSettingsMPD::v_init()
{
    v_translate();
}

void CPetrolChangeSettingsMPD::v_activate()
{
    if (g_pDevice == nullptr)
        return;
    const CSettingsRecord& r = g_pDevice->m_settings;
    m_pressSwitch.setSelValue(round1(r.m_base.m_switchPressure / 100));
    m_pressAverage.setSelValue(r.m_base.m_pressAverageCount);
    m_maxRpm.setSelValue(r.m_base.m_maxRPMHigh);
    m_maxLoad.setSelValue(r.m_advancedSetup.m_maxLoadTime);
    m_minLpgTempr.setSelValue(r.m_advancedSetup.m_minLpgTempr);
    m_workingPressure.setSelValue(round1(r.m_base.m_pressureRef / 100));
    m_rpmMaxMode = (r.m_base.m_flags & kRpmMaxFlag) != 0;
    m_lowTempMode = (r.m_base.m_flags & kLowTempFlag) != 0;
    UpdateData(FALSE);
}

void CPetrolChangeSettingsMPD::v_translate()
{
    rebuildList(m_pressSwitch, [&] { addValueRange(m_pressSwitch, 1, 0.0, 2.5, 0.1); });
    rebuildList(m_pressAverage, [&] { addValueRange(m_pressAverage, 1, 0.0, 1.4, 0.2); });
    rebuildList(m_maxRpm, [&] { addValueRange(m_maxRpm, 0, 3000, 8000, 100); });
    rebuildList(m_maxLoad, [&] {
        m_maxLoad.addValue(0, 0);
        addValueRange(m_maxLoad, 0, 5, 30, 1);
    });
    rebuildList(m_minLpgTempr, [&] { addValueRange(m_minLpgTempr, 0, 0, 20, 1); });
    rebuildList(m_workingPressure, [&] { addValueRange(m_workingPressure, 1, 0.5, 2.0, 0.1); });
    m_header.SetWindowTextW(translate(L"Petrol Change Settings").c_str());
    for (size_t i = 0; i < std::size(kLabels); ++i)
        m_labels[i].SetWindowTextW(translate(kLabels[i].text).c_str());
    m_rpmMaxCheck.SetWindowTextW(translate(L"Change Higher RPM Mode").c_str());
    m_lowTempCheck.SetWindowTextW(translate(L"Change Low Gas Temp Mode").c_str());
}

void CPetrolChangeSettingsMPD::OnSelendokCmbPressSwitch()
{
    runSettingsHandler(this, L"CPetrolChangeSettingsMPD::OnSelendokCmbPressSwitch", [&] {
        const double bar = m_pressSwitch.getSelValue();
        changeSetting(this, &CLPGDevice::writeBlock31, [&](CSettingsRecord& r) {
            return bar >= 0 && setIfChanged(r.m_base.m_switchPressure, barToKpa(bar));
        });
    });
}

void CPetrolChangeSettingsMPD::OnSelendokCmbPressAverage()
{
    runSettingsHandler(this, L"CPetrolChangeSettingsMPD::OnSelendokCmbPressAverage", [&] {
        const double seconds = m_pressAverage.getSelValue();
        changeSetting(this, &CLPGDevice::writeBlock31, [&](CSettingsRecord& r) {
            return seconds >= 0 && setIfChanged(r.m_base.m_pressAverageCount, seconds);
        });
    });
}

void CPetrolChangeSettingsMPD::OnSelendokComboWorkingPressure()
{
    runSettingsHandler(this, L"CPetrolChangeSettingsMPD::OnSelendokComboWorkingPressure", [&] {
        const double bar = m_workingPressure.getSelValue();
        changeSetting(this, &CLPGDevice::writeBlock31, [&](CSettingsRecord& r) {
            return bar >= 0 && setIfChanged(r.m_base.m_pressureRef, barToKpa(bar));
        });
    });
}

// 8000 rpm means no limit: the higher-speed mode goes off with it.
void CPetrolChangeSettingsMPD::OnSelendokCmbMaxRpm()
{
    runSettingsHandler(this, L"CPetrolChangeSettingsMPD::OnSelendokCmbMaxRpm", [&] {
        const double rpm = m_maxRpm.getSelValue();
        changeSetting(this, &CLPGDevice::writeBlock31, [&](CSettingsRecord& r) {
            if (rpm < 0 || !setIfChanged(r.m_base.m_maxRPMHigh, rpm))
                return false;
            r.m_base.m_maxRPMLow = rpm - 1000;
            setFlag(r.m_base.m_flags, kRpmMaxFlag, rpm != kNoRpmLimit);
            return true;
        });
    });
}

void CPetrolChangeSettingsMPD::OnSelendokCmbMaxLoad()
{
    runSettingsHandler(this, L"CPetrolChangeSettingsMPD::OnSelendokCmbMaxLoad", [&] {
        const double ms = m_maxLoad.getSelValue();
        changeSetting(this, &CLPGDevice::writeBlock26, [&](CSettingsRecord& r) {
            return ms >= 0 && setIfChanged(r.m_advancedSetup.m_maxLoadTime, ms);
        });
    });
}

void CPetrolChangeSettingsMPD::OnSelendokCmbMinLpgTempr()
{
    runSettingsHandler(this, L"CPetrolChangeSettingsMPD::OnSelendokCmbMinLpgTempr", [&] {
        const double tempr = m_minLpgTempr.getSelValue();
        changeSetting(this, &CLPGDevice::writeBlock26, [&](CSettingsRecord& r) {
            return tempr >= 0 && setIfChanged(r.m_advancedSetup.m_minLpgTempr, tempr);
        });
    });
}

void CPetrolChangeSettingsMPD::changeBaseFlag(const wchar_t* handler, const BOOL& state, unsigned char mask)
{
    runSettingsHandler(this, handler, [&] {
        UpdateData(TRUE);
        changeSettingAlways(this, &CLPGDevice::writeBlock31,
                            [&](CSettingsRecord& r) { setFlag(r.m_base.m_flags, mask, state != FALSE); });
    });
}

void CPetrolChangeSettingsMPD::OnBnClickedCheckrpmmax()
{
    changeBaseFlag(L"CPetrolChangeSettingsMPD::OnBnClickedCheckrpmmax", m_rpmMaxMode, kRpmMaxFlag);
}

void CPetrolChangeSettingsMPD::OnClickedCheckChangeLowGasTempMode()
{
    changeBaseFlag(L"CPetrolChangeSettingsMPD::OnClickedCheckChangeLowGasTempMode", m_lowTempMode,
                   kLowTempFlag);
}
