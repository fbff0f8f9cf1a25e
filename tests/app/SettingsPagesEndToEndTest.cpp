// The settings pages through the program's own window against kwsim.exe:
// a choice made in a page's list as the list tells the page, and the
// block it sends read from the simulator's request log.

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

// The item at `index` of the list `id` of a page chosen, as the user's
// choice reaches the page.
bool choose(HWND page, int id, int index)
{
    HWND list = windowshot::findDescendant(page, id);
    if (!list || SendMessageW(list, CB_SETCURSEL, WPARAM(index), 0) != index)
        return false;
    return PostMessageW(page, WM_COMMAND, MAKEWPARAM(id, CBN_SELENDOK), LPARAM(list)) != FALSE;
}

bool showPage(ProgramRun& program, int treeItem, int page)
{
    return waitUntil([&] { return program.selectTreeItem(treeItem); }, 20000) &&
           waitUntil([&] { return IsWindowVisible(program.page(page)) != FALSE; }, 5000);
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

TEST(ProgramSettings, BaseAndPetrolChangePagesWriteTheController)
{
    kwtest::KwSimProcess sim;
    ASSERT_TRUE(sim.start(L"--version 805"));
    ProgramRun program;
    ASSERT_TRUE(program.start(sim.programPort()));
    ASSERT_TRUE(program.waitMainWindow(kStartMs));
    ASSERT_TRUE(program.waitConnectionCaption(L"Connected", kStartMs)) << program.connectionCaption();

    // Base settings: ratio x 3 is byte 4 of block 31.
    ASSERT_TRUE(showPage(program, 0, kBasePage));
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
    ASSERT_TRUE(showPage(program, 2, kSensorsPage));
    EXPECT_TRUE(program.screenshot(L"page-sensors-cng"));

    // Petrol change: above 6500 rpm (item 35) goes to block 31 bytes 8 to
    // 11 as periods, with the mode switched on.
    ASSERT_TRUE(showPage(program, 1, kPetrolChangePage));
    ASSERT_TRUE(choose(program.page(kPetrolChangePage), 1069, 35));
    ASSERT_TRUE(waitUntil([&] { return writesOf(sim, 31).size() == baseWrites + 2; }, 10000));
    const std::vector<uint8_t> block31 = writesOf(sim, 31).back();
    EXPECT_EQ((std::vector<uint8_t>{0xE2, 0x02, 0x69, 0x03}),
              std::vector<uint8_t>(block31.begin() + 8, block31.begin() + 12));
    EXPECT_EQ(0x02, block31.at(12) & 0x02);
    EXPECT_EQ(L"", program.answerMessageBox(IDOK, 500));
    EXPECT_EQ(0, program.close(30000));
}
