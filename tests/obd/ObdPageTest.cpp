// The petrol OBD page against the simulated controller and its car.

#include "COBDMPDlg.h"
#include "ObdPageIds.h"
#include "PageBench.h"
#include "ProgramBusy.h"
#include "ShellIds.h"

#include <CDiag.h>
#include <UserInterface.h>
#include <commctrl.h>

#include <gtest/gtest.h>

using namespace pagetest;
using kwsim::SimEcu;

namespace {

const std::vector<uint8_t> kCanOn{0xDF, 0x07, 0, 0, 0xE8, 0x07, 0, 0, 1, 2, 8, 3};
const std::vector<uint8_t> kKLineOn{0x6F, 0x6A, 0x68, 0, 0, 0, 0, 0, 1, 3, 8, 1};
const std::vector<uint8_t> kLinkOff{0xDF, 0x07, 0, 0, 0xE8, 0x07, 0, 0, 0, 2, 8, 3};

kwsim::SimConfig car(std::vector<SimEcu> ecus, const std::vector<uint8_t>& block18 = kCanOn,
                     int cylinders = 4)
{
    kwsim::SimConfig c;
    c.obdModule = true;
    c.cylinders = cylinders;
    c.ecus = std::move(ecus);
    c.blocks[18] = block18;
    return c;
}

struct ObdBench : PageBench
{
    explicit ObdBench(const kwsim::SimConfig& config) : PageBench(config)
    {
        connect();
        device().detect(); // as the program does after connecting
        sim.clearRequests();
        page = makePage<COBDMPDlg>(IDD_OBD_PAGE);
        startup = sim.requests();
        sim.clearRequests();
        sim.messages.clear();
    }

    // The data bytes (8) of each relayed request.
    std::vector<std::vector<uint8_t>> relayed()
    {
        std::vector<std::vector<uint8_t>> out;
        for (const kwsim::SimRequest& r : sim.requests())
            if (r.cmd == 25 && r.payload.size() == 20)
                out.emplace_back(r.payload.begin() + 12, r.payload.end());
        return out;
    }
    std::vector<std::wstring> rows()
    {
        std::vector<std::wstring> out;
        for (const CString& row : page->errorRows())
            out.emplace_back(static_cast<const wchar_t*>(row));
        return out;
    }
    int count(int cmd, int selector = -1)
    {
        int n = 0;
        for (const kwsim::SimRequest& r : sim.requests())
            n += r.cmd == cmd && r.selector == selector;
        return n;
    }
    // The value shown by the trim display `id`.
    std::wstring trim(int id)
    {
        HWND display = ::GetDlgItem(page->GetSafeHwnd(), id);
        std::wstring value;
        for (HWND child = ::GetWindow(display, GW_CHILD); child; child = ::GetWindow(child, GW_HWNDNEXT)) {
            wchar_t buffer[64] = {};
            ::GetWindowTextW(child, buffer, 64);
            if (std::wstring(buffer).rfind(L"Bank", 0) != 0)
                value = buffer;
        }
        return value;
    }
    void ticks(int n)
    {
        for (int i = 0; i < n; ++i)
            page->v_onTimer();
    }
    void spin(int id, int delta)
    {
        NMUPDOWN n{};
        n.hdr.hwndFrom = ::GetDlgItem(page->GetSafeHwnd(), id);
        n.hdr.idFrom = id;
        n.hdr.code = UDN_DELTAPOS;
        n.iDelta = delta;
        ::SendMessageW(page->GetSafeHwnd(), WM_NOTIFY, id, LPARAM(&n));
    }
    // Message boxes answered with `answer` from now on, still recorded.
    void answer(int button)
    {
        setMessageBoxHook([this, button](const MessageBoxRequest& r) {
            sim.messages.push_back(r);
            return button;
        });
    }

    std::unique_ptr<COBDMPDlg> page;
    std::vector<kwsim::SimRequest> startup; // what the page's start-up sent
};

std::vector<uint8_t> data(std::initializer_list<uint8_t> service)
{
    std::vector<uint8_t> d(8, 0);
    d[0] = static_cast<uint8_t>(service.size());
    std::copy(service.begin(), service.end(), d.begin() + 1);
    return d;
}

} // namespace

TEST(ObdPage, CodesOfOneAndOfTwoCanEcusComeInOrderWithTheirTexts)
{
    ObdBench one{car({SimEcu::can11()})};
    EXPECT_FALSE(visible(*one.page, IDC_OBD_LONG_BANK2)); // four cylinders: one bank
    EXPECT_FALSE(visible(*one.page, IDC_OBD_BANK_BOX_FIRST + 1));
    click(*one.page, IDC_OBD_READ);
    EXPECT_EQ((std::vector<std::vector<uint8_t>>{data({1, 1}), data({3}), data({7})}), one.relayed());
    const std::vector<kwsim::SimRequest> requests = one.sim.requests();
    ASSERT_FALSE(requests.empty());
    // To 0x7DF, the answer from the responder found, through its mask.
    EXPECT_EQ((std::vector<uint8_t>{0xDF, 0x07, 0, 0, 0xE8, 0x07, 0, 0, 0xEF, 0x07, 0, 0}),
              std::vector<uint8_t>(requests.back().payload.begin(), requests.back().payload.begin() + 12));
    const std::vector<std::wstring> rows = one.rows();
    ASSERT_EQ(3u, rows.size());
    EXPECT_EQ(L"P0301 ", rows[0].substr(0, 6));
    EXPECT_EQ(L"P0420 Catalyst System Efficiency Below Threshold (Bank 1) ", rows[1]);
    EXPECT_EQ(L"P0171 System too Lean (Bank 1)", rows[2]); // pending after stored

    SimEcu second = SimEcu::can11();
    second.responseId = 0x7F8; // what the 0x7EF acceptance mask lets through
    second.storedCodes = {0x0110, 0x0300, 0x0606, 0x2101, 0x0130, 0x2000, 0x2335};
    second.pendingCodes = {};
    ObdBench two{car({SimEcu::can11(), second})};
    click(*two.page, IDC_OBD_READ);
    EXPECT_EQ((std::vector<std::vector<uint8_t>>{data({1, 1}), data({3}), data({3}), data({7})}),
              two.relayed());
    const std::vector<std::wstring> all = two.rows();
    ASSERT_EQ(10u, all.size()); // 2 + 7 stored, 1 pending: none twice, none from padding
    EXPECT_EQ(L"P0110 Intake Air Temperature Circuit Malfunction", all[2]);
    EXPECT_EQ(L"P2335 Ignition Coil L Sec Circ", all[8]);
    EXPECT_EQ(L"P0171 System too Lean (Bank 1)", all[9]);
    EXPECT_TRUE(two.messages().empty());
}

TEST(ObdPage, KLineMessagesAreReadWholeAndNoCountMeansNoStoredRequest)
{
    SimEcu kline = SimEcu::kline(1);
    kline.storedCodes = {0x0301, 0x0420, 0x0171, 0x0300, 0x0110};
    kline.pendingCodes = {};
    ObdBench bench{car({kline}, kLinkOff)};
    bench.sim.with([](kwsim::SimState& s) { s.blocks.set(18, kKLineOn); });
    bench.record().m_obdSetup.proto = 1;
    bench.record().m_obdSetup.ecu_id_req = 0x686A6F;
    click(*bench.page, IDC_OBD_READ);
    const std::vector<std::wstring> rows = bench.rows();
    ASSERT_EQ(5u, rows.size());
    EXPECT_EQ(L"P0110 Intake Air Temperature Circuit Malfunction", rows[4]);

    bench.sim.with([](kwsim::SimState& s) { s.obd.ecus[0].storedCodes.clear(); });
    bench.sim.clearRequests();
    click(*bench.page, IDC_OBD_READ);
    EXPECT_EQ((std::vector<std::vector<uint8_t>>{data({1, 1}), data({7})}), bench.relayed());
    EXPECT_TRUE(bench.rows().empty());

    // A controller that stops answering: the installer is told.
    bench.sim.with([](kwsim::SimState& s) { s.faults.config.silent = true; });
    click(*bench.page, IDC_OBD_READ);
    EXPECT_EQ(std::vector<std::wstring>{L"Can't read OBD errors"}, bench.messages());
}

TEST(ObdPage, ClearingAsksFirstAndKeepsTheListWhenTheEcuRefuses)
{
    ObdBench bench{car({SimEcu::can11()})};
    click(*bench.page, IDC_OBD_READ);
    ASSERT_EQ(3u, bench.rows().size());
    bench.sim.clearRequests();

    bench.answer(IDNO);
    click(*bench.page, IDC_OBD_CLEAR);
    ASSERT_EQ(1u, bench.sim.messages.size());
    EXPECT_EQ(L"Do you want to clear all OBD errors?", bench.sim.messages[0].text);
    EXPECT_EQ(UINT(MB_YESNO), bench.sim.messages[0].flags & MB_TYPEMASK);
    EXPECT_TRUE(bench.relayed().empty());

    bench.answer(IDYES);
    bench.sim.with([](kwsim::SimState& s) { s.obd.ecus[0].refuseClear = true; });
    click(*bench.page, IDC_OBD_CLEAR);
    EXPECT_EQ(3u, bench.rows().size());
    EXPECT_EQ(L"Can't clear OBD errors", bench.sim.messages.back().text);

    bench.sim.with([](kwsim::SimState& s) { s.obd.ecus[0].refuseClear = false; });
    click(*bench.page, IDC_OBD_CLEAR);
    EXPECT_TRUE(bench.rows().empty());
    EXPECT_EQ(1u, bench.sim.with([](kwsim::SimState& s) { return s.obd.clears; }));
    EXPECT_EQ((std::vector<std::vector<uint8_t>>{data({4}), data({4})}), bench.relayed());
}

TEST(ObdPage, TrimsPollEverySecondTickAndTheActualCorrectionEverySixth)
{
    SimEcu ecu = SimEcu::can11();
    ecu.supportedPids = {0x06, 0x07, 0x08, 0x09};
    ecu.fixedValues = {{0x06, {0x80}}, {0x07, {0x90}}, {0x08, {0x70}}, {0x09, {0x80}}};
    ObdBench bench{car({ecu}, kCanOn, 6)};
    EXPECT_TRUE(visible(*bench.page, IDC_OBD_LONG_BANK2));
    EXPECT_TRUE(visible(*bench.page, IDC_OBD_BANK_BOX_FIRST + 11)); // "Bank 2" of injector 6
    EXPECT_FALSE(visible(*bench.page, IDC_OBD_BANK_BOX_FIRST + 12));
    // Without a trim of either bank seen, "Enable" would switch on nothing.
    choose(*bench.page, IDC_OBD_CMB_CORR_STATE, 2);
    EXPECT_EQ(1u, bench.messages().size());
    EXPECT_EQ(0, bench.count(27));
    EXPECT_EQ(L"Disable", text(*bench.page, IDC_OBD_CMB_CORR_STATE));

    bench.ticks(12);
    EXPECT_EQ(6, bench.count(25));    // one PID a poll
    EXPECT_EQ(0, bench.count(2, 39)); // correction off: not asked
    EXPECT_EQ(L"12.50 %", bench.trim(IDC_OBD_LONG_BANK1));
    EXPECT_EQ(L"-12.50 %", bench.trim(IDC_OBD_SHORT_BANK2));

    choose(*bench.page, IDC_OBD_CMB_CORR_STATE, 2); // separate for both banks, both seen
    EXPECT_EQ(0x07, bench.sim.block(27)[0]);
    bench.sim.with([](kwsim::SimState& s) {
        s.obdBank1 = 97;
        s.obdBank2 = 104;
    });
    bench.sim.clearRequests();
    bench.ticks(12);
    EXPECT_EQ(6, bench.count(25));
    EXPECT_EQ(2, bench.count(2, 39));
    EXPECT_EQ(L"-3", text(*bench.page, IDC_OBD_ACTUAL_BANK1));
    EXPECT_EQ(L"4", text(*bench.page, IDC_OBD_ACTUAL_BANK2));

    // Averaged over the banks, the controller's live sample tells it.
    choose(*bench.page, IDC_OBD_CMB_CORR_STATE, 1);
    CDiag sample;
    sample.data()[15] = 105;
    bench.device().m_diagData.push(sample);
    bench.sim.clearRequests();
    bench.ticks(12);
    EXPECT_EQ(0, bench.count(2, 39));
    EXPECT_EQ(L"5", text(*bench.page, IDC_OBD_ACTUAL_BANK1));
    EXPECT_EQ(L"5", text(*bench.page, IDC_OBD_ACTUAL_BANK2));
}

TEST(ObdPage, EverySpinStepWritesBlock27OnceWithinItsLimits)
{
    ObdBench bench{car({SimEcu::can11()})};
    bench.spin(IDC_OBD_SPIN_NEUTRAL1, -1);
    EXPECT_EQ(L"1", text(*bench.page, IDC_OBD_NEUTRAL_BANK1));
    EXPECT_EQ(101, bench.sim.block(27)[4]);
    bench.spin(IDC_OBD_SPIN_NEUTRAL1, 40);
    EXPECT_EQ(L"-15", text(*bench.page, IDC_OBD_NEUTRAL_BANK1));
    EXPECT_EQ(85, bench.sim.block(27)[4]);
    bench.spin(IDC_OBD_SPIN_NEUTRAL1, 1); // at the limit: nothing to write
    bench.spin(IDC_OBD_SPIN_CHANGE_TIME, -1);
    EXPECT_EQ(L"6", text(*bench.page, IDC_OBD_CHANGE_TIME));
    EXPECT_EQ(12, bench.sim.block(27)[1]);
    bench.spin(IDC_OBD_SPIN_CHANGE_TIME, 10);
    EXPECT_EQ(4, bench.sim.block(27)[1]); // 2 s at least
    bench.spin(IDC_OBD_SPIN_RANGE, -20);
    EXPECT_EQ(L"25", text(*bench.page, IDC_OBD_RANGE));
    EXPECT_EQ(25, bench.sim.block(27)[2]);
    EXPECT_EQ(5, bench.count(27));
    EXPECT_TRUE(bench.messages().empty());
}

// The K-line initialisation waits of the link test (5 s a try) keep the
// page answering while no car answers (time passing ten times faster here).
TEST(ObdPage, TheLinkTestKeepsTheWindowAnswering)
{
    ObdBench bench{car({}, {0xDF, 0x07, 0, 0, 0xE8, 0x07, 0, 0, 0, 2, 8, 3})}; // link off
    uitest::FastWaitClock clock(10);
    uitest::RoundTripWatch watch(bench.page->GetSafeHwnd());
    chooseText(*bench.page, IDC_OBD_CMB_LINK, L"ISO 9141-2 & ISO 14230-4 Slow Init");
    watch.stop();
    EXPECT_EQ(L"Off", text(*bench.page, IDC_OBD_CMB_LINK));
    EXPECT_GT(watch.roundTrips(), 20u);
    EXPECT_LT(watch.slowestMs(), 100u);
}

TEST(ObdPage, ALinkChosenThatNoEcuAnswersIsSwitchedOffWithTheDefaultsShown)
{
    ObdBench bench{car({SimEcu::can11()})};
    bench.spin(IDC_OBD_SPIN_RANGE, -5); // 20 %
    bench.sim.with([](kwsim::SimState& s) { s.obd.ecus.clear(); });
    bench.sim.clearRequests();
    choose(*bench.page, IDC_OBD_CMB_LINK, 2); // "OBD CAN Bus"
    // Defaults first, then rows 0 to 3 each asked for PID 0x06, then the
    // link written off.
    EXPECT_EQ((std::vector<int>{27, 18, 25, 18, 25, 18, 25, 18, 25, 18}), bench.writes());
    const std::vector<uint8_t> block18 = bench.sim.block(18);
    EXPECT_EQ(0, block18[8]);
    EXPECT_EQ(0, block18[11]);
    EXPECT_EQ(L"Off", text(*bench.page, IDC_OBD_CMB_LINK));
    EXPECT_EQ(L"15", text(*bench.page, IDC_OBD_RANGE));
    EXPECT_FALSE(bench.device().m_obdLinkActive);

    // Offline a choice is not taken: the list shows the record again.
    bench.device().m_connected = false;
    bench.sim.clearRequests();
    choose(*bench.page, IDC_OBD_CMB_LINK, 1);
    EXPECT_EQ(L"Off", text(*bench.page, IDC_OBD_CMB_LINK));
    EXPECT_TRUE(bench.sim.requests().empty());
}

TEST(ObdPage, AtStartUpALinkThatNoEcuAnswersIsPutBackAsFound)
{
    ObdBench bench{car({}, kCanOn)};
    int tries = 0;
    for (const kwsim::SimRequest& r : bench.startup)
        if (r.cmd == 18) {
            ++tries;
            EXPECT_EQ(1, r.payload.at(8)); // never written off
        }
    // The current values and the first row are what the controller holds:
    // the five other rows, then as found.
    EXPECT_EQ(6, tries);
    EXPECT_EQ(kCanOn, bench.sim.block(18));
    EXPECT_FALSE(bench.device().m_obdLinkActive);
    EXPECT_EQ(L"OBD CAN Bus", text(*bench.page, IDC_OBD_CMB_LINK));
    EXPECT_TRUE(bench.messages().empty());
}

// A link that answers as the controller holds it is proved without a write.
TEST(ObdPage, AtStartUpALinkThatAnswersAsFoundWritesNothing)
{
    ObdBench bench{car({SimEcu::can11()}, kCanOn)};
    for (const kwsim::SimRequest& r : bench.startup)
        EXPECT_TRUE(r.cmd == 2 || r.cmd == 25) << int(r.cmd);
    EXPECT_TRUE(bench.device().m_obdLinkActive);
    EXPECT_EQ(kCanOn, bench.sim.block(18));
}

TEST(ObdPage, BankBoxesShowTheRecordAfterARefusedOrFailedClick)
{
    ObdBench bench{car({SimEcu::can11()}, kCanOn, 6)};
    const int bank1 = IDC_OBD_BANK_BOX_FIRST + 2, bank2 = bank1 + 1; // injector 2
    toggle(*bench.page, bank2);
    EXPECT_EQ(0x02, bench.sim.block(27)[3]);
    EXPECT_FALSE(checked(*bench.page, bank1));

    auto expectBank2 = [&](const char* when) {
        EXPECT_FALSE(checked(*bench.page, bank1)) << when;
        EXPECT_TRUE(checked(*bench.page, bank2)) << when;
        EXPECT_EQ(0x02, bench.device().m_settings.m_obdAdvSetup.obd_corr_for_cyl) << when;
    };
    bench.sim.clearRequests();
    bench.device().m_connected = false;
    toggle(*bench.page, bank1);
    expectBank2("offline");
    toggle(*bench.page, bank2); // the clicked box itself goes back too
    expectBank2("offline, same box");
    bench.device().m_connected = true;
    {
        ProgramBusy busy;
        toggle(*bench.page, bank1);
        expectBank2("busy");
    }
    EXPECT_TRUE(bench.sim.requests().empty());
    EXPECT_TRUE(bench.messages().empty());

    // A write the controller refuses keeps the change in the record, as
    // every page does, and the boxes say what the record holds.
    bench.sim.with([](kwsim::SimState& s) { s.refusedBlocks.insert(27); });
    toggle(*bench.page, bank1);
    EXPECT_EQ(std::vector<std::wstring>{L"Can't write settings to device!"}, bench.messages());
    EXPECT_EQ(0, bench.device().m_settings.m_obdAdvSetup.obd_corr_for_cyl);
    EXPECT_TRUE(checked(*bench.page, bank1));
    EXPECT_FALSE(checked(*bench.page, bank2));
}
