// The time correction chart in a window of its own, its controller object
// talking to the in-process simulated controller.

#include "CTimeCorrChart.h"
#include "PageBench.h"

#include <CLPGDevice.h>

#include <gtest/gtest.h>

#include <cmath>

namespace {

using pagetest::PageBench;

struct ParentRecorder : ITimeCorrChartParentDlg
{
    int changes = 0;
    std::vector<bool> increments;
    void onCorrChanged() override { ++changes; }
    void onIncrementAll(bool up) override { increments.push_back(up); }
};

struct ChartBench
{
    explicit ChartBench(int width = 800, int height = 500)
    {
        bench.connect();
        chart.m_parent = &parent;
        chart.Create(CRect(0, 0, width, height), &bench.host, 1180);
    }
    bool key(UINT vk)
    {
        MSG msg{};
        msg.hwnd = chart.GetSafeHwnd();
        msg.message = WM_KEYDOWN;
        msg.wParam = vk;
        return chart.PreTranslateMessage(&msg) != FALSE;
    }
    void mouse(UINT message, CPoint at) { chart.SendMessage(message, 0, MAKELPARAM(at.x, at.y)); }
    void anchor(int i) { chart.m_points[i].marked = chart.m_points[i].anchor = true; }
    uint8_t anchorByte(int i) { return bench.sim.block(26)[19 + i / 8]; }

    PageBench bench;
    ParentRecorder parent;
    CTimeCorrChart chart;
};

void setCtrl(bool down)
{
    BYTE keys[256];
    GetKeyboardState(keys);
    keys[VK_LCONTROL] = keys[VK_CONTROL] = down ? 0x80 : 0;
    SetKeyboardState(keys);
}

} // namespace

TEST(TimeCorrChart, LabelsFollowTheirRulesAndTheMapScale)
{
    ChartBench b;
    EXPECT_EQ(L"", b.chart.timeLabel(0));
    EXPECT_EQ(L"", b.chart.timeLabel(2.5));
    EXPECT_EQ(L"", b.chart.timeLabel(40));
    EXPECT_EQ(L"20", b.chart.timeLabel(20));
    EXPECT_EQ(L"", b.chart.correctionLabel(-60));
    EXPECT_EQ(L"-50", b.chart.correctionLabel(-50));
    EXPECT_EQ(L"", b.chart.pressureLabel(0));
    EXPECT_EQ(L"160", b.chart.pressureLabel(160));
    b.bench.record().m_advancedSetup.m_advancedFlags3 |= 0x1000; // "Map 40 ms"
    EXPECT_EQ(L"40", b.chart.timeLabel(20));
    EXPECT_EQ(L"2", b.chart.timeLabel(1));
    b.chart.setOperatingPoint(0.4, 35);
    EXPECT_EQ(1.0, b.chart.operatingTime());

    // The live point repaints the chart only when it moves by a pixel.
    b.chart.ValidateRect(nullptr);
    b.chart.setOperatingPoint(1.0001, 35);
    EXPECT_FALSE(::GetUpdateRect(b.chart.m_hWnd, nullptr, FALSE));
    b.chart.setOperatingPoint(5, 35);
    EXPECT_TRUE(::GetUpdateRect(b.chart.m_hWnd, nullptr, FALSE));
}

TEST(TimeCorrChart, UpAndDownReinterpolateBetweenTheNeighbouringAnchors)
{
    ChartBench b;
    for (int i : {5, 20})
        b.anchor(i);
    for (int i = 0; i < CTimeCorrChart::kPoints; ++i)
        b.chart.setPointValue(i, i < 5 ? 0 : 10);
    b.chart.m_selected = 10;
    ASSERT_TRUE(b.key(VK_UP));
    EXPECT_EQ(11, b.chart.m_points[10].y);
    EXPECT_DOUBLE_EQ(10.2, b.chart.m_points[6].y);
    EXPECT_DOUBLE_EQ(10.9, b.chart.m_points[11].y);
    EXPECT_DOUBLE_EQ(10.1, b.chart.m_points[19].y);
    for (int i : {4, 5, 20, 21})
        EXPECT_EQ(i < 5 ? 0 : 10, b.chart.m_points[i].y) << i;
    EXPECT_EQ(1, b.parent.changes);

    b.chart.m_points[10].y = 49.5; // the test is made before the step
    b.key(VK_UP);
    EXPECT_EQ(50.5, b.chart.m_points[10].y);
    b.key(VK_UP);
    EXPECT_EQ(50.5, b.chart.m_points[10].y);
    EXPECT_EQ(2, b.parent.changes);

    // The first and the last point bound their own segment: nothing to divide.
    for (int selected : {0, 38}) {
        b.chart.m_selected = selected;
        b.key(VK_DOWN);
        for (const TimeCorrPoint& p : b.chart.m_points)
            ASSERT_TRUE(std::isfinite(p.y));
    }
    EXPECT_EQ(-1, b.chart.m_points[0].y);
    EXPECT_DOUBLE_EQ(-1 + 4 * 11 / 5.0, b.chart.m_points[4].y); // on the line to point 5
    EXPECT_EQ(9, b.chart.m_points[38].y);
}

TEST(TimeCorrChart, ArrowsWithoutSelectionOrWithCtrlAskForTheWholeCurve)
{
    ChartBench b;
    b.key(VK_UP);
    b.key(VK_DOWN);
    EXPECT_EQ((std::vector<bool>{true, false}), b.parent.increments);
    b.chart.m_selected = 7;
    setCtrl(true);
    b.key(VK_UP);
    setCtrl(false);
    EXPECT_EQ(3u, b.parent.increments.size());
    EXPECT_EQ(1.0, b.chart.m_points[7].y);
    b.chart.m_points[0].locked = true;
    b.chart.m_selected = -1;
    b.key(VK_UP);
    EXPECT_EQ(3u, b.parent.increments.size());
    EXPECT_FALSE(b.key('A'));
}

TEST(TimeCorrChart, MouseAndKeysPickAndDropAnchorsInTheController)
{
    ChartBench b;
    b.bench.sim.clearRequests();
    b.mouse(WM_RBUTTONDOWN, b.chart.curvePixel(12) + CPoint(3, 90));
    EXPECT_EQ(12, b.chart.m_selected);
    EXPECT_TRUE(b.chart.m_points[12].anchor);
    EXPECT_EQ(0x10, b.anchorByte(12) & 0x10);
    EXPECT_EQ(std::vector<int>{26}, b.bench.writes());

    b.key(VK_RIGHT);
    EXPECT_EQ(13, b.chart.m_selected);
    EXPECT_TRUE(b.chart.m_points[12].marked); // an anchor keeps its marker
    b.key(VK_RIGHT);
    EXPECT_FALSE(b.chart.m_points[13].marked);
    b.key(VK_RETURN);
    EXPECT_EQ(0x40, b.anchorByte(14) & 0x40);

    b.mouse(WM_LBUTTONDOWN, b.chart.curvePixel(12) + CPoint(-20, 40));
    EXPECT_EQ(12, b.chart.m_selected);
    b.key(VK_DELETE);
    EXPECT_FALSE(b.chart.m_points[12].anchor);
    EXPECT_EQ(0, b.anchorByte(12) & 0x10);
    EXPECT_EQ(14, b.chart.m_selected); // the next marked point

    b.chart.m_selected = 38;
    b.key(VK_BACK);
    EXPECT_EQ(-1, b.chart.m_selected);
    EXPECT_TRUE(b.chart.m_points[38].anchor);
    b.chart.m_selected = 0;
    b.key(VK_DELETE);
    EXPECT_TRUE(b.chart.m_points[0].anchor);
    EXPECT_EQ(14, b.chart.m_selected);

    b.mouse(WM_LBUTTONDOWN, CPoint(10, 100)); // left of the plot
    EXPECT_EQ(-1, b.chart.m_selected);
    EXPECT_TRUE(b.bench.messages().empty());
}

TEST(TimeCorrChart, AnAnchorNobodyCouldWriteIsTakenBack)
{
    ChartBench b;
    b.bench.sim.with([](kwsim::SimState& s) { s.refusedBlocks.insert(26); });
    b.mouse(WM_RBUTTONDOWN, b.chart.curvePixel(9));
    ASSERT_EQ(1u, b.bench.messages().size());
    EXPECT_EQ(L"Can't write settings to device!", b.bench.messages()[0]);
    EXPECT_EQ(0, b.bench.record().m_advancedSetup.m_points2D[1] & 0x02);
    EXPECT_FALSE(b.chart.m_points[9].anchor);

    // Without a connection nothing is sent and nothing is said.
    b.bench.device().m_connected = false;
    b.bench.sim.clearRequests();
    b.mouse(WM_RBUTTONDOWN, b.chart.curvePixel(11));
    EXPECT_EQ(11, b.chart.m_selected);
    EXPECT_TRUE(b.bench.writes().empty());
    EXPECT_EQ(0, b.bench.record().m_advancedSetup.m_points2D[1] & 0x08);
    EXPECT_EQ(1u, b.bench.messages().size());
}

TEST(TimeCorrChart, DrawsCurveMarkersAndPointsAndNothingInATinyPlot)
{
    ChartBench b;
    b.chart.m_selected = 20;
    b.chart.m_showPetrolPoints = true;
    for (int i = 0; i < 8; ++i)
        b.chart.m_mapPoints.push_back({4.0 + i, 40.0 + 10 * i, false, false, false, 0});
    wfxtest::Canvas canvas(800, 500);
    CRect client(0, 0, 800, 500);
    b.chart.draw(canvas.dc(), client);
    const CPoint mid = b.chart.curvePixel(10) + b.chart.curvePixel(11);
    EXPECT_TRUE(wfxtest::rgbNear(0xF07C00, canvas.rgb(mid.x / 2, mid.y / 2)));
    const CPoint selected = b.chart.curvePixel(20);
    EXPECT_EQ(0xFF0000u, canvas.rgb(selected.x, selected.y));
    const CPoint last = b.chart.curvePixel(38);
    EXPECT_EQ(0xFFFF00u, canvas.rgb(last.x, last.y));
    EXPECT_GT(wfxtest::countPixels(canvas, b.chart.plotRect(), 0xE60000), 50);

    b.chart.MoveWindow(0, 0, 120, 60);
    wfxtest::Canvas tiny(120, 60);
    b.chart.draw(tiny.dc(), CRect(0, 0, 120, 60));
    EXPECT_EQ(58 * 118, wfxtest::countPixels(tiny, CRect(1, 1, 119, 59), 0xFFFFFF));
}
