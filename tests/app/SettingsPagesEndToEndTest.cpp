// The settings pages and their dialogs through the program's own window
// against kwsim.exe: a choice made in a list as the list tells its window,
// and the block it sends read from the simulator's request log.

#include "KwSimProcess.h"
#include "ProgramRun.h"
#include "WindowShot.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

using kwtest::ProgramRun;
using kwtest::waitUntil;

const unsigned kStartMs = 90000;
const int kBasePage = 316;
const int kPetrolChangePage = 315;
const int kSensorsPage = 323;
const int kAdditionalPage = 326;
const int kBottomPage = 313;
const unsigned kReplyMs = 10000;

// The item at `index` of the list `id` of a page chosen, as the user's
// choice reaches the page.
bool choose(HWND page, int id, int index)
{
    HWND list = windowshot::findDescendant(page, id);
    if (!list || SendMessageW(list, CB_SETCURSEL, WPARAM(index), 0) != index)
        return false;
    return PostMessageW(page, WM_COMMAND, MAKEWPARAM(id, CBN_SELENDOK), LPARAM(list)) != FALSE;
}

// The petrol procedure's requests from the `from`th request on: petrol,
// block 26, reset and back to gas, as 1002, 26, 1010 and 1003.
std::vector<int> procedureSteps(const kwtest::KwSimProcess& sim, size_t from)
{
    const std::vector<kwsim::SimRequest> requests = sim.requests();
    std::vector<int> steps;
    for (size_t i = from; i < requests.size(); ++i) {
        const kwsim::SimRequest& r = requests[i];
        const int step = r.cmd == 2 ? 1000 + r.selector : r.cmd;
        if (step == 1002 || step == 26 || step == 1010 || step == 1003)
            steps.push_back(step);
    }
    return steps;
}

// A popup dialog opened by the button `id` of `page` (`code` as the button
// tells it), found by its title.
HWND openDialog(ProgramRun& program, HWND page, int id, WORD code, const wchar_t* title)
{
    PostMessageW(page, WM_COMMAND, MAKEWPARAM(id, code), LPARAM(windowshot::findDescendant(page, id)));
    HWND dialog = nullptr;
    waitUntil([&] { return (dialog = windowshot::findDialogBox(title, program.child().id())) != nullptr; },
              kReplyMs);
    return dialog;
}

bool closeDialog(HWND dialog)
{
    PostMessageW(dialog, WM_COMMAND, MAKEWPARAM(IDOK, BN_CLICKED), 0);
    return waitUntil([&] { return !IsWindow(dialog); }, kReplyMs);
}

// The payloads of the writes of `block`.
std::vector<std::vector<uint8_t>> writesOf(const kwtest::KwSimProcess& sim, uint8_t block)
{
    std::vector<std::vector<uint8_t>> writes;
    for (const kwsim::SimRequest& r : sim.requests())
        if (r.cmd == block)
            writes.push_back(r.payload);
    return writes;
}

} // namespace

TEST(ProgramSettings, SettingsPagesAndDialogsWriteTheController)
{
    kwtest::KwSimProcess sim;
    ASSERT_TRUE(sim.start(L"--version 805"));
    ProgramRun program;
    ASSERT_TRUE(program.startConnected(sim.programPort(), kStartMs)) << program.connectionCaption();

    // Base settings: ratio x 3 is byte 4 of block 31.
    ASSERT_TRUE(program.showPage(0, kBasePage));
    const HWND base = program.page(kBasePage);
    const size_t baseWrites = writesOf(sim, 31).size();
    ASSERT_TRUE(choose(base, 1032, 2));
    ASSERT_TRUE(waitUntil([&] { return writesOf(sim, 31).size() == baseWrites + 1; }, 10000));
    EXPECT_EQ(3, writesOf(sim, 31).back().at(4));

    // CNG: petrol, block 26 with the CNG bit, reset, then back to gas; the
    // captions speak of CNG from then on
    // (the sensors page's valve check box: drawn, so seen on the screenshot).
    const size_t before = sim.requests().size();
    ASSERT_TRUE(choose(base, 1034, 1));
    ASSERT_TRUE(waitUntil([&] { return procedureSteps(sim, before).size() >= 5; }, 20000));
    EXPECT_EQ((std::vector<int>{1002, 26, 1002, 1010, 1003}), procedureSteps(sim, before));
    EXPECT_EQ(0x08, writesOf(sim, 26).back().at(12) & 0x08);
    ASSERT_TRUE(program.showPage(2, kSensorsPage));
    EXPECT_TRUE(program.screenshot(L"page-sensors-cng"));

    // Petrol change: above 6500 rpm (item 35) goes to block 31 bytes 8 to
    // 11 as periods, with the mode switched on.
    ASSERT_TRUE(program.showPage(1, kPetrolChangePage));
    ASSERT_TRUE(choose(program.page(kPetrolChangePage), 1069, 35));
    ASSERT_TRUE(waitUntil([&] { return writesOf(sim, 31).size() == baseWrites + 2; }, 10000));
    const std::vector<uint8_t> block31 = writesOf(sim, 31).back();
    EXPECT_EQ((std::vector<uint8_t>{0xE2, 0x02, 0x69, 0x03}),
              std::vector<uint8_t>(block31.begin() + 8, block31.begin() + 12));
    EXPECT_EQ(0x02, block31.at(12) & 0x02);
    // Additional settings (the cut-off group is hidden for CNG): petrol
    // post-injection 37 % is byte 29 of block 26.
    ASSERT_TRUE(program.showPage(3, kAdditionalPage));
    const size_t advancedWrites = writesOf(sim, 26).size();
    ASSERT_TRUE(choose(program.page(kAdditionalPage), 1096, 37));
    ASSERT_TRUE(waitUntil([&] { return writesOf(sim, 26).size() == advancedWrites + 1; }, kReplyMs));
    EXPECT_EQ(37, writesOf(sim, 26).back().at(29));

    // The gas level sensor "AEB 806" (50 112 162 212: full below quarter)
    // goes out inverted with its direction.
    ASSERT_TRUE(program.showPage(0, kBasePage));
    const HWND gauge = openDialog(program, base, 1062, BN_CLICKED, L"Gas Level Sensor");
    ASSERT_TRUE(gauge);
    const size_t gaugeWrites = writesOf(sim, 30).size();
    ASSERT_TRUE(choose(gauge, 1115, 3));
    ASSERT_TRUE(waitUntil([&] { return writesOf(sim, 30).size() == gaugeWrites + 1; }, kReplyMs));
    const std::vector<uint8_t> block30 = writesOf(sim, 30).back();
    EXPECT_EQ((std::vector<uint8_t>{0xCD, 0x8F, 0x5D, 0x2B, 1, 1}),
              std::vector<uint8_t>(block30.begin(), block30.begin() + 6));
    EXPECT_TRUE(program.screenshot(L"dialog-gas-level-sensor", gauge));
    EXPECT_TRUE(closeDialog(gauge));

    const HWND calculator = openDialog(program, base, 1000, BN_CLICKED, L"Injectors nozzle size calculator");
    ASSERT_TRUE(calculator);
    // 80 HP on 4 cylinders by the CNG formula: 2.1, shown 2.0.
    SendMessageW(windowshot::findDescendant(calculator, 1050), WM_SETTEXT, 0, LPARAM(L"80"));
    PostMessageW(calculator, WM_COMMAND, MAKEWPARAM(1084, BN_CLICKED), 0);
    const HWND nozzle = windowshot::findDescendant(calculator, 1001);
    EXPECT_TRUE(waitUntil([&] { return windowshot::windowText(nozzle) == L"2.0"; }, kReplyMs));
    EXPECT_TRUE(program.screenshot(L"dialog-injector-size", calculator));
    EXPECT_TRUE(closeDialog(calculator));

    // The console of the bottom page, opened by a double click: "OLED"
    // clears bit 0 of block 26 byte 4.
    const HWND console =
        openDialog(program, program.page(kBottomPage), 1001, BN_DOUBLECLICKED, L"Console Setup");
    ASSERT_TRUE(console);
    ASSERT_TRUE(choose(console, 1342, 1));
    ASSERT_TRUE(waitUntil([&] { return writesOf(sim, 26).size() == advancedWrites + 2; }, kReplyMs));
    EXPECT_EQ(0, writesOf(sim, 26).back().at(4) & 0x01);
    EXPECT_TRUE(program.screenshot(L"dialog-console-setup", console));
    EXPECT_TRUE(closeDialog(console));

    EXPECT_EQ(L"", program.answerMessageBox(IDOK, 500));
    EXPECT_EQ(0, program.close(30000));
}
