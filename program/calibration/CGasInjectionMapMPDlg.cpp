#include "CGasInjectionMapMPDlg.h"

#include "ErrorReport.h"
#include "GasInjectionMapIds.h"
#include "LiveSample.h"
#include "RoundFunctions.h"
#include "SettingsHandler.h"
#include "ShellIds.h"
#include "SkinFile.h"
#include "translate.h"

#include <CDiag.h>
#include <CLPGDevice.h>
#include <IError.h>
#include <UserInterface.h>

#include <algorithm>
#include <cmath>

namespace {

const uint8_t kPressure250 = 0x40;
const int kScaleFirmware = 785;
const int kAnchorBitsFirmware = 778;
const int kReadEveryTicks = 20;

CSettingsRecord& record()
{
    static CSettingsRecord offline;
    return g_pDevice ? g_pDevice->m_settings : offline;
}

uint16_t& flags3()
{
    return record().m_advancedSetup.m_advancedFlags3;
}

bool anchorBit(const CSettingsRecord& r, int row)
{
    return (r.m_advancedSetup.m_points2D[row / 8] >> (row % 8)) & 1;
}

// The timer's countdown and the sample the points were last read after,
// one for the whole run.
int s_countdown = 0;
uint32_t s_lastReadSequence = 0;
bool s_readOnce = false;

} // namespace

IMPLEMENT_DYNAMIC(CGasInjectionMapMPDlg, CGDIpMultiPageDialog)

BEGIN_MESSAGE_MAP(CGasInjectionMapMPDlg, CGDIpMultiPageDialog)
ON_BN_CLICKED(IDC_GIM_CLEAR_PETROL_MAP, &CGasInjectionMapMPDlg::OnBtnClrMap)
ON_BN_CLICKED(IDC_GIM_CLEAR_GAS_MAP, &CGasInjectionMapMPDlg::OnBtnClrMapLpg)
ON_BN_CLICKED(IDC_GIM_COUNT_CORRECTION, &CGasInjectionMapMPDlg::OnBtnCreate)
ON_BN_CLICKED(IDC_GIM_CLEAR_CORRECTION, &CGasInjectionMapMPDlg::OnBnClickedBtnClearCorr)
ON_BN_CLICKED(IDC_GIM_LOCK_PETROL_MAP, &CGasInjectionMapMPDlg::OnBnClickedChkLockPetrolMap)
ON_BN_CLICKED(IDC_GIM_LOCK_CORRECTIONS, &CGasInjectionMapMPDlg::OnBnClickedChkLockCorrections)
ON_CBN_SELENDOK(IDC_GIM_AUTOMAP_MODE, &CGasInjectionMapMPDlg::OnSelendokCmbAutomap)
ON_CBN_SELENDOK(IDC_GIM_SCALE, &CGasInjectionMapMPDlg::OnSelendokCmbScale)
ON_WM_SIZE()
END_MESSAGE_MAP()

CGasInjectionMapMPDlg::CGasInjectionMapMPDlg(CWnd* pParent)
    : CGDIpMultiPageDialog(IDD_GAS_INJECTION_MAP, pParent)
{
}

CGasInjectionMapMPDlg::~CGasInjectionMapMPDlg() = default;

void CGasInjectionMapMPDlg::DoDataExchange(CDataExchange* pDX)
{
    CGDIpMultiPageDialog::DoDataExchange(pDX);
    DDX_Control(pDX, IDC_GIM_PETROL_CAPTION, m_petrolCaption);
    DDX_Control(pDX, IDC_GIM_GAS_CAPTION, m_gasCaption);
    DDX_Control(pDX, IDC_GIM_AUTOMAP_CAPTION, m_automapCaption);
    DDX_Control(pDX, IDC_GIM_LOCK_PETROL_MAP, m_lockPetrolCheck);
    DDX_Control(pDX, IDC_GIM_LOCK_CORRECTIONS, m_lockCorrCheck);
    DDX_Control(pDX, IDC_GIM_CLEAR_PETROL_MAP, m_clearPetrolButton);
    DDX_Control(pDX, IDC_GIM_CLEAR_GAS_MAP, m_clearGasButton);
    DDX_Control(pDX, IDC_GIM_CLEAR_CORRECTION, m_clearCorrButton);
    DDX_Control(pDX, IDC_GIM_COUNT_CORRECTION, m_countButton);
    DDX_Control(pDX, IDC_GIM_AUTOMAP_MODE, m_modeCombo);
    DDX_Control(pDX, IDC_GIM_SCALE, m_scaleCombo);
    DDX_Check(pDX, IDC_GIM_LOCK_PETROL_MAP, m_lockPetrolMap);
    DDX_Check(pDX, IDC_GIM_LOCK_CORRECTIONS, m_lockCorrections);
}

BOOL CGasInjectionMapMPDlg::OnInitDialog()
{
    m_chart.m_parent = this;
    m_chart.CreateFromStatic(IDC_GIM_CHART, this);
    m_petrolProgress.CreateFromStatic(0, this, IDC_GIM_PETROL_PROGRESS);
    m_gasProgress.CreateFromStatic(0, this, IDC_GIM_GAS_PROGRESS);
    CGDIpMultiPageDialog::OnInitDialog();
    styleProgressBars();
    fitControlFont();
    loadImages();
    m_chart.setDefaultCaptions();
    m_chart.setOperatingPoint(0, 0);
    try {
        readMapPoints();
    } catch (IError* e) {
        reportError(L"CGasInjectionMapMPDlg::OnInitDialog()", e);
    }
    v_translate();
    return TRUE;
}

void CGasInjectionMapMPDlg::styleProgressBars()
{
    m_petrolProgress.setPos(0);
    m_gasProgress.setPos(0);
    m_petrolProgress.m_barPack.m_gradientEnd = 0xFFE63232;
    m_gasProgress.m_barPack.m_gradientEnd = 0xFF35CC67;
}

void CGasInjectionMapMPDlg::OnSize(UINT type, int cx, int cy)
{
    CGDIpMultiPageDialog::OnSize(type, cx, cy);
    fitControlFont();
}

// The captions, buttons and lists of the bottom row take a font that lets
// their texts fit the row's height, whatever the page's own font.
void CGasInjectionMapMPDlg::fitControlFont()
{
    if (!m_countButton.GetSafeHwnd() || !GetFont())
        return;
    CRect button;
    m_countButton.GetClientRect(&button);
    LOGFONTW logFont{};
    GetFont()->GetLogFont(&logFont);
    logFont.lfHeight = -std::max(8, int(button.Height() * 0.4));
    logFont.lfWidth = 0;
    if (m_controlFont.GetSafeHandle() ? !IOwnFontCtrl::recreateFont(m_controlFont, logFont, this)
                                      : !m_controlFont.CreateFontIndirect(&logFont))
        return;
    IOwnFontCtrl* controls[] = {&m_petrolCaption, &m_gasCaption, &m_automapCaption, &m_clearCorrButton,
                                &m_countButton,   &m_modeCombo,  &m_scaleCombo};
    for (IOwnFontCtrl* control : controls) {
        control->m_takeContainerFont = 0;
        control->m_font = &m_controlFont;
    }
}

void CGasInjectionMapMPDlg::loadImages()
{
    const std::wstring folder = skinFile(L"");
    auto load = [&](CExtImage& image, const wchar_t* name) {
        return image.Load((folder + name).c_str()) != 0;
    };
    if (load(m_redLocked, L"PadlockLockedRed.tif") && load(m_redUnlocked, L"PadlockUnlockedRed.tif"))
        m_lockPetrolCheck.setInternalImages(&m_redLocked, &m_redUnlocked);
    if (load(m_greenLocked, L"PadlockLockedGreen.tif") && load(m_greenUnlocked, L"PadlockUnlockedGreen.tif"))
        m_lockCorrCheck.setInternalImages(&m_greenLocked, &m_greenUnlocked);
    if (load(m_clearPetrolImage, L"ClearPetrol.tif")) {
        m_clearPetrolButton.m_images.push_back(&m_clearPetrolImage);
        m_clearPetrolButton.setImage(0);
    }
    if (load(m_clearGasImage, L"ClearGas.tif")) {
        m_clearGasButton.m_images.push_back(&m_clearGasImage);
        m_clearGasButton.setImage(0);
    }
}

void CGasInjectionMapMPDlg::v_translate()
{
    m_clearCorrButton.SetWindowTextW(translate(L"Clear Correction").c_str());
    m_countButton.SetWindowTextW(translate(L"Count Correction").c_str());
    m_petrolCaption.SetWindowTextW(translate(L"Petrol Points").c_str());
    m_gasCaption.SetWindowTextW(translate(L"Gas Points").c_str());
    m_automapCaption.SetWindowTextW(translate(L"Automapping").c_str());
    int selected = m_modeCombo.GetCurSel();
    m_modeCombo.resetContent();
    m_modeCombo.addValue(0, 0.0, translate(L"Off"));
    m_modeCombo.addValue(0, 1.0, translate(L"Single mode"));
    m_modeCombo.addValue(0, 7.0, translate(L"With interval 70 h"));
    m_modeCombo.SetCurSel(std::max(selected, 0));
    selected = m_scaleCombo.GetCurSel();
    m_scaleCombo.resetContent();
    m_scaleCombo.addValue(0, 0.0, translate(L"Map 20 ms"));
    m_scaleCombo.addValue(0, 1.0, translate(L"Map 40 ms"));
    m_scaleCombo.SetCurSel(std::max(selected, 0));
}

void CGasInjectionMapMPDlg::v_activate()
{
    const CSettingsRecord& r = record();
    m_chart.m_pressureAxis.min = 0.0;
    m_chart.m_pressureAxis.max = (r.m_advancedSetup.m_advancedFlags & kPressure250) ? 250.0 : 160.0;
    m_lockPetrolMap = (r.m_advancedSetup.m_advancedFlags3 & kPetrolMapLocked) ? 1 : 0;
    m_lockCorrections = (r.m_advancedSetup.m_advancedFlags3 & kCorrectionsLocked) ? 1 : 0;
    deriveLockRow();
    applyCorrectionLocks();
    showModeSelection();
    m_scaleCombo.ShowWindow(r.m_devInfo.m_version >= kScaleFirmware ? SW_SHOW : SW_HIDE);
    showScaleSelection();
    refreshCurve();
    UpdateData(FALSE);
    m_chart.SetFocus();
}

// From the flags and the lock time every time, so that it never drifts.
void CGasInjectionMapMPDlg::deriveLockRow()
{
    const CAdvancedSetup& setup = record().m_advancedSetup;
    m_lockRow = lockRowIndex(setup.m_advancedFlags3, setup.m_maxLoadTime);
}

void CGasInjectionMapMPDlg::applyCorrectionLocks()
{
    for (TimeCorrPoint& p : m_chart.m_points)
        p.locked = false;
    for (int i = 0; i < m_lockRow && i < CTimeCorrChart::kPoints; ++i) {
        TimeCorrPoint& p = m_chart.m_points[i];
        p.locked = m_lockCorrections != 0;
        if (m_lockCorrections || i > 0)
            p.marked = p.anchor = m_lockCorrections != 0;
    }
    if (m_chart.GetSafeHwnd())
        m_chart.Invalidate(FALSE);
}

void CGasInjectionMapMPDlg::showModeSelection()
{
    const CAutoMapSetup& setup = record().m_autoMap;
    if (setup.m_autoMapMode == 0 || setup.m_autoMapMode == 1)
        m_modeCombo.setSelValue(setup.m_autoMapMode);
    else if (setup.m_autoMapMode == 2)
        m_modeCombo.setSelValue(int(setup.m_autoMapParam16 / 1000) + 2);
}

void CGasInjectionMapMPDlg::showScaleSelection()
{
    m_scaleCombo.setSelValue((flags3() & kMap40ms) ? 1.0 : 0.0);
}

void CGasInjectionMapMPDlg::refreshCurve()
{
    const CurveValues a = curveA(record());
    for (int i = 0; i < CTimeCorrChart::kPoints; ++i)
        m_chart.setPointValue(unsigned(i), int(a[i]));
    if (g_pDevice)
        markCurveAnchors(g_pDevice->m_settings);
    if (m_chart.GetSafeHwnd()) {
        m_chart.Invalidate(FALSE);
        m_chart.UpdateWindow();
    }
}

// Older controllers keep no anchor rows: the bends of the curve stand for them.
void CGasInjectionMapMPDlg::markCurveAnchors(const CSettingsRecord& r)
{
    auto& points = m_chart.m_points;
    const CurveValues curve = curveA(r);
    for (int i = 1; i <= 37; ++i) {
        if (r.m_devInfo.m_version >= kAnchorBitsFirmware) {
            points[i].marked = points[i].anchor = anchorBit(r, i);
            if (points[i].anchor)
                m_chart.m_selected = i;
            continue;
        }
        const double a = curve[i], before = curve[i - 1], after = curve[i + 1];
        const bool extreme = (a > before && a > after) || (a < before && a < after);
        if (extreme || std::fabs(std::fabs(a - before) - std::fabs(a - after)) > 1.0)
            points[i].marked = points[i].anchor = true;
    }
}

void CGasInjectionMapMPDlg::v_onTimer()
{
    CDiag sample;
    if (!newestSample(sample))
        return;
    const double pressure = std::max(sample.getManifoldPressure(), 0.0);
    double time = round2(sample.getInjectionTime(0));
    for (unsigned n = 1; n < unsigned(2 * g_pDevice->m_settings.m_devInfo.m_injCount); ++n)
        time = std::max(time, round2(sample.getInjectionTime(n)));
    if (flags3() & kMap40ms)
        time /= 2;
    m_chart.setOperatingPoint(time, pressure);
    // A controller that sends no new samples is not asked for its tables:
    // the reads would hold the window up to their timeouts.
    if (--s_countdown >= 1 || (s_readOnce && sample.getSequence() == s_lastReadSequence))
        return;
    s_readOnce = true;
    s_lastReadSequence = sample.getSequence();
    s_countdown = kReadEveryTicks;
    try {
        readMapPoints();
    } catch (IError* e) {
        reportError(L"CGasInjectionMapMPDlg::v_onTimer()", e);
    }
}

void CGasInjectionMapMPDlg::readMapPoints()
{
    CLPGDevice* device = editableDevice();
    if (!device)
        return;
    WaitCursor wait;
    unsigned char petrolBytes[PointTable::kSize] = {};
    unsigned char gasBytes[PointTable::kSize] = {};
    PointTable petrol, gas;
    if (!device->readTable28(petrolBytes) || !petrol.decode(petrolBytes, PointTable::kSize))
        return;
    if (!device->readTable29(gasBytes) || !gas.decode(gasBytes, PointTable::kSize))
        return;
    filterTable(petrol);
    filterTable(gas);
    m_petrolProgress.setPos(collectionProgress(petrol.progress));
    m_gasProgress.setPos(collectionProgress(gas.progress));
    m_chart.m_showPetrolPoints = m_chart.m_showGasPoints = true;
    m_chart.m_mapPoints.clear();
    for (int k = 0; k < kLoadPoints; ++k) {
        m_petrolPoints[k].clear();
        m_gasPoints[k].clear();
    }
    const uint8_t sensor = device->m_settings.m_advancedSetup.m_advancedFlags;
    addTablePoints(petrol, sensor, m_petrolPoints);
    addTablePoints(gas, sensor, m_gasPoints);
    showMapPoints();
}

void CGasInjectionMapMPDlg::showMapPoints()
{
    m_chart.m_mapPoints.clear();
    const double scale = (record().m_advancedSetup.m_advancedFlags & kPressure250) ? 0.9 : 1.0;
    for (int k = 0; k < kLoadPoints; ++k)
        for (int kind = 0; kind < 2; ++kind) {
            const LoadPointSamples& point = kind ? m_gasPoints[k] : m_petrolPoints[k];
            if (point.count <= 5)
                continue;
            for (double s : point.samples)
                if (std::fabs(s - point.mean) <= point.mean * 0.15)
                    m_chart.m_mapPoints.push_back({s, 2 * k * scale, false, false, false, kind});
        }
    if (m_chart.GetSafeHwnd())
        m_chart.Invalidate(FALSE);
}

bool CGasInjectionMapMPDlg::automapping()
{
    return record().m_autoMap.m_autoMapMode != 0;
}
