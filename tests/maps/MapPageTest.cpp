// The RPM map page in the program's frame and view, in this process,
// against the simulated controller: the controller's map is the oracle.

#include "CCorRpmMPDlg.h"
#include "MapsUiIds.h"
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
    device.m_settings.m_devInfo.m_injCount = 4;
    device.m_settings.m_base.m_emulatorDelay = 0.2;
    COBDAdvSetup setup;
    setup.obd_corr_enable_flag = 3;
    ASSERT_TRUE(device.writeBlock27(setup));
    bench.pumpFor(300); // live samples in gas mode
    bench.sim->clearRequests();
    page.OnClickedBtnObdMapStart();
    ASSERT_TRUE(page.isMapping());
    COBDAdvSetup now;
    ASSERT_TRUE(device.readBlock27(now));
    EXPECT_EQ(0, now.obd_corr_enable_flag);

    page.obdMapping().addSample(device.m_settings.m_corrMap, 3200, 7.5, 9, 0, 0, 0);
    page.OnClickedBtnObdMapCalculate();
    EXPECT_FALSE(page.isMapping());
    ASSERT_TRUE(device.readBlock27(now));
    EXPECT_EQ(3, now.obd_corr_enable_flag);
    expectSameMap(bench, page);
    EXPECT_EQ(1, device.m_settings.m_corrMap.m_injMapTable[6][6]);
    EXPECT_EQ(1, device.m_settings.m_corrMap.m_injMapTable[5][7]);
    EXPECT_EQ(0, device.m_settings.m_corrMap.m_injMapTable[4][6]);
}
