#include "CDiagnosticChart.h"

#include "CDiag.h"
#include "CLPGDevice.h"
#include "COpenFile.h"
#include "UserInterface.h"
#include "translate.h"

#include <algorithm>
#include <cmath>

IMPLEMENT_DYNAMIC(CDiagnosticChart, CWnd)

BEGIN_MESSAGE_MAP(CDiagnosticChart, CScrollChart)
ON_MESSAGE(WM_DIAG_APPEND, &CDiagnosticChart::OnAppendSamples)
ON_WM_MOUSEMOVE()
ON_WM_RBUTTONUP()
END_MESSAGE_MAP()

namespace {
constexpr int kLiveStep = 5;
constexpr int kRecordStep = 6;

// Channel values to chart y; every scale keeps zero just above the bottom.
double rpmY(double v)
{
    return v / 10000 * 100 + 2;
}
double pressureY(double v)
{
    return v / 100 / 2.5 * 100 + 2;
}
double plainY(double v)
{
    return v + 2;
}
double lambdaY(double v)
{
    return v / 5 * 100 + 2;
}
double supplyY(double v)
{
    return v / 18 * 100 + 2;
}
double obdY(double v)
{
    return v + 50 + 2;
}
double timeY(double v)
{
    return v / 40 * 100 + 2;
}

const wchar_t kOscFilter[] = L"Diagnostic file (*.osc)|*.osc|";

// Names typed in capitals are recordings too.
bool endsInOsc(const std::wstring& path)
{
    return path.size() >= 3 && _wcsicmp(path.c_str() + path.size() - 3, L"osc") == 0;
}

// Whether the recording can be written there, before the thread is stopped
// for it; an existing file is left as it is.
bool canCreate(const std::wstring& path)
{
    const HANDLE file = CreateFileW(path.c_str(), GENERIC_WRITE, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr,
                                    OPEN_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE)
        return false;
    CloseHandle(file);
    return true;
}

void report(const CWnd* owner, const wchar_t* text)
{
    showProgramMessage(owner, text, MB_ICONERROR);
}

CString text(const wchar_t* format, double value)
{
    CString s;
    s.Format(format, value);
    return s;
}

CString rpmText(double y)
{
    return text(L"%.0f", (y - 2) / 100 * 10000);
}
CString pressureText(double y)
{
    return text(L"%.2f", ((y - 2) / 100 * 250) / 100);
}
CString plainText(double y)
{
    return text(L"%.0f", y - 2);
}
CString lambdaText(double y)
{
    return text(L"%.1f", (y - 2) / 100 * 5);
}
CString supplyText(double y)
{
    return text(L"%.1f", (y - 2) * 18 / 100);
}
CString obdText(double y)
{
    return text(L"%.1f", y - 2 - 50);
}
CString timeText(double y)
{
    return text(L"%.1f", (y - 2) / 100 * 40);
}

struct LineLook
{
    ChartValueFormatter formatter;
    unsigned long color;
};

LineLook lookOf(unsigned id)
{
    static const LineLook fixed[] = {
        {rpmText, 0x3E3E62},   {pressureText, 0xFF8000}, {pressureText, 0x6B9498}, {plainText, 0x8551C1},
        {plainText, 0x386CDD}, {lambdaText, 0x2D47B4},   {lambdaText, 0x035878},   {supplyText, 0x2D471B},
    };
    if (id < kDiagLineObd)
        return fixed[id];
    if (id < kDiagLinePetrol)
        return {obdText, 0x2D471B};
    return {timeText, id < kDiagLineGas ? 0x3835CAul : 0x52A031ul};
}
} // namespace

CDiagnosticChart::CDiagnosticChart() = default;
CDiagnosticChart::~CDiagnosticChart() = default;

void CDiagnosticChart::setupLines()
{
    m_gradientStart = 0xFFFFFFFF;
    m_gradientEnd = 0xFFFFFFFF;
    for (unsigned id = 0; id < kDiagLineCount; ++id) {
        const LineLook look = lookOf(id);
        AddLine(id, look.formatter, look.color, 0, 2, 1, 10);
    }
}

void CDiagnosticChart::requestAppend()
{
    MSG waiting;
    if (m_hWnd && !::PeekMessageW(&waiting, m_hWnd, WM_DIAG_APPEND, WM_DIAG_APPEND, PM_NOREMOVE))
        ::PostMessageW(m_hWnd, WM_DIAG_APPEND, 0, 0);
}

// A recording is outside input: even a huge finite value stays on the chart.
void CDiagnosticChart::addPoint(unsigned id, double x, double chartY)
{
    AddData(id, x, std::clamp(chartY, m_yMin, m_yMax), 0);
}

void CDiagnosticChart::appendSample(const CDiag& sample, const double (&obd)[4])
{
    const double x = m_nextX;
    addPoint(kDiagLineRpm, x, rpmY(sample.getRpm()));
    addPoint(kDiagLinePressure, x, pressureY(sample.getPressure()));
    addPoint(kDiagLineMap, x, pressureY(sample.getManifoldPressure()));
    addPoint(kDiagLineTemp2, x, plainY(sample.getTemperature2()));
    addPoint(kDiagLineTemp1, x, plainY(sample.getTemperature1()));
    addPoint(kDiagLineLambda1, x, lambdaY(sample.getVoltage6()));
    addPoint(kDiagLineLambda2, x, lambdaY(sample.getVoltage7()));
    addPoint(kDiagLineSupply, x, supplyY(sample.getVoltage5()));
    for (unsigned k = 0; k < 4; ++k)
        addPoint(kDiagLineObd + k, x, obdY(obd[k]));
    const bool gas = sample.getMode() == CDiag::kModeGas;
    for (unsigned i = 0; i < 8; ++i) {
        addPoint(kDiagLinePetrol + i, x, timeY(sample.getInjectionTime(2 * i)));
        addPoint(kDiagLineGas + i, x, timeY(gas ? sample.getCorrectedInjectionTime(2 * i) : 0));
    }
    m_nextX += kLiveStep;
    if (m_hWnd)
        Invalidate(FALSE);
}

LRESULT CDiagnosticChart::OnAppendSamples(WPARAM, LPARAM)
{
    if (m_paused || !g_pDevice || g_pDevice->m_diagData.count() == 0)
        return 0;
    CDiag sample;
    g_pDevice->m_diagData.getLast(sample);
    double obd[4];
    for (unsigned k = 0; k < 4; ++k)
        obd[k] = g_pDevice->getValue(k);
    appendSample(sample, obd);
    return 0;
}

void CDiagnosticChart::addRecord(double x, const OscRecord& r)
{
    addPoint(kDiagLineRpm, x, rpmY(r[1]));
    addPoint(kDiagLinePressure, x, pressureY(r[18]));
    addPoint(kDiagLineMap, x, pressureY(r[19]));
    addPoint(kDiagLineTemp2, x, plainY(r[20]));
    addPoint(kDiagLineTemp1, x, plainY(r[21]));
    addPoint(kDiagLineLambda1, x, lambdaY(r[22]));
    addPoint(kDiagLineLambda2, x, lambdaY(r[23]));
    for (unsigned k = 0; k < 4; ++k)
        addPoint(kDiagLineObd + k, x, obdY(r[24 + k]));
    const bool gas = r[0] == CDiag::kModeGas;
    for (unsigned i = 0; i < 8; ++i) {
        addPoint(kDiagLinePetrol + i, x, timeY(r[2 + i]));
        addPoint(kDiagLineGas + i, x, timeY(gas ? r[10 + i] : 0));
    }
}

// The view as adding every record one by one leaves it: following the
// newest data once past 90% of the width, and starting at the oldest
// point kept.
void CDiagnosticChart::followTo(double firstX, double lastX)
{
    if (lastX > 0.9 * m_viewRange) {
        m_viewStart = lastX - 0.9 * m_viewRange;
        m_xMax = std::max(m_xMax, lastX + 0.1 * m_viewRange);
    }
    m_xMin = firstX;
    Normalize();
}

void CDiagnosticChart::showRecording(const COscRecording& recording)
{
    m_paused = true;
    restart(true);
    const auto& records = recording.records();
    const uint64_t dropped = recording.total() - records.size();
    double x = double(dropped) * kRecordStep;
    const double firstX = x;
    for (const OscRecord& r : records) {
        addRecord(x, r);
        x += kRecordStep;
    }
    m_nextX = int(std::min<double>(x, INT_MAX));
    // Records read but not kept moved the view on as they would have.
    if (dropped != 0 && !records.empty())
        followTo(firstX, x - kRecordStep);
    UpdateScrollInfo();
    hideScrollBars();
    if (m_hWnd)
        Invalidate(FALSE);
}

void CDiagnosticChart::openFile()
{
    m_paused = true;
    const std::wstring path = COpenFile(getDiagFolder(), kOscFilter, L"osc", false).askFileName();
    if (!endsInOsc(path))
        return;
    COscRecording recording;
    const bool opened = recording.readFile(path);
    showRecording(recording);
    if (!opened)
        report(this, L"The file cannot be opened.");
}

void CDiagnosticChart::record(const ThreadRestart& restartThread)
{
    const std::wstring path = COpenFile(getDiagFolder(), kOscFilter, L"osc", true).askFileName();
    if (!endsInOsc(path))
        return;
    if (GetFileAttributesW(path.c_str()) != INVALID_FILE_ATTRIBUTES &&
        showProgramMessage(this, L"The file already exists. Do you want to replace it?",
                           MB_YESNO | MB_ICONQUESTION) != IDYES)
        return;
    if (!canCreate(path)) {
        report(this, L"The file cannot be created.");
        return;
    }
    restart(false);
    if (!restartThread(path)) {
        m_paused = true;
        report(this, L"The live data could not be started again.");
        return;
    }
    m_paused = false;
}

void CDiagnosticChart::restart(bool readMode)
{
    m_cursorFrozen = false;
    Clear();
    m_nextX = 0;
    hideScrollBars();
    SetReadMode(readMode);
}

void CDiagnosticChart::hideScrollBars()
{
    if (m_hWnd)
        ShowScrollBar(SB_BOTH, FALSE);
}

void CDiagnosticChart::play()
{
    restart(false);
    m_paused = false;
}

void CDiagnosticChart::stop()
{
    SetReadMode(true);
    m_paused = true;
}

void CDiagnosticChart::pause()
{
    m_paused = !m_paused;
    SetReadMode(m_paused);
    if (m_paused)
        m_cursorFrozen = false;
    if (m_hWnd)
        Invalidate(FALSE);
}

void CDiagnosticChart::scrollBy(double step, bool floorAtZero)
{
    m_viewStart += step;
    if (floorAtZero && m_viewStart < 0)
        m_viewStart = 0;
    if (m_viewStart > m_xMax - m_viewRange)
        m_viewStart = m_xMax - m_viewRange;
    if (m_viewStart < m_xMin)
        m_viewStart = m_xMin;
    UpdateScrollInfo();
    hideScrollBars();
    if (m_hWnd)
        Invalidate(FALSE);
}

void CDiagnosticChart::scrollBack()
{
    scrollBy(-m_viewRange / 10, true);
}

void CDiagnosticChart::scrollForward()
{
    scrollBy(m_viewRange / 10, false);
}

std::vector<CString> CDiagnosticChart::cursorValues()
{
    std::vector<CString> values(kDiagLineCount);
    if (!m_readMode)
        return values;
    double x = 0, y = 0;
    DPtoLP(CPoint(m_cursorX, m_cursorY), x, y);
    const double xc = std::trunc(x);
    for (const auto& entry : m_lines) {
        const auto at = entry.second.points.lower_bound(xc);
        if (entry.first < kDiagLineCount && at != entry.second.points.end() && entry.second.formatter)
            values[entry.first] = entry.second.formatter(at->second);
    }
    return values;
}

void CDiagnosticChart::v_drawGrid(CDC& dc)
{
    if (!m_grid)
        return;
    const CSize client = clientSize();
    CPen pen(PS_DOT, 1, m_gridColor);
    CPen* old = dc.SelectObject(&pen);
    for (int row : gridRows(client.cy)) {
        dc.MoveTo(5, row);
        dc.LineTo(client.cx - 5, row);
    }
    for (double column : gridColumns()) {
        const int px = LPtoDP(column, 0).x;
        dc.MoveTo(px, 0);
        dc.LineTo(px, client.cy);
    }
    dc.SelectObject(old);
}

void CDiagnosticChart::OnMouseMove(UINT, CPoint point)
{
    if (m_readMode && !m_cursorFrozen) {
        m_cursorX = point.x;
        m_cursorY = point.y;
        Invalidate(FALSE);
    }
    Default();
}

void CDiagnosticChart::OnRButtonUp(UINT, CPoint point)
{
    m_cursorFrozen = !m_cursorFrozen;
    if (!m_cursorFrozen && m_readMode) {
        m_cursorX = point.x;
        m_cursorY = point.y;
        Invalidate(FALSE);
    }
    Default();
}
