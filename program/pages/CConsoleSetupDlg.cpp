#include "CConsoleSetupDlg.h"

#include "SettingsDialogsIds.h"
#include "SettingsHandler.h"
#include "ShellIds.h"
#include "SkinDialogTitle.h"
#include "ValueLists.h"
#include "translate.h"

#include <CLPGDevice.h>

#include <iterator>

IMPLEMENT_DYNAMIC(CConsoleSetupDlg, CSkinDlg)

namespace {

const Gdiplus::ARGB kDialogGrey = 0xFFC8C8C8;
const unsigned char kSwitchingSignalFlag = 0x08;
const unsigned char kBuzzerContinuousFlag = 0x04;
const unsigned kHidePetrolFlag = 0x20;
const unsigned kStdConsoleFlag = 0x01;

const int kLabelIds[] = {IDC_CONSOLE_SIGNAL_LABEL, IDC_CONSOLE_BUZZER_LABEL, IDC_CONSOLE_HIDE_PETROL_LABEL};
const wchar_t* const kLabelTexts[] = {L"Switching Signal", L"Buzzer Signal Continuous", L"Hide Petrol Mode"};
const int kCheckIds[] = {IDC_CONSOLE_SIGNAL, IDC_CONSOLE_BUZZER, IDC_CONSOLE_HIDE_PETROL};

} // namespace

BEGIN_MESSAGE_MAP(CConsoleSetupDlg, CSkinDlg)
ON_BN_CLICKED(IDC_CONSOLE_HIDE_PETROL, &CConsoleSetupDlg::OnClickedChkHidePetrol)
ON_BN_CLICKED(IDC_CONSOLE_BUZZER, &CConsoleSetupDlg::OnClickedChkBuzzerContinous)
ON_BN_CLICKED(IDC_CONSOLE_SIGNAL, &CConsoleSetupDlg::OnClickedChkBuzzerSignalling)
ON_CBN_SELENDOK(IDC_CONSOLE_TYPE, &CConsoleSetupDlg::OnSelendokCmbConsoleType)
END_MESSAGE_MAP()

CConsoleSetupDlg::CConsoleSetupDlg(CWnd* pParent) : CSkinDlg(IDD_CONSOLE_SETUP, pParent)
{
    m_gradientStart = m_gradientEnd = kDialogGrey;
    m_titleHeight = 0;
}

CConsoleSetupDlg::~CConsoleSetupDlg() = default;

void CConsoleSetupDlg::DoDataExchange(CDataExchange* pDX)
{
    CSkinDlg::DoDataExchange(pDX);
    DDX_Control(pDX, IDC_CONSOLE_CAPTION, m_caption);
    DDX_Control(pDX, IDC_CONSOLE_TYPE, m_type);
    for (size_t i = 0; i < std::size(kLabelIds); ++i) {
        DDX_Control(pDX, kLabelIds[i], m_labels[i]);
        DDX_Control(pDX, kCheckIds[i], m_checks[i]);
    }
    DDX_Control(pDX, IDOK, m_ok);
    DDX_Check(pDX, IDC_CONSOLE_SIGNAL, m_switchingSignal);
    DDX_Check(pDX, IDC_CONSOLE_BUZZER, m_buzzerContinuous);
    DDX_Check(pDX, IDC_CONSOLE_HIDE_PETROL, m_hidePetrol);
}

// Straight from the skin folder, unlike the pages' images.
void CConsoleSetupDlg::loadImages()
{
    const std::wstring folder = CImageCheckBox::getPath();
    if (!m_selectedImage.Load((folder + L"CheckBox_Selected_2.tif").c_str()) ||
        !m_unselectedImage.Load((folder + L"CheckBox_Unselected_2.tif").c_str()))
        return;
    for (CImageCheckBox& box : m_checks)
        box.setInternalImages(&m_selectedImage, &m_unselectedImage);
}

BOOL CConsoleSetupDlg::OnInitDialog()
{
    loadImages();
    m_caption.SetWindowTextW(initTitledSkinDialog(*this, L"Console Setup"));
    for (size_t i = 0; i < std::size(kLabelIds); ++i)
        m_labels[i].SetWindowTextW(translate(kLabelTexts[i]).c_str());
    rebuildList(m_type, [&] {
        m_type.addValue(0, 0, translate(L"STD"));
        m_type.addValue(0, 1, translate(L"OLED"));
    });
    if (g_pDevice != nullptr) {
        const CSettingsRecord& r = g_pDevice->m_settings;
        m_type.setSelValue((r.m_advancedSetup.m_advancedFlags3 & kStdConsoleFlag) ? 0 : 1);
        m_switchingSignal = (r.m_base.m_flags & kSwitchingSignalFlag) != 0;
        m_buzzerContinuous = (r.m_base.m_flags & kBuzzerContinuousFlag) != 0;
        m_hidePetrol = (r.m_advancedSetup.m_advancedFlags3 & kHidePetrolFlag) != 0;
    }
    UpdateData(FALSE);
    showReadOnlyWhileLocked(*this);
    return TRUE;
}

void CConsoleSetupDlg::OnClickedChkHidePetrol()
{
    runSettingsHandler(this, L"CConsoleSetupDlg::OnClickedChkHidePetrol", [&] {
        UpdateData(TRUE);
        changeSetting(this, &CLPGDevice::writeBlock26, [&](CSettingsRecord& r) {
            setFlag(r.m_advancedSetup.m_advancedFlags3, kHidePetrolFlag, m_hidePetrol != FALSE);
            return true;
        });
    });
}

void CConsoleSetupDlg::OnClickedChkBuzzerContinous()
{
    runSettingsHandler(this, L"CConsoleSetupDlg::OnClickedChkBuzzerContinous", [&] {
        UpdateData(TRUE);
        changeSetting(this, &CLPGDevice::writeBlock31, [&](CSettingsRecord& r) {
            setFlag(r.m_base.m_flags, kBuzzerContinuousFlag, m_buzzerContinuous != FALSE);
            return true;
        });
    });
}

void CConsoleSetupDlg::OnClickedChkBuzzerSignalling()
{
    runSettingsHandler(this, L"CConsoleSetupDlg::OnClickedChkBuzzerSignalling", [&] {
        UpdateData(TRUE);
        changeSetting(this, &CLPGDevice::writeBlock31, [&](CSettingsRecord& r) {
            setFlag(r.m_base.m_flags, kSwitchingSignalFlag, m_switchingSignal != FALSE);
            return true;
        });
    });
}

void CConsoleSetupDlg::OnSelendokCmbConsoleType()
{
    runSettingsHandler(this, L"CConsoleSetupDlg::OnSelendokCmbConsoleType", [&] {
        const double type = m_type.getSelValue();
        changeSetting(this, &CLPGDevice::writeBlock26, [&](CSettingsRecord& r) {
            setFlag(r.m_advancedSetup.m_advancedFlags3, kStdConsoleFlag, type == 0);
            return true;
        });
    });
}
