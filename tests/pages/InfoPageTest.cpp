// The information page and the circuit diagnostics dialog against the
// simulated controller.

#include "CInfoMPDlg.h"
#include "COnBoardDiagDialog.h"
#include "InfoPageIds.h"
#include "OnBoardDiagIds.h"
#include "PageBench.h"
#include "RecordImage.h"
#include "ShellIds.h"

#include <gtest/gtest.h>

#include <commctrl.h>

#include <set>

using namespace pagetest;

namespace {

kwsim::SimConfig controller(int version, uint8_t hardware)
{
    kwsim::SimConfig config;
    config.firmwareVersion = version;
    config.hardware = hardware;
    return config;
}

struct InfoBench : PageBench
{
    explicit InfoBench(const kwsim::SimConfig& config = controller(805, '0')) : PageBench(config)
    {
        connect();
        page = makePage<CInfoMPDlg>(IDD_INFO);
    }

    std::vector<std::wstring> rowTexts(CGDIpListCtrl& list, size_t column)
    {
        std::vector<std::wstring> texts;
        for (CGDIpListCtrlRow* row : list.getRows())
            texts.push_back(row->m_items.at(column)->m_text);
        return texts;
    }
    size_t reads(int selector)
    {
        size_t count = 0;
        for (const kwsim::SimRequest& r : sim.requests())
            count += r.cmd == 2 && r.selector == selector;
        return count;
    }
    // The click of the list on this row, as the list tells its page.
    void clickRow(CGDIpListCtrlRow* row)
    {
        NMHDR hdr{page->errorList().GetSafeHwnd(), reinterpret_cast<UINT_PTR>(row), UINT(NM_CLICK)};
        page->SendMessage(WM_NOTIFY, IDC_INFO_ERROR_LIST, LPARAM(&hdr));
    }

    std::unique_ptr<CInfoMPDlg> page;
};

// A freeze-frame record of 24 bytes for the error of `module` and `mask`.
std::vector<uint8_t> freezeRecord(uint8_t mode, uint8_t module, uint8_t mask)
{
    std::vector<uint8_t> r(24, 0);
    kwsim::putU16(r, 0, 2400); // 2000 RPM
    kwsim::putU16(r, 2, 200);  // 5.00 ms
    kwsim::putU16(r, 4, 40);   // +1.00 ms
    r[6] = mode;
    r[13] = 100;
    r[20] = 1;
    r[21] = module;
    r[22] = mask;
    return r;
}

} // namespace

TEST(InfoPage, ShowsIdentityAndDrivingTimesReadEveryFortyTicks)
{
    kwsim::SimConfig config = controller(805, '0');
    config.blocks[12] = {0x21, 0x1C, 0, 0, 0x98, 0x1C, 0, 0, 3, 0, 0, 0}; // 7201 and 7320 half-seconds
    InfoBench bench(config);
    EXPECT_EQ(L"  v 3.37", text(*bench.page, IDC_INFO_VERSION));
    EXPECT_EQ(bench.record().m_devInfo.m_serial, text(*bench.page, IDC_INFO_SERIAL));
    EXPECT_EQ(bench.record().m_devInfo.m_prodDate, text(*bench.page, IDC_INFO_PROD_DATE));
    EXPECT_FALSE(bench.record().m_devInfo.m_prodDate.empty());
    EXPECT_EQ(L"   1 h: 00 min", text(*bench.page, IDC_INFO_PETROL_TIME));
    EXPECT_EQ(L"   1 h: 01 min", text(*bench.page, IDC_INFO_GAS_TIME));

    bench.sim.clearRequests();
    for (int tick = 0; tick < 80; ++tick)
        bench.page->v_onTimer();
    EXPECT_EQ(2u, bench.reads(17));
    EXPECT_EQ(bench.traffic().size(), 2u);

    // Offline the times keep their text.
    bench.device().m_connected = false;
    bench.sim.clearRequests();
    bench.page->v_activate();
    EXPECT_TRUE(bench.traffic().empty());
    EXPECT_EQ(L"   1 h: 01 min", text(*bench.page, IDC_INFO_GAS_TIME));
}

TEST(InfoPage, OnBoardDiagnosticButtonOnlyForItsControllers)
{
    EXPECT_TRUE(visible(*InfoBench(controller(805, '0')).page, IDC_INFO_ONBOARD_DIAG));
    EXPECT_FALSE(visible(*InfoBench(controller(804, '0')).page, IDC_INFO_ONBOARD_DIAG));
    EXPECT_FALSE(visible(*InfoBench(controller(805, '/')).page, IDC_INFO_ONBOARD_DIAG));
}

TEST(InfoPage, ReadsErrorsAndShowsTheFreezeFrameOfTheChosenOne)
{
    kwsim::SimConfig config = controller(805, '0');
    config.blocks[6] = {0, 0x04, 0, 0};
    // The first record belongs to another error, the second to this one,
    // taken in gas mode 4.
    std::vector<uint8_t> frames = freezeRecord(3, 2, 1);
    const std::vector<uint8_t> second = freezeRecord(4, 1, 4);
    frames.insert(frames.end(), second.begin(), second.end());
    frames.resize(50, 0);
    config.blocks[36] = frames;
    InfoBench bench(config);

    click(*bench.page, IDC_INFO_READ_ERRORS);
    const std::vector<std::wstring> message = bench.device().decodeModule(1, 0x04);
    ASSERT_EQ(1u, message.size());
    EXPECT_EQ(std::vector<std::wstring>{L"P1014"}, bench.rowTexts(bench.page->errorList(), 0));
    EXPECT_EQ(message, bench.rowTexts(bench.page->errorList(), 1));

    bench.clickRow(bench.page->errorList().getRows().front());
    CGDIpListCtrl& frame = bench.page->freezeFrameList();
    const std::vector<std::wstring> labels = bench.rowTexts(frame, 0);
    const std::vector<std::wstring> values = bench.rowTexts(frame, 1);
    ASSERT_EQ(18u, labels.size());
    EXPECT_EQ(L"ECU state", labels[0]);
    EXPECT_EQ(L"GAS", values[0]);
    EXPECT_EQ(L"ON", values[1]);
    EXPECT_EQ(L"2000", values[2]);
    EXPECT_EQ(L"Petrol injection time (1)", labels[3]);
    EXPECT_EQ(L"5.00 ms", values[3]);
    EXPECT_EQ(L"Gas injection time (4)", labels[10]);
    EXPECT_EQ(L"6.00 ms", values[10]);
    EXPECT_EQ(L"Gas presure", labels[11]);
    EXPECT_EQ(L"OBD connection status", labels[17]);
    EXPECT_EQ(L"ON", values[17]);

    // No row chosen: the frame list is emptied and nothing is read.
    bench.sim.clearRequests();
    bench.clickRow(nullptr);
    EXPECT_TRUE(frame.getRows().empty());
    EXPECT_TRUE(bench.traffic().empty());

    // A report without errors empties the list.
    bench.sim.with([](kwsim::SimState& s) { s.blocks.set(6, {0, 0, 0, 0}); });
    click(*bench.page, IDC_INFO_READ_ERRORS);
    EXPECT_TRUE(bench.page->errorList().getRows().empty());
    EXPECT_TRUE(bench.messages().empty());

    bench.sim.with([](kwsim::SimState& s) { s.refusedBlocks.insert(6); });
    click(*bench.page, IDC_INFO_READ_ERRORS);
    EXPECT_EQ(std::vector<std::wstring>{L"Can't read error codes from device"}, bench.messages());
}

TEST(InfoPage, ClearErrorsResetsThenReturnsToGas)
{
    kwsim::SimConfig config = controller(805, '0');
    config.blocks[6] = {0, 0x04, 0, 0};
    InfoBench bench(config);
    click(*bench.page, IDC_INFO_READ_ERRORS);
    ASSERT_EQ(1u, bench.page->errorList().getRows().size());
    bench.sim.clearRequests();
    click(*bench.page, IDC_INFO_CLEAR_ERRORS);
    const std::vector<std::string> traffic = bench.traffic();
    ASSERT_FALSE(traffic.empty());
    EXPECT_EQ("2/10", traffic[traffic.size() - 2]);
    EXPECT_EQ("2/3", traffic.back());
    EXPECT_EQ(1u, bench.sim.with([](kwsim::SimState& s) { return s.resets; }));
    EXPECT_TRUE(bench.page->errorList().getRows().empty());
    EXPECT_TRUE(bench.messages().empty());
}

namespace {

struct DiagDialogRun
{
    // The dialog opened over the bench's host; `steps` run inside it.
    DiagDialogRun(PageBench& bench, const std::function<void(CDialog&)>& steps)
    {
        uitest::ModalHook hook([&](CDialog& dialog) {
            steps(dialog);
            dialog.EndDialog(IDOK);
        });
        COnBoardDiagDialog dialog(&bench.host);
        dialog.DoModal();
    }
};

void spin(CDialog& dialog, int id, int delta)
{
    NMUPDOWN change{};
    change.hdr = {::GetDlgItem(dialog.m_hWnd, id), UINT_PTR(id), UINT(UDN_DELTAPOS)};
    change.iDelta = delta;
    ::SendMessageW(dialog.m_hWnd, WM_NOTIFY, id, LPARAM(&change));
}

std::wstring item(CDialog& dialog, int id)
{
    return uitest::itemText(dialog, id);
}

} // namespace

TEST(OnBoardDiagDialog, ShowsLimitsWritesEachStepAndReadsEverySecond)
{
    InfoBench bench;
    const CAdvancedSetup& setup = bench.record().m_advancedSetup;
    DiagDialogRun run(bench, [&](CDialog& dialog) {
        EXPECT_EQ(L"6.5", item(dialog, IDC_OBDG_MAX_INJ_CURRENT));
        EXPECT_EQ(L"0.5", item(dialog, IDC_OBDG_MIN_VALVE_CURRENT));
        EXPECT_EQ(L"3.0", item(dialog, IDC_OBDG_MAX_VALVE_CURRENT));
        EXPECT_EQ(L"4.5", item(dialog, IDC_OBDG_MIN_VCC5));
        EXPECT_EQ(BST_CHECKED, dialog.IsDlgButtonChecked(IDC_OBDG_CHK_INJ_CURRENT));
        EXPECT_EQ(BST_UNCHECKED, dialog.IsDlgButtonChecked(IDC_OBDG_CHK_SWITCH));

        // Up from the top stays there; each step down lands on a tenth.
        spin(dialog, IDC_OBDG_SPIN_MAX_INJ_CURRENT, -1);
        EXPECT_EQ(6.5, setup.m_circuitLimits[0]);
        // Every step reaches the controller as a value of its own.
        std::set<unsigned> raws;
        for (int i = 0; i < 3; ++i) {
            spin(dialog, IDC_OBDG_SPIN_MAX_INJ_CURRENT, 1);
            raws.insert(kwsim::getU16(bench.sim.block(35), 14));
        }
        EXPECT_EQ(3u, raws.size());
        EXPECT_EQ(6.2, setup.m_circuitLimits[0]);
        EXPECT_EQ(L"6.2", item(dialog, IDC_OBDG_MAX_INJ_CURRENT));
        for (int i = 0; i < 6; ++i)
            spin(dialog, IDC_OBDG_SPIN_MIN_VALVE_CURRENT, 1);
        EXPECT_EQ(0.0, setup.m_circuitLimits[1]);
        EXPECT_EQ(L"0.0", item(dialog, IDC_OBDG_MIN_VALVE_CURRENT));
        EXPECT_EQ(std::vector<int>(10, 35), bench.writes());

        bench.sim.clearRequests();
        dialog.CheckDlgButton(IDC_OBDG_CHK_SWITCH, BST_CHECKED);
        ::SendMessageW(dialog.m_hWnd, WM_COMMAND, MAKEWPARAM(IDC_OBDG_CHK_SWITCH, BN_CLICKED),
                       LPARAM(::GetDlgItem(dialog.m_hWnd, IDC_OBDG_CHK_SWITCH)));
        EXPECT_EQ(std::vector<int>{35}, bench.writes());
        EXPECT_EQ(0x1F, bench.sim.block(35)[22]);

        bench.sim.clearRequests();
        ::SendMessageW(dialog.m_hWnd, WM_TIMER, IDT_ONBOARD_DIAG, 0);
        EXPECT_EQ(std::vector<std::string>{"2/50"}, bench.traffic());
        EXPECT_NE(L"", item(dialog, IDC_OBDG_INJ_ACTUAL));
        EXPECT_NE(L"", item(dialog, IDC_OBDG_VCC5_ACTUAL));
    });
    EXPECT_TRUE(bench.messages().empty());
}

TEST(OnBoardDiagDialog, OfflineSpinsStoreTheLimitAndNothingIsSent)
{
    InfoBench bench(controller(804, '0'));
    DiagDialogRun run(bench, [&](CDialog& dialog) {
        bench.sim.clearRequests();
        ::SendMessageW(dialog.m_hWnd, WM_TIMER, IDT_ONBOARD_DIAG, 0);
        EXPECT_TRUE(bench.traffic().empty()); // 804 has no readings
        EXPECT_EQ(L"", item(dialog, IDC_OBDG_INJ_ACTUAL));

        bench.device().m_connected = false;
        spin(dialog, IDC_OBDG_SPIN_MIN_VCC5, -1);
        EXPECT_EQ(4.6, bench.record().m_advancedSetup.m_circuitLimits[3]);
        const uint8_t flags = bench.record().m_advancedSetup.m_circuitFlags;
        dialog.CheckDlgButton(IDC_OBDG_CHK_SWITCH, BST_CHECKED);
        ::SendMessageW(dialog.m_hWnd, WM_COMMAND, MAKEWPARAM(IDC_OBDG_CHK_SWITCH, BN_CLICKED),
                       LPARAM(::GetDlgItem(dialog.m_hWnd, IDC_OBDG_CHK_SWITCH)));
        EXPECT_EQ(flags, bench.record().m_advancedSetup.m_circuitFlags);
        EXPECT_EQ(BST_UNCHECKED, dialog.IsDlgButtonChecked(IDC_OBDG_CHK_SWITCH));
        ::SendMessageW(dialog.m_hWnd, WM_TIMER, IDT_ONBOARD_DIAG, 0);
        EXPECT_TRUE(bench.traffic().empty());
    });
}

// Locked: the information page still reads, clears the errors and shows
// the live readings; the circuit checks and limits only show.
TEST(OnBoardDiagDialog, LockedControllerIsOnlyAskedForReadings)
{
    InfoBench bench;
    bench.record().m_devInfo.m_lockData[36] = 'K';
    bench.sim.clearRequests();
    click(*bench.page, IDC_INFO_READ_ERRORS);
    EXPECT_EQ(std::vector<std::string>{"2/5"}, bench.traffic());
    const std::vector<uint8_t> before = recordImage(bench.record());
    DiagDialogRun run(bench, [&](CDialog& dialog) {
        EXPECT_TRUE(driveEveryControl(dialog).empty());
        bench.sim.clearRequests();
        ::SendMessageW(dialog.m_hWnd, WM_TIMER, IDT_ONBOARD_DIAG, 0);
        EXPECT_EQ(std::vector<std::string>{"2/50"}, bench.traffic());
    });
    EXPECT_TRUE(bench.writes().empty());
    EXPECT_EQ(before, recordImage(bench.record()));
    EXPECT_TRUE(bench.messages().empty());
}
