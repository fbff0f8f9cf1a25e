// The sensors page against the simulated controller.

#include "CSensorsMPDlg.h"
#include "InjectorGrouping.h"
#include "PageBench.h"
#include "ProcedureFaults.h"
#include "SensorsPageIds.h"
#include "ShellIds.h"

#include <CDiag.h>

#include <gtest/gtest.h>

#include <algorithm>

using namespace pagetest;

namespace {

struct SensorsBench : PageBench
{
    explicit SensorsBench(const kwsim::SimConfig& config = kwsim::SimConfig()) : PageBench(config)
    {
        connect();
        device().m_hiddenFeatures = true;
        page = makePage<CSensorsMPDlg>(IDD_SENSORS);
    }

    Grouping blockGrouping()
    {
        const std::vector<uint8_t> block4 = sim.block(4);
        Grouping g{};
        std::copy(block4.begin() + 8, block4.begin() + 16, g.begin());
        return g;
    }
    Grouping shownGrouping()
    {
        Grouping g{};
        page->injectorMap().getInjConfigMap(g.data());
        return g;
    }
    void setInjectorValues(const std::vector<unsigned>& values)
    {
        std::vector<uint8_t> block(16, 0);
        for (size_t i = 0; i < values.size(); ++i)
            kwsim::putU16(block, 2 * i, values[i]);
        sim.with([&](kwsim::SimState& s) { s.blocks.set(21, block); });
    }
    // A press on the map's cell of injector i in group j, as the message loop delivers it.
    void pressCell(int i, int j)
    {
        const RECT& r = page->injectorMap().m_points[i][j].m_rect;
        PostMessageW(page->injectorMap().GetSafeHwnd(), WM_LBUTTONDOWN, MK_LBUTTON,
                     MAKELPARAM((r.left + r.right) / 2, (r.top + r.bottom) / 2));
        uitest::pumpPending();
        uitest::pumpPending();
    }
    bool contains(const std::string& request)
    {
        const std::vector<std::string> all = traffic();
        return std::find(all.begin(), all.end(), request) != all.end();
    }

    std::unique_ptr<CSensorsMPDlg> page;
};

kwsim::SimConfig sequenceAdvanceController(int version = 805, uint8_t hardware = '0')
{
    kwsim::SimConfig config;
    config.firmwareVersion = version;
    config.hardware = hardware;
    return config;
}

} // namespace

TEST(SensorsPage, ListsAndCheckBoxesWriteTheirBlocks)
{
    SensorsBench bench;
    choose(*bench.page, IDC_SENS_CMB_LAMBDA, 2); // "0 - 5 Volt(-)"
    EXPECT_EQ(std::vector<int>{30}, bench.writes());
    EXPECT_EQ(3, bench.record().m_sensorsSetup.m_lambdaType);
    bench.sim.clearRequests();
    choose(*bench.page, IDC_SENS_CMB_LAMBDA, 2);
    EXPECT_TRUE(bench.writes().empty());

    choose(*bench.page, IDC_SENS_CMB_WATER_TEMP, 1); // "2.2 kOhm"
    EXPECT_EQ((std::vector<int>{31, 4, 26, 30}), bench.writes());
    EXPECT_EQ(3, bench.record().m_sensorsSetup.m_temprEngineSensor);

    bench.sim.clearRequests();
    choose(*bench.page, IDC_SENS_CMB_WARMING_TIME, 45);
    choose(*bench.page, IDC_SENS_CMB_WARMING_IMPULSE, 26); // the last item, 3.1
    EXPECT_EQ((std::vector<int>{4, 4}), bench.writes());
    EXPECT_EQ(45.0, bench.record().m_adv.m_warmingTime);
    EXPECT_DOUBLE_EQ(3.1, bench.record().m_adv.m_injectorWarmingImpulse);

    bench.sim.clearRequests();
    bench.page->CheckDlgButton(IDC_SENS_CHK_WARMING, BST_CHECKED);
    click(*bench.page, IDC_SENS_CHK_WARMING);
    bench.page->CheckDlgButton(IDC_SENS_CHK_WARMING_EXT, BST_CHECKED);
    click(*bench.page, IDC_SENS_CHK_WARMING_EXT);
    bench.page->CheckDlgButton(IDC_SENS_CHK_DELAY_VALVES, BST_UNCHECKED);
    click(*bench.page, IDC_SENS_CHK_DELAY_VALVES);
    EXPECT_EQ((std::vector<int>{4, 26, 31}), bench.writes());
    EXPECT_EQ(0x01, bench.record().m_adv.m_flags & 0x01);
    EXPECT_EQ(0x2000, bench.record().m_advancedSetup.m_advancedFlags3 & 0x2000);
    EXPECT_EQ(0, bench.record().m_base.m_flags & 0x80);

    // "3bar": both bits, block 26, the reset, and back to gas.
    bench.sim.clearRequests();
    choose(*bench.page, IDC_SENS_CMB_PRESSURE, 1);
    EXPECT_EQ(0x80, bench.sim.block(26)[12] & 0x90);
    EXPECT_TRUE(bench.contains("2/10"));
    EXPECT_EQ("2/3", bench.traffic().back());

    // Offline: the lists change nothing, a check box only the record.
    bench.device().m_connected = false;
    bench.sim.clearRequests();
    choose(*bench.page, IDC_SENS_CMB_LAMBDA, 0);
    bench.page->CheckDlgButton(IDC_SENS_CHK_WARMING, BST_UNCHECKED);
    click(*bench.page, IDC_SENS_CHK_WARMING);
    EXPECT_EQ(3, bench.record().m_sensorsSetup.m_lambdaType);
    EXPECT_EQ(0, bench.record().m_adv.m_flags & 0x01);
    EXPECT_TRUE(bench.traffic().empty());
    EXPECT_TRUE(bench.messages().empty());
}

TEST(SensorsPage, GroupingListWritesThePatternsForFourCylinders)
{
    SensorsBench bench;
    choose(*bench.page, IDC_SENS_CMB_INJ_CONFIG, kHalfGroup);
    EXPECT_EQ((Grouping{0x05, 0x0A, 0, 0, 0, 0, 0, 0}), bench.blockGrouping());
    EXPECT_TRUE(bench.contains("2/10"));
    choose(*bench.page, IDC_SENS_CMB_INJ_CONFIG, kFullGroup);
    EXPECT_EQ((Grouping{0x0F, 0, 0, 0, 0, 0, 0, 0}), bench.blockGrouping());
    choose(*bench.page, IDC_SENS_CMB_INJ_CONFIG, kSequence);
    EXPECT_EQ((Grouping{0x01, 0x02, 0x04, 0x08, 0, 0, 0, 0}), bench.blockGrouping());
    EXPECT_EQ(bench.blockGrouping(), bench.shownGrouping());

    // A refused write: the map shows the record's new pattern all the same.
    bench.sim.with([](kwsim::SimState& s) { s.refusedBlocks.insert(4); });
    choose(*bench.page, IDC_SENS_CMB_INJ_CONFIG, kFullGroup);
    EXPECT_EQ(std::vector<std::wstring>{L"Can't write settings to device!"}, bench.messages());
    EXPECT_EQ(bench.record().m_adv.m_injConfMap, bench.shownGrouping());
    EXPECT_EQ((Grouping{0x0F, 0, 0, 0, 0, 0, 0, 0}), bench.shownGrouping());
}

TEST(SensorsPage, DetectGroupsTheInjectorsByTheirTimes)
{
    SensorsBench bench;
    bench.setInjectorValues({120, 120, 120, 120, 0, 0, 0, 0});
    click(*bench.page, IDC_SENS_DETECT);
    EXPECT_EQ((Grouping{0x0F, 0, 0, 0, 0, 0, 0, 0}), bench.blockGrouping());
    EXPECT_EQ(std::vector<std::wstring>{L"Detected petrol injection type: Full Group"}, bench.messages());
    EXPECT_EQ("2/3", bench.traffic().back());

    // 2.00, 2.50, 8.00 and 8.40 ms: two pairs, neither Full nor Half Group.
    bench.sim.messages.clear();
    bench.sim.clearRequests();
    bench.setInjectorValues({80, 100, 320, 336, 0, 0, 0, 0});
    click(*bench.page, IDC_SENS_DETECT);
    EXPECT_EQ((Grouping{0x03, 0, 0x0C, 0, 0, 0, 0, 0}), bench.blockGrouping());
    EXPECT_EQ(std::vector<std::wstring>{L"Detected petrol injection type: Sequence"}, bench.messages());
    // The sequence first, while the engine runs on petrol, then the result.
    const std::vector<int> writes = bench.writes();
    EXPECT_EQ(2, std::count(writes.begin(), writes.end(), 4));
}

TEST(SensorsPage, MapPressesAreWrittenExactlyAndOnlyWhenConnected)
{
    kwsim::SimConfig config;
    std::vector<uint8_t> block4 = kwsim::SimBlocks().get(4);
    block4[8] = 0; // injector 1 in no group
    config.blocks[4] = block4;
    SensorsBench bench(config);
    ASSERT_TRUE(bench.page->injectorMap().IsWindowVisible());

    bench.pressCell(0, 0);
    EXPECT_EQ((Grouping{0x01, 0x02, 0x04, 0x08, 0, 0, 0, 0}), bench.blockGrouping());
    EXPECT_TRUE(bench.contains("2/2"));
    EXPECT_TRUE(bench.contains("2/10"));
    EXPECT_FALSE(bench.contains("2/3")); // stays on petrol

    // A press elsewhere on the page with the map unchanged sends nothing.
    bench.sim.clearRequests();
    PostMessageW(bench.page->GetSafeHwnd(), WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(5, 5));
    uitest::pumpPending();
    uitest::pumpPending();
    EXPECT_TRUE(bench.traffic().empty());

    bench.device().m_connected = false;
    bench.pressCell(1, 0);
    EXPECT_TRUE(bench.traffic().empty());
    EXPECT_EQ((Grouping{0x01, 0x02, 0x04, 0x08, 0, 0, 0, 0}), bench.record().m_adv.m_injConfMap);
}

TEST(SensorsPage, SequenceAdvanceOrdersTheInjectorsAndKeepsItsState)
{
    uitest::FastWaitClock clock(1000);
    SensorsBench bench(sequenceAdvanceController());
    ASSERT_TRUE(visible(*bench.page, IDC_SENS_CHK_SEQ_ADVANCE));
    CDiag sample;
    sample.data()[CDiag::kInjectorActivityByte] = 0x0F;
    bench.device().m_diagData.push(sample);
    bench.setInjectorValues({300, 100, 200, 400, 0, 0, 0, 0});

    bench.page->CheckDlgButton(IDC_SENS_CHK_SEQ_ADVANCE, BST_CHECKED);
    click(*bench.page, IDC_SENS_CHK_SEQ_ADVANCE);
    const std::vector<uint8_t> block35 = bench.sim.block(35);
    EXPECT_EQ((std::vector<uint8_t>{3, 2, 0, 1, 0xFF, 0xFF, 0xFF, 0xFF}),
              std::vector<uint8_t>(block35.begin() + 6, block35.begin() + 14));
    EXPECT_EQ(0x80, bench.sim.block(26)[13] & 0x80);
    EXPECT_TRUE(bench.contains("2/10"));
    const std::wstring order = L"B1 - G4,  B2 - G3,  B3 - G1,  B4 - G2,  ";
    EXPECT_EQ(order, text(*bench.page, IDC_SENS_ORDER_TEXT));
    EXPECT_TRUE(enabled(*bench.page, IDC_SENS_DETECT));
    EXPECT_TRUE(bench.messages().empty());

    // Shown again, the page takes the state from the record.
    bench.page->SetDlgItemText(IDC_SENS_ORDER_TEXT, L"");
    bench.page->CheckDlgButton(IDC_SENS_CHK_SEQ_ADVANCE, BST_UNCHECKED);
    bench.page->v_activate();
    EXPECT_EQ(BST_CHECKED, bench.page->IsDlgButtonChecked(IDC_SENS_CHK_SEQ_ADVANCE));
    EXPECT_EQ(order, text(*bench.page, IDC_SENS_ORDER_TEXT));
}

// The sequence advance's 10 s on petrol is a pumped wait: the page answers
// all along (its time passes ten times faster here).
TEST(SensorsPage, SequenceAdvanceKeepsTheWindowAnswering)
{
    SensorsBench bench(sequenceAdvanceController());
    CDiag sample;
    sample.data()[CDiag::kInjectorActivityByte] = 0x0F;
    bench.device().m_diagData.push(sample);
    bench.setInjectorValues({300, 100, 200, 400, 0, 0, 0, 0});
    uitest::FastWaitClock clock(10);
    uitest::RoundTripWatch watch(bench.page->GetSafeHwnd());
    bench.page->CheckDlgButton(IDC_SENS_CHK_SEQ_ADVANCE, BST_CHECKED);
    click(*bench.page, IDC_SENS_CHK_SEQ_ADVANCE);
    watch.stop();
    EXPECT_EQ(0x80, bench.sim.block(26)[13] & 0x80);
    EXPECT_GT(watch.roundTrips(), 20u);
    EXPECT_LT(watch.slowestMs(), 100u);
}

// Every way out of the sequence advance, at each of its requests: the
// controller goes back to its own switching; only the order (block 35) and
// its bit (block 26) may have changed, and the box shows what the record holds.
TEST(SensorsPage, SequenceAdvanceHandsTheControllerBackOnEveryExit)
{
    using kwtest::Exit;
    uitest::FastWaitClock clock(1000);
    const auto prepare = [](SensorsBench& bench) {
        CDiag sample;
        sample.data()[CDiag::kInjectorActivityByte] = 0x0F;
        bench.device().m_diagData.push(sample);
        bench.setInjectorValues({300, 100, 200, 400, 0, 0, 0, 0});
        bench.sim.clearRequests();
    };
    const auto advance = [](SensorsBench& bench) {
        bench.page->CheckDlgButton(IDC_SENS_CHK_SEQ_ADVANCE, BST_CHECKED);
        click(*bench.page, IDC_SENS_CHK_SEQ_ADVANCE);
    };
    int requests = 0;
    {
        SensorsBench bench(sequenceAdvanceController());
        prepare(bench);
        advance(bench);
        requests = kwtest::procedureRequests(bench.sim.requests());
    }
    ASSERT_GE(requests, 6);
    for (Exit exit : {Exit::Refused, Exit::PortFails, Exit::Closed})
        for (int n = 1; n <= requests; ++n) {
            SCOPED_TRACE(std::string(kwtest::exitName(exit)) + " at request " + std::to_string(n));
            SensorsBench bench(sequenceAdvanceController());
            prepare(bench);
            const kwtest::ControllerState before = kwtest::ControllerState::of(bench.sim);
            {
                kwtest::ProcedureFault fault(bench.sim, exit, n);
                setMessagePumpHook([&] { fault.deliver(); });
                advance(bench);
                setMessagePumpHook(nullptr);
                EXPECT_TRUE(fault.hit());
            }
            EXPECT_EQ(std::vector<std::string>(),
                      kwtest::handBackDifferences(before, kwtest::ControllerState::of(bench.sim),
                                                  {{26, {}}, {35, {}}}, 4));
            EXPECT_EQ(std::vector<std::wstring>(), kwtest::leftMessages(bench.sim));
            const bool bit = (bench.record().m_advancedSetup.m_advancedFlags2 & 0x80) != 0;
            EXPECT_EQ(bit ? BST_CHECKED : BST_UNCHECKED,
                      bench.page->IsDlgButtonChecked(IDC_SENS_CHK_SEQ_ADVANCE));
        }
}

TEST(SensorsPage, SequenceAdvanceRefusedOnGroupsAndHiddenWithoutSupport)
{
    SensorsBench bench(sequenceAdvanceController());
    choose(*bench.page, IDC_SENS_CMB_INJ_CONFIG, kHalfGroup);
    bench.sim.clearRequests();
    bench.page->CheckDlgButton(IDC_SENS_CHK_SEQ_ADVANCE, BST_CHECKED);
    click(*bench.page, IDC_SENS_CHK_SEQ_ADVANCE);
    EXPECT_EQ(std::vector<std::wstring>{L"Option is only for full sequencial petrol injection!"},
              bench.messages());
    EXPECT_EQ(BST_UNCHECKED, bench.page->IsDlgButtonChecked(IDC_SENS_CHK_SEQ_ADVANCE));
    EXPECT_TRUE(bench.traffic().empty());

    EXPECT_FALSE(visible(*SensorsBench(sequenceAdvanceController(804, '0')).page, IDC_SENS_CHK_SEQ_ADVANCE));
    EXPECT_FALSE(visible(*SensorsBench(sequenceAdvanceController(805, '/')).page, IDC_SENS_CHK_SEQ_ADVANCE));
}

TEST(InjectorGrouping, AdvanceOrderSortsEqualValuesByIndexAndNeedsAnInjector)
{
    const Grouping sequence = groupingPattern(kSequence);
    Grouping order;
    const uint16_t equal[8] = {200, 100, 200, 100, 0, 0, 0, 0};
    ASSERT_TRUE(advanceOrder(equal, sequence, 0x0F, order));
    // Sorted 1, 3, 0, 2.
    EXPECT_EQ((Grouping{2, 3, 1, 0, 0xFF, 0xFF, 0xFF, 0xFF}), order);
    // Injector 3 not working, injector 2 in no group.
    Grouping partial = sequence;
    partial[1] = 0;
    ASSERT_TRUE(advanceOrder(equal, partial, 0x0B, order));
    EXPECT_EQ((Grouping{3, 0xFF, 0xFF, 0, 0xFF, 0xFF, 0xFF, 0xFF}), order);
    EXPECT_FALSE(advanceOrder(equal, sequence, 0, order));
    EXPECT_EQ(Grouping{}.size(), size_t(std::count(order.begin(), order.end(), 0xFF)));
}

TEST(InjectorGrouping, MapComparisonSeesEveryShownCellAndNoOther)
{
    // An injector added to an empty group is a change.
    EXPECT_FALSE(sameGrouping({0, 2, 4, 8, 0, 0, 0, 0}, {1, 2, 4, 8, 0, 0, 0, 0}, 4));
    // Half Group of five cylinders: injectors 6 to 8 are not on the map.
    EXPECT_TRUE(sameGrouping(groupingPattern(kHalfGroup), {0x15, 0x0A, 0, 0, 0, 0, 0, 0}, 5));
    EXPECT_TRUE(sameGrouping(groupingPattern(kSequence), groupingPattern(kSequence), 8));
    EXPECT_FALSE(sameGrouping(groupingPattern(kSequence), groupingPattern(kFullGroup), 8));
}
