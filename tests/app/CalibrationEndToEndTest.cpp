// The calibration through the program's own window against kwsim.exe: Start
// and Stop as the buttons send them, a close in the middle of a run, and the
// base settings the controller is left with read from the request log.

#include "KwSimProcess.h"
#include "ProcedureFaults.h"
#include "ProgramRun.h"
#include "WindowShot.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

namespace {

using kwtest::ProgramRun;
using kwtest::waitUntil;

const unsigned kStartMs = 90000;
const int kCalibrationPage = 318;
const int kCalibrationTreeItem = 4;
const int kStart = 1200;
const int kStop = 1201;
const int kFirstB = 1204;
const int kOneCylinder = 1223;
const int kOutput = 1222;
const uint8_t kBaseSettings = 31;
const size_t kEmulatorDelayByte = 20;
const size_t kSettingsBytes = 24; // then the PC code

std::vector<std::vector<uint8_t>> baseSettingsWrites(const kwtest::KwSimProcess& sim)
{
    std::vector<std::vector<uint8_t>> writes;
    for (const kwsim::SimRequest& r : sim.requests())
        if (r.cmd == kBaseSettings && r.payload.size() >= kSettingsBytes)
            writes.emplace_back(r.payload.begin(), r.payload.begin() + kSettingsBytes);
    return writes;
}

std::wstring outputText(HWND page)
{
    std::wstring text = windowshot::windowText(windowshot::findDescendant(page, kOutput));
    text.erase(std::remove(text.begin(), text.end(), L'\r'), text.end());
    return text;
}

void click(HWND page, int id)
{
    PostMessageW(page, WM_COMMAND, MAKEWPARAM(id, BN_CLICKED), 0);
}

// Started on the page; true once the run has changed the switch settings
// and put the switch RPM back (its second write of the base settings).
bool startUntilSettling(HWND page, const kwtest::KwSimProcess& sim)
{
    const size_t before = baseSettingsWrites(sim).size();
    click(page, kStart);
    return waitUntil([&] { return baseSettingsWrites(sim).size() >= before + 2; }, 40000);
}

// The run's second write of the base settings put the switch RPM back with
// the emulator delay held at 0; its last one the delay the run found.
void expectSwitchSettingsBack(const kwtest::KwSimProcess& sim, size_t from)
{
    const std::vector<std::vector<uint8_t>> writes = baseSettingsWrites(sim);
    ASSERT_GE(writes.size(), from + 3);
    std::vector<uint8_t> restored = writes[from + 1];
    EXPECT_EQ(0, restored[kEmulatorDelayByte]);
    restored[kEmulatorDelayByte] = writes.back()[kEmulatorDelayByte];
    EXPECT_NE(0, restored[kEmulatorDelayByte]);
    EXPECT_EQ(restored, writes.back());
}

} // namespace

// The program connected to a controller, its calibration page shown.
class ProgramCalibration : public ::testing::Test
{
protected:
    void SetUp() override
    {
        ASSERT_TRUE(sim.start(L"--version 790"));
        ASSERT_TRUE(program.startConnected(sim.programPort(), kStartMs));
        page = program.showPage(kCalibrationTreeItem, kCalibrationPage);
        ASSERT_TRUE(page);
    }

    kwtest::KwSimProcess sim;
    ProgramRun program;
    HWND page = nullptr;
};

TEST_F(ProgramCalibration, StopAndCloseDuringARunLeaveTheSwitchSettingsAsTheyWere)
{
    HWND firstB = windowshot::findDescendant(page, kFirstB);
    SendMessageW(windowshot::findDescendant(page, kOneCylinder), BM_SETCHECK, BST_UNCHECKED, 0);
    click(page, kOneCylinder);

    size_t from = baseSettingsWrites(sim).size();
    ASSERT_TRUE(startUntilSettling(page, sim));
    EXPECT_FALSE(IsWindowEnabled(firstB)); // no output switched by hand meanwhile
    EXPECT_TRUE(program.screenshot(L"page-auto-calibration-running"));
    click(page, kStop);
    ASSERT_TRUE(waitUntil([&] { return IsWindowEnabled(firstB) != FALSE; }, 20000));
    EXPECT_EQ(L"Set engine stable RPM\nAutocalibration aborted\n", outputText(page));
    expectSwitchSettingsBack(sim, from);

    // A close stops the run, which puts the settings back before the program ends.
    from = baseSettingsWrites(sim).size();
    ASSERT_TRUE(startUntilSettling(page, sim));
    EXPECT_EQ(0, program.close(60000));
    expectSwitchSettingsBack(sim, from);
}

// Closed once the first cylinder alone runs on gas (action 23 with bit set
// 1): the program ends normally and leaves the controller as a finished
// run would, every cylinder on gas under its own switching, with its
// switch settings and corrections as before.
TEST_F(ProgramCalibration, CloseDuringAOneCylinderRunHandsEveryCylinderBack)
{
    ASSERT_EQ(BST_CHECKED, SendMessageW(windowshot::findDescendant(page, kOneCylinder), BM_GETCHECK, 0, 0));

    click(page, kStart);
    const auto firstCylinderAlone = [&] {
        for (const kwsim::SimRequest& r : sim.requests())
            if (r.cmd == 2 && r.selector == 23)
                return true;
        return false;
    };
    ASSERT_TRUE(waitUntil(firstCylinderAlone, 60000));
    EXPECT_EQ(0, program.close(60000));

    std::unique_ptr<kwsim::SimController> before = sim.replay(0), after = sim.replay();
    ASSERT_TRUE(before && after);
    // Nothing of the result was written yet: the corrections stand as found.
    // The close records the PC connection (block 19).
    const kwtest::ResultBytes measured{{19, {}}, {26, {}}, {31, {5, 13, 24, 25, 26, 27}}};
    EXPECT_EQ(std::vector<std::string>(),
              kwtest::handBackDifferences(kwtest::ControllerState::of(*before),
                                          kwtest::ControllerState::of(*after), measured, 4));
    EXPECT_EQ(0x0F, kwtest::ControllerState::of(*after).emulatorBits);
}
