// The injector bank detection through the program's window: the real timer
// keeps polling the trims while the detection holds the program busy.

#include "KwSimProcess.h"
#include "ProcedureFaults.h"
#include "ProgramRun.h"
#include "SimController.h"
#include "WindowShot.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

using kwtest::ProgramRun;
using kwtest::waitUntil;

const unsigned kStartMs = 90000;
const int kObdPage = 312;
const int kObdTreeItem = 8;
const int kDetectButton = 1000;
const int kFirstBankBox = 1059;
const uint8_t kAsFound[16] = {0xFA, 0, 0xFA, 0, 0xFA, 0, 0xFA, 0, 0xFA, 0, 0xFA, 0, 0xFA, 0, 0xFA, 0};

// Block 27 with the correction separate per bank, so that "Detect" shows.
const std::wstring kSeparateBanks = L"--block 27:070A0F006464402500000000000000000000";

std::vector<kwsim::SimRequest> writesOf(const kwtest::KwSimProcess& sim, uint8_t block)
{
    std::vector<kwsim::SimRequest> out;
    for (const kwsim::SimRequest& r : sim.requests())
        if (r.cmd == block)
            out.push_back(r);
    return out;
}

// The shift dialog kept as a picture and closed with OK.
bool acceptShift(ProgramRun& program)
{
    HWND dialog = nullptr;
    if (!waitUntil(
            [&] { return (dialog = windowshot::findDialogBox(L"Detect", program.child().id())) != nullptr; },
            10000))
        return false;
    Sleep(500);
    windowshot::savePng(dialog,
                        kwtest::ChildProcess::programFolder() + L"..\\screenshots\\dialog-obd-detect.png");
    PostMessageW(dialog, WM_COMMAND, MAKEWPARAM(IDOK, BN_CLICKED), LPARAM(GetDlgItem(dialog, IDOK)));
    return true;
}

bool boxChecked(const ProgramRun& program, int id)
{
    return SendMessageW(GetDlgItem(program.page(kObdPage), id), BM_GETCHECK, 0, 0) == BST_CHECKED;
}

} // namespace

// Six cylinders, injectors 1, 3 and 5 on bank 1, the OBD page shown.
class ObdBanks : public ::testing::Test
{
protected:
    void SetUp() override
    {
        ASSERT_TRUE(sim.start(L"--version 790 --obd-module --cylinders 6 --trim-car 0x2A "
                              L"--block 18:DF070000E807000001020803 " +
                              kSeparateBanks));
        ASSERT_TRUE(program.startConnected(sim.programPort(), kStartMs));
        ASSERT_TRUE(program.showPage(kObdTreeItem, kObdPage));
    }

    kwtest::KwSimProcess sim;
    ProgramRun program;
};

// A bank box clicked while the detection runs is refused: the only
// block-27 write is the result.
TEST_F(ObdBanks, DetectFindsTheBankOfEachCylinderThroughTheWindow)
{
    const size_t before = sim.requestCount();

    PostMessageW(program.page(kObdPage), WM_COMMAND, MAKEWPARAM(kDetectButton, BN_CLICKED), 0);
    ASSERT_TRUE(acceptShift(program));
    ASSERT_TRUE(waitUntil([&] { return !writesOf(sim, 15).empty(); }, 20000));
    PostMessageW(program.page(kObdPage), WM_COMMAND, MAKEWPARAM(kFirstBankBox + 1, BN_CLICKED), 0);
    ASSERT_TRUE(waitUntil([&] { return !writesOf(sim, 27).empty(); }, 90000));

    const std::vector<kwsim::SimRequest> masks = writesOf(sim, 27);
    ASSERT_EQ(1u, masks.size());
    EXPECT_EQ(0xEA, masks[0].payload[3]); // bits 0, 2, 4 clear
    EXPECT_TRUE(waitUntil([&] { return boxChecked(program, kFirstBankBox); }, 5000));
    for (int i = 0; i < 6; ++i) {
        EXPECT_EQ(i % 2 == 0, boxChecked(program, kFirstBankBox + 2 * i)) << i;
        EXPECT_EQ(i % 2 == 1, boxChecked(program, kFirstBankBox + 2 * i + 1)) << i;
    }
    // Ten steps and a restore per cylinder, the last one the corrections
    // as found (1.0 ms each).
    const std::vector<kwsim::SimRequest> corrections = writesOf(sim, 15);
    ASSERT_EQ(6u * 11, corrections.size());
    EXPECT_EQ(std::vector<uint8_t>(kAsFound, kAsFound + 16), corrections.back().payload);
    // Forced gas for the run and handed back after it; the page's timer
    // polled a trim every second tick all along.
    std::vector<int> switches;
    size_t polls = 0;
    const std::vector<kwsim::SimRequest> all = sim.requests();
    for (size_t i = before; i < all.size(); ++i) {
        if (all[i].cmd == 2 && all[i].selector >= 1 && all[i].selector <= 3)
            switches.push_back(all[i].selector);
        polls += all[i].cmd == 25;
    }
    EXPECT_EQ((std::vector<int>{1, 3}), switches);
    EXPECT_GT(polls, 80u);
    EXPECT_EQ(0, program.close(30000));
}

// A close while a cylinder's correction is shifted stops the detection: the
// program ends normally, and the controller has its own switching and the
// corrections as found; no bank mask was decided.
TEST_F(ObdBanks, CloseDuringTheDetectionHandsTheControllerBack)
{

    PostMessageW(program.page(kObdPage), WM_COMMAND, MAKEWPARAM(kDetectButton, BN_CLICKED), 0);
    ASSERT_TRUE(acceptShift(program));
    ASSERT_TRUE(waitUntil([&] { return writesOf(sim, 15).size() >= 3; }, 30000));
    EXPECT_EQ(0, program.close(60000));
    EXPECT_LT(writesOf(sim, 15).size(), 6u * 11);

    std::unique_ptr<kwsim::SimController> after = sim.replay();
    ASSERT_TRUE(after);
    const kwtest::ControllerState found = kwtest::ControllerState::of(*after);
    EXPECT_EQ(0, found.hold);
    EXPECT_EQ(std::vector<uint8_t>(kAsFound, kAsFound + 16), found.blocks.at(15));
    EXPECT_TRUE(writesOf(sim, 27).empty());
}
