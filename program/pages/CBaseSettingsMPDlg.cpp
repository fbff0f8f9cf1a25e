#include "CBaseSettingsMPDlg.h"

#include "BaseSettingsIds.h"
#include "ShellIds.h"
#include "ValueLists.h"
#include "translate.h"

#include <CLPGDevice.h>

#include <iterator>

IMPLEMENT_DYNAMIC(CBaseSettingsMPDlg, CGDIpMultiPageDialog)

namespace {

struct Caption
{
    int id;
    const wchar_t* text;
};

const Caption kHeaders[] = {
    {IDC_BASE_HEADER, L"Base Settings"},
    {IDC_BASE_FUEL_CHANGE_HEADER, L"Fuel Change Setup"},
    {IDC_BASE_FUEL_METER_HEADER, L"Fuel Meter Setup"},
};

const Caption kLabels[] = {
    {IDC_BASE_RPM_LABEL, L"RPM"},
    {IDC_BASE_SELECT_LABEL, L"Select"},
    {IDC_BASE_RATIO_LABEL, L"Ratio"},
    {IDC_BASE_FUEL_TYPE_LABEL, L"Fuel Type"},
    {IDC_BASE_ENGINE_TYPE_LABEL, L"Engine Type"},
    {IDC_BASE_INJECTOR_TYPE_LABEL, L"Injector Type"},
    {IDC_BASE_WAIT_TIME_LABEL, L"Fuel Change Wait Time"},
    {IDC_BASE_TEMP_LABEL, L"Fuel Change Temp"},
    {IDC_BASE_SWITCH_RPM_LABEL, L"Fuel Change RPM"},
    {IDC_BASE_SEQ_DELAY_LABEL, L"Sequential Switching Delay"},
    {IDC_BASE_LEVEL_LABEL, L"Level"},
    {IDC_BASE_VALUE_LABEL, L"Value[V]"},
    {IDC_BASE_EMPTY_LABEL, L"Empty"},
    {IDC_BASE_FULL_LABEL, L"Full"},
    {IDC_BASE_DIRECTION_LABEL, L"Direction"},
    {IDC_BASE_METER_VALUE_LABEL, L"Fuel Meter Value"},
};

const int kLevelNumberIds[] = {IDC_BASE_LEVEL1, IDC_BASE_LEVEL2, IDC_BASE_LEVEL3, IDC_BASE_LEVEL4,
                               IDC_BASE_LEVEL5};
const int kUnitIds[] = {IDC_BASE_UNIT_WAIT, IDC_BASE_UNIT_TEMP, IDC_BASE_UNIT_RPM, IDC_BASE_UNIT_VOLT,
                        IDC_BASE_UNIT_SEQ};
const int kGaugeIds[] = {IDC_BASE_GAUGE_QUARTER, IDC_BASE_GAUGE_HALF, IDC_BASE_GAUGE_THREE_QUARTERS,
                         IDC_BASE_GAUGE_FULL};

struct Injector
{
    const wchar_t* name;
    unsigned char code;
    bool translated;
};

const Injector kInjectors[] = {
    {L"ORVO 2000", 30, false},
    {L"ORVO 2001", 31, false},
    {L"ORVO 2002", 32, false},
    {L"Valtek 3 Ohm", 1, true},
    {L"OMVL/OMVL Fast", 2, true},
    {L"Barracuda 1.9 Ohm", 26, true},
    {L"Rail IG1 3 Ohm", 15, true},
    {L"Rail IG1 2 Ohm", 20, true},
    {L"Rail IG5 3 Ohm", 21, true},
    {L"Rail IG5 2 Ohm", 22, true},
    {L"Rail IG3 Horizon E3 2.8 Ohm", 16, true},
    {L"Rail IG3 Horizon E2 2 Ohm", 17, true},
    {L"Rail IG2 3 Ohm", 23, true},
    {L"Rail IG2 2 Ohm", 24, true},
    {L"Valtek 1 Ohm", 9, true},
};

const double kCoil = 1;
const double kInjector = 9;
const double kCrank = 10;
const double kCustom = 100;
const unsigned char kCrankDivider = 62;
const unsigned kFuelLevelTicks = 5;

} // namespace

BEGIN_MESSAGE_MAP(CBaseSettingsMPDlg, CGDIpMultiPageDialog)
ON_WM_SIZE()
ON_CBN_SELENDOK(IDC_BASE_RPM_SOURCE, &CBaseSettingsMPDlg::OnCbnSelendokComborpmsource)
ON_CBN_SELENDOK(IDC_BASE_RATIO, &CBaseSettingsMPDlg::OnSelendokCmbRatio)
ON_CBN_SELENDOK(IDC_BASE_FUEL_TYPE, &CBaseSettingsMPDlg::OnSelendokCmbFuelType)
ON_CBN_SELENDOK(IDC_BASE_INJECTOR_TYPE, &CBaseSettingsMPDlg::OnSelendokCmbLpgInj)
ON_CBN_SELENDOK(IDC_BASE_WAIT_TIME, &CBaseSettingsMPDlg::OnSelendokCmbSwitchDelay)
ON_CBN_SELENDOK(IDC_BASE_SWITCH_TEMP, &CBaseSettingsMPDlg::OnSelendokCmbTemprSwitch)
ON_CBN_SELENDOK(IDC_BASE_SWITCH_RPM, &CBaseSettingsMPDlg::OnSelendokCmbRpmSwitch)
ON_CBN_SELENDOK(IDC_BASE_SEQ_DELAY, &CBaseSettingsMPDlg::OnSelendokCmbSeqDelay)
ON_CBN_SELENDOK(IDC_BASE_DIRECTION, &CBaseSettingsMPDlg::OnSelendokCmbFuelMeterDirection)
ON_CBN_SELENDOK(IDC_BASE_ENGINE_TYPE, &CBaseSettingsMPDlg::OnCbnSelendokComborpmtype)
ON_BN_CLICKED(IDC_BASE_FUEL_METER_BUTTON, &CBaseSettingsMPDlg::OnClickedBtnFuelMeter)
ON_BN_CLICKED(IDC_BASE_CALCULATOR_BUTTON, &CBaseSettingsMPDlg::OnClickedBtnInjCalculator)
END_MESSAGE_MAP()

CBaseSettingsMPDlg::CBaseSettingsMPDlg(CWnd* pParent) : CGDIpMultiPageDialog(IDD_BASE_SETTINGS, pParent)
{
    m_headingFont.attach({&m_headers[0], &m_headers[1], &m_headers[2]});
}

CBaseSettingsMPDlg::~CBaseSettingsMPDlg() = default;

void CBaseSettingsMPDlg::DoDataExchange(CDataExchange* pDX)
{
    CGDIpMultiPageDialog::DoDataExchange(pDX);
    for (size_t i = 0; i < std::size(kHeaders); ++i)
        DDX_Control(pDX, kHeaders[i].id, m_headers[i]);
    for (size_t i = 0; i < std::size(kLabels); ++i)
        DDX_Control(pDX, kLabels[i].id, m_labels[i]);
    for (size_t i = 0; i < std::size(kLevelNumberIds); ++i)
        DDX_Control(pDX, kLevelNumberIds[i], m_levelNumbers[i]);
    for (size_t i = 0; i < std::size(kUnitIds); ++i)
        DDX_Control(pDX, kUnitIds[i], m_units[i]);
    for (size_t i = 0; i < std::size(kGaugeIds); ++i)
        DDX_Control(pDX, kGaugeIds[i], m_gauge[i]);
    DDX_Control(pDX, IDC_BASE_FUEL_LEVEL, m_fuelLevel);
    DDX_Control(pDX, IDC_BASE_RPM_SOURCE, m_rpmSource);
    DDX_Control(pDX, IDC_BASE_RATIO, m_ratio);
    DDX_Control(pDX, IDC_BASE_DIVIDER, m_divider);
    DDX_Control(pDX, IDC_BASE_FUEL_TYPE, m_fuelType);
    DDX_Control(pDX, IDC_BASE_ENGINE_TYPE, m_engineType);
    DDX_Control(pDX, IDC_BASE_INJECTOR_TYPE, m_injectorType);
    DDX_Control(pDX, IDC_BASE_WAIT_TIME, m_waitTime);
    DDX_Control(pDX, IDC_BASE_SWITCH_TEMP, m_switchTemp);
    DDX_Control(pDX, IDC_BASE_SWITCH_RPM, m_switchRpm);
    DDX_Control(pDX, IDC_BASE_SEQ_DELAY, m_seqDelay);
    DDX_Control(pDX, IDC_BASE_DIRECTION, m_direction);
    DDX_Control(pDX, IDC_BASE_FUEL_METER_BUTTON, m_fuelMeterButton);
    DDX_Control(pDX, IDC_BASE_CALCULATOR_BUTTON, m_calculatorButton);
}

BOOL CBaseSettingsMPDlg::OnInitDialog()
{
    CGDIpGradientComboBox* const boxes[] = {&m_rpmSource,    &m_ratio,    &m_fuelType,   &m_engineType,
                                            &m_injectorType, &m_waitTime, &m_switchTemp, &m_switchRpm,
                                            &m_seqDelay,     &m_direction};
    for (CGDIpGradientComboBox* box : boxes)
        box->m_closedHeight = 56;
    CGDIpMultiPageDialog::OnInitDialog();
    m_fuelLevel.SetWindowTextW(L"0.00");
    return TRUE;
}

void CBaseSettingsMPDlg::OnSize(UINT nType, int cx, int cy)
{
    CGDIpMultiPageDialog::OnSize(nType, cx, cy);
    m_headingFont.resize(*this, cy);
}

void CBaseSettingsMPDlg::v_init()
{
    v_translate();
}

void CBaseSettingsMPDlg::v_activate()
{
    rebuildRpmSourceLists();
    refreshFromRecord();
}

void CBaseSettingsMPDlg::v_translate()
{
    rebuildRpmSourceLists();
    rebuildOtherLists();
    translateCaptions();
}

// Crank and Custom exist only while hidden features are on, and so does
// the divider as a number.
void CBaseSettingsMPDlg::rebuildRpmSourceLists()
{
    const bool hidden = g_pDevice != nullptr && g_pDevice->m_hiddenFeatures;
    rebuildList(m_rpmSource, [&] {
        m_rpmSource.addValue(0, kCoil, translate(L"Coil"));
        m_rpmSource.addValue(0, kInjector, translate(L"Injector"));
        if (hidden)
            m_rpmSource.addValue(0, kCrank, translate(L"Crank"));
    });
    rebuildList(m_ratio, [&] {
        for (int ratio = 1; ratio <= 4; ++ratio)
            m_ratio.addValue(0, ratio, L"x " + std::to_wstring(ratio));
        if (hidden)
            m_ratio.addValue(0, kCustom, translate(L"Custom"));
    });
    m_divider.ShowWindow(hidden ? SW_SHOW : SW_HIDE);
}

void CBaseSettingsMPDlg::rebuildOtherLists()
{
    rebuildList(m_fuelType, [&] {
        m_fuelType.addValue(0, 0, L"LPG");
        m_fuelType.addValue(0, 1, L"CNG");
    });
    rebuildList(m_switchRpm, [&] { addValueRange(m_switchRpm, 0, 500, 2600, 100); });
    rebuildList(m_switchTemp, [&] { addValueRange(m_switchTemp, 0, 0, 70, 1); });
    rebuildList(m_waitTime, [&] { addValueRange(m_waitTime, 0, 0, 60, 1); });
    rebuildList(m_seqDelay, [&] { addValueRange(m_seqDelay, 1, 0.0, 4.0, 0.1); });
    rebuildList(m_engineType, [&] {
        m_engineType.addValue(0, 0, translate(L"Standard"));
        m_engineType.addValue(0, 1, translate(L"Turbo"));
    });
    rebuildList(m_injectorType, [&] {
        for (const Injector& injector : kInjectors)
            m_injectorType.addValue(0, injector.code,
                                    injector.translated ? translate(injector.name) : injector.name);
    });
    rebuildList(m_direction, [&] {
        m_direction.addValue(0, 1, translate(L"Reverse"));
        m_direction.addValue(0, 0, translate(L"Forward"));
    });
}

void CBaseSettingsMPDlg::translateCaptions()
{
    for (size_t i = 0; i < std::size(kHeaders); ++i)
        m_headers[i].SetWindowTextW(translate(kHeaders[i].text).c_str());
    for (size_t i = 0; i < std::size(kLabels); ++i)
        m_labels[i].SetWindowTextW(translate(kLabels[i].text).c_str());
}

void CBaseSettingsMPDlg::showDivider(unsigned divider)
{
    m_divider.SetWindowTextW(std::to_wstring(divider).c_str());
}

void CBaseSettingsMPDlg::showGauge()
{
    const CSensorsSetup& s = g_pDevice->m_settings.m_sensorsSetup;
    const unsigned char values[] = {s.m_fuelQuarter, s.m_fuelHalf, s.m_fuelHgw, s.m_fuelFull};
    for (size_t i = 0; i < std::size(values); ++i) {
        wchar_t text[16];
        swprintf(text, std::size(text), L"%.2fV", values[i] * 0.02);
        m_gauge[i].SetWindowTextW(text);
    }
}

// Injector signal wins; else a divider of 9 or more is the crank; else the coil.
void CBaseSettingsMPDlg::selectRpmSource()
{
    const CSettingsRecord& r = g_pDevice->m_settings;
    if (r.m_advancedSetup.m_advancedFlags2 & 0x40)
        m_rpmSource.setSelValue(kInjector);
    else if (r.m_base.m_sparkDivider >= 9)
        m_rpmSource.setSelValue(kCrank);
    else
        m_rpmSource.setSelValue(kCoil);
}

void CBaseSettingsMPDlg::refreshFromRecord()
{
    if (g_pDevice == nullptr || GetSafeHwnd() == nullptr)
        return;
    const CSettingsRecord& r = g_pDevice->m_settings;
    const unsigned divider = r.m_base.m_sparkDivider;
    m_ratio.setSelValue(divider > 4 ? kCustom : double(divider));
    selectRpmSource();
    showDivider(divider);
    m_switchTemp.setSelValue(r.m_base.m_switchTempr);
    m_waitTime.setSelValue(r.m_base.m_switchDelay);
    m_switchRpm.setSelValue(r.m_base.m_switchRPM);
    m_injectorType.setSelValue(r.m_adv.m_injectorType);
    m_fuelType.setSelValue((r.m_advancedSetup.m_advancedFlags & 0x08) ? 1 : 0);
    m_engineType.setSelValue((r.m_advancedSetup.m_advancedFlags & 0x40) ? 1 : 0);
    m_seqDelay.setSelValue(r.m_base.m_emulatorDelay);
    showGauge();
    const CSensorsSetup& s = r.m_sensorsSetup;
    m_direction.setSelValue(s.m_fuelFull > s.m_fuelQuarter ? 0 : 1);
}

// The fuel level input, every fifth tick of the frame's timer.
void CBaseSettingsMPDlg::v_onTimer()
{
    static int ticks = 2;
    if (--ticks >= 1)
        return;
    ticks = kFuelLevelTicks;
    if (g_pDevice == nullptr || !g_pDevice->m_connected)
        return;
    CDiag newest;
    g_pDevice->m_diagData.getLast(newest);
    wchar_t text[16];
    swprintf(text, std::size(text), L"%.2fV", newest.getByte(CDiag::kFuelLevelByte) * 0.02);
    m_fuelLevel.SetWindowTextW(text);
}

void CBaseSettingsMPDlg::applyInjectorPreset(CAdvSettings& adv, unsigned char type)
{
    struct Preset
    {
        double offset, pwm, warming;
    };
    Preset preset{3.0, 30.0, 1.2};
    switch (type) {
    case 1:
        preset = {4.0, 50.0, 2.0};
        break;
    case 9:
        preset = {3.0, 35.0, 1.0};
        break;
    case 14:
    case 15:
    case 21:
    case 23:
        preset = {4.0, 30.0, 2.0};
        break;
    case 16:
        preset = {3.5, 35.0, 1.5};
        break;
    case 17:
        preset = {3.0, 35.0, 1.2};
        break;
    case 20:
    case 22:
    case 24:
        preset = {4.0, 30.0, 1.8};
        break;
    case 26:
        preset = {3.5, 35.0, 1.9};
        break;
    case 30:
    case 31:
    case 32:
        preset = {3.0, 30.0, 1.9};
        break;
    default:
        break;
    }
    adv.m_injectorType = type;
    adv.m_pwmOffset = preset.offset;
    adv.m_pwm = preset.pwm;
    adv.m_injectorWarmingImpulse = preset.warming;
}

// Forward means full above quarter: gauge values that run the other way
// are mirrored, full with quarter and three quarters with half.
void CBaseSettingsMPDlg::applyGaugeDirection(CSensorsSetup& s, bool reverse)
{
    const bool fullBelowQuarter = s.m_fuelFull < s.m_fuelQuarter;
    const bool fullAboveQuarter = s.m_fuelFull > s.m_fuelQuarter;
    if ((!reverse && fullBelowQuarter) || (reverse && fullAboveQuarter)) {
        std::swap(s.m_fuelFull, s.m_fuelQuarter);
        std::swap(s.m_fuelHgw, s.m_fuelHalf);
    }
    s.m_fuelType = s.m_fuelFull < s.m_fuelQuarter ? 1 : 0;
}
