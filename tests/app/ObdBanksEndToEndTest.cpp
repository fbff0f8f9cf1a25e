// The injector bank detection through the program's window: the real timer
// keeps polling the trims while the detection holds the program busy.

#include "KwSimProcess.h"
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

TEST(ObdBanks, DetectFindsTheBankOfEachCylinderThroughTheWindow)
{
    kwtest::KwSimProcess sim;
    // Two cylinders: injector 1 on bank 1, injector 2 on bank 2.
    ASSERT_TRUE(sim.start(L"--version 790 --obd-module --cylinders 2 --trim-car 2 "
                          L"--block 18:DF070000E807000001020803 " +
                          kSeparateBanks));
    ProgramRun program;
    ASSERT_TRUE(program.start(sim.programPort()));
    ASSERT_TRUE(program.waitMainWindow(kStartMs));
    ASSERT_TRUE(program.waitConnectionCaption(L"Connected", kStartMs));
    ASSERT_TRUE(program.selectTreeItem(kObdTreeItem));
    ASSERT_TRUE(waitUntil([&] { return IsWindowVisible(program.page(kObdPage)) != FALSE; }, 5000));
    const size_t before = sim.requestCount();

    PostMessageW(program.page(kObdPage), WM_COMMAND, MAKEWPARAM(kDetectButton, BN_CLICKED), 0);
    ASSERT_TRUE(acceptShift(program));
    ASSERT_TRUE(waitUntil([&] { return !writesOf(sim, 27).empty(); }, 60000));

    // The mask: injector 1 on bank 1, every other bit set; the boxes follow.
    EXPECT_EQ(0xFE, writesOf(sim, 27).back().payload[3]);
    EXPECT_TRUE(waitUntil([&] { return boxChecked(program, kFirstBankBox); }, 5000));
    EXPECT_TRUE(boxChecked(program, kFirstBankBox + 3));
    // The corrections as found (1.0 ms each), forced gas handed back.
    const std::vector<kwsim::SimRequest> corrections = writesOf(sim, 15);
    ASSERT_EQ(2u * 11 + 1, corrections.size());
    EXPECT_EQ((std::vector<uint8_t>{0xFA, 0, 0xFA, 0, 0xFA, 0, 0xFA, 0, 0xFA, 0, 0xFA, 0, 0xFA, 0, 0xFA, 0}),
              corrections.back().payload);
    std::vector<int> switches;
    size_t polls = 0;
    const std::vector<kwsim::SimRequest> all = sim.requests();
    for (size_t i = before; i < all.size(); ++i) {
        if (all[i].cmd == 2 && all[i].selector >= 1 && all[i].selector <= 3)
            switches.push_back(all[i].selector);
        polls += all[i].cmd == 25;
    }
    EXPECT_EQ((std::vector<int>{1, 3}), switches);
    // A trim poll every second tick of the ~11 s run.
    EXPECT_GT(polls, 30u);
    EXPECT_EQ(0, program.close(30000));
}
