// The "Auto Mapping" page against the in-process simulated controller: the
// controller's blocks are the oracle.

#include "AutoMapMath.h"
#include "CGasInjectionMapMPDlg.h"
#include "GasInjectionMapIds.h"
#include "PageBench.h"
#include "ShellIds.h"

#include <CDiag.h>
#include <CLPGDevice.h>
#include <UserInterface.h>

#include <gtest/gtest.h>

namespace {

using pagetest::PageBench;

const wchar_t kCantWrite[] = L"Can't write settings to device!";

// A point table of the given mean times (ms) in cells 1 onward, 10 injections each.
std::vector<uint8_t> pointTable(const std::vector<double>& means, uint16_t progress)
{
    std::vector<uint8_t> bytes(PointTable::kSize, 0);
    for (size_t n = 0; n < means.size(); ++n) {
        const size_t cell = n + 1;
        kwsim::putU32(bytes, 4 * cell, uint32_t(means[n] / 0.004 * 10 + 0.5));
        kwsim::putU16(bytes, 124 + 2 * cell, 10);
    }
    kwsim::putU16(bytes, 186, progress);
    return bytes;
}

struct PageFixture
{
    PageFixture()
    {
        bench.connect();
        // The plain pressure scale: cell i at 101 kPa less the reading 83 - 3i.
        bench.record().m_advancedSetup.m_advancedFlags = 0;
        page = bench.makePage<CGasInjectionMapMPDlg>(IDD_GAS_INJECTION_MAP);
        bench.sim.clearRequests();
    }
    void tables(const std::vector<double>& petrol, const std::vector<double>& gas)
    {
        bench.sim.with([&](kwsim::SimState& s) {
            s.blocks.set(28, pointTable(petrol, 15000));
            s.blocks.set(29, pointTable(gas, 30000));
        });
    }
    int curveByte(uint8_t block, int row) { return bench.sim.block(block)[row] - 100; }
    uint16_t flagsWord() { return uint16_t(kwsim::getU16(bench.sim.block(26), 4)); }

    PageBench bench;
    std::unique_ptr<CGasInjectionMapMPDlg> page;
};

bool contains(const std::vector<int>& v, int x)
{
    return std::find(v.begin(), v.end(), x) != v.end();
}

} // namespace

TEST(AutoMapPage, ShowsTheRecordsCurveAndWritesWhatTheChartEdits)
{
    PageFixture f;
    CSettingsRecord& r = f.bench.record();
    CurveValues a{};
    for (int row = 0; row < kCurveRows; ++row)
        a[row] = row - 10.7;
    setCurve(r, a, false);
    r.m_advancedSetup.m_points2D = {0, 0x20, 0, 0, 0}; // anchor row 13
    r.m_advancedSetup.m_advancedFlags3 &= ~0x0040;     // no padlock on the low rows
    f.page->v_activate();
    CTimeCorrChart& chart = f.page->chart();
    EXPECT_EQ(-10, chart.m_points[0].y);
    EXPECT_EQ(27, chart.m_points[38].y);
    EXPECT_TRUE(chart.m_points[13].anchor);
    EXPECT_FALSE(chart.m_points[12].anchor);
    EXPECT_EQ(13, chart.m_selected);

    MSG up{chart.GetSafeHwnd(), WM_KEYDOWN, VK_UP, 0, 0, {}};
    ASSERT_TRUE(chart.PreTranslateMessage(&up));
    EXPECT_EQ(std::vector<int>{7}, f.bench.writes());
    EXPECT_EQ(3, f.curveByte(7, 13));
    EXPECT_EQ(3, r.m_setupTimes1[4][1]);

    // The whole curve one up, limited at 50.
    chart.m_selected = -1;
    r.m_setupTimes1[12][2] = 50;
    ASSERT_TRUE(chart.PreTranslateMessage(&up));
    EXPECT_EQ(4, f.curveByte(7, 13));
    EXPECT_EQ(50, f.curveByte(7, 38));
    EXPECT_EQ(50, chart.m_points[38].y);

    f.bench.sim.with([](kwsim::SimState& s) { s.refusedBlocks.insert(7); });
    f.page->onIncrementAll(false);
    EXPECT_EQ(std::vector<std::wstring>{kCantWrite}, f.bench.messages());
}

TEST(AutoMapPage, CollectedPointsFillTheBarsTheLoadPointsAndTheChart)
{
    PageFixture f;
    f.tables({9.5, 10.0, 10.5, 11.0, 11.5}, {11.4, 12.0, 12.6, 13.2, 13.8});
    f.page->readMapPoints();
    EXPECT_EQ(500, f.page->progress(false));
    EXPECT_EQ(1000, f.page->progress(true));
    int k = 0;
    ASSERT_TRUE(cellLoadPoint(2, 0, k));
    EXPECT_EQ(11, f.page->petrolPoints()[k].count);
    EXPECT_DOUBLE_EQ(12.0, f.page->gasPoints()[k].mean);
    ASSERT_TRUE(cellLoadPoint(1, 0, k)); // its lower neighbour is empty: cleaned away
    EXPECT_EQ(0, f.page->petrolPoints()[k].count);
    EXPECT_EQ(2u * 4 * 11, f.page->chart().m_mapPoints.size());
    EXPECT_TRUE(f.page->chart().m_showGasPoints);

    // The petrol padlock keeps the petrol map; open, the map is cleared and read again.
    ::SendDlgItemMessageW(f.page->GetSafeHwnd(), IDC_GIM_LOCK_PETROL_MAP, BM_SETCHECK, BST_CHECKED, 0);
    f.bench.sim.clearRequests();
    pagetest::click(*f.page, IDC_GIM_CLEAR_PETROL_MAP);
    EXPECT_TRUE(f.bench.traffic().empty());
    ::SendDlgItemMessageW(f.page->GetSafeHwnd(), IDC_GIM_LOCK_PETROL_MAP, BM_SETCHECK, BST_UNCHECKED, 0);
    pagetest::click(*f.page, IDC_GIM_CLEAR_PETROL_MAP);
    EXPECT_EQ(0, f.page->progress(false));
    EXPECT_EQ(4u * 11, f.page->chart().m_mapPoints.size());

    // Not while the controller maps by itself.
    f.bench.record().m_autoMap.m_autoMapMode = 1;
    f.bench.sim.clearRequests();
    pagetest::click(*f.page, IDC_GIM_CLEAR_GAS_MAP);
    pagetest::click(*f.page, IDC_GIM_CLEAR_CORRECTION);
    EXPECT_TRUE(f.bench.traffic().empty());
    ASSERT_EQ(2u, f.bench.messages().size());
    EXPECT_NE(std::wstring::npos, f.bench.messages()[0].find(L"Calculating corrections"));
    EXPECT_NE(std::wstring::npos, f.bench.messages()[1].find(L"Clearing corrections"));
}

TEST(AutoMapPage, CountCorrectionWritesBothTablesThenOffersToClearTheGasMap)
{
    PageFixture f;
    // Petrol means but gas at one load point only: the others add nothing.
    f.tables({9.5, 10.0, 10.5, 11.0, 11.5}, {11.4, 12.0});
    f.page->readMapPoints();
    std::vector<std::wstring> questions;
    setMessageBoxHook([&](const MessageBoxRequest& request) {
        questions.push_back(request.text);
        return IDYES;
    });
    f.bench.sim.clearRequests();
    pagetest::click(*f.page, IDC_GIM_COUNT_CORRECTION);
    const CSettingsRecord& r = f.bench.record();
    // 16 % at row 18 (10.0 ms) alone fills every row but the smoothed start.
    EXPECT_EQ(0, r.m_setupTimes1[0][0]);
    for (int row : {18, 30, 38}) {
        EXPECT_EQ(16, r.m_setupTimes1[row / 3][row % 3]) << row;
        EXPECT_EQ(16, f.curveByte(7, row)) << row;
        EXPECT_EQ(16, f.curveByte(9, row)) << row;
    }
    ASSERT_EQ(1u, questions.size());
    EXPECT_NE(std::wstring::npos, questions[0].find(L"clear gas map"));
    const std::vector<int> writes = f.bench.writes();
    EXPECT_TRUE(contains(writes, 7) && contains(writes, 9));
    EXPECT_EQ(std::vector<uint8_t>(PointTable::kSize, 0), f.bench.sim.block(29));
    EXPECT_EQ(0, f.page->progress(true));
}

TEST(AutoMapPage, PadlocksAndScaleWriteTheFlagsAndKeepTheLockRow)
{
    PageFixture f;
    CAdvancedSetup& setup = f.bench.record().m_advancedSetup;
    setup.m_advancedFlags3 = 0x0080;
    setup.m_maxLoadTime = 3.4;
    f.page->v_activate();
    f.page->v_activate();
    EXPECT_EQ(6, f.page->lockRow());

    ::SendDlgItemMessageW(f.page->GetSafeHwnd(), IDC_GIM_LOCK_CORRECTIONS, BM_SETCHECK, BST_CHECKED, 0);
    pagetest::click(*f.page, IDC_GIM_LOCK_CORRECTIONS);
    EXPECT_EQ(0x00C0, f.flagsWord());
    EXPECT_TRUE(f.page->chart().m_points[5].locked);
    EXPECT_FALSE(f.page->chart().m_points[6].locked);

    pagetest::choose(*f.page, IDC_GIM_SCALE, 1); // "Map 40 ms"
    EXPECT_EQ(0x10C0, f.flagsWord());
    EXPECT_EQ(3, f.page->lockRow());
    EXPECT_TRUE(f.page->chart().m_points[2].locked);
    EXPECT_FALSE(f.page->chart().m_points[3].locked);
    f.page->v_activate();
    EXPECT_EQ(3, f.page->lockRow());
    pagetest::choose(*f.page, IDC_GIM_SCALE, 0);
    EXPECT_EQ(6, f.page->lockRow());

    // No controller: nothing sent, and the list shows the scale as it is.
    f.bench.device().m_connected = false;
    f.bench.sim.clearRequests();
    pagetest::choose(*f.page, IDC_GIM_SCALE, 1);
    EXPECT_TRUE(f.bench.traffic().empty());
    EXPECT_EQ(L"Map 20 ms", pagetest::text(*f.page, IDC_GIM_SCALE));
    EXPECT_TRUE(f.bench.messages().empty());
}

TEST(AutoMapPage, TheIntervalModeWritesItsScheduleAndIsShownAgain)
{
    PageFixture f;
    f.bench.sim.with([](kwsim::SimState& s) {
        std::vector<uint8_t> statistic = s.blocks.get(12);
        kwsim::putU32(statistic, 4, 1234);
        s.blocks.set(12, statistic);
    });
    pagetest::choose(*f.page, IDC_GIM_AUTOMAP_MODE, 2); // "With interval 70 h"
    const std::vector<uint8_t> block33 = f.bench.sim.block(33);
    EXPECT_EQ(720000u + 1234, kwsim::getU32(block33, 0));
    EXPECT_EQ(5000u / 50, kwsim::getU16(block33, 4));
    EXPECT_EQ(2, block33[6]);
    pagetest::choose(*f.page, IDC_GIM_AUTOMAP_MODE, 0);
    f.bench.record().m_autoMap.m_autoMapMode = 2;
    f.page->v_activate();
    EXPECT_EQ(L"With interval 70 h", pagetest::text(*f.page, IDC_GIM_AUTOMAP_MODE));
}

TEST(AutoMapPage, TheTimerAsksForTheTablesOnlyAfterNewSamples)
{
    PageFixture f;
    CDiag sample;
    sample.setMode(CDiag::kModeGas);
    sample.data()[18 + 4 * 3] = 200; // entry 3, the longest
    sample.setSequence(41);
    f.bench.device().m_diagData.push(sample);
    auto tableReads = [&] {
        int reads = 0;
        for (const std::string& t : f.bench.traffic())
            reads += t == "2/37" || t == "2/38";
        return reads;
    };
    for (int tick = 0; tick < 25; ++tick)
        f.page->v_onTimer();
    EXPECT_LE(tableReads(), 2); // at most the one read for this sample
    EXPECT_NEAR(std::max(1.0, sample.getInjectionTime(3)), f.page->chart().operatingTime(), 0.01);
    f.bench.sim.clearRequests();
    for (int tick = 0; tick < 40; ++tick)
        f.page->v_onTimer();
    EXPECT_EQ(0, tableReads());
    sample.setSequence(42);
    f.bench.device().m_diagData.push(sample);
    for (int tick = 0; tick < 21; ++tick)
        f.page->v_onTimer();
    EXPECT_EQ(2, tableReads());
}
