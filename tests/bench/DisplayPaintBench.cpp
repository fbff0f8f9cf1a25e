// Paint cost of the data displays at the sizes the program shows them: the
// oscilloscope's chart (28 lines of 10,000 points, the view on the newest
// 1000 x units, live labels and the read-mode cursor), one live tick of that
// chart (28 points added, then a paint), the RPM map's 19 x 15 cell table,
// and the 3D map page's 17 x 21 surface repainted by a mouse move while it
// rotates. Prints milliseconds per paint: median and 99th percentile.
//
// Run inside the test environment:
//   . tests/testenv.sh build && wine build/bin/display_paint_bench.exe [paints]; kw_testenv_cleanup
#include "BenchSupport.h"

#include <CCellArray.h>
#include <CGDIpChart3DCtrl.h>
#include <CScrollChart.h>
#include <PrambleGDIp.h>
#include <WfxTestSupport.h>

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <functional>
#include <vector>

namespace {

constexpr unsigned kLines = 28;
constexpr unsigned kPoints = 10000;

class OscilloscopeChart : public CScrollChart
{
public:
    void setCursor(int x, int y)
    {
        m_cursorX = x;
        m_cursorY = y;
    }
};

CString oneDecimal(double y)
{
    CString text;
    text.Format(L"%.1f", y);
    return text;
}

// A wave of its own for each line, inside the y range.
double sample(unsigned line, unsigned i)
{
    return 50 + 40 * std::sin(i * 0.02 + line * 0.7) * std::cos(i * 0.003 * (line % 5 + 1));
}

void fillChart(OscilloscopeChart& chart)
{
    chart.SetMaxPoints(kPoints);
    for (unsigned id = 0; id < kLines; ++id)
        chart.AddLine(id, oneDecimal, RGB(37 * id % 256, 91 * id % 256, 53 * id % 256), PS_SOLID, 2, 1, 10);
    for (unsigned i = 0; i < kPoints; ++i)
        for (unsigned id = 0; id < kLines; ++id)
            chart.AddData(id, i * 5.0, sample(id, i), 0);
}

void fillTable(CCellArray& table, CFont& font)
{
    std::vector<CString> columns, rows;
    for (int r = 0; r < 15; ++r)
        columns.push_back(CString(std::to_wstring(1000 + r * 500).c_str()));
    for (int l = 0; l < 19; ++l)
        rows.push_back(CString(std::to_wstring(l + 2).c_str()));
    table.init(nullptr, L"ms", 25, 43, columns, 25, 43, rows, 0, 0xF5F7FF, 0, 0xFFFFFF, 0xA0FFA0, 0xD2D2D2,
               &font, 0);
    int k = 0;
    for (auto& column : *table.getTable())
        for (CCell* cell : column) {
            const int v = (k++ * 7) % 101 - 50;
            cell->setTxt(CString(std::to_wstring(v).c_str()));
            const BYTE c = BYTE(255 - 5 * std::abs(v));
            cell->setBkColor(v >= 0 ? RGB(255, c, c) : RGB(255, 255, c));
        }
    (*table.getTable())[6][8]->setCurrentCellColor(0xFF0000);
    (*table.getTable())[6][8]->setCurrent(true);
    for (int r = 3; r < 6; ++r)
        (*table.getTable())[4][r]->setSel(true);
}

// With the erase that the table's cells ask for when they change.
void paintNow(CWnd& wnd, UINT erase = 0)
{
    wnd.RedrawWindow(nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW | erase);
}

} // namespace

int main(int argc, char** argv)
{
    const int runs = argc > 1 ? std::max(10, std::atoi(argv[1])) : 200;
    IGDIpHelper::startupGDIp();
    wfxtest::HostWindow host(1120, 860);

    OscilloscopeChart chart;
    chart.Create(WS_VISIBLE, CRect(0, 0, 1100, 820), &host, 1);
    fillChart(chart);
    wfxtest::pumpPending();
    report("chart 28 x 10000, live labels", timeRuns(runs, [&] { paintNow(chart); }));
    unsigned next = kPoints;
    report("chart live tick: 28 points added, then paint", timeRuns(runs, [&] {
               for (unsigned id = 0; id < kLines; ++id)
                   chart.AddData(id, next * 5.0, sample(id, next), 0);
               ++next;
               paintNow(chart);
           }));
    chart.SetReadMode(true);
    int x = 0;
    report("chart read mode, cursor moving", timeRuns(runs, [&] {
               x = (x + 37) % 1100;
               chart.SendMessage(WM_MOUSEMOVE, 0, MAKELPARAM(x + 1, 400));
               chart.UpdateWindow();
           }));
    chart.DestroyWindow();

    CFont font;
    font.CreateFont(-12, 0, 0, 0, 400, 0, 0, 0, DEFAULT_CHARSET, 0, 0, ANTIALIASED_QUALITY, 0, L"Arial");
    CCellArray table;
    table.Create(0, CRect(0, 0, 1074, 846), &host, 2);
    fillTable(table, font);
    table.SendMessage(WM_SIZE, 0, MAKELPARAM(1074, 846));
    wfxtest::pumpPending();
    report("cell table 19 x 15 (erase and paint)", timeRuns(runs, [&] { paintNow(table, RDW_ERASE); }));
    table.DestroyWindow();

    CGDIpChart3DCtrl surface;
    surface.Create(0, CRect(0, 0, 1074, 846), &host, 3);
    surface.createGrid(0, 16, 20);
    for (int r = 0; r < 17; ++r)
        for (int c = 0; c < 21; ++c)
            surface.setData(r * 3 - c * 2, r, c, 1000 + r * 500, 2 + c);
    surface.SendMessage(WM_RBUTTONDOWN, MK_RBUTTON, MAKELPARAM(500, 400));
    int step = 0;
    report("3D chart 17 x 21, a mouse move while rotating", timeRuns(runs, [&] {
               step = (step + 1) % 60;
               surface.SendMessage(WM_MOUSEMOVE, MK_RBUTTON, MAKELPARAM(500 - step, 400 - step));
           }));

    return 0;
}
