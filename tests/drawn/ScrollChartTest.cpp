#include "DrawnTestSupport.h"

#include <CScrollChart.h>

#include <cmath>
#include <limits>
#include <utility>
#include <vector>

using namespace drawntest;

namespace {

// The chart's state and protected steps, opened for the tests.
class ChartProbe : public CScrollChart
{
public:
    using CScrollChart::cursorPoint;
    using CScrollChart::DPtoLP;
    using CScrollChart::gridColumns;
    using CScrollChart::gridRows;
    using CScrollChart::LPtoDP;
    using CScrollChart::m_cursorX;
    using CScrollChart::m_cursorY;
    using CScrollChart::m_lines;
    using CScrollChart::m_readMode;
    using CScrollChart::m_viewRange;
    using CScrollChart::m_viewStart;
    using CScrollChart::m_xMax;
    using CScrollChart::m_xMin;
    using CScrollChart::m_yMax;
    using CScrollChart::placeLabel;

    size_t pointCount(unsigned id) const { return m_lines.at(id).points.size(); }
    double y(unsigned id, double x) const { return m_lines.at(id).points.at(x); }
};

// A parent that keeps the limit messages posted to it.
class LimitsHost : public HostWindow
{
public:
    using HostWindow::HostWindow;
    struct Limits
    {
        UINT message;
        int first;
        int second;
    };
    std::vector<Limits> limits;

    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override
    {
        if (message == WM_CHART_XLIMITS || message == WM_CHART_YLIMITS)
            limits.push_back({message, int(wParam), int(lParam)});
        return HostWindow::WindowProc(message, wParam, lParam);
    }
};

CString percent(double y)
{
    CString text;
    text.Format(L"%.0f%%", y);
    return text;
}

void addLines(CScrollChart& chart, unsigned count)
{
    for (unsigned id = 0; id < count; ++id)
        chart.AddLine(id, percent, RGB(40 * id % 255, 0, 0), PS_SOLID, 2, 1, 10);
}

} // namespace

TEST(ScrollChart, FirstPointIsKeptAsGivenAndLaterOnesAreClamped)
{
    ChartProbe chart;
    addLines(chart, 2);
    EXPECT_EQ(1, chart.AddData(0, 5000.0, 150.0, 0)); // beyond x range and y range
    EXPECT_EQ(150.0, chart.y(0, 5000.0));
    EXPECT_EQ(1000.0, chart.m_xMax);
    EXPECT_EQ(1, chart.AddData(1, 10.0, -7.0, 0));
    EXPECT_EQ(0.0, chart.y(1, 10.0));
    EXPECT_EQ(1, chart.AddData(1, 20.0, 130.0, 0));
    EXPECT_EQ(100.0, chart.y(1, 20.0));
    EXPECT_EQ(1, chart.AddData(1, 20.0, 30.0, 0)); // the same x replaces
    EXPECT_EQ(2u, chart.pointCount(1));
    EXPECT_EQ(30.0, chart.y(1, 20.0));
    // No place on the x axis, no point.
    EXPECT_EQ(0, chart.AddData(1, std::numeric_limits<double>::quiet_NaN(), 1.0, 0));
    EXPECT_EQ(2u, chart.pointCount(1));
}

TEST(ScrollChart, ViewFollowsTheNewestPointAndRangeWidens)
{
    ChartProbe chart;
    addLines(chart, 2);
    for (int x = 0; x <= 900; x += 100)
        chart.AddData(0, x, 10, 0);
    EXPECT_EQ(0.0, chart.m_viewStart);
    chart.AddData(0, 950, 10, 0);
    EXPECT_EQ(50.0, chart.m_viewStart);
    EXPECT_EQ(1050.0, chart.m_xMax);

    // The other line's last point is not in view: the range widens, the view stays.
    chart.AddData(1, 0, 10, 0);
    chart.m_viewStart = 50;
    chart.AddData(1, 1200, 10, 0);
    EXPECT_EQ(50.0, chart.m_viewStart);
    EXPECT_EQ(1300.0, chart.m_xMax);
    chart.AddData(1, -40, 10, 0);
    EXPECT_EQ(-40.0, chart.m_xMin);
}

TEST(ScrollChart, PointLimitDropsTheOldestAndMovesTheRangeStart)
{
    ChartProbe chart;
    addLines(chart, 1);
    EXPECT_EQ(0u, chart.SetMaxPoints(3));
    for (double x : {0.0, 10.0, 20.0, 30.0})
        chart.AddData(0, x, 5, 0);
    EXPECT_EQ(3u, chart.pointCount(0));
    EXPECT_EQ(10.0, chart.m_xMin);
    EXPECT_EQ(10.0, chart.m_viewStart);
    EXPECT_EQ(3u, chart.SetMaxPoints(2));
    EXPECT_EQ(2u, chart.pointCount(0));
    EXPECT_EQ(20.0, chart.m_xMin);
}

TEST(ScrollChart, LinesAndTheirAttributes)
{
    ChartProbe chart;
    EXPECT_EQ(1, chart.AddLine(7, percent, RGB(1, 2, 3), PS_DOT | 0x30000, 3, 1, 4));
    EXPECT_EQ(0, chart.AddLine(7, percent, RGB(9, 9, 9), PS_SOLID, 1, 1, 1));
    EXPECT_EQ(PS_DOT, chart.GetLineStyle(7));
    EXPECT_EQ(RGB(1, 2, 3), chart.GetLineColor(7));
    const ChartLine& line = chart.m_lines.at(7);
    EXPECT_EQ(1, line.autoinc);
    EXPECT_EQ(1, line.showPoints);

    EXPECT_EQ(1, chart.AddData(7, 2.0, 0)); // no point yet: at x 0
    EXPECT_EQ(1, chart.AddData(7, 3.0, 0));
    EXPECT_EQ(3.0, chart.y(7, 4.0));
    EXPECT_EQ(4.0, chart.SetAutoinc(7, 0.5));
    EXPECT_EQ(3, chart.SetLineWidth(7, 1, 0));
    EXPECT_EQ(PS_DOT, chart.SetLineStyle(7, PS_DASH, 0));
    EXPECT_EQ(RGB(1, 2, 3), chart.SetLineColor(7, RGB(4, 5, 6)));

    // Without the automatic x, or with an unknown id, nothing is added or read.
    chart.AddLine(8, percent, 0, PS_SOLID, 1, 1, 1);
    EXPECT_EQ(0, chart.AddData(8, 1.0, 0));
    EXPECT_EQ(0, chart.AddData(99, 1.0, 2.0, 0));
    EXPECT_EQ(0, chart.AddData(99, 2.0, 0));
    EXPECT_EQ(0u, chart.SetLineColor(99, 1));
    EXPECT_EQ(0, chart.SetLineStyle(99, 1, 1));
    EXPECT_EQ(0, chart.GetLineWidth(99));
    EXPECT_EQ(0.0, chart.SetAutoinc(99, 1.0));
    chart.ShowLine(99, 0, 1);
    chart.ShowPoints(99, 0, 1);
    EXPECT_EQ(2u, chart.m_lines.size());

    chart.Clear();
    EXPECT_EQ(0u, chart.pointCount(7));
    EXPECT_EQ(PS_DASH, chart.GetLineStyle(7));
}

TEST(ScrollChart, HorizontalRangeRefusesAWidthOfNothing)
{
    ChartProbe chart;
    EXPECT_EQ(1000.0, chart.SetHorzRange(2000));
    EXPECT_EQ(2200.0, chart.m_xMax);
    EXPECT_EQ(2000.0, chart.SetHorzRange(0));
    EXPECT_EQ(2000.0, chart.SetHorzRange(-5));
    EXPECT_EQ(2000.0, chart.SetHorzRange(std::numeric_limits<double>::infinity()));
    EXPECT_EQ(2000.0, chart.m_viewRange);
}

TEST(ScrollChart, ScrollCodesMoveTheViewInsideTheRange)
{
    HostWindow host(400, 200);
    ChartProbe chart;
    ASSERT_TRUE(chart.Create(WS_VISIBLE | WS_HSCROLL, CRect(0, 0, 400, 200), &host, 5));
    chart.m_xMax = 3000;
    chart.m_viewStart = 0.5;
    chart.SendMessage(WM_HSCROLL, SB_LINELEFT);
    EXPECT_EQ(0.5, chart.m_viewStart);
    chart.m_viewStart = 100;
    chart.SendMessage(WM_HSCROLL, SB_PAGELEFT);
    EXPECT_EQ(0.0, chart.m_viewStart);
    chart.SendMessage(WM_HSCROLL, SB_PAGERIGHT);
    EXPECT_EQ(500.0, chart.m_viewStart);
    chart.SendMessage(WM_HSCROLL, SB_LINERIGHT);
    EXPECT_EQ(510.0, chart.m_viewStart);
    chart.SendMessage(WM_HSCROLL, MAKEWPARAM(SB_THUMBTRACK, 900));
    EXPECT_EQ(2000.0, chart.m_viewStart); // 2700 lowered to the last full view
    chart.SendMessage(WM_HSCROLL, SB_ENDSCROLL);
    EXPECT_EQ(2000.0, chart.m_viewStart);
    SCROLLINFO info{};
    info.cbSize = sizeof info;
    info.fMask = SIF_ALL;
    chart.GetScrollInfo(SB_HORZ, &info);
    EXPECT_EQ(333u, info.nPage);
    EXPECT_EQ(666, info.nPos);
}

TEST(ScrollChart, LimitsArePostedOnlyWithStyleBitZero)
{
    LimitsHost host(400, 200);
    ChartProbe quiet, told;
    ASSERT_TRUE(quiet.Create(WS_VISIBLE | WS_HSCROLL, CRect(0, 0, 200, 100), &host, 1));
    ASSERT_TRUE(told.Create(WS_VISIBLE | WS_HSCROLL | 1, CRect(0, 100, 200, 200), &host, 2));
    EXPECT_EQ(0u, told.GetStyle() & 1);
    pumpPending();
    ASSERT_EQ(2u, host.limits.size()); // the creation's, from `told` only
    host.limits.clear();

    addLines(quiet, 1);
    addLines(told, 1);
    for (ChartProbe* chart : {&quiet, &told}) {
        chart->AddData(0, 0, 1, 0);
        chart->AddData(0, 500, 1, 0);
        chart->AddData(0, 1950.7, 1, 0); // the view follows: starts at 1050.7
    }
    pumpPending();
    ASSERT_EQ(2u, host.limits.size());
    EXPECT_EQ(WM_CHART_XLIMITS, host.limits[0].message);
    EXPECT_EQ(1050, host.limits[0].first);
    EXPECT_EQ(2050, host.limits[0].second);
    EXPECT_EQ(WM_CHART_YLIMITS, host.limits[1].message);
    EXPECT_EQ(0, host.limits[1].first);
    EXPECT_EQ(100, host.limits[1].second);
}

TEST(ScrollChart, MappingBetweenValuesAndPixels)
{
    HostWindow host(400, 300);
    ChartProbe chart;
    ASSERT_TRUE(chart.Create(WS_VISIBLE, CRect(0, 0, 400, 200), &host, 1));
    chart.m_viewStart = 100;
    EXPECT_EQ(CPoint(40, 200), chart.LPtoDP(200, 0));
    EXPECT_EQ(CPoint(400, 1), chart.LPtoDP(std::make_pair(1100.0, 100.0))); // 0.999 keeps the top inside
    double x = 0, y = 0;
    chart.DPtoLP(CPoint(200, 50), x, y);
    EXPECT_EQ(600.0, x);
    EXPECT_EQ(75.0, y);

    // Nothing to divide by, or values beyond any window: no crash, held pixels.
    const CPoint beyond = chart.LPtoDP(1e300, -1e300);
    EXPECT_GT(beyond.x, 1000000);
    EXPECT_GT(beyond.y, 1000000);
    EXPECT_EQ(0, chart.LPtoDP(std::nan(""), 0).x);
    chart.m_yMax = 0;
    chart.m_viewRange = 0;
    EXPECT_EQ(CPoint(0, 200), chart.LPtoDP(500, 50));
    chart.MoveWindow(0, 0, 0, 0);
    chart.DPtoLP(CPoint(10, 10), x, y);
    EXPECT_TRUE(std::isfinite(x) && std::isfinite(y));
}

TEST(ScrollChart, GridEndsWhateverTheSizeAndRange)
{
    ChartProbe chart;
    EXPECT_EQ((std::vector<int>{20, 40, 60, 80, 100, 120, 140, 160}), chart.gridRows(200));
    EXPECT_TRUE(chart.gridRows(7).empty()); // below the ten divisions
    EXPECT_TRUE(chart.gridRows(0).empty());

    chart.m_viewStart = 30;
    const std::vector<double> columns = chart.gridColumns();
    ASSERT_EQ(20u, columns.size());
    EXPECT_EQ(50.0, columns.front());
    EXPECT_EQ(100.0, columns[1]);
    EXPECT_EQ(1000.0, columns.back());

    chart.m_viewRange = 5; // below the 20 divisions: one line per whole x
    chart.m_viewStart = 0;
    EXPECT_EQ((std::vector<double>{0, 1, 2, 3, 4}), chart.gridColumns());
    chart.m_viewRange = 0;
    EXPECT_TRUE(chart.gridColumns().empty());
    chart.m_viewRange = 1;
    chart.m_viewStart = 1e20; // x + 1 == x
    EXPECT_LE(chart.gridColumns().size(), 42u);

    // A chart smaller than its divisions paints and comes back.
    HostWindow host(100, 100);
    ChartProbe small;
    ASSERT_TRUE(small.Create(WS_VISIBLE, CRect(0, 0, 6, 6), &host, 1));
    small.SetHorzDiv(50, 0);
    repaintNow(host);
}

TEST(ScrollChart, LabelsMeetingOthersMoveLeftByTheirWidth)
{
    std::vector<CRect> placed;
    EXPECT_EQ(CRect(100, 75, 133, 100), ChartProbe::placeLabel(placed, CRect(100, 75, 133, 100)));
    EXPECT_EQ(CRect(67, 75, 100, 100), ChartProbe::placeLabel(placed, CRect(100, 75, 133, 100)));
    EXPECT_EQ(CRect(34, 75, 67, 100), ChartProbe::placeLabel(placed, CRect(100, 75, 133, 100)));
    EXPECT_EQ(CRect(300, 0, 333, 25), ChartProbe::placeLabel(placed, CRect(300, 0, 333, 25)));
    EXPECT_EQ(4u, placed.size());
}

TEST(ScrollChart, CursorShowsTheNearestPointAtOrAfterItsX)
{
    HostWindow host(400, 300);
    ChartProbe chart;
    ASSERT_TRUE(chart.Create(WS_VISIBLE, CRect(0, 0, 1000, 100), &host, 1));
    addLines(chart, 3);
    for (int x = 0; x <= 500; x += 10) {
        chart.AddData(0, x, 50, 0);
        chart.AddData(1, x, 55, 0);
        chart.AddData(2, x, 0, 0);
    }
    const CSize client(1000, 100);
    unsigned id = 99;
    std::pair<double, double> point;
    chart.m_cursorX = 205;
    chart.m_cursorY = 46; // y 54
    ASSERT_TRUE(chart.cursorPoint(client, id, point));
    EXPECT_EQ(1u, id);
    EXPECT_EQ(210.0, point.first);
    chart.m_cursorY = 98; // y 2: only line 2 lies near, and a y of 0 is never taken
    EXPECT_FALSE(chart.cursorPoint(client, id, point));
    chart.m_cursorY = 46;
    chart.m_cursorX = 700; // beyond every point
    EXPECT_FALSE(chart.cursorPoint(client, id, point));
    chart.ShowLine(1, 0, 0);
    chart.m_cursorX = 205;
    ASSERT_TRUE(chart.cursorPoint(client, id, point));
    EXPECT_EQ(0u, id);

    // Moves are kept only in read mode.
    chart.SendMessage(WM_MOUSEMOVE, 0, MAKELPARAM(30, 40));
    EXPECT_EQ(205, chart.m_cursorX);
    chart.SetReadMode(true);
    chart.SendMessage(WM_MOUSEMOVE, 0, MAKELPARAM(30, 40));
    EXPECT_EQ(30, chart.m_cursorX);
    EXPECT_EQ(40, chart.m_cursorY);
    repaintNow(host);
}

TEST(ScrollChart, PaintsLinesOverTheBackground)
{
    HostWindow host(420, 220);
    ChartProbe chart;
    ASSERT_TRUE(chart.Create(WS_VISIBLE, CRect(10, 10, 410, 210), &host, 1));
    chart.SetGrid(0);
    chart.AddLine(0, percent, RGB(255, 0, 0), PS_SOLID | 0x20000, 3, 1, 1);
    chart.AddData(0, 0, 50, 0);
    chart.AddData(0, 1000, 50, 1); // a flat line across the middle
    repaintNow(host);
    EXPECT_TRUE(rgbNear(0xFF0000, clientPixel(chart, 200, 100), 40));
    EXPECT_FALSE(rgbNear(0xFF0000, clientPixel(chart, 200, 60), 40));
    chart.ShowLine(0, 0, 1);
    repaintNow(host);
    EXPECT_FALSE(rgbNear(0xFF0000, clientPixel(chart, 200, 100), 40));

    // The background is drawn once and kept, until its look changes.
    chart.m_gradientStart = chart.m_gradientEnd = 0xFF0000FF;
    repaintNow(host);
    EXPECT_TRUE(rgbNear(0x0000FF, clientPixel(chart, 200, 100), 10));
    chart.MoveWindow(10, 10, 300, 150);
    chart.m_gradientStart = chart.m_gradientEnd = 0xFF00FF00;
    repaintNow(host);
    EXPECT_TRUE(rgbNear(0x00FF00, clientPixel(chart, 200, 100), 10));
}
