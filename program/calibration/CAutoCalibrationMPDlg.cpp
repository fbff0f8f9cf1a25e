#include "CAutoCalibrationMPDlg.h"

#include "CalibrationMath.h"
#include "CalibrationPageIds.h"
#include "CheckBoxImages.h"
#include "LiveSample.h"
#include "ShellIds.h"
#include "SkinFile.h"
#include "translate.h"

#include <CDiag.h>
#include <CImageCheckBox.h>
#include <CLPGDevice.h>
#include <Conversions.h>

#include <CRichEditCtrl.h>

#include <cstdio>

namespace {
const int kCorrectionEditIds[8] = {1169, 1096, 1097, 1098, 1099, 1100, 1101, 1102};
const int kGasNumberIds[8] = {1251, 1224, 1225, 1226, 1227, 1228, 1229, 1230};
const int kPetrolNumberIds[8] = {1245, 1246, 1247, 1248, 1249, 1220, 1221, 1250};
const int kPetrolBarFirst = 1059; // then every third id; the gas bar follows each
const double kFullBarMs = 50.0;

std::wstring formatted(const wchar_t* pattern, double value)
{
    wchar_t text[32];
    swprintf(text, 32, pattern, value);
    return text;
}

void styleBar(CGDIpProgressBar& bar, Gdiplus::ARGB color)
{
    bar.m_gradientMode = Gdiplus::LinearGradientModeVertical;
    bar.m_gradientStart = 0xFFFCFCFC;
    bar.m_gradientEnd = 0xFFE6E6E6;
    bar.m_barPack.m_gradientStart = color;
    bar.m_barPack.m_gradientEnd = 0xFFFDFDFD;
}

void styleNumber(CGDIpStatic& number, COLORREF color)
{
    number.m_drawFrame = false;
    number.m_fillBackground = false;
    number.m_drawGradient = false;
    number.m_textColor = color;
}
} // namespace

IMPLEMENT_DYNAMIC(CAutoCalibrationMPDlg, CGDIpMultiPageDialog)

BEGIN_MESSAGE_MAP(CAutoCalibrationMPDlg, CGDIpMultiPageDialog)
ON_BN_CLICKED(IDC_CAL_START, &CAutoCalibrationMPDlg::OnBnClickedStart)
ON_BN_CLICKED(IDC_CAL_STOP, &CAutoCalibrationMPDlg::OnBnClickedStop)
ON_BN_CLICKED(IDC_CAL_SAME_CORRECTION, &CAutoCalibrationMPDlg::OnClickedSameCorrection)
ON_BN_CLICKED(IDC_CAL_ONE_CYLINDER, &CAutoCalibrationMPDlg::OnClickedOneCylinder)
ON_CONTROL_RANGE(BN_CLICKED, IDC_CAL_B_FIRST, IDC_CAL_B_LAST, &CAutoCalibrationMPDlg::onGasInj)
ON_CONTROL_RANGE(BN_CLICKED, IDC_CAL_G_FIRST, IDC_CAL_G_LAST, &CAutoCalibrationMPDlg::onClickedGasInj)
ON_NOTIFY_RANGE(UDN_DELTAPOS, IDC_CAL_SPIN_FIRST, IDC_CAL_SPIN_LAST,
                &CAutoCalibrationMPDlg::onDeltaSpinMainCorr)
END_MESSAGE_MAP()

CAutoCalibrationMPDlg::CAutoCalibrationMPDlg(CWnd* pParent)
    : CGDIpMultiPageDialog(IDD_AUTO_CALIBRATION, pParent)
{
    AfxInitRichEdit2(); // the output box's class, before the template is made
}

CAutoCalibrationMPDlg::~CAutoCalibrationMPDlg() = default;

void CAutoCalibrationMPDlg::DoDataExchange(CDataExchange* pDX)
{
    CGDIpMultiPageDialog::DoDataExchange(pDX);
    DDX_Control(pDX, IDC_CAL_OUTPUT, m_output);
    for (int i = 0; i < kCylinders; ++i) {
        DDX_Text(pDX, kCorrectionEditIds[i], m_corrections[i]);
        DDX_Control(pDX, kGasNumberIds[i], m_gasNumbers[i]);
        DDX_Control(pDX, kPetrolNumberIds[i], m_petrolNumbers[i]);
        DDX_Control(pDX, IDC_CAL_B_FIRST + i, m_bButtons[i]);
        DDX_Control(pDX, IDC_CAL_G_FIRST + i, m_gButtons[i]);
        DDX_Control(pDX, IDC_CAL_SPIN_FIRST + i, m_spins[i]);
        DDX_Control(pDX, kCorrectionEditIds[i], m_edits[i]);
    }
    DDX_Control(pDX, IDC_CAL_ONE_CYLINDER, m_chkOneCylinder);
    DDX_Check(pDX, IDC_CAL_ONE_CYLINDER, m_oneCylinder);
    DDX_Control(pDX, IDC_CAL_SAME_CORRECTION, m_chkSameCorrection);
    DDX_Check(pDX, IDC_CAL_SAME_CORRECTION, m_sameCorrection);
    DDX_Control(pDX, IDC_CAL_START, m_start);
    DDX_Control(pDX, IDC_CAL_STOP, m_stop);
    DDX_Control(pDX, IDC_CAL_TOO_SMALL, m_tooSmall);
    DDX_Control(pDX, IDC_CAL_TOO_BIG, m_tooBig);
}

BOOL CAutoCalibrationMPDlg::OnInitDialog()
{
    // The drawn bars and the indicator take their placeholders' places
    // before the base records the children for rescaling.
    for (int i = 0; i < kCylinders; ++i) {
        m_petrolBars[i].CreateFromStatic(0, this, kPetrolBarFirst + 3 * i);
        m_gasBars[i].CreateFromStatic(0, this, kPetrolBarFirst + 3 * i + 1);
    }
    m_progress.CreateFromStatic(0, this, IDC_CAL_PROGRESS);
    m_indicator.CreateFromStatic(0, this, IDC_CAL_MAIN_CORR_IND);
    CGDIpMultiPageDialog::OnInitDialog();
    loadImages();
    styleControls();
    m_output.init();
    m_indicator.setValue(50);
    v_translate();
    UpdateData(FALSE);
    return TRUE;
}

// The injector images go to B1's list; a failed load ends the chain.
void CAutoCalibrationMPDlg::loadImages()
{
    loadCheckBoxImages(m_selectedImage, m_unselectedImage, {&m_chkOneCylinder, &m_chkSameCorrection});
    const std::wstring folder = skinFile(L"");
    const wchar_t* const names[3] = {L"Injector_Red.tif", L"Injector_Green.tif", L"Injector_White.tif"};
    for (int i = 0; i < 3; ++i) {
        if (!m_injectorImages[i].Load((folder + names[i]).c_str(), nullptr, -1, -1))
            break;
        m_bButtons[0].m_images.push_back(&m_injectorImages[i]);
    }
    m_bButtons[0].setImage(kWhite);
    for (int i = 1; i < kCylinders; ++i)
        m_bButtons[i] = m_bButtons[0];
    m_gButtons[0] = m_bButtons[0];
    m_gButtons[0].setImage(kWhite);
    for (int i = 1; i < kCylinders; ++i)
        m_gButtons[i] = m_gButtons[0];
}

void CAutoCalibrationMPDlg::styleControls()
{
    m_start.m_gradientStart = 0xFF006400;
    m_start.m_gradientEnd = 0xFF02732E;
    m_stop.m_gradientStart = 0xFF780A0A;
    m_stop.m_gradientEnd = 0xFFA42629;
    // Light on the dark bodies, hovered too.
    for (COrvoButton* button : {&m_start, &m_stop}) {
        button->m_textColor = RGB(255, 255, 255);
        button->m_hoverTextColor = RGB(255, 255, 160);
    }
    m_progress.setCornerFractions(0.05);
    m_progress.setPos(0);
    for (int i = 0; i < kCylinders; ++i) {
        styleBar(m_petrolBars[i], 0xFFFF0000);
        styleBar(m_gasBars[i], 0xFF00FF00);
        styleNumber(m_petrolNumbers[i], RGB(200, 0, 0));
        styleNumber(m_gasNumbers[i], RGB(2, 137, 46));
    }
    m_tooSmall.m_textColor = RGB(200, 0, 0);
    m_tooBig.m_textColor = RGB(200, 0, 0);
}

void CAutoCalibrationMPDlg::v_translate()
{
    m_chkOneCylinder.SetWindowTextW(translate(L"One Cylinder Calibration").c_str());
    m_chkSameCorrection.SetWindowTextW(translate(L"Same Correction For All Cylinders").c_str());
    m_start.SetWindowTextW(translate(L"Start").c_str());
    m_stop.SetWindowTextW(translate(L"Stop").c_str());
    Invalidate();
}

void CAutoCalibrationMPDlg::v_activate()
{
    refreshControls();
    showCorrectionOnIndicator(true);
}

bool CAutoCalibrationMPDlg::isConnected()
{
    return g_pDevice != nullptr && g_pDevice->m_connected;
}

int CAutoCalibrationMPDlg::cylinderCount() const
{
    if (!g_pDevice)
        return 0;
    const int count = g_pDevice->m_settings.m_devInfo.m_injCount;
    return count < 0 ? 0 : count > kCylinders ? kCylinders : count;
}

void CAutoCalibrationMPDlg::refreshControls()
{
    if (!g_pDevice)
        return;
    showCorrections(g_pDevice->m_settings.m_mainCorr.m_mainCorr.data());
    enableSpins();
    showCylinderControls(cylinderCount());
    enableOutputButtons();
}

void CAutoCalibrationMPDlg::showCorrections(const double* corrections)
{
    for (int i = 0; i < kCylinders; ++i)
        m_corrections[i] = formatted(L"%.2f", corrections[i]).c_str();
    UpdateData(FALSE);
}

void CAutoCalibrationMPDlg::showCorrectionOnIndicator(bool valid)
{
    if (!valid || !g_pDevice) {
        m_indicator.setValue(-1);
        return;
    }
    const CSettingsRecord& r = g_pDevice->m_settings;
    m_indicator.setValue(correctionIndicatorValue(r.m_mainCorr.m_mainCorr[0], r.m_adv.m_injectorType));
}

void CAutoCalibrationMPDlg::enableSpins()
{
    const bool on = isConnected();
    m_spins[0].EnableWindow(on);
    for (int i = 1; i < kCylinders; ++i)
        m_spins[i].EnableWindow(on && !m_sameCorrection);
}

void CAutoCalibrationMPDlg::showCylinderControls(int cylinders)
{
    for (int i = 0; i < kCylinders; ++i) {
        const int show = i < cylinders ? SW_SHOW : SW_HIDE;
        CWnd* controls[] = {&m_edits[i],         &m_spins[i],      &m_bButtons[i],   &m_gButtons[i],
                            &m_petrolNumbers[i], &m_gasNumbers[i], &m_petrolBars[i], &m_gasBars[i]};
        for (CWnd* control : controls)
            control->ShowWindow(show);
    }
}

void CAutoCalibrationMPDlg::enableOutputButtons()
{
    const bool on = isConnected() && !isRunning();
    for (int i = 0; i < kCylinders; ++i) {
        m_bButtons[i].EnableWindow(on);
        m_gButtons[i].EnableWindow(on);
    }
}

void CAutoCalibrationMPDlg::v_onTimer()
{
    CDiag sample;
    if (!newestSample(sample))
        return;
    const int cylinders = cylinderCount();
    showOutputStates(sample, cylinders);
    showTimes(sample, cylinders);
}

void CAutoCalibrationMPDlg::showOutputStates(const CDiag& sample, int cylinders)
{
    const unsigned emulators = sample.getByte(CDiag::kEmulatorByte);
    const unsigned gasOutputs = sample.getByte(CDiag::kGasOutputsByte);
    const bool gas = isGasMode(sample.getMode());
    for (int i = 0; i < cylinders; ++i) {
        const unsigned bit = 1u << i;
        setB(i, emulators & bit ? kWhite : kRed);
        setG(i, gas && (emulators & bit) && (gasOutputs & bit) ? kGreen : kWhite);
    }
}

// Petrol time per cylinder; gas time per output that the cylinder drives
// while both its emulation and the output are on.
void CAutoCalibrationMPDlg::showTimes(const CDiag& sample, int cylinders)
{
    const unsigned emulators = sample.getByte(CDiag::kEmulatorByte);
    const unsigned gasOutputs = sample.getByte(CDiag::kGasOutputsByte);
    const auto& map = g_pDevice->m_settings.m_adv.m_injConfMap;
    double gasTimes[kCylinders] = {};
    for (int i = 0; i < cylinders; ++i) {
        if (map[i] == 0) {
            showTime(m_petrolBars[i], m_petrolNumbers[i], m_petrolShown[i], 0, true);
            continue;
        }
        showTime(m_petrolBars[i], m_petrolNumbers[i], m_petrolShown[i], sample.getInjectionTime(2 * i),
                 false);
        for (int j = 0; j < cylinders; ++j)
            if ((map[i] & (1u << j)) && (emulators & (1u << i)) && (gasOutputs & (1u << j)))
                gasTimes[j] = sample.getCorrectedInjectionTime(2 * j);
    }
    for (int j = 0; j < cylinders; ++j)
        showTime(m_gasBars[j], m_gasNumbers[j], m_gasShown[j], gasTimes[j], true);
}

// The bar repaints only on a new position, the number only on a new text.
void CAutoCalibrationMPDlg::showTime(CGDIpProgressBar& bar, CGDIpStatic& number, std::wstring& shown,
                                     double ms, bool blankWhenZero)
{
    bar.setPos(int(perThousandRounded(ms, kFullBarMs)));
    const std::wstring text = ms == 0 && blankWhenZero ? L"" : formatted(L"%.1f", ms);
    if (text == shown)
        return;
    shown = text;
    number.SetWindowTextW(text.c_str());
}

void CAutoCalibrationMPDlg::setB(int n, int image)
{
    if (m_bImages[n] == image)
        return;
    m_bImages[n] = image;
    m_bButtons[n].setImage(image);
}

void CAutoCalibrationMPDlg::setG(int n, int image)
{
    if (m_gImages[n] == image)
        return;
    m_gImages[n] = image;
    m_gButtons[n].setImage(image);
}
