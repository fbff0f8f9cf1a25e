// The credit and inspection (lock) page against the simulated controller.

#include "CLockDlgMPD.h"
#include "LockPageIds.h"
#include "PageBench.h"
#include "PagesUiIds.h"
#include "ShellIds.h"

#include <gtest/gtest.h>

using namespace pagetest;

namespace {

const int kOn = 0;
const int kOff = 1;
const int k200 = 6;

struct LockBench : PageBench
{
    explicit LockBench(const kwsim::SimConfig& config = kwsim::SimConfig()) : PageBench(config)
    {
        connect();
        page = makePage<CLockDlgMPD>(IDD_LOCK);
    }

    // The lock button with `password` typed into the password dialog.
    void press(const std::wstring& password)
    {
        uitest::ModalHook hook([password](CDialog& dialog) {
            dialog.SetDlgItemText(IDC_PASSWD_EDIT, password.c_str());
            uitest::sendClick(dialog, IDOK);
        });
        click(*page, IDC_LOCK_BUTTON);
    }

    std::unique_ptr<CLockDlgMPD> page;
};

std::vector<uint8_t> lockImage(const std::string& password)
{
    std::vector<uint8_t> image(60, 0);
    std::copy(password.begin(), password.end(), image.begin() + 36);
    return image;
}

} // namespace

TEST(LockPage, LocksWithAPasswordAndUnlocksOnlyWithTheWholeOfIt)
{
    LockBench bench;
    EXPECT_EQ(L"Set Password (Lock)", text(*bench.page, IDC_LOCK_BUTTON));
    bench.press(L"ABC123");
    EXPECT_EQ(std::vector<int>{3}, bench.writes());
    EXPECT_EQ(lockImage("ABC123"), bench.sim.block(3));
    EXPECT_TRUE(bench.device().isLocked());
    EXPECT_EQ(L"Unlock", text(*bench.page, IDC_LOCK_BUTTON));
    for (int id :
         {IDC_LOCK_CMB_CREDIT, IDC_LOCK_CMB_INSPECTION, IDC_LOCK_CHK_CREDIT, IDC_LOCK_CHK_INSPECTION})
        EXPECT_FALSE(enabled(*bench.page, id)) << id;

    // Refused before anything is sent: wrong, a prefix, empty, too long,
    // characters other than letters and digits.
    bench.sim.clearRequests();
    const wchar_t* const refused[] = {L"ABD123", L"ABC", L"", L"ABC123456", L"ABC 123", L"ABC-12"};
    for (const wchar_t* password : refused)
        bench.press(password);
    EXPECT_TRUE(bench.traffic().empty());
    const std::vector<std::wstring> expected = {L"Invalid password",
                                                L"Invalid password",
                                                L"Enter password for blocking\n",
                                                L"Enter password for blocking\n",
                                                L"Enter data for blocking:\n",
                                                L"Enter data for blocking:\n"};
    EXPECT_EQ(expected, bench.messages());
    EXPECT_TRUE(bench.device().isLocked());

    // The page shown again takes the locked state from the record.
    bench.page->v_activate();
    EXPECT_EQ(L"Unlock", text(*bench.page, IDC_LOCK_BUTTON));
    EXPECT_FALSE(enabled(*bench.page, IDC_LOCK_CHK_CREDIT));

    bench.press(L"ABC123");
    EXPECT_EQ(std::vector<int>{3}, bench.writes());
    EXPECT_EQ(std::vector<uint8_t>(60, 0), bench.sim.block(3));
    EXPECT_FALSE(bench.device().isLocked());
    EXPECT_EQ(L"Set Password (Lock)", text(*bench.page, IDC_LOCK_BUTTON));
    EXPECT_TRUE(enabled(*bench.page, IDC_LOCK_CHK_CREDIT));
    EXPECT_TRUE(enabled(*bench.page, IDC_LOCK_CMB_CREDIT));
}

TEST(LockPage, PasswordsThatCannotLockAndARefusedWriteLeaveTheControllerUnlocked)
{
    LockBench bench;
    for (const wchar_t* password : {L"", L"ABCDEFGHI", L"AB CD", L"-"})
        bench.press(password);
    EXPECT_TRUE(bench.traffic().empty());
    EXPECT_EQ(std::vector<std::wstring>(4, L"Enter data for blocking:\n"), bench.messages());

    // A write the controller refuses: the record keeps its old image.
    bench.sim.with([](kwsim::SimState& s) { s.refusedBlocks.insert(3); });
    bench.sim.messages.clear();
    bench.press(L"KEY8");
    EXPECT_FALSE(bench.device().isLocked());
    EXPECT_EQ(std::vector<std::wstring>{L"Can't write settings to device!"}, bench.messages());
    EXPECT_EQ(L"Set Password (Lock)", text(*bench.page, IDC_LOCK_BUTTON));
    bench.page->v_activate();
    EXPECT_EQ(L"Set Password (Lock)", text(*bench.page, IDC_LOCK_BUTTON));
    EXPECT_TRUE(enabled(*bench.page, IDC_LOCK_CMB_CREDIT));
}

TEST(LockPage, CreditEndIsWrittenBeforeItsBitAndClearedBitBeforeTheEnd)
{
    LockBench bench; // gas running time 36000 half-seconds: 5 h

    choose(*bench.page, IDC_LOCK_CMB_CREDIT, k200);
    EXPECT_EQ((std::vector<int>{19, 26}), bench.writes());
    const std::vector<uint8_t> log = bench.sim.block(19);
    EXPECT_EQ((std::vector<uint8_t>{0xA0, 0x85, 0x16, 0x00}),
              std::vector<uint8_t>(log.begin(), log.begin() + 4));
    EXPECT_EQ(0x02, bench.sim.block(26)[13] & 0x02);
    bench.page->v_activate();
    EXPECT_EQ(kOn, SendDlgItemMessageW(bench.page->GetSafeHwnd(), IDC_LOCK_CMB_CREDIT, CB_GETCURSEL, 0, 0));
    EXPECT_EQ(BST_CHECKED, bench.page->IsDlgButtonChecked(IDC_LOCK_CHK_CREDIT));

    // "Off": the bit goes first, then the end of the whole hours so far.
    bench.sim.clearRequests();
    choose(*bench.page, IDC_LOCK_CMB_CREDIT, kOff);
    EXPECT_EQ((std::vector<int>{26, 19}), bench.writes());
    EXPECT_EQ(0, bench.sim.block(26)[13] & 0x02);
    EXPECT_EQ(36000u, kwsim::getU32(bench.sim.block(19), 0));
    EXPECT_TRUE(bench.messages().empty());

    // A refused log leaves the credit off in the record and the controller.
    bench.sim.with([](kwsim::SimState& s) { s.refusedBlocks.insert(19); });
    bench.sim.clearRequests();
    choose(*bench.page, IDC_LOCK_CMB_CREDIT, k200);
    EXPECT_EQ(std::vector<int>(15, 19), bench.writes()); // tried 15 times, block 26 never
    EXPECT_EQ(0, bench.record().m_advancedSetup.m_advancedFlags2 & 0x02);
    EXPECT_EQ(BST_UNCHECKED, bench.page->IsDlgButtonChecked(IDC_LOCK_CHK_CREDIT));
    EXPECT_EQ(std::vector<std::wstring>{L"Can't write settings to device!"}, bench.messages());
}

TEST(LockPage, InspectionHasItsOwnBitAndEnd)
{
    LockBench bench;
    choose(*bench.page, IDC_LOCK_CMB_INSPECTION, kOn); // "On" counts as 300 hours
    EXPECT_EQ(std::vector<int>{26}, bench.writes());
    const std::vector<uint8_t> block26 = bench.sim.block(26);
    EXPECT_EQ((5u + 300u) * 7200u, kwsim::getU32(block26, 0));
    EXPECT_EQ(0x01, block26[12] & 0x01);
    EXPECT_EQ(0, block26[13] & 0x02);

    // Its check box changes its own bit, not the credit's.
    bench.sim.clearRequests();
    bench.page->CheckDlgButton(IDC_LOCK_CHK_INSPECTION, BST_UNCHECKED);
    click(*bench.page, IDC_LOCK_CHK_INSPECTION);
    EXPECT_EQ(std::vector<int>{26}, bench.writes());
    EXPECT_EQ(0, bench.sim.block(26)[12] & 0x01);
    EXPECT_EQ(0, bench.sim.block(26)[13] & 0x02);
    bench.page->CheckDlgButton(IDC_LOCK_CHK_CREDIT, BST_CHECKED);
    click(*bench.page, IDC_LOCK_CHK_CREDIT);
    EXPECT_EQ(0x02, bench.sim.block(26)[13] & 0x02);
    EXPECT_EQ(0, bench.sim.block(26)[12] & 0x01);
}

// The ends count from the gas hours of the controller connected now, read
// when the hours are chosen: straight after connecting, and after a
// reconnection to another controller.
TEST(LockPage, EndsCountFromTheGasHoursOfTheControllerConnectedNow)
{
    const int k10 = 2, k100 = 5;
    struct Controller
    {
        uint32_t gasCounter; // half-seconds
        uint32_t wholeHours;
    } controllers[] = {{90 * 7200 + 3600, 90}, {12 * 7200 + 7199, 12}, {0, 0}};
    LockBench bench;
    for (const Controller& c : controllers) {
        bench.sim.with([&](kwsim::SimState& s) {
            std::vector<uint8_t> block12 = s.blocks.get(12);
            kwsim::putU32(block12, 4, c.gasCounter);
            s.blocks.set(12, block12);
        });
        ASSERT_TRUE(bench.device().readAllSettings());
        bench.page->v_activate();
        bench.sim.clearRequests();
        choose(*bench.page, IDC_LOCK_CMB_INSPECTION, k100);
        EXPECT_EQ((c.wholeHours + 100) * 7200, kwsim::getU32(bench.sim.block(26), 0)) << c.gasCounter;
        choose(*bench.page, IDC_LOCK_CMB_CREDIT, k10);
        EXPECT_EQ((c.wholeHours + 10) * 7200, kwsim::getU32(bench.sim.block(19), 0)) << c.gasCounter;
        EXPECT_EQ((std::vector<int>{26, 19, 26}), bench.writes());
    }

    // Hours that cannot be read: said, and nothing changes.
    bench.sim.with([](kwsim::SimState& s) { s.refusedBlocks.insert(12); });
    const CSettingsRecord before = bench.record();
    bench.sim.clearRequests();
    bench.sim.messages.clear();
    choose(*bench.page, IDC_LOCK_CMB_INSPECTION, kOff);
    choose(*bench.page, IDC_LOCK_CMB_CREDIT, kOff);
    EXPECT_TRUE(bench.writes().empty());
    EXPECT_EQ(std::vector<std::wstring>(2, L"Can't read settings from device!"), bench.messages());
    EXPECT_EQ(before.m_advancedSetup.m_inspectionEnd, bench.record().m_advancedSetup.m_inspectionEnd);
    EXPECT_EQ(before.m_devInfo.m_pcConnections, bench.record().m_devInfo.m_pcConnections);
    EXPECT_EQ(kOn, SendDlgItemMessageW(bench.page->GetSafeHwnd(), IDC_LOCK_CMB_CREDIT, CB_GETCURSEL, 0, 0));
}

// A controller without a lock block, or whose lock could not be read, is
// neither locked nor unlocked from the page.
TEST(LockPage, ControllerWithoutAReadableLockBlockGetsNone)
{
    LockBench bench;
    for (int version : {777, 805}) {
        bench.sim.with([&](kwsim::SimState& s) {
            s.blocks.setVersion(version);
            s.refusedBlocks.clear();
            if (version >= 778)
                s.refusedBlocks.insert(3);
        });
        ASSERT_TRUE(bench.device().readAllSettings());
        bench.page->v_activate();
        EXPECT_FALSE(enabled(*bench.page, IDC_LOCK_BUTTON)) << version;
        bench.sim.clearRequests();
        bool asked = false;
        {
            uitest::ModalHook hook([&](CDialog& dialog) {
                asked = true;
                dialog.SetDlgItemText(IDC_PASSWD_EDIT, L"KEY8");
                uitest::sendClick(dialog, IDOK);
            });
            click(*bench.page, IDC_LOCK_BUTTON);
        }
        EXPECT_FALSE(asked) << version;
        EXPECT_TRUE(bench.writes().empty()) << version;
    }
    EXPECT_TRUE(bench.device().isLocked());
    EXPECT_EQ(L"Unlock", text(*bench.page, IDC_LOCK_BUTTON));
}

TEST(LockPage, WithoutTheConnectionLogOrAControllerNothingIsWritten)
{
    kwsim::SimConfig old;
    old.firmwareVersion = 777; // no lock block and no connection log
    LockBench bench(old);
    choose(*bench.page, IDC_LOCK_CMB_CREDIT, k200);
    EXPECT_TRUE(bench.traffic().empty());
    EXPECT_EQ(std::vector<std::wstring>{L"Can't write settings to device!"}, bench.messages());
    EXPECT_EQ(0, bench.record().m_advancedSetup.m_advancedFlags2 & 0x02);

    bench.device().m_connected = false;
    bench.sim.messages.clear();
    choose(*bench.page, IDC_LOCK_CMB_INSPECTION, kOn);
    click(*bench.page, IDC_LOCK_CHK_CREDIT);
    bool asked = false;
    {
        uitest::ModalHook hook([&](CDialog& dialog) {
            asked = true;
            dialog.EndDialog(IDCANCEL);
        });
        click(*bench.page, IDC_LOCK_BUTTON);
    }
    EXPECT_FALSE(asked);
    EXPECT_TRUE(bench.traffic().empty());
    EXPECT_TRUE(bench.messages().empty());
}
