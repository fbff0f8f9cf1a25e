#include "COnBoardDiagDialog.h"

#include "CheckBoxImages.h"
#include "FlagCheck.h"
#include "OnBoardDiagIds.h"
#include "ProgramBusy.h"
#include "RoundFunctions.h"
#include "SettingsHandler.h"
#include "translate.h"

#include <CLPGDevice.h>
#include <Conversions.h>

#include <commctrl.h>

#include <algorithm>
#include <cstdio>

namespace {

const Gdiplus::ARGB kDialogGrey = 0xFFC8C8C8;
const UINT kReadingPeriodMs = 1000;
const int kReadingsVersion = 805;
const unsigned char kReadingsHardware = '0';
const double kLimitStep = 0.1;

const FlagCheck kFlagChecks[COnBoardDiagDialog::kChecks] = {
    {IDC_OBDG_CHK_INJ_PRESENT, 0x02, L"COnBoardDiagDialog::OnClickedChkCheckLpgInjPresent"},
    {IDC_OBDG_CHK_INJ_CURRENT, 0x01, L"COnBoardDiagDialog::OnClickedChkCheckLpgInjCurrent"},
    {IDC_OBDG_CHK_VALVE, 0x04, L"COnBoardDiagDialog::OnClickedChkCheckValveCurrent"},
    {IDC_OBDG_CHK_VCC5, 0x08, L"COnBoardDiagDialog::OnClickedChkCheckVcc5Ext"},
    {IDC_OBDG_CHK_SWITCH, 0x10, L"COnBoardDiagDialog::OnClickedChkCheckSwitchPresent"}};
const UINT kLimitEditIds[COnBoardDiagDialog::kLimits] = {IDC_OBDG_MAX_INJ_CURRENT, IDC_OBDG_MIN_VALVE_CURRENT,
                                                         IDC_OBDG_MAX_VALVE_CURRENT, IDC_OBDG_MIN_VCC5};
const UINT kSpinIds[COnBoardDiagDialog::kLimits] = {IDC_OBDG_SPIN_MAX_INJ_CURRENT,
                                                    IDC_OBDG_SPIN_MIN_VALVE_CURRENT,
                                                    IDC_OBDG_SPIN_MAX_VALVE_CURRENT, IDC_OBDG_SPIN_MIN_VCC5};
const double kLimitMaxima[COnBoardDiagDialog::kLimits] = {6.5, 3.3, 3.3, 20.0};
const UINT kReadingIds[3] = {IDC_OBDG_INJ_ACTUAL, IDC_OBDG_VALVE_ACTUAL, IDC_OBDG_VCC5_ACTUAL};
const UINT kStaticIds[COnBoardDiagDialog::kStatics] = {
    IDC_OBDG_LBL_INJ_PRESENT,       IDC_OBDG_LBL_INJ_CURRENT,
    IDC_OBDG_LBL_MAX_INJ_CURRENT,   IDC_OBDG_UNIT_INJ_CURRENT,
    IDC_OBDG_LBL_INJ_ACTUAL,        IDC_OBDG_LBL_VALVE,
    IDC_OBDG_LBL_MIN_VALVE_CURRENT, IDC_OBDG_UNIT_MIN_VALVE,
    IDC_OBDG_LBL_MAX_VALVE_CURRENT, IDC_OBDG_UNIT_MAX_VALVE,
    IDC_OBDG_LBL_VALVE_ACTUAL,      IDC_OBDG_LBL_VCC5,
    IDC_OBDG_LBL_MIN_VCC5,          IDC_OBDG_UNIT_VCC5,
    IDC_OBDG_LBL_VCC5_ACTUAL,       IDC_OBDG_LBL_SWITCH};

std::wstring oneDecimal(double value)
{
    wchar_t text[32];
    swprintf(text, 32, L"%.1f", value);
    return text;
}

unsigned word(const unsigned char* data, size_t at)
{
    return data[at] | (data[at + 1] << 8);
}

} // namespace

BEGIN_MESSAGE_MAP(COnBoardDiagDialog, CSkinDlg)
ON_WM_TIMER()
ON_CONTROL_RANGE(BN_CLICKED, IDC_OBDG_CHK_INJ_PRESENT, IDC_OBDG_CHK_INJ_PRESENT,
                 &COnBoardDiagDialog::onFlagClicked)
ON_CONTROL_RANGE(BN_CLICKED, IDC_OBDG_CHK_INJ_CURRENT, IDC_OBDG_CHK_INJ_CURRENT,
                 &COnBoardDiagDialog::onFlagClicked)
ON_CONTROL_RANGE(BN_CLICKED, IDC_OBDG_CHK_VALVE, IDC_OBDG_CHK_VALVE, &COnBoardDiagDialog::onFlagClicked)
ON_CONTROL_RANGE(BN_CLICKED, IDC_OBDG_CHK_VCC5, IDC_OBDG_CHK_VCC5, &COnBoardDiagDialog::onFlagClicked)
ON_CONTROL_RANGE(BN_CLICKED, IDC_OBDG_CHK_SWITCH, IDC_OBDG_CHK_SWITCH, &COnBoardDiagDialog::onFlagClicked)
ON_NOTIFY(UDN_DELTAPOS, IDC_OBDG_SPIN_MAX_INJ_CURRENT, &COnBoardDiagDialog::OnDeltaposSpinMaxInjCurrent)
ON_NOTIFY(UDN_DELTAPOS, IDC_OBDG_SPIN_MIN_VALVE_CURRENT, &COnBoardDiagDialog::OnDeltaposSpinMinValveCurrent)
ON_NOTIFY(UDN_DELTAPOS, IDC_OBDG_SPIN_MAX_VALVE_CURRENT, &COnBoardDiagDialog::OnDeltaposSpinMaxValveCurrent)
ON_NOTIFY(UDN_DELTAPOS, IDC_OBDG_SPIN_MIN_VCC5, &COnBoardDiagDialog::OnDeltaposSpinMinVcc5Ext)
END_MESSAGE_MAP()

COnBoardDiagDialog::COnBoardDiagDialog(CWnd* parent) : CSkinDlg(IDD_ONBOARD_DIAG, parent)
{
    m_gradientStart = m_gradientEnd = kDialogGrey;
    m_titleHeight = 0;
}

COnBoardDiagDialog::~COnBoardDiagDialog() = default;

void COnBoardDiagDialog::DoDataExchange(CDataExchange* pDX)
{
    CSkinDlg::DoDataExchange(pDX);
    for (int i = 0; i < kStatics; ++i)
        DDX_Control(pDX, kStaticIds[i], m_statics[i]);
    for (int i = 0; i < kChecks; ++i) {
        DDX_Control(pDX, kFlagChecks[i].id, m_checkBoxes[i]);
        DDX_Check(pDX, kFlagChecks[i].id, m_checks[i]);
    }
    for (int i = 0; i < kLimits; ++i) {
        DDX_Control(pDX, kLimitEditIds[i], m_limitEdits[i]);
        DDX_Control(pDX, kSpinIds[i], m_spins[i]);
    }
    for (int i = 0; i < 3; ++i)
        DDX_Control(pDX, kReadingIds[i], m_readingEdits[i]);
    DDX_Control(pDX, IDOK, m_close);
}

BOOL COnBoardDiagDialog::OnInitDialog()
{
    loadCheckBoxImages(
        m_checkedImage, m_uncheckedImage,
        {&m_checkBoxes[0], &m_checkBoxes[1], &m_checkBoxes[2], &m_checkBoxes[3], &m_checkBoxes[4]});
    CSkinDlg::OnInitDialog();
    SetTimer(IDT_ONBOARD_DIAG, kReadingPeriodMs, nullptr);
    if (g_pDevice) {
        checksFromFlags(kFlagChecks, g_pDevice->m_settings.m_advancedSetup.m_circuitFlags, m_checks);
        for (int i = 0; i < kLimits; ++i)
            showLimit(i);
    }
    UpdateData(FALSE);
    showReadOnlyWhileLocked(*this);
    return TRUE;
}

void COnBoardDiagDialog::showLimit(int limit)
{
    m_limitEdits[limit].SetWindowTextW(
        oneDecimal(g_pDevice->m_settings.m_advancedSetup.m_circuitLimits[limit]).c_str());
}

// Flags change only with a controller to take them: offline the box goes
// back to what the record holds.
void COnBoardDiagDialog::onFlagClicked(UINT id)
{
    const int check = flagCheckIndex(kFlagChecks, id);
    if (check < 0)
        return;
    runSettingsHandler(this, kFlagChecks[check].handler, [&] {
        UpdateData(TRUE);
        CLPGDevice* device = editableDevice();
        if (!device) {
            if (g_pDevice)
                checksFromFlags(kFlagChecks, g_pDevice->m_settings.m_advancedSetup.m_circuitFlags, m_checks);
            UpdateData(FALSE);
            return;
        }
        setFlag(device->m_settings.m_advancedSetup.m_circuitFlags, kFlagChecks[check].bit,
                m_checks[check] != 0);
        writeSettingsBlock(this, &CLPGDevice::writeBlock35);
    });
}

// Each step lands on a whole tenth, so the controller's units, which cut
// off rather than round, never lose one. Offline the limit stays in the
// record for the next write of the block.
void COnBoardDiagDialog::spinMoved(int limit, NMHDR* pHdr, LRESULT* pResult, const wchar_t* handler)
{
    *pResult = 0;
    const int delta = reinterpret_cast<NMUPDOWN*>(pHdr)->iDelta;
    runSettingsHandler(
        this, handler,
        [&] {
            CSettingsRecord* record = changeableRecord();
            if (!record)
                return;
            double& value = record->m_advancedSetup.m_circuitLimits[limit];
            value = std::clamp(round1(value - delta * kLimitStep), 0.0, kLimitMaxima[limit]);
            showLimit(limit);
            if (editableDevice())
                writeSettingsBlock(this, &CLPGDevice::writeBlock35);
        },
        false);
}

void COnBoardDiagDialog::OnDeltaposSpinMaxInjCurrent(NMHDR* pHdr, LRESULT* pResult)
{
    spinMoved(0, pHdr, pResult, L"COnBoardDiagDialog::OnDeltaposSpinMaxInjCurrent");
}

void COnBoardDiagDialog::OnDeltaposSpinMinValveCurrent(NMHDR* pHdr, LRESULT* pResult)
{
    spinMoved(1, pHdr, pResult, L"COnBoardDiagDialog::OnDeltaposSpinMinValveCurrent");
}

void COnBoardDiagDialog::OnDeltaposSpinMaxValveCurrent(NMHDR* pHdr, LRESULT* pResult)
{
    spinMoved(2, pHdr, pResult, L"COnBoardDiagDialog::OnDeltaposSpinMaxValveCurrent");
}

void COnBoardDiagDialog::OnDeltaposSpinMinVcc5Ext(NMHDR* pHdr, LRESULT* pResult)
{
    spinMoved(3, pHdr, pResult, L"COnBoardDiagDialog::OnDeltaposSpinMinVcc5Ext");
}

void COnBoardDiagDialog::OnTimer(UINT_PTR nIDEvent)
{
    if (nIDEvent != IDT_ONBOARD_DIAG) {
        CSkinDlg::OnTimer(nIDEvent);
        return;
    }
    runSettingsHandler(
        this, L"COnBoardDiagDialog::OnTimer", [&] { showReadings(); }, false);
}

// Only controllers with circuit readings are asked for them.
void COnBoardDiagDialog::showReadings()
{
    CLPGDevice* device = readableDevice();
    if (!device)
        return;
    const CDevInfo& info = device->m_settings.m_devInfo;
    if (info.m_version < kReadingsVersion || info.m_deviceID != kReadingsHardware)
        return;
    unsigned char readings[kBlock37DataSize] = {};
    if (!device->readBlock37(readings))
        return;
    m_readingEdits[0].SetWindowTextW(oneDecimal(convertAdcMidScale(word(readings, 0))).c_str());
    m_readingEdits[1].SetWindowTextW(oneDecimal(convertAdcMidScale2(word(readings, 6))).c_str());
    m_readingEdits[2].SetWindowTextW(oneDecimal(adcToVolts(word(readings, 12))).c_str());
}
