#include "CDiagnosticOscMPDlg.h"

#include "CDiag.h"
#include "CLPGDevice.h"
#include "CheckBoxImages.h"
#include "IProgramShell.h"
#include "LiveSample.h"
#include "OscPageIds.h"
#include "ProgramBusy.h"
#include "ShellIds.h"
#include "SkinFile.h"
#include "translate.h"

#include <CImageCheckBox.h>

#include <algorithm>

IMPLEMENT_DYNAMIC(CDiagnosticOscMPDlg, CGDIpMultiPageDialog)

BEGIN_MESSAGE_MAP(CDiagnosticOscMPDlg, CGDIpMultiPageDialog)
END_MESSAGE_MAP()

namespace {
// Buttons in the order of their images.
const UINT kButtonIds[CDiagnosticOscMPDlg::kButtons] = {
    IDC_OSC_RECORD, IDC_OSC_OPEN, IDC_OSC_BACK, IDC_OSC_FORWARD, IDC_OSC_PLAY, IDC_OSC_STOP, IDC_OSC_PAUSE};
const wchar_t* const kButtonImages[CDiagnosticOscMPDlg::kButtons] = {
    L"Btn_record.tif", L"Btn_open.tif", L"Btn_prev.tif", L"Btn_next.tif",
    L"Btn_play.tif",   L"Btn_stop.tif", L"Btn_pause.tif"};

// One channel: its boxes, caption, chart line (the first of eight for the
// injection times) and the start state of its box.
struct Channel
{
    UINT check;
    UINT value;
    const wchar_t* caption;
    unsigned line;
    unsigned lineCount;
    int shownAtStart;
};
// In the order the captions are translated.
const Channel kChannelTable[CDiagnosticOscMPDlg::kChannels] = {
    {IDC_OSC_CHECK_PRESSURE, IDC_OSC_VALUE_PRESSURE, L"Pressure", kDiagLinePressure, 1, 1},
    {IDC_OSC_CHECK_PET, IDC_OSC_VALUE_PET, L"PET Time", kDiagLinePetrol, 8, 1},
    {IDC_OSC_CHECK_GASTIME, IDC_OSC_VALUE_GASTIME, L"GAS Time", kDiagLineGas, 8, 1},
    {IDC_OSC_CHECK_MAP, IDC_OSC_VALUE_MAP, L"MAP", kDiagLineMap, 1, 1},
    {IDC_OSC_CHECK_GASTEMP, IDC_OSC_VALUE_GASTEMP, L"GAS Temp", kDiagLineTemp2, 1, 0},
    {IDC_OSC_CHECK_WATER, IDC_OSC_VALUE_WATER, L"Water Temp", kDiagLineTemp1, 1, 0},
    {IDC_OSC_CHECK_RPM, IDC_OSC_VALUE_RPM, L"RPM", kDiagLineRpm, 1, 1},
    {IDC_OSC_CHECK_LAMBDA1, IDC_OSC_VALUE_LAMBDA1, L"Lambda 1", kDiagLineLambda1, 1, 1},
    {IDC_OSC_CHECK_LAMBDA2, IDC_OSC_VALUE_LAMBDA2, L"Lambda 2", kDiagLineLambda2, 1, 1},
};
constexpr int kLambda2 = 8;

CString format(const wchar_t* pattern, double value)
{
    CString text;
    text.Format(pattern, value);
    return text;
}
} // namespace

CDiagnosticOscMPDlg::CDiagnosticOscMPDlg(CWnd* pParent) : CGDIpMultiPageDialog(IDD_DIAGNOSTIC_OSC, pParent)
{
    for (int i = 0; i < kChannels; ++i)
        m_checkStates[i] = kChannelTable[i].shownAtStart;
}

CDiagnosticOscMPDlg::~CDiagnosticOscMPDlg() = default;

void CDiagnosticOscMPDlg::DoDataExchange(CDataExchange* pDX)
{
    CGDIpMultiPageDialog::DoDataExchange(pDX);
    for (int i = 0; i < kButtons; ++i)
        DDX_Control(pDX, kButtonIds[i], m_buttons[i]);
    for (int i = 0; i < kChannels; ++i) {
        DDX_Control(pDX, kChannelTable[i].value, m_values[i]);
        DDX_Control(pDX, kChannelTable[i].check, m_checks[i]);
        DDX_Check(pDX, kChannelTable[i].check, m_checkStates[i]);
    }
}

BOOL CDiagnosticOscMPDlg::OnInitDialog()
{
    CGDIpMultiPageDialog::OnInitDialog();
    loadImages();
    setupChart();
    v_translate();
    return TRUE;
}

void CDiagnosticOscMPDlg::loadImages()
{
    std::vector<CImageCheckBox*> boxes;
    for (COrangeCheckBox& box : m_checks)
        boxes.push_back(&box);
    loadCheckBoxImages(m_checkImages[0], m_checkImages[1], boxes);
    for (int i = 0; i < kButtons; ++i) {
        if (!m_buttonImages[i].Load(skinFile(kButtonImages[i]).c_str()))
            continue;
        m_buttons[i].m_images.push_back(&m_buttonImages[i]);
        m_buttons[i].setImage(0);
    }
}

// The boxes show the lines as they are, so that a click always turns the
// line the way the box turns.
void CDiagnosticOscMPDlg::setupChart()
{
    m_chart.CreateFromStatic(WS_VISIBLE | 1, this, IDC_OSC_CHART);
    m_chart.SetGrid(1);
    m_chart.SetMaxPoints(10000);
    for (double& corner : m_chart.m_cornerFractions)
        corner = 0;
    m_chart.SetFont(GetFont());
    m_chart.m_gridColor = 0x6E6E6D;
    m_chart.setupLines();
    for (unsigned id = 0; id < kDiagLineCount; ++id)
        m_chart.ShowLine(id, 0, 0);
    for (int i = 0; i < kChannels; ++i)
        if (m_checkStates[i])
            m_chart.ShowLine(kChannelTable[i].line, 1, 1);
    m_chart.setPaused(true);
}

BOOL CDiagnosticOscMPDlg::OnCommand(WPARAM wParam, LPARAM lParam)
{
    if (HIWORD(wParam) == BN_CLICKED) {
        const UINT id = LOWORD(wParam);
        for (int i = 0; i < kButtons; ++i)
            if (kButtonIds[i] == id) {
                onButton(int(id));
                return TRUE;
            }
        for (int i = 0; i < kChannels; ++i)
            if (kChannelTable[i].check == id) {
                onChannelClicked(i);
                return TRUE;
            }
    }
    return CGDIpMultiPageDialog::OnCommand(wParam, lParam);
}

void CDiagnosticOscMPDlg::onButton(int button)
{
    switch (button) {
    case IDC_OSC_OPEN:
        m_chart.openFile();
        break;
    case IDC_OSC_PLAY:
        m_chart.play();
        break;
    case IDC_OSC_STOP:
        m_chart.stop();
        break;
    case IDC_OSC_BACK:
        m_chart.scrollBack();
        break;
    case IDC_OSC_FORWARD:
        m_chart.scrollForward();
        break;
    case IDC_OSC_PAUSE:
        m_chart.pause();
        break;
    case IDC_OSC_RECORD:
        // A new recording restarts the reading thread under a running
        // procedure's sample counts: refused while one runs.
        if (ProgramBusy::isSet())
            break;
        m_chart.record([](const std::wstring& path) {
            return g_pShell && g_pShell->stopDiagThread() && g_pShell->startDiagThread(path);
        });
        break;
    default:
        break;
    }
}

// Clearing the injection times hides all eight cylinders; checking them
// shows cylinder 1.
void CDiagnosticOscMPDlg::onChannelClicked(int channel)
{
    UpdateData(TRUE);
    const Channel& c = kChannelTable[channel];
    const int shown = m_checkStates[channel];
    if (shown || c.lineCount == 1) {
        m_chart.ShowLine(c.line, shown, 1);
        return;
    }
    for (unsigned k = 0; k < c.lineCount; ++k)
        m_chart.ShowLine(c.line + k, 0, k + 1 == c.lineCount);
}

void CDiagnosticOscMPDlg::v_activate()
{
    if (g_pDevice && g_pDevice->m_settings.m_devInfo.m_deviceID == '/') {
        m_values[kLambda2].ShowWindow(SW_HIDE);
        m_checks[kLambda2].ShowWindow(SW_HIDE);
    }
}

void CDiagnosticOscMPDlg::v_onTimer()
{
    CDiag sample;
    if (!newestSample(sample))
        return;
    if (m_chart.isPaused()) {
        showCursorValues();
        return;
    }
    showLiveValues(sample);
    m_chart.requestAppend();
}

void CDiagnosticOscMPDlg::showLiveValues(const CDiag& sample)
{
    const bool gas = sample.getMode() == CDiag::kModeGas;
    const CString texts[kChannels] = {
        format(L"%.2f", sample.getPressure() / 100),
        format(L"%.1f", sample.getInjectionTime(0)),
        format(L"%.1f", gas ? sample.getCorrectedInjectionTime(0) : 0.0),
        format(L"%.2f", sample.getManifoldPressure() / 100),
        format(L"%.0f", sample.getTemperature2()),
        format(L"%.0f", sample.getTemperature1()),
        format(L"%.0f", sample.getRpm()),
        format(L"%.2f", sample.getVoltage6()),
        format(L"%.2f", sample.getVoltage7()),
    };
    for (int i = 0; i < kChannels; ++i)
        m_values[i].SetWindowTextW(texts[i]);
}

void CDiagnosticOscMPDlg::showCursorValues()
{
    const std::vector<CString> values = m_chart.cursorValues();
    const auto withText =
        std::count_if(values.begin(), values.end(), [](const CString& v) { return !v.IsEmpty(); });
    if (withText <= 20)
        return;
    for (int i = 0; i < kChannels; ++i)
        m_values[i].SetWindowTextW(values[kChannelTable[i].line]);
}

void CDiagnosticOscMPDlg::v_translate()
{
    // The box draws its own copy of the caption; the window keeps the text too.
    for (int i = 0; i < kChannels; ++i) {
        const std::wstring caption = translate(kChannelTable[i].caption);
        SetDlgItemTextW(kChannelTable[i].check, caption.c_str());
        m_checks[i].SetWindowTextW(caption.c_str());
    }
}
