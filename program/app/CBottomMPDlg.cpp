#include "CBottomMPDlg.h"

#include "CConsoleSetupDlg.h"
#include "COrvoDoc.h"
#include "ErrorReport.h"
#include "LiveSample.h"
#include "ProgramBusy.h"
#include "RoundFunctions.h"
#include "ShellIds.h"
#include "translate.h"

#include <CDiag.h>
#include <CImageCheckBox.h>
#include <IError.h>
#include <MakerWord.h>
#include <UserInterface.h>

#include <cstdio>

namespace {

const UINT kCaptionIds[10] = {IDC_CAPTION_MAP,        IDC_CAPTION_RPM,      IDC_CAPTION_GAS_PRESS,
                              IDC_CAPTION_WATER_TEMP, IDC_CAPTION_GAS_TEMP, IDC_CAPTION_PET_TIME,
                              IDC_CAPTION_GAS_TIME,   IDC_CAPTION_OXY,      IDC_CAPTION_FUEL_TRIM,
                              IDC_CONNECTION_CAPTION};
const wchar_t* const kCaptions[9] = {L"MAP",      L"RPM",      L"GAS Press",  L"Water Temp", L"GAS Temp",
                                     L"PET Time", L"GAS Time", L"Oxy sensor", L"Fuel Trim"};
const UINT kValueIds[9] = {IDC_VALUE_MAP,        IDC_VALUE_RPM,      IDC_VALUE_GAS_PRESS,
                           IDC_VALUE_WATER_TEMP, IDC_VALUE_GAS_TEMP, IDC_VALUE_PET_TIME,
                           IDC_VALUE_GAS_TIME,   IDC_VALUE_OXY,      IDC_VALUE_FUEL_TRIM};
const UINT kUnitIds[9] = {IDC_UNIT_MAP,        IDC_UNIT_RPM,      IDC_UNIT_GAS_PRESS,
                          IDC_UNIT_WATER_TEMP, IDC_UNIT_GAS_TEMP, IDC_UNIT_PET_TIME,
                          IDC_UNIT_GAS_TIME,   IDC_UNIT_OXY,      IDC_UNIT_FUEL_TRIM};
const wchar_t* const kConsoleImages[7] = {L"\\CON PETROL.tif", L"\\CON AUTO.tif", L"\\CON R.tif",
                                          L"\\CON 14.tif",     L"\\CON 12.tif",   L"\\CON 34.tif",
                                          L"\\CON FULL.tif"};
const COLORREF kConnectedColor = 48640;
const COLORREF kDemoColor = 255;
// Dark enough that both caption colours read clearly on it (contrast 5:1
// for red, 8:1 for green).
const Gdiplus::ARGB kConnectionTile = 0xFF101010;
const int kPetrolImage = 0;
const int kAutoImage = 1;
const int kFirstGasImage = 2;

// Process-wide: the console blinks at the same pace whichever page is shown.
unsigned g_tickCounter = 0;
unsigned char g_blinkState1 = 0;
unsigned char g_blinkState4 = 0;

CLPGDevice& device()
{
    return g_pDocument->m_device;
}

std::wstring format(const wchar_t* pattern, double value)
{
    wchar_t text[32];
    swprintf(text, 32, pattern, value);
    return text;
}

int blinkImage(unsigned char& flag)
{
    flag = !flag;
    return flag ? kAutoImage : kPetrolImage;
}

} // namespace

IMPLEMENT_DYNAMIC(CBottomMPDlg, CGDIpMultiPageDialog)

BEGIN_MESSAGE_MAP(CBottomMPDlg, CGDIpMultiPageDialog)
ON_BN_CLICKED(IDC_CONSOLE_BUTTON, &CBottomMPDlg::OnBnClickedButtonauto)
ON_BN_DOUBLECLICKED(IDC_CONSOLE_BUTTON, &CBottomMPDlg::OnBnDoubleclickedButtonauto)
ON_WM_SIZE()
END_MESSAGE_MAP()

CBottomMPDlg::CBottomMPDlg(CWnd* pParent) : CGDIpMultiPageDialog(IDD_BOTTOM, pParent)
{
    COrangeStatic& connection = m_captions[9];
    connection.m_frameColor = kConnectionTile;
    connection.m_drawGradient = false;
    for (int i = 0; i < kValues; ++i)
        m_captionFont.attach({&m_captions[i]});
}

CBottomMPDlg::~CBottomMPDlg() = default;

void CBottomMPDlg::DoDataExchange(CDataExchange* pDX)
{
    CGDIpMultiPageDialog::DoDataExchange(pDX);
    DDX_Control(pDX, IDC_CONSOLE_BUTTON, m_consoleButton);
    for (int i = 0; i < 10; ++i)
        DDX_Control(pDX, kCaptionIds[i], m_captions[i]);
    for (int i = 0; i < kValues; ++i) {
        DDX_Control(pDX, kValueIds[i], m_values[i]);
        DDX_Control(pDX, kUnitIds[i], m_units[i]);
    }
}

BOOL CBottomMPDlg::OnInitDialog()
{
    CGDIpMultiPageDialog::OnInitDialog();
    loadConsoleImages();
    fitCaptionFont();
    return TRUE;
}

void CBottomMPDlg::OnSize(UINT nType, int cx, int cy)
{
    CGDIpMultiPageDialog::OnSize(nType, cx, cy);
    fitCaptionFont();
}

// Nine columns share the strip's fixed width: the captions' font gives way.
void CBottomMPDlg::fitCaptionFont()
{
    m_captionFont.fit(m_font, this);
}

// A missing image ends the list: later indexes show nothing.
void CBottomMPDlg::loadConsoleImages()
{
    const std::wstring folder = CImageCheckBox::getPath() + kMakerWord;
    m_consoleButton.m_images.clear();
    for (int i = 0; i < 7; ++i) {
        if (!m_consoleImages[i].Load((folder + kConsoleImages[i]).c_str()))
            break;
        m_consoleButton.m_images.push_back(&m_consoleImages[i]);
    }
}

void CBottomMPDlg::setConnected(bool connected)
{
    COrangeStatic& caption = m_captions[9];
    caption.m_textColor = connected ? kConnectedColor : kDemoColor;
    caption.SetWindowTextW(translate(connected ? L"Connected" : L"DEMO - Not Connected").c_str());
    caption.Invalidate();
}

void CBottomMPDlg::v_translate()
{
    for (int i = 0; i < kValues; ++i)
        m_captions[i].SetWindowTextW(translate(kCaptions[i]).c_str());
    fitCaptionFont();
}

void CBottomMPDlg::v_onTimer()
{
    CDiag sample;
    if (!newestSample(sample))
        return;
    showValues(sample);
    if (g_tickCounter++ % 4 == 0)
        showConsole(sample);
}

void CBottomMPDlg::showValues(const CDiag& sample)
{
    const double petrol = sample.getInjectionTime(0);
    double gas = round2(sample.getCorrectedInjectionTime(0));
    if (gas < 0 || sample.getMode() != CDiag::kModeGas)
        gas = 0;
    const double trim = (gas == 0 || petrol == 0) ? 0 : gas - petrol;
    const std::wstring texts[kValues] = {format(L"%.2f", sample.getManifoldPressure() / 100),
                                         format(L"%.0f", sample.getRpm()),
                                         format(L"%.2f", sample.getPressure() / 100),
                                         format(L"%.0f", sample.getTemperature1()),
                                         format(L"%.0f", sample.getTemperature2()),
                                         format(L"%.2f", petrol),
                                         format(L"%.2f", gas),
                                         format(L"%.2f", sample.getVoltage6()),
                                         format(L"%.2f", trim)};
    for (int i = 0; i < kValues; ++i)
        m_values[i].SetWindowTextW(texts[i].c_str());
}

int CBottomMPDlg::gasLevel(unsigned char level, const unsigned char thresholds[4])
{
    unsigned char t[4] = {thresholds[0], thresholds[1], thresholds[2], thresholds[3]};
    if (t[0] < t[1]) {
        level = static_cast<unsigned char>(~level);
        for (unsigned char& value : t)
            value = static_cast<unsigned char>(~value);
    }
    for (int i = 0; i < 4; ++i)
        if (level > t[i])
            return 4 - i;
    return 0;
}

void CBottomMPDlg::showConsole(const CDiag& sample)
{
    const CSensorsSetup& s = device().m_settings.m_sensorsSetup;
    const unsigned char thresholds[4] = {s.m_fuelFull, s.m_fuelHgw, s.m_fuelHalf, s.m_fuelQuarter};
    const unsigned char state = sample.getByte(CDiag::kSwitchStateByte);
    int image = kPetrolImage;
    if (sample.getMode() == CDiag::kModeGas)
        image = kFirstGasImage + gasLevel(sample.getByte(CDiag::kFuelLevelByte), thresholds);
    else if (state == 1)
        image = blinkImage(g_blinkState1);
    else if (state == 4)
        image = blinkImage(g_blinkState4);
    m_consoleButton.setImage(image);
    m_consoleButton.Invalidate();
}

void CBottomMPDlg::OnBnClickedButtonauto()
{
    CLPGDevice& dev = device();
    if (!dev.m_connected || ProgramBusy::isSet() || dev.m_diagData.count() == 0)
        return;
    ProgramBusy busy;
    WaitCursor wait;
    try {
        CDiag sample;
        dev.m_diagData.getLast(sample);
        if (sample.getByte(CDiag::kSwitchStateByte) != 2)
            dev.switchToPetrol();
        else
            dev.returnToGas();
    } catch (IError* error) {
        reportError(L"CBottomMPDlg::OnBnClickedButtonauto()", error);
    }
}

void CBottomMPDlg::OnBnDoubleclickedButtonauto()
{
    CConsoleSetupDlg dialog(this);
    dialog.DoModal();
}
