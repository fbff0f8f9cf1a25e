#include "COBDMPDlg.h"

#include "CheckBoxImages.h"
#include "ObdPageIds.h"
#include "SettingsHandler.h"
#include "ShellIds.h"
#include "ValueLists.h"
#include "translate.h"

#include <CLPGDevice.h>
#include <IError.h>

#include <cstdio>

namespace {

const COLORREF kErrorTextColor = RGB(125, 0, 0);
const Gdiplus::ARGB kWhite = 0xFFFFFFFF;
const uint8_t kSeparateBanks = 0x04;
const unsigned char kLongTermBank1 = 0x07, kLongTermBank2 = 0x09;

const UINT kEditIds[6] = {IDC_OBD_CHANGE_TIME,  IDC_OBD_RANGE,         IDC_OBD_ACTUAL_BANK1,
                          IDC_OBD_ACTUAL_BANK2, IDC_OBD_NEUTRAL_BANK1, IDC_OBD_NEUTRAL_BANK2};
const UINT kSpinIds[4] = {IDC_OBD_SPIN_CHANGE_TIME, IDC_OBD_SPIN_RANGE, IDC_OBD_SPIN_NEUTRAL1,
                          IDC_OBD_SPIN_NEUTRAL2};
const UINT kLabelIds[11] = {IDC_OBD_LBL_ACTUAL,     IDC_OBD_LBL_BANK1,     IDC_OBD_LBL_BANK2,
                            IDC_OBD_LBL_BOX_BANK1,  IDC_OBD_LBL_BOX_BANK2, IDC_OBD_LBL_CHANGE_TIME,
                            IDC_OBD_LBL_ASSIGNMENT, IDC_OBD_LBL_NEUTRAL,   IDC_OBD_LBL_CORR_STATE,
                            IDC_OBD_LBL_LINK,       IDC_OBD_LBL_RANGE};
const wchar_t* const kLabelTexts[11] = {L"Actual Correction",
                                        L"Bank 1",
                                        L"Bank 2",
                                        L"Bank 1",
                                        L"Bank 2",
                                        L"Correction Change Time",
                                        L"Injector Assigment",
                                        L"Neutral Point",
                                        L"Corrections State",
                                        L"OBD Module State",
                                        L"Correction Range"};
const UINT kUnitIds[6] = {IDC_OBD_UNIT_CHANGE_TIME, IDC_OBD_UNIT_ACTUAL1,  IDC_OBD_UNIT_ACTUAL2,
                          IDC_OBD_UNIT_RANGE,       IDC_OBD_UNIT_NEUTRAL1, IDC_OBD_UNIT_NEUTRAL2};
const UINT kTrimIds[4] = {IDC_OBD_LONG_BANK1, IDC_OBD_LONG_BANK2, IDC_OBD_SHORT_BANK1, IDC_OBD_SHORT_BANK2};
// The OBD entry each display shows: PIDs 0x07, 0x09, 0x06, 0x08.
const unsigned kTrimEntries[4] = {1, 3, 0, 2};
const UINT kHeadingIds[3] = {IDC_OBD_LBL_LONG, IDC_OBD_LBL_SHORT, IDC_OBD_LBL_ERRORS};
const wchar_t* const kHeadingTexts[3] = {L"Long Term Corrections", L"Short Term corrections", L"OBD Errors"};
const UINT kButtonIds[4] = {IDC_OBD_ADVANCED, IDC_OBD_CLEAR, IDC_OBD_READ, IDC_OBD_DETECT};
const wchar_t* const kButtonTexts[4] = {L"Advanced", L"Clear", L"Load", L"Detect"};

const NamedValue kLinkItems[] = {{0, L"Off"},
                                 {4, L"On"},
                                 {3, L"OBD CAN Bus"},
                                 {1, L"ISO 9141-2 & ISO 14230-4 Slow Init"},
                                 {2, L"ISO 14230-4 Fast Init"}};
const NamedValue kCorrStateItems[] = {
    {0, L"Disable"}, {1, L"Enable - Average From Banks"}, {2, L"Enable - Separate For Bank1, Bank2"}};

// The program-wide tick counters of the page's live work.
int s_pollCountdown = 2;
int s_correctionCountdown = 3;

std::wstring format(const wchar_t* pattern, double value)
{
    wchar_t text[64];
    swprintf(text, 64, pattern, value);
    return text;
}

bool connected()
{
    return g_pDevice && g_pDevice->m_connected;
}

} // namespace

IMPLEMENT_DYNAMIC(COBDMPDlg, CGDIpMultiPageDialog)

BEGIN_MESSAGE_MAP(COBDMPDlg, CGDIpMultiPageDialog)
ON_BN_CLICKED(IDC_OBD_READ, &COBDMPDlg::OnBnClickedButtonread)
ON_BN_CLICKED(IDC_OBD_CLEAR, &COBDMPDlg::OnBnClickedButtonclear)
ON_BN_CLICKED(IDC_OBD_ADVANCED, &COBDMPDlg::OnBnClickedAdvanced)
ON_BN_CLICKED(IDC_OBD_DETECT, &COBDMPDlg::OnClickedBtnDetect)
ON_CBN_SELENDOK(IDC_OBD_CMB_CORR_STATE, &COBDMPDlg::OnCbnSelendokCombocorron)
ON_CBN_SELENDOK(IDC_OBD_CMB_LINK, &COBDMPDlg::OnCbnSelendokComboEnable)
ON_NOTIFY(UDN_DELTAPOS, IDC_OBD_SPIN_NEUTRAL1, &COBDMPDlg::OnDeltaposSpinNeutral1)
ON_NOTIFY(UDN_DELTAPOS, IDC_OBD_SPIN_NEUTRAL2, &COBDMPDlg::OnDeltaposSpinNeutral2)
ON_NOTIFY(UDN_DELTAPOS, IDC_OBD_SPIN_CHANGE_TIME, &COBDMPDlg::OnDeltaposSpinAverageCorr)
ON_NOTIFY(UDN_DELTAPOS, IDC_OBD_SPIN_RANGE, &COBDMPDlg::OnDeltaposSpinMaxCorr)
ON_CONTROL_RANGE(BN_CLICKED, IDC_OBD_BANK_BOX_FIRST, IDC_OBD_BANK_BOX_LAST, &COBDMPDlg::OnBankBoxClicked)
END_MESSAGE_MAP()

COBDMPDlg::COBDMPDlg(CWnd* pParent) : CGDIpMultiPageDialog(IDD_OBD_PAGE, pParent) {}

COBDMPDlg::~COBDMPDlg() = default;

void COBDMPDlg::DoDataExchange(CDataExchange* pDX)
{
    CGDIpMultiPageDialog::DoDataExchange(pDX);
    for (int i = 0; i < kBankBoxes; ++i) {
        DDX_Control(pDX, IDC_OBD_BANK_BOX_FIRST + i, m_bankBoxes[i]);
        DDX_Check(pDX, IDC_OBD_BANK_BOX_FIRST + i, m_bankChecks[i]);
    }
    DDX_Control(pDX, IDC_OBD_CMB_LINK, m_cmbLink);
    DDX_Control(pDX, IDC_OBD_CMB_CORR_STATE, m_cmbCorrState);
    for (int i = 0; i < 6; ++i) {
        DDX_Control(pDX, kEditIds[i], m_edits[i]);
        DDX_Control(pDX, kUnitIds[i], m_units[i]);
    }
    for (int i = 0; i < 4; ++i) {
        DDX_Control(pDX, kSpinIds[i], m_spins[i]);
        DDX_Control(pDX, kTrimIds[i], m_trims[i]);
        DDX_Control(pDX, kButtonIds[i], m_buttons[i]);
    }
    for (int i = 0; i < 11; ++i)
        DDX_Control(pDX, kLabelIds[i], m_labels[i]);
    for (int i = 0; i < 3; ++i)
        DDX_Control(pDX, kHeadingIds[i], m_headings[i]);
}

BOOL COBDMPDlg::OnInitDialog()
{
    m_errList.m_textColor = kErrorTextColor;
    m_errList.m_gradientStart = m_errList.m_gradientEnd = kWhite;
    m_errList.m_newestAtTop = false;
    m_errList.CreateFromStatic(0, this, IDC_OBD_ERROR_LIST);
    CGDIpMultiPageDialog::OnInitDialog();
    std::vector<CImageCheckBox*> boxes;
    for (COrangeCheckBox& box : m_bankBoxes)
        boxes.push_back(&box);
    loadCheckBoxImages(m_selectedImage, m_unselectedImage, boxes);
    for (COrvoDescribedDisplay& trim : m_trims)
        trim.m_display.SetWindowTextW(L"0%");
    v_translate();
    init();
    return TRUE;
}

void COBDMPDlg::init()
{
    runSettingsHandler(
        this, L"COBDMPDlg::init",
        [&] {
            if (!connected())
                return;
            CLPGDevice& device = *g_pDevice;
            const COBDSetup& link = device.m_settings.m_obdSetup;
            device.m_pollIndex = 0;
            showLinkChoice(link);
            device.m_obdLinkActive = link.enable == 1;
            showCorrectionSettings(device.m_settings.m_obdAdvSetup);
            if (link.enable != 0)
                setupAuto(ObdLinkRun::Startup);
        },
        false);
}

// The list holds protocols: an enabled link shows the one it runs.
void COBDMPDlg::showLinkChoice(const COBDSetup& link)
{
    m_cmbLink.setSelValue(link.enable != 0 ? link.proto : 0);
}

void COBDMPDlg::showCorrectionSettings(const COBDAdvSetup& setup)
{
    m_edits[0].SetWindowTextW(format(L"%.0f", setup.obd_corr_average >> 1).c_str());
    m_edits[1].SetWindowTextW(format(L"%.0f", setup.obd_corr_max).c_str());
    m_obdCorrOn = setup.obd_corr_enable_flag != 0;
    const int state = (setup.obd_corr_enable_flag & kSeparateBanks) ? 2 : m_obdCorrOn ? 1 : 0;
    m_cmbCorrState.setSelValue(state);
    setBankBoxes(setup.obd_corr_for_cyl);
    m_edits[4].SetWindowTextW(format(L"%.0f", setup.obd_neutral_points[0] - 100.0).c_str());
    m_edits[5].SetWindowTextW(format(L"%.0f", setup.obd_neutral_points[1] - 100.0).c_str());
    m_buttons[3].ShowWindow(state == 2 ? SW_SHOW : SW_HIDE);
}

void COBDMPDlg::v_translate()
{
    for (int i = 0; i < 11; ++i)
        m_labels[i].SetWindowTextW(translate(kLabelTexts[i]).c_str());
    for (int i = 0; i < 3; ++i)
        m_headings[i].SetWindowTextW(translate(kHeadingTexts[i]).c_str());
    for (int i = 0; i < 4; ++i) {
        m_buttons[i].SetWindowTextW(translate(kButtonTexts[i]).c_str());
        m_trims[i].m_description.SetWindowTextW(translate(i % 2 == 0 ? L"Bank 1" : L"Bank 2").c_str());
    }
    fillLists();
}

void COBDMPDlg::fillLists()
{
    fillNamed(m_cmbLink, kLinkItems, sizeof kLinkItems / sizeof kLinkItems[0]);
    fillNamed(m_cmbCorrState, kCorrStateItems, sizeof kCorrStateItems / sizeof kCorrStateItems[0]);
}

void COBDMPDlg::v_activate()
{
    if (!g_pDevice)
        return;
    const int cylinders = g_pDevice->m_settings.m_devInfo.m_injCount;
    showBank2(cylinders > 4);
    m_labels[2].ShowWindow(SW_HIDE);
    for (int i = 0; i < kInjectors; ++i) {
        m_bankBoxes[2 * i].ShowWindow(i < cylinders ? SW_SHOW : SW_HIDE);
        m_bankBoxes[2 * i + 1].ShowWindow(i < cylinders && cylinders > 4 ? SW_SHOW : SW_HIDE);
    }
    m_labels[4].ShowWindow(cylinders > 4 ? SW_SHOW : SW_HIDE);
    // A connection made since the page was last shown brings its own set-up.
    showLinkChoice(g_pDevice->m_settings.m_obdSetup);
    showCorrectionSettings(g_pDevice->m_settings.m_obdAdvSetup);
    clearPidTexts(*g_pDevice);
}

// The second bank's displays, edits and units, for engines with two banks.
void COBDMPDlg::showBank2(bool show)
{
    const int mode = show ? SW_SHOW : SW_HIDE;
    m_trims[1].ShowWindow(mode);
    m_trims[3].ShowWindow(mode);
    m_edits[3].ShowWindow(mode);
    m_edits[5].ShowWindow(mode);
    m_spins[3].ShowWindow(mode);
    m_units[2].ShowWindow(mode);
    m_units[5].ShowWindow(mode);
}

void COBDMPDlg::clearPidTexts(CLPGDevice& device)
{
    for (unsigned i = 0; i < CObdDiagnostic::kPidCount; ++i)
        device.setValueText(i, L"");
}

void COBDMPDlg::v_onTimer()
{
    if (!connected())
        return;
    CLPGDevice& device = *g_pDevice;
    if (!device.m_obdLinkActive) {
        for (COrvoDescribedDisplay& trim : m_trims)
            trim.m_display.SetWindowTextW(L"");
        return;
    }
    if (--s_pollCountdown > 0)
        return;
    s_pollCountdown = 2;
    try {
        pollTrims(device);
    } catch (IError* error) {
        delete error;
    }
    if (device.m_settings.m_obdAdvSetup.obd_corr_enable_flag != 0) {
        updateActualCorrection();
    } else {
        m_edits[2].SetWindowTextW(L"");
        m_edits[3].SetWindowTextW(L"");
    }
}

// A bank counts as seen once the ECU answered its long-term trim.
void COBDMPDlg::pollTrims(CLPGDevice& device)
{
    unsigned char pid = 0;
    if (!device.pollNext(&pid))
        return;
    if (pid == kLongTermBank1)
        m_ltftBank1Seen = 1;
    if (pid == kLongTermBank2)
        m_ltftBank2Seen = 1;
    for (int i = 0; i < 4; ++i) {
        const std::wstring value = device.getValueText(kTrimEntries[i]);
        m_trims[i].m_display.SetWindowTextW(value.empty() ? L"" : (value + L" %").c_str());
    }
}

void COBDMPDlg::updateActualCorrection()
{
    if (--s_correctionCountdown > 0)
        return;
    s_correctionCountdown = 3;
    if (!connected())
        return;
    CLPGDevice& device = *g_pDevice;
    try {
        if (device.m_settings.m_obdAdvSetup.obd_corr_enable_flag & kSeparateBanks) {
            double bank1 = 0, bank2 = 0;
            if (device.request39(bank1, bank2))
                showActualCorrection(bank1, bank2);
        } else if (device.m_diagData.count() > 0) {
            CDiag last;
            device.m_diagData.getLast(last);
            const double both = last.getByte(15) - 100.0;
            showActualCorrection(both, both);
        }
    } catch (IError* error) {
        delete error;
    }
}

void COBDMPDlg::showActualCorrection(double bank1, double bank2)
{
    m_edits[2].SetWindowTextW(format(L"%.0f", bank1).c_str());
    m_edits[3].SetWindowTextW(format(L"%.0f", bank2).c_str());
}
