// The auto-mapping page through the program's own window against
// kwsim.exe: corrections counted from the controller's collected points.

#include "KwSimProcess.h"
#include "ProgramRun.h"
#include "SimController.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

using kwtest::ProgramRun;
using kwtest::waitUntil;

const unsigned kStartMs = 90000;
const int kAutoMappingPage = 317;
const int kAutoMappingItem = 5;
const int kCountCorrection = 1182;

// A point table whose cells 2 to 12 hold rising mean times, `factor` times
// those of the petrol table, 20 injections each, as a --block argument.
std::wstring pointTableArgument(int block, double factor)
{
    std::vector<uint8_t> table(188, 0);
    for (int cell = 2; cell <= 12; ++cell) {
        kwsim::putU32(table, 4 * cell, uint32_t((500 + 100 * cell) * factor) * 20);
        kwsim::putU16(table, 124 + 2 * cell, 20);
    }
    std::wstring text = L" --block " + std::to_wstring(block) + L":";
    for (uint8_t b : table)
        text += {L"0123456789ABCDEF"[b >> 4], L"0123456789ABCDEF"[b & 15]};
    return text;
}

// Block writes as their block number, actions as 1000 + the action.
std::vector<int> writesAndActions(const kwtest::KwSimProcess& sim)
{
    std::vector<int> steps;
    for (const kwsim::SimRequest& r : sim.requests())
        if (r.cmd != 2)
            steps.push_back(r.cmd);
        else if (r.selector == 29)
            steps.push_back(1029);
    return steps;
}

} // namespace

TEST(ProgramAutoMapping, CountCorrectionWritesTheCurveAndClearsTheGasMapOnYes)
{
    kwtest::KwSimProcess sim;
    ASSERT_TRUE(sim.start(L"--version 805" + pointTableArgument(28, 1.0) + pointTableArgument(29, 1.2)));
    ProgramRun program;
    ASSERT_TRUE(program.startConnected(sim.programPort(), kStartMs)) << program.connectionCaption();
    const HWND page = program.showPage(kAutoMappingItem, kAutoMappingPage);
    ASSERT_TRUE(page);
    Sleep(2500); // a timer round reads the collected points

    const size_t before = writesAndActions(sim).size();
    PostMessageW(page, WM_COMMAND, MAKEWPARAM(kCountCorrection, BN_CLICKED), 0);
    const std::wstring question = program.answerMessageBox(IDYES, 20000);
    EXPECT_NE(std::wstring::npos, question.find(L"clear gas map")) << question;
    ASSERT_TRUE(waitUntil([&] { return writesAndActions(sim).size() >= before + 3; }, 20000));
    const std::vector<int> steps = writesAndActions(sim);
    EXPECT_EQ((std::vector<int>{7, 9, 1029}), std::vector<int>(steps.begin() + before, steps.end()));
    // Gas 20 % above petrol: 16 % counted into the curve at the high rows.
    for (const kwsim::SimRequest& r : sim.requests())
        if (r.cmd == 7)
            EXPECT_EQ(116, r.payload[30]);
}
