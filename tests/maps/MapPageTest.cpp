// The RPM map page in the program's frame and view, in this process,
// against the simulated controller: the controller's map is the oracle.

#include "CCorRpmMPDlg.h"
#include "MapsUiIds.h"
#include "ProcedureFaults.h"
#include "ShellBench.h"

#include <WfxTestHooks.h>

#include <gtest/gtest.h>

#include <algorithm>

namespace {

using kwtest::ShellBench;

const int kMapPage = 5;
const wchar_t kCantWrite[] = L"Can't write settings to device!";

CCorRpmMPDlg& showMapPage(ShellBench& bench)
{
    bench.view().pageCtrl().activatePage(kMapPage);
    bench.pumpFor(50);
    auto* page = dynamic_cast<CCorRpmMPDlg*>(bench.view().pageCtrl().getPage(kMapPage));
    EXPECT_NE(nullptr, page);
    return *page;
}

// Pumps until `done` holds; a loaded machine is slow to sample.
template <class Done> bool pumpUntil(ShellBench& bench, Done done, DWORD ms = 10000)
{
    for (DWORD waited = 0; !done(); waited += 50) {
        if (waited >= ms)
            return false;
        bench.pumpFor(50);
    }
    return true;
}

bool sampled(ShellBench& bench)
{
    return pumpUntil(bench, [&] { return bench.device().m_diagData.count() > 0; });
}

void selectBlock(CMapArray& table, int c0, int r0, int c1, int r1)
{
    MapSelection s;
    for (int c = c0; c <= c1; ++c)
        for (int r = r0; r <= r1; ++r)
            s.setSel(c, r, true);
    s.setAnchor(c0, r0);
    table.select(s);
}

// Cell by cell: the controller's map, the record and the table agree.
void expectSameMap(ShellBench& bench, CCorRpmMPDlg& page)
{
    const CCorrMap& map = bench.device().m_settings.m_corrMap;
    for (int l = 0; l < CCorrMap::kRows; ++l)
        for (int r = 0; r < CCorrMap::kCols; ++r) {
            int held = bench.with([&](kwsim::SimState& s) { return s.memory.mapValue(l, r); });
            ASSERT_EQ(held, map.m_injMapTable[l][r]) << l << "," << r;
            ASSERT_EQ(held, page.mapTable().getCellValue(r, l)) << l << "," << r;
        }
}

// The requests that matter to mapping, in order: block 27 read and written,
// petrol, map memory (one word per run), reset, gas.
std::string mappingRequests(ShellBench& bench)
{
    std::string out;
    for (const kwsim::SimRequest& r : bench.sim->requests()) {
        const char* word = r.cmd == 27                      ? "write27 "
                           : r.cmd == 2 && r.selector == 35 ? "read27 "
                           : r.cmd == 2 && r.selector == 2  ? "petrol "
                           : r.cmd == 2 && r.selector == 10 ? "reset "
                           : r.cmd == 2 && r.selector == 3  ? "gas "
                           : r.cmd == 5                     ? "map "
                                                            : "";
        if (out.size() < 4 || out.compare(out.size() - 4, 4, "map ") != 0 || std::string(word) != "map ")
            out += word;
    }
    return out;
}

std::vector<uint8_t> block27(ShellBench& bench)
{
    return bench.with([](kwsim::SimState& s) { return s.blocks.get(27); });
}

// Mapping started with the automatic correction on (byte 0 = 3), from gas.
void startMapping(ShellBench& bench, CCorRpmMPDlg& page)
{
    CLPGDevice& device = bench.device();
    device.m_settings.m_devInfo.m_injCount = 4;
    device.m_settings.m_base.m_emulatorDelay = 0.2;
    COBDAdvSetup setup;
    setup.obd_corr_enable_flag = 3;
    ASSERT_TRUE(device.writeBlock27(setup));
    ASSERT_TRUE(sampled(bench)); // live samples in gas mode
    bench.sim->clearRequests();
    page.OnClickedBtnObdMapStart();
    ASSERT_TRUE(page.isMapping());
    ASSERT_EQ(0, block27(bench)[0]);
}

} // namespace

TEST(MapPage, StepsAndClearLeaveTheRecordAsTheControllerHoldsIt)
{
    ShellBench bench;
    CCorRpmMPDlg& page = showMapPage(bench);
    bench.with([](kwsim::SimState& s) { s.memory.setMap(std::vector<int>(285, 48), 0); });
    ASSERT_TRUE(bench.device().readCorrectionMap());
    page.refreshMap();
    page.mapTable().setNeighbours(true);
    selectBlock(page.mapTable(), 3, 5, 4, 6);
    page.OnClickedBtnPlus5(); // 48 + 5: the controller keeps 53, the screen 50
    page.OnClickedBtnPlus1();
    page.OnClickedBtnPlus2();
    expectSameMap(bench, page);

    bench.sim->clearRequests();
    page.OnBnClickedBtnClearMap();
    expectSameMap(bench, page);
    EXPECT_EQ(0, bench.device().m_settings.m_corrMap.m_injMapTable[5][3]);
    EXPECT_TRUE(bench.boxes.empty());
}

TEST(MapPage, AFailedStepShowsTheRecordAgain)
{
    ShellBench bench;
    CCorRpmMPDlg& page = showMapPage(bench);
    selectBlock(page.mapTable(), 0, 0, 1, 0);
    page.OnClickedBtnMinus2();
    bench.with([](kwsim::SimState& s) { s.faults.config.silent = true; });
    page.OnClickedBtnMinus5();
    bench.with([](kwsim::SimState& s) { s.faults.config.silent = false; });
    ASSERT_EQ(1u, bench.boxes.size());
    EXPECT_EQ(kCantWrite, bench.boxes[0]);
    expectSameMap(bench, page);
    EXPECT_EQ(-2, page.mapTable().getCellValue(1, 0));
}

TEST(MapPage, KeysMoveAndStepTheSelectionButLeaveTheComboItsArrows)
{
    ShellBench bench;
    CCorRpmMPDlg& page = showMapPage(bench);
    CMapArray& table = page.mapTable();
    selectBlock(table, 2, 2, 2, 2);
    MSG msg{};
    msg.hwnd = table.GetSafeHwnd();
    msg.message = WM_KEYDOWN;
    msg.wParam = VK_RIGHT;
    table.SetFocus();
    EXPECT_TRUE(page.PreTranslateMessage(&msg));
    EXPECT_TRUE(table.selection().isSel(3, 2));
    CWnd* combo = page.GetDlgItem(IDC_MAP_TYPE);
    combo->SetFocus();
    EXPECT_EQ(combo->GetSafeHwnd(), ::GetFocus());
    msg.hwnd = combo->GetSafeHwnd();
    msg.wParam = VK_LEFT; // the combo's own: the table's selection stays
    page.PreTranslateMessage(&msg);
    EXPECT_TRUE(table.selection().isSel(3, 2));
}

TEST(MapPage, MapTypeUnchangedDoesNothingAndAFailedWritePutsTheOldTypeBack)
{
    ShellBench bench;
    CCorRpmMPDlg& page = showMapPage(bench);
    CSettingsRecord& record = bench.device().m_settings;
    const bool vacuum = record.m_advancedSetup.m_advancedFlags3 & 0x0400;
    auto* combo = static_cast<CStrValueCmbBox*>(page.GetDlgItem(IDC_MAP_TYPE));
    bench.sim->clearRequests();
    combo->setSelValue(vacuum ? 1.0 : 0.0);
    page.OnSelendokCmbMapType();
    EXPECT_TRUE(bench.commands().empty());

    const CCorrMap before = record.m_corrMap;
    bench.device().m_settings.m_devInfo.m_injCount = 4;
    bench.device().m_settings.m_base.m_emulatorDelay = 0.2;
    const std::vector<uint8_t> axisBytes = bench.with([](kwsim::SimState& s) { return s.blocks.get(34); });
    // The controller hears block 34 but not block 26.
    kwsim::SimState* state = bench.with([](kwsim::SimState& s) { return &s; });
    bench.sim->setRequestListener(
        [state](const kwsim::SimRequest& r) { state->faults.config.silent = r.cmd == 26; });
    combo->setSelValue(vacuum ? 0.0 : 1.0);
    page.OnSelendokCmbMapType();
    bench.sim->setRequestListener(nullptr);
    EXPECT_EQ(vacuum, (record.m_advancedSetup.m_advancedFlags3 & 0x0400) != 0);
    EXPECT_EQ(before.m_rowAxis, record.m_corrMap.m_rowAxis);
    EXPECT_EQ(axisBytes, bench.with([](kwsim::SimState& s) { return s.blocks.get(34); }));
    EXPECT_EQ(0u, bench.with([](kwsim::SimState& s) { return s.resets; }));
    ASSERT_FALSE(bench.boxes.empty());
    EXPECT_EQ(kCantWrite, bench.boxes.back());
}

TEST(MapPage, MapCoordinatesSpreadWriteAndReadBackTheAxes)
{
    ShellBench bench;
    CCorRpmMPDlg& page = showMapPage(bench);
    CSettingsRecord& record = bench.device().m_settings;
    record.m_advancedSetup.m_advancedFlags3 &= ~0x0400;
    int shown = 0;
    WfxSetModalDialogHook([&](CDialog& dialog) {
        ++shown;
        dialog.SetDlgItemTextW(IDC_DEF_MIN_RPM, L"6100");
        dialog.SendMessage(WM_COMMAND, IDOK);
        dialog.SetDlgItemTextW(IDC_DEF_MIN_VALUE, L"0");
        dialog.SetDlgItemTextW(IDC_DEF_MAX_VALUE, L"50");
        dialog.SetDlgItemTextW(IDC_DEF_MIN_RPM, L"500");
        dialog.SetDlgItemTextW(IDC_DEF_MAX_RPM, L"8000");
        dialog.SendMessage(WM_COMMAND, IDOK);
    });
    page.OnClickedBtnDefinition();
    WfxSetModalDialogHook(nullptr);
    EXPECT_EQ(1, shown);
    EXPECT_EQ(500, record.m_corrMap.m_colAxis[0]); // 6100 was refused and the dialog stayed
    const double load[] = {0, 2.6, 5.2, 7.8, 10.6};
    for (int i = 0; i < 5; ++i)
        EXPECT_DOUBLE_EQ(load[i], record.m_corrMap.m_rowAxis[i]) << i;
    EXPECT_DOUBLE_EQ(50, record.m_corrMap.m_rowAxis[18]);
    EXPECT_EQ(8000, record.m_corrMap.m_colAxis[14]);
    EXPECT_EQ(7000, record.m_corrMap.m_colAxis[13]);
    std::vector<uint8_t> sent = bench.with([](kwsim::SimState& s) { return s.blocks.get(34); });
    EXPECT_EQ(13, sent[1]);
    EXPECT_EQ(250, sent[18]);

    const CCorrMap before = record.m_corrMap;
    bench.with([](kwsim::SimState& s) { s.faults.config.silent = true; });
    WfxSetModalDialogHook([&](CDialog& dialog) {
        dialog.SetDlgItemTextW(IDC_DEF_MAX_RPM, L"9000");
        dialog.SendMessage(WM_COMMAND, IDOK);
    });
    page.OnClickedBtnDefinition();
    WfxSetModalDialogHook(nullptr);
    bench.with([](kwsim::SimState& s) { s.faults.config.silent = false; });
    EXPECT_EQ(before.m_colAxis, record.m_corrMap.m_colAxis);
    ASSERT_FALSE(bench.boxes.empty());
    EXPECT_EQ(kCantWrite, bench.boxes.back());
}

TEST(MapPage, ObdMappingSwitchesTheAutomaticCorrectionOffAndBackAndStoresTheMap)
{
    ShellBench bench;
    CCorRpmMPDlg& page = showMapPage(bench);
    CLPGDevice& device = bench.device();
    startMapping(bench, page);
    EXPECT_EQ("read27 write27 ", mappingRequests(bench));
    EXPECT_EQ(L"Automatic OBD correction must be disable during this operation.", bench.boxes.at(0));

    bench.sim->clearRequests();
    page.obdMapping().addSample(device.m_settings.m_corrMap, 3200, 7.5, 9, 0, 0, 0);
    page.OnClickedBtnObdMapCalculate();
    EXPECT_FALSE(page.isMapping());
    EXPECT_EQ("read27 write27 petrol map petrol reset gas ", mappingRequests(bench));
    EXPECT_EQ(3, block27(bench)[0]);
    expectSameMap(bench, page);
    EXPECT_EQ(1, device.m_settings.m_corrMap.m_injMapTable[6][6]);
    EXPECT_EQ(1, device.m_settings.m_corrMap.m_injMapTable[5][7]);
    EXPECT_EQ(0, device.m_settings.m_corrMap.m_injMapTable[4][6]);
}

// Stop, the page shown again without an OBD link, and the window closing
// all end mapping with byte 0 put back into block 27 as it is then, so a
// change made meanwhile stays.
TEST(MapPage, EveryEndOfMappingPutsTheAutomaticCorrectionBack)
{
    ShellBench bench;
    CCorRpmMPDlg& page = showMapPage(bench);
    startMapping(bench, page);
    bench.with([](kwsim::SimState& s) {
        std::vector<uint8_t> bytes = s.blocks.get(27);
        bytes[1] = 42;
        s.blocks.set(27, bytes);
    });
    bench.sim->clearRequests();
    page.OnClickedBtnObdMapStop();
    EXPECT_FALSE(page.isMapping());
    EXPECT_EQ("read27 write27 ", mappingRequests(bench));
    EXPECT_EQ(3, block27(bench)[0]);
    EXPECT_EQ(42, block27(bench)[1]);
    bench.sim->clearRequests();
    page.OnClickedBtnObdMapStop(); // nothing left to put back
    EXPECT_EQ("", mappingRequests(bench));

    startMapping(bench, page);
    bench.device().m_obdLinkActive = false;
    page.v_activate();
    EXPECT_FALSE(page.isMapping());
    EXPECT_EQ(3, block27(bench)[0]);

    startMapping(bench, page);
    std::shared_ptr<kwsim::SimController> sim = bench.sim;
    page.DestroyWindow();
    EXPECT_EQ(3, sim->with([](kwsim::SimState& s) { return s.blocks.get(27)[0]; }));
}

// Calcutate refused, failing or closed at each of its requests (block 27
// read and written back, petrol, the map, the restart, gas): the automatic
// correction is switched back on and the controller gets its own switching
// back; only the map may have changed.
TEST(MapPage, EveryExitOfCalcutateHandsTheControllerBack)
{
    using kwtest::Exit;
    ShellBench bench;
    CCorRpmMPDlg& page = showMapPage(bench);
    unsigned long long clock = 0;
    setWaitClock({[&] { return clock; }, [&](unsigned ms) { clock += ms; }});
    const auto calculate = [&] {
        page.obdMapping().addSample(bench.device().m_settings.m_corrMap, 3200, 7.5, 9, 0, 0, 0);
        page.OnClickedBtnObdMapCalculate();
    };
    // Mapping starts from gas, as the live data show it.
    const auto startOnGas = [&] {
        ASSERT_TRUE(pumpUntil(bench, [&] {
            CDiag newest;
            bench.device().m_diagData.getLast(newest);
            return bench.device().m_diagData.count() > 0 && newest.getMode() == CDiag::kModeGas;
        }));
        startMapping(bench, page);
    };
    startOnGas();
    bench.sim->clearRequests();
    calculate();
    const int requests = kwtest::procedureRequests(bench.sim->requests());
    const kwtest::ControllerState before = kwtest::ControllerState::of(*bench.sim);
    ASSERT_GE(requests, 7);
    const std::vector<int> points{1, 2, 3, 4, requests - 2, requests - 1, requests};
    for (Exit exit : {Exit::Refused, Exit::PortFails, Exit::Closed})
        for (int n : points) {
            SCOPED_TRACE(std::string(kwtest::exitName(exit)) + " at request " + std::to_string(n));
            startOnGas();
            bench.boxes.clear();
            {
                kwtest::ProcedureFault fault(*bench.sim, bench.link, exit, n);
                setMessagePumpHook([&] { fault.deliver(); });
                calculate();
                setMessagePumpHook(nullptr);
                EXPECT_TRUE(fault.hit());
            }
            kwtest::ControllerState after = kwtest::ControllerState::of(*bench.sim);
            EXPECT_EQ(std::vector<std::string>(), kwtest::handBackDifferences(before, after, {}, 4));
            for (const std::wstring& box : bench.boxes)
                EXPECT_EQ(std::wstring::npos, box.find(L"Can't switch the automatic")) << box;
        }
    setWaitClock({});
}

// When the controller does not take the switch-off, mapping does not start
// and nothing is to be put back.
TEST(MapPage, StartStopsWhenTheAutomaticCorrectionCannotBeSwitchedOff)
{
    ShellBench bench;
    CCorRpmMPDlg& page = showMapPage(bench);
    COBDAdvSetup setup;
    setup.obd_corr_enable_flag = 3;
    ASSERT_TRUE(bench.device().writeBlock27(setup));
    ASSERT_TRUE(sampled(bench));
    kwsim::SimState* state = bench.with([](kwsim::SimState& s) { return &s; });
    bench.sim->setRequestListener(
        [state](const kwsim::SimRequest& r) { state->faults.config.silent = r.cmd == 27; });
    page.OnClickedBtnObdMapStart();
    bench.sim->setRequestListener(nullptr);
    bench.with([](kwsim::SimState& s) { s.faults.config.silent = false; });
    EXPECT_FALSE(page.isMapping());
    EXPECT_TRUE(page.GetDlgItem(IDC_MAP_OBD_START)->IsWindowEnabled());
    EXPECT_EQ(kCantWrite, bench.boxes.back());
    EXPECT_EQ(3, block27(bench)[0]);
    bench.sim->clearRequests();
    page.OnClickedBtnObdMapStop();
    EXPECT_EQ("", mappingRequests(bench));
}

// While mapping the cells are white and the live operating point leaves a
// darker trail behind it; Calcutate colours them by value again.
TEST(MapPage, TheOperatingPointLeavesATrailWhileMapping)
{
    ShellBench bench;
    CCorRpmMPDlg& page = showMapPage(bench);
    startMapping(bench, page);
    CMapArray& table = page.mapTable();
    const auto background = [&](int c, int r) { return (*table.getTable())[c][r]->getBkColor(); };
    int marked = 0;
    for (int c = 0; c < CCorrMap::kCols; ++c)
        for (int r = 0; r < CCorrMap::kRows; ++r)
            marked += background(c, r) != RGB(255, 255, 255);
    EXPECT_EQ(0, marked);
    // The engine drifts through the cells.
    const auto trail = [&] {
        for (int c = 0; c < CCorrMap::kCols; ++c)
            for (int r = 0; r < CCorrMap::kRows; ++r)
                if (background(c, r) != RGB(255, 255, 255))
                    return true;
        return false;
    };
    ASSERT_TRUE(pumpUntil(bench, trail));
    int darker = 0;
    for (int c = 0; c < CCorrMap::kCols; ++c)
        for (int r = 0; r < CCorrMap::kRows; ++r) {
            const COLORREF color = background(c, r);
            darker += color != RGB(255, 255, 255);
            EXPECT_EQ(255, GetRValue(color)) << c << "," << r; // blue goes first, then green
        }
    EXPECT_GT(darker, 0);
    page.OnClickedBtnObdMapCalculate();
    EXPECT_EQ(1, table.colorMode());
}
