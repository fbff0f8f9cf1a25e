#include "COBDAdvancedDlg.h"

#include "CheckBoxImages.h"
#include "FlagCheck.h"
#include "ObdPageIds.h"
#include "SettingsHandler.h"
#include "ValueLists.h"
#include "translate.h"

#include <CLPGDevice.h>

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <iterator>
#include <string>

namespace {

const Gdiplus::ARGB kDialogGrey = 0xFFC8C8C8;
const int kPendingVersion = 787;
const int kRpmFirst = 500, kRpmLast = 2000, kRpmStep = 20;

const FlagCheck kFlagChecks[COBDAdvancedDlg::kChecks] = {
    {IDC_OBDA_CHK_STFT, 0x01, L"COBDAdvancedDlg::OnClickedChkStftInverted"},
    {IDC_OBDA_CHK_LTFT, 0x02, L"COBDAdvancedDlg::OnClickedChkLtftInverted"},
    {IDC_OBDA_CHK_DIVIDER, 0x04, L"COBDAdvancedDlg::OnClickedChkCorrDivider"},
    {IDC_OBDA_CHK_SELECTED, 0x08, L"COBDAdvancedDlg::OnClickedChkClearErrSet"},
    {IDC_OBDA_CHK_ALL, 0x20, L"COBDAdvancedDlg::OnClickedChkClearAllErr"},
    {IDC_OBDA_CHK_FUEL_TRIM, 0x10, L"COBDAdvancedDlg::OnClickedChkClearErrEmision"},
    {IDC_OBDA_CHK_PENDING, 0x40, L"COBDAdvancedDlg::OnClickedChkClearPending"}};
// "Clear Selected Errors" and "Clear All OBD Errors" exclude each other.
const int kClearSelected = 3, kClearAll = 4;
const UINT kLabelIds[5] = {IDC_OBDA_LBL_ALL, IDC_OBDA_LBL_SELECTED, IDC_OBDA_LBL_DIVIDER, IDC_OBDA_LBL_LTFT,
                           IDC_OBDA_LBL_STFT};
const wchar_t* const kLabelTexts[5] = {L"Clear All OBD Errors", L"Clear Selected Errors",
                                       L"Divider For Correction", L"LTFT Corrections Inverted",
                                       L"STFT Corrections Inverted"};
const UINT kCodeListIds[COBDAdvancedDlg::kCodeLists] = {IDC_OBDA_CMB_ERR1, IDC_OBDA_CMB_ERR2,
                                                        IDC_OBDA_CMB_ERR3, IDC_OBDA_CMB_ERR4};
// The generic powertrain codes the controller may clear: P0001-P0699 and
// P2000-P2795, decimal digits only.
const unsigned kCodeRanges[2][2] = {{0x0001, 0x069E}, {0x2000, 0x2795}};

bool decimalDigits(unsigned code)
{
    for (int shift = 0; shift < 16; shift += 4)
        if (((code >> shift) & 0xF) > 9)
            return false;
    return true;
}

} // namespace

BEGIN_MESSAGE_MAP(COBDAdvancedDlg, CSkinDlg)
ON_CONTROL_RANGE(BN_CLICKED, IDC_OBDA_CHK_STFT, IDC_OBDA_CHK_STFT, &COBDAdvancedDlg::onFlagClicked)
ON_CONTROL_RANGE(BN_CLICKED, IDC_OBDA_CHK_LTFT, IDC_OBDA_CHK_LTFT, &COBDAdvancedDlg::onFlagClicked)
ON_CONTROL_RANGE(BN_CLICKED, IDC_OBDA_CHK_DIVIDER, IDC_OBDA_CHK_DIVIDER, &COBDAdvancedDlg::onFlagClicked)
ON_CONTROL_RANGE(BN_CLICKED, IDC_OBDA_CHK_SELECTED, IDC_OBDA_CHK_SELECTED, &COBDAdvancedDlg::onFlagClicked)
ON_CONTROL_RANGE(BN_CLICKED, IDC_OBDA_CHK_FUEL_TRIM, IDC_OBDA_CHK_FUEL_TRIM, &COBDAdvancedDlg::onFlagClicked)
ON_CONTROL_RANGE(BN_CLICKED, IDC_OBDA_CHK_ALL, IDC_OBDA_CHK_ALL, &COBDAdvancedDlg::onFlagClicked)
ON_CONTROL_RANGE(BN_CLICKED, IDC_OBDA_CHK_PENDING, IDC_OBDA_CHK_PENDING, &COBDAdvancedDlg::onFlagClicked)
ON_CONTROL_RANGE(CBN_SELENDOK, IDC_OBDA_CMB_ERR1, IDC_OBDA_CMB_ERR1, &COBDAdvancedDlg::onCodeSelected)
ON_CONTROL_RANGE(CBN_SELENDOK, IDC_OBDA_CMB_ERR2, IDC_OBDA_CMB_ERR4, &COBDAdvancedDlg::onCodeSelected)
ON_CBN_SELENDOK(IDC_OBDA_CMB_RPM, &COBDAdvancedDlg::OnSelendokCmbRpmForCorr)
END_MESSAGE_MAP()

COBDAdvancedDlg::COBDAdvancedDlg(CWnd* parent) : CSkinDlg(IDD_OBD_ADVANCED, parent)
{
    m_gradientStart = m_gradientEnd = kDialogGrey;
}

COBDAdvancedDlg::~COBDAdvancedDlg() = default;

void COBDAdvancedDlg::DoDataExchange(CDataExchange* pDX)
{
    CSkinDlg::DoDataExchange(pDX);
    DDX_Control(pDX, IDC_OBDA_LBL_RPM, m_lblRpm);
    DDX_Control(pDX, IDC_OBDA_CMB_RPM, m_cmbRpm);
    for (int i = 0; i < 5; ++i)
        DDX_Control(pDX, kLabelIds[i], m_labels[i]);
    for (int i = 0; i < kChecks; ++i) {
        DDX_Control(pDX, kFlagChecks[i].id, m_checkBoxes[i]);
        DDX_Check(pDX, kFlagChecks[i].id, m_checks[i]);
    }
    DDX_Control(pDX, IDC_OBDA_LBL_FUEL_TRIM, m_lblFuelTrim);
    for (int i = 0; i < kCodeLists; ++i)
        DDX_Control(pDX, kCodeListIds[i], m_codeLists[i]);
    DDX_Control(pDX, IDOK, m_ok);
    DDX_Control(pDX, IDC_OBDA_LBL_PENDING, m_lblPending);
}

BOOL COBDAdvancedDlg::OnInitDialog()
{
    std::vector<CImageCheckBox*> boxes;
    for (CImageCheckBox& box : m_checkBoxes)
        boxes.push_back(&box);
    loadCheckBoxImages(m_selectedImage, m_unselectedImage, boxes);
    m_title = translate(L"Advanced").c_str();
    CSkinDlg::OnInitDialog();
    if (!g_pDevice)
        return TRUE;
    const CSettingsRecord& record = g_pDevice->m_settings;
    if (record.m_devInfo.m_version < kPendingVersion) {
        m_lblPending.ShowWindow(SW_HIDE);
        m_checkBoxes[6].ShowWindow(SW_HIDE);
    }
    // The drawn title and the window's own caption.
    SetWindowTextW(translate(L"Advanced").c_str());
    ::SetWindowTextW(m_hWnd, translate(L"Advanced").c_str());
    translateCaptions();
    checksFromFlags(record.m_obdAdvSetup.obd_adv_flag);
    fillRpmList(record.m_obdAdvSetup.rpm_for_corr);
    for (int i = 0; i < kCodeLists; ++i)
        fillCodeList(m_codeLists[i], record.m_obdAdvSetup.err_to_clear[i]);
    showReadOnlyWhileLocked(*this);
    return TRUE;
}

void COBDAdvancedDlg::translateCaptions()
{
    for (int i = 0; i < 5; ++i)
        m_labels[i].SetWindowTextW(translate(kLabelTexts[i]).c_str());
    m_lblFuelTrim.SetWindowTextW((translate(L"Clear Fuel Trim Errors") + L" (P0170 - P0175)").c_str());
    m_lblPending.SetWindowTextW(translate(L"Clear Pending Trouble Codes").c_str());
    m_lblRpm.SetWindowTextW(translate(L"RPM For Corrections").c_str());
    m_ok.SetWindowTextW(translate(L"OK").c_str());
}

void COBDAdvancedDlg::fillRpmList(uint16_t rpm)
{
    m_cmbRpm.resetContent();
    addValueRange(m_cmbRpm, 0, kRpmFirst, kRpmLast, kRpmStep);
    m_cmbRpm.setSelValue(rpm);
}

void COBDAdvancedDlg::fillCodeList(CStrValueCmbBox& list, uint16_t code)
{
    list.resetContent();
    list.addValue(0, 0, translate(L"Off"));
    for (const auto& range : kCodeRanges)
        for (unsigned number = range[0]; number <= range[1]; ++number) {
            if (!decimalDigits(number))
                continue;
            wchar_t text[16];
            swprintf(text, 16, L"P %.4X", number);
            list.addValue(0, number, text);
        }
    list.setSelValue(code);
}

void COBDAdvancedDlg::checksFromFlags(uint8_t flags)
{
    ::checksFromFlags(kFlagChecks, flags, m_checks);
    UpdateData(FALSE);
}

// A change the controller cannot take now (offline, or while a procedure
// runs) puts the boxes and lists back to what the record holds.
bool COBDAdvancedDlg::showRecordIfRefused()
{
    if (editableDevice())
        return false;
    if (g_pDevice) {
        const COBDAdvSetup& setup = g_pDevice->m_settings.m_obdAdvSetup;
        checksFromFlags(setup.obd_adv_flag);
        m_cmbRpm.setSelValue(setup.rpm_for_corr);
        for (int i = 0; i < kCodeLists; ++i)
            m_codeLists[i].setSelValue(setup.err_to_clear[i]);
    }
    return true;
}

void COBDAdvancedDlg::onFlagClicked(UINT id)
{
    const int check = flagCheckIndex(kFlagChecks, id);
    if (check < 0 || showRecordIfRefused())
        return;
    runSettingsHandler(this, kFlagChecks[check].handler, [&] {
        UpdateData(TRUE);
        CLPGDevice* device = editableDevice();
        if (!device)
            return;
        COBDAdvSetup& setup = device->m_settings.m_obdAdvSetup;
        setFlag(setup.obd_adv_flag, kFlagChecks[check].bit, m_checks[check] != 0);
        const int other = check == kClearSelected ? kClearAll : check == kClearAll ? kClearSelected : -1;
        if (other >= 0 && m_checks[check]) {
            m_checks[other] = 0;
            setFlag(setup.obd_adv_flag, kFlagChecks[other].bit, false);
        }
        UpdateData(FALSE);
        if (!device->writeBlock27(setup))
            showCantWrite(this);
    });
}

// Nothing selected means nothing chosen: no code is written for it.
void COBDAdvancedDlg::onCodeSelected(UINT id)
{
    const auto found = std::find(std::begin(kCodeListIds), std::end(kCodeListIds), id);
    const int list = static_cast<int>(found - std::begin(kCodeListIds));
    if (found == std::end(kCodeListIds) || showRecordIfRefused())
        return;
    const std::wstring handler = L"COBDAdvancedDlg::OnSelendokCmbClearErr" + std::to_wstring(list + 1);
    runSettingsHandler(this, handler.c_str(), [&] {
        CLPGDevice* device = editableDevice();
        const double value = m_codeLists[list].getSelValue();
        if (!device || value < 0)
            return;
        COBDAdvSetup& setup = device->m_settings.m_obdAdvSetup;
        if (setIfChanged(setup.err_to_clear[list], value) && !device->writeBlock27(setup))
            showCantWrite(this);
    });
}

void COBDAdvancedDlg::OnSelendokCmbRpmForCorr()
{
    if (showRecordIfRefused())
        return;
    runSettingsHandler(this, L"COBDAdvancedDlg::OnSelendokCmbRpmForCorr", [&] {
        CLPGDevice* device = editableDevice();
        const double value = std::trunc(m_cmbRpm.getSelValue());
        if (!device || value < 0)
            return;
        COBDAdvSetup& setup = device->m_settings.m_obdAdvSetup;
        if (setIfChanged(setup.rpm_for_corr, value) && !device->writeBlock27(setup))
            showCantWrite(this);
    });
}
