#include "CSensorsMPDlg.h"

#include "CheckBoxImages.h"
#include "RoundFunctions.h"
#include "InjectorGrouping.h"
#include "SensorsPageIds.h"
#include "SettingsHandler.h"
#include "ShellIds.h"
#include "ValueLists.h"
#include "translate.h"

#include <CLPGDevice.h>

#include <cmath>

namespace {

const int kClosedHeight = 56;
const int kSequenceAdvanceVersion = 805;
const unsigned char kSequenceAdvanceHardware = '0';

const uint8_t kWarmingBit = 0x01;       // m_adv.m_flags
const uint8_t kDelayValvesBit = 0x80;   // m_base.m_flags
const uint16_t kWarmingExtBit = 0x2000; // m_advancedSetup.m_advancedFlags3
const uint8_t k4barBit = 0x10;          // m_advancedSetup.m_advancedFlags
const uint8_t k3barBit = 0x80;
const uint8_t kSeqAdvanceBit = 0x80; // m_advancedSetup.m_advancedFlags2

const NamedValue kTemperatureSensors[] = {
    {0, L"10 kOhm"}, {3, L"2.2 kOhm"}, {2, L"4.7 kOhm"}, {1, L"6.8 kOhm"}};
const NamedValue kLambdaTypes[] = {{1, L"0 - 1 Volt"},    {2, L"0 - 5 Volt(+)"}, {3, L"0 - 5 Volt(-)"},
                                   {4, L"5 - 0 Volt(+)"}, {5, L"5 - 0 Volt(-)"}, {6, L"0.8 - 1.6 Volt"}};
const NamedValue kGroupings[] = {
    {kSequence, L"Sequence"}, {kHalfGroup, L"Half Group"}, {kFullGroup, L"Full Group"}};

const UINT kLabelIds[7] = {IDC_SENS_LBL_PRESSURE,       IDC_SENS_LBL_WATER_TEMP, IDC_SENS_LBL_GAS_TEMP,
                           IDC_SENS_LBL_LAMBDA,         IDC_SENS_LBL_INJ_CONFIG, IDC_SENS_LBL_WARMING_TIME,
                           IDC_SENS_LBL_WARMING_IMPULSE};
const wchar_t* const kLabelTexts[7] = {L"Pressure Sensor",        L"Water Temperature Sensor",
                                       L"Gas Temperature Sensor", L"Lambda Sensor",
                                       L"Injector configuration", L"Warming Time",
                                       L"Warming Impulse"};

CSettingsRecord& record()
{
    return g_pDevice->m_settings;
}

} // namespace

IMPLEMENT_DYNAMIC(CSensorsMPDlg, CGDIpMultiPageDialog)

BEGIN_MESSAGE_MAP(CSensorsMPDlg, CGDIpMultiPageDialog)
ON_WM_SIZE()
ON_MESSAGE(kMapPressedMessage, &CSensorsMPDlg::OnMapPressed)
ON_CBN_SELENDOK(IDC_SENS_CMB_INJ_CONFIG, &CSensorsMPDlg::OnSelendokComboinjdefinition)
ON_CBN_SELENDOK(IDC_SENS_CMB_WATER_TEMP, &CSensorsMPDlg::OnSelendokCmbTemprEngineSensor)
ON_CBN_SELENDOK(IDC_SENS_CMB_GAS_TEMP, &CSensorsMPDlg::OnSelendokCmbTemprLpgSensor)
ON_CBN_SELENDOK(IDC_SENS_CMB_LAMBDA, &CSensorsMPDlg::OnSelendokCmbLambdaType)
ON_CBN_SELENDOK(IDC_SENS_CMB_WARMING_TIME, &CSensorsMPDlg::OnSelendokComboWarmingTime)
ON_CBN_SELENDOK(IDC_SENS_CMB_WARMING_IMPULSE, &CSensorsMPDlg::OnSelendokComboWarmingImpulse)
ON_CBN_SELENDOK(IDC_SENS_CMB_PRESSURE, &CSensorsMPDlg::OnSelendokCombopresstype)
ON_BN_CLICKED(IDC_SENS_CHK_WARMING, &CSensorsMPDlg::OnBnClickedCheckwarming)
ON_BN_CLICKED(IDC_SENS_CHK_DELAY_VALVES, &CSensorsMPDlg::OnBnClickedCheckdelayvalves)
ON_BN_CLICKED(IDC_SENS_DETECT, &CSensorsMPDlg::OnBtnDetect)
ON_BN_CLICKED(IDC_SENS_CHK_WARMING_EXT, &CSensorsMPDlg::OnClickedCheckWarmingExt)
ON_BN_CLICKED(IDC_SENS_CHK_SEQ_ADVANCE, &CSensorsMPDlg::OnClickedChkOvertaking180)
END_MESSAGE_MAP()

CSensorsMPDlg::CSensorsMPDlg(CWnd* pParent) : CGDIpMultiPageDialog(IDD_SENSORS, pParent)
{
    const COLORREF colors[8] = {RGB(213, 213, 0),  RGB(0, 200, 0),     RGB(170, 0, 0),  RGB(0, 0, 200),
                                RGB(255, 127, 40), RGB(128, 128, 255), RGB(108, 54, 0), RGB(128, 128, 128)};
    std::copy(std::begin(colors), std::end(colors), m_injMap.m_injColors);
    m_injMap.m_bkColor = RGB(217, 224, 255);
}

CSensorsMPDlg::~CSensorsMPDlg() = default;

void CSensorsMPDlg::DoDataExchange(CDataExchange* pDX)
{
    CGDIpMultiPageDialog::DoDataExchange(pDX);
    DDX_Control(pDX, IDC_SENS_CMB_LAMBDA, m_cmbLambda);
    DDX_Control(pDX, IDC_SENS_CMB_PRESSURE, m_cmbPressure);
    DDX_Control(pDX, IDC_SENS_CMB_GAS_TEMP, m_cmbGasTempr);
    DDX_Control(pDX, IDC_SENS_CMB_WATER_TEMP, m_cmbEngineTempr);
    DDX_Control(pDX, IDC_SENS_HEADING, m_heading);
    for (int i = 0; i < 7; ++i)
        DDX_Control(pDX, kLabelIds[i], m_labels[i]);
    DDX_Control(pDX, IDC_SENS_UNIT_WARMING_TIME, m_unitSec);
    DDX_Control(pDX, IDC_SENS_DETECT, m_detect);
    DDX_Control(pDX, IDC_SENS_CHK_WARMING, m_chkWarming);
    DDX_Check(pDX, IDC_SENS_CHK_WARMING, m_warming);
    DDX_Control(pDX, IDC_SENS_CHK_DELAY_VALVES, m_chkDelayValves);
    DDX_Check(pDX, IDC_SENS_CHK_DELAY_VALVES, m_delayValves);
    DDX_Control(pDX, IDC_SENS_CMB_INJ_CONFIG, m_cmbInjConfig);
    DDX_Control(pDX, IDC_SENS_CMB_WARMING_TIME, m_cmbWarmingTime);
    DDX_Control(pDX, IDC_SENS_CMB_WARMING_IMPULSE, m_cmbWarmingImpulse);
    DDX_Control(pDX, IDC_SENS_UNIT_WARMING_IMPULSE, m_unitMs);
    DDX_Control(pDX, IDC_SENS_CHK_WARMING_EXT, m_chkWarmingExt);
    DDX_Check(pDX, IDC_SENS_CHK_WARMING_EXT, m_warmingExt);
    DDX_Control(pDX, IDC_SENS_CHK_SEQ_ADVANCE, m_chkSeqAdvance);
    DDX_Check(pDX, IDC_SENS_CHK_SEQ_ADVANCE, m_seqAdvance);
    DDX_Control(pDX, IDC_SENS_ORDER_TEXT, m_orderText);
}

BOOL CSensorsMPDlg::OnInitDialog()
{
    for (CGDIpGradientComboBox* list : std::initializer_list<CGDIpGradientComboBox*>{
             &m_cmbLambda, &m_cmbPressure, &m_cmbGasTempr, &m_cmbEngineTempr, &m_cmbWarmingTime,
             &m_cmbWarmingImpulse})
        list->m_closedHeight = kClosedHeight;
    m_injMap.CreateFromStatic(IDC_SENS_INJ_MAP, this);
    CGDIpMultiPageDialog::OnInitDialog();
    m_headerFont.attach({&m_heading});
    loadCheckBoxImages(m_selectedImage, m_unselectedImage,
                       {&m_chkWarming, &m_chkDelayValves, &m_chkWarmingExt, &m_chkSeqAdvance});
    v_translate();
    return TRUE;
}

void CSensorsMPDlg::OnSize(UINT nType, int cx, int cy)
{
    m_cmbInjConfig.m_closedHeight = kClosedHeight;
    CGDIpMultiPageDialog::OnSize(nType, cx, cy);
    if (m_heading.GetSafeHwnd())
        m_headerFont.resize(*this, cy);
}

void CSensorsMPDlg::v_translate()
{
    fillLists();
    m_heading.SetWindowTextW(translate(L"Sensors And Additional Settings").c_str());
    for (int i = 0; i < 7; ++i)
        m_labels[i].SetWindowTextW(translate(kLabelTexts[i]).c_str());
    m_chkWarming.SetWindowTextW(translate(L"Turn On Injectors Warming").c_str());
    m_chkDelayValves.SetWindowTextW(translate(L"LPG Valve Turn On Before Switch Over").c_str());
    m_detect.SetWindowTextW(translate(L"Detect").c_str());
    m_chkWarmingExt.SetWindowTextW(translate(L"Warming Extended").c_str());
}

void CSensorsMPDlg::fillLists()
{
    fillNamed(m_cmbEngineTempr, kTemperatureSensors, 4, true);
    fillNamed(m_cmbGasTempr, kTemperatureSensors, 4, true);
    fillNamed(m_cmbLambda, kLambdaTypes, 6, true);
    const NamedValue pressures[] = {{1, L"4bar"}, {2, L"3bar"}};
    fillNamed(m_cmbPressure, pressures, 2, false);
    fillNamed(m_cmbInjConfig, kGroupings, 3, true);
    rebuildList(m_cmbWarmingTime, [&] { addValueRange(m_cmbWarmingTime, 0, 0, 120, 1); });
    rebuildList(m_cmbWarmingImpulse, [&] { addValueRange(m_cmbWarmingImpulse, 1, 0.5, 3.1, 0.1); });
}

void CSensorsMPDlg::v_activate()
{
    if (!g_pDevice)
        return;
    const CSettingsRecord& r = record();
    m_injMap.init(r.m_devInfo.m_injCount);
    fillControls(r);
    m_injMap.UpdateWindow();
    m_injMap.ShowWindow(g_pDevice->m_hiddenFeatures ? SW_SHOW : SW_HIDE);
    const bool advance = r.m_devInfo.m_version >= kSequenceAdvanceVersion &&
                         r.m_devInfo.m_deviceID == kSequenceAdvanceHardware;
    m_chkSeqAdvance.ShowWindow(advance ? SW_SHOW : SW_HIDE);
}

void CSensorsMPDlg::fillControls(const CSettingsRecord& r)
{
    m_cmbEngineTempr.setSelValue(r.m_sensorsSetup.m_temprEngineSensor);
    m_cmbGasTempr.setSelValue(r.m_sensorsSetup.m_temprLPGSensor);
    m_cmbLambda.setSelValue(r.m_sensorsSetup.m_lambdaType);
    m_cmbWarmingTime.setSelValue(r.m_adv.m_warmingTime);
    m_cmbWarmingImpulse.setSelValue(round1(r.m_adv.m_injectorWarmingImpulse));
    const uint8_t flags = r.m_advancedSetup.m_advancedFlags;
    if (flags & k4barBit)
        m_cmbPressure.setSelValue(1);
    else if (flags & k3barBit)
        m_cmbPressure.setSelValue(2);
    m_warming = (r.m_adv.m_flags & kWarmingBit) != 0;
    m_warmingExt = (r.m_advancedSetup.m_advancedFlags3 & kWarmingExtBit) != 0;
    m_delayValves = (r.m_base.m_flags & kDelayValvesBit) != 0;
    m_cmbInjConfig.setSelValue(groupingOf(r.m_adv.m_injConfMap.data()));
    mapFromRecord();
    showSequenceAdvance(r);
    UpdateData(FALSE);
}

// The state of the last run is the controller's: its bit and its order.
void CSensorsMPDlg::showSequenceAdvance(const CSettingsRecord& r)
{
    m_seqAdvance = (r.m_advancedSetup.m_advancedFlags2 & kSeqAdvanceBit) != 0;
    m_orderText.SetWindowTextW(m_seqAdvance ? advanceOrderText(r.m_advancedSetup.m_injAdvanceOrder).c_str()
                                            : L"");
}

void CSensorsMPDlg::mapFromRecord()
{
    Grouping bytes = record().m_adv.m_injConfMap;
    m_injMap.setInjConfigMap(bytes.data());
}

Grouping CSensorsMPDlg::mapBytes()
{
    Grouping bytes{};
    m_injMap.getInjConfigMap(bytes.data());
    return bytes;
}

void CSensorsMPDlg::checkBoxChanged(const wchar_t* handler, bool (CLPGDevice::*write)(),
                                    const std::function<void(CSettingsRecord&)>& change)
{
    runSettingsHandler(this, handler, [&] {
        UpdateData(TRUE);
        changeSettingAlways(this, write, change);
    });
}

void CSensorsMPDlg::OnBnClickedCheckwarming()
{
    checkBoxChanged(L"CSensorsMPDlg::OnBnClickedCheckwarming", &CLPGDevice::writeBlock4,
                    [&](CSettingsRecord& r) { setFlag(r.m_adv.m_flags, kWarmingBit, m_warming != FALSE); });
}

void CSensorsMPDlg::OnBnClickedCheckdelayvalves()
{
    checkBoxChanged(
        L"CSensorsMPDlg::OnBnClickedCheckdelayvalves", &CLPGDevice::writeBlock31,
        [&](CSettingsRecord& r) { setFlag(r.m_base.m_flags, kDelayValvesBit, m_delayValves != FALSE); });
}

void CSensorsMPDlg::OnClickedCheckWarmingExt()
{
    checkBoxChanged(L"CSensorsMPDlg::OnClickedCheckWarmingExt", &CLPGDevice::writeBlock26,
                    [&](CSettingsRecord& r) {
                        setFlag(r.m_advancedSetup.m_advancedFlags3, kWarmingExtBit, m_warmingExt != FALSE);
                    });
}

void CSensorsMPDlg::OnSelendokComboWarmingTime()
{
    runSettingsHandler(this, L"CSensorsMPDlg::OnSelendokComboWarmingTime", [&] {
        changeSetting(this, &CLPGDevice::writeBlock4, [&](CSettingsRecord& r) {
            return setIfChanged(r.m_adv.m_warmingTime, m_cmbWarmingTime.getSelValue());
        });
    });
}

void CSensorsMPDlg::OnSelendokComboWarmingImpulse()
{
    runSettingsHandler(this, L"CSensorsMPDlg::OnSelendokComboWarmingImpulse", [&] {
        changeSetting(this, &CLPGDevice::writeBlock4, [&](CSettingsRecord& r) {
            return setIfChanged(r.m_adv.m_injectorWarmingImpulse, m_cmbWarmingImpulse.getSelValue());
        });
    });
}

void CSensorsMPDlg::OnSelendokCmbLambdaType()
{
    runSettingsHandler(this, L"CSensorsMPDlg::OnSelendokCmbLambdaType", [&] {
        changeSetting(this, &CLPGDevice::writeBlock30, [&](CSettingsRecord& r) {
            return setIfChanged(r.m_sensorsSetup.m_lambdaType, std::trunc(m_cmbLambda.getSelValue()));
        });
    });
}

// A sensor type changes the units of temperatures in four blocks.
void CSensorsMPDlg::temperatureSensorChanged(uint8_t CSensorsSetup::*field, const CStrValueCmbBox& list,
                                             const wchar_t* handler)
{
    runSettingsHandler(this, handler, [&] {
        CLPGDevice* device = editableDevice();
        if (!device || !setIfChanged(device->m_settings.m_sensorsSetup.*field, list.getSelValue()))
            return;
        for (auto write : {&CLPGDevice::writeBlock31, &CLPGDevice::writeBlock4, &CLPGDevice::writeBlock26,
                           &CLPGDevice::writeBlock30})
            if (!writeSettingsBlock(this, write))
                return;
    });
}

void CSensorsMPDlg::OnSelendokCmbTemprEngineSensor()
{
    temperatureSensorChanged(&CSensorsSetup::m_temprEngineSensor, m_cmbEngineTempr,
                             L"CSensorsMPDlg::OnSelendokCmbTemprEngineSensor");
}

void CSensorsMPDlg::OnSelendokCmbTemprLpgSensor()
{
    temperatureSensorChanged(&CSensorsSetup::m_temprLPGSensor, m_cmbGasTempr,
                             L"CSensorsMPDlg::OnSelendokCmbTemprLpgSensor");
}
