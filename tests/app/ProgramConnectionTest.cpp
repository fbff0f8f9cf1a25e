// The program end to end: the lock at every connection, the watchdog and the
// firmware update through the bootloader of the simulated controller.

#include "AfmBuilder.h"
#include "KwSimProcess.h"
#include "ProgramRun.h"
#include "SimController.h"
#include "TempDir.h"

#include <gtest/gtest.h>

#include <fstream>
#include <sstream>
#include <string>
#include <vector>

namespace {

using kwtest::ProgramRun;
using kwtest::waitUntil;

const unsigned kStartMs = 90000;
const int kConnect = 32771;
const int kDeviceUpdate = 32778;
// Block 3 with its password bytes (36 to 43) set.
const std::wstring kLocked =
    L"--block 3:" + std::wstring(72, L'0') + L"3132333435363738" + std::wstring(32, L'0');
// The pages a lock disables, and the two it leaves (information and lock page).
const int kLockablePages[10] = {316, 315, 326, 318, 317, 319, 320, 321, 312, 323};
const int kUnlockedPages[2] = {322, 327};

std::vector<std::string> requestNames(const kwtest::KwSimProcess& sim)
{
    std::vector<std::string> names;
    std::istringstream lines(sim.log());
    for (std::string line; std::getline(lines, line);) {
        kwsim::SimRequest r;
        if (kwsim::SimRequest::fromLogLine(line, r))
            names.push_back(std::to_string(r.cmd) + "/" +
                            (r.selector < 0 ? "-" : std::to_string(r.selector)));
    }
    return names;
}

size_t countOf(const std::vector<std::string>& names, const std::string& name)
{
    return static_cast<size_t>(std::count(names.begin(), names.end(), name));
}

void expectLocked(const ProgramRun& program, bool locked)
{
    for (int id : kLockablePages)
        EXPECT_EQ(!locked, IsWindowEnabled(program.page(id)) != FALSE) << "page " << id;
    for (int id : kUnlockedPages)
        EXPECT_TRUE(IsWindowEnabled(program.page(id))) << "page " << id;
}

} // namespace

TEST(ProgramConnection, LockedControllerAtStartLeavesOnlyLockAndInformationPages)
{
    kwtest::KwSimProcess sim;
    ASSERT_TRUE(sim.start(kLocked));
    ProgramRun program;
    ASSERT_TRUE(program.start(sim.programPort()));
    ASSERT_TRUE(program.waitMainWindow(kStartMs));
    ASSERT_TRUE(program.waitConnectionCaption(L"Connected", kStartMs));
    expectLocked(program, true);
    EXPECT_TRUE(program.screenshot(L"locked"));
    EXPECT_EQ(0, program.close(30000));
}

// Connected later by File > Connect (locked), then lost: the watchdog shows
// it at the first tick after the reading thread gave up, rescans and finds
// the controller back (now unlocked), and the lock follows each connection.
TEST(ProgramConnection, ConnectAndWatchdogApplyTheLockAndResumeLiveData)
{
    kwtest::KwSimProcess sim; // the line exists, nothing answers yet
    ProgramRun program;
    ASSERT_TRUE(program.start(sim.programPort()));
    EXPECT_EQ(L"NO CONNECTION", program.answerMessageBox(IDOK, kStartMs));
    ASSERT_TRUE(program.waitMainWindow(kStartMs));
    EXPECT_TRUE(program.waitConnectionCaption(L"DEMO - Not Connected", 20000));
    expectLocked(program, false);

    ASSERT_TRUE(sim.start(kLocked));
    program.command(kConnect);
    ASSERT_TRUE(program.waitConnectionCaption(L"Connected", 60000));
    expectLocked(program, true);
    ASSERT_TRUE(waitUntil([&] { return countOf(requestNames(sim), "2/36") > 5; }, 10000));

    const DWORD lost = GetTickCount();
    sim.child().kill();
    ASSERT_TRUE(program.waitConnectionCaption(L"DEMO - Not Connected", 40000));
    const DWORD noticed = GetTickCount() - lost;
    EXPECT_GE(noticed, 8000u); // 11 failed reads of about a second
    EXPECT_LE(noticed, 30000u);

    ASSERT_TRUE(sim.start(L""));
    const size_t samplesBefore = countOf(requestNames(sim), "2/36");
    ASSERT_TRUE(program.waitConnectionCaption(L"Connected", 60000));
    expectLocked(program, false);
    EXPECT_TRUE(waitUntil([&] { return countOf(requestNames(sim), "2/36") > samplesBefore + 5; }, 10000));
    EXPECT_EQ(0, program.close(30000));
}

std::wstring writeFirmwareFile(const kwtest::TempDir& files)
{
    AfmContent afm;
    afm.version = 806;
    afm.body = randomBytes(0x11000, 5);
    const std::wstring path = files.file(L"update.afm");
    std::ofstream(std::string(path.begin(), path.end()), std::ios::binary) << buildAfm(afm);
    return path;
}

// Device update from the menu: the access codes in turn until one is taken,
// the flash programmed through the bootloader, commands 96 and 10, and the
// controller read again.
TEST(ProgramConnection, FirmwareUpdateFromTheMenu)
{
    kwtest::TempDir files;
    const std::wstring path = writeFirmwareFile(files);

    kwtest::KwSimProcess sim;
    ASSERT_TRUE(sim.start(L"--access-code TM284613"));
    ProgramRun program;
    ASSERT_TRUE(program.start(sim.programPort()));
    ASSERT_TRUE(program.waitConnectionCaption(L"Connected", kStartMs));
    program.command(kDeviceUpdate);
    ASSERT_TRUE(program.answerOpenFile(path, 30000));
    const size_t before = countOf(requestNames(sim), "2/204");
    ASSERT_TRUE(waitUntil([&] { return countOf(requestNames(sim), "2/204") > before; }, 240000));
    ASSERT_TRUE(program.waitConnectionCaption(L"Connected", 60000));

    const std::vector<std::string> names = requestNames(sim);
    EXPECT_EQ(3u, countOf(names, "246/-")); // QM and RM refused, TM taken
    EXPECT_EQ(0x7000u / 0x800, countOf(names, "249/-"));
    EXPECT_EQ(0x7000u / 128, countOf(names, "247/-"));
    EXPECT_EQ(1u, countOf(names, "2/96"));
    EXPECT_EQ(1u, countOf(names, "2/10"));
    EXPECT_TRUE(
        waitUntil([&] { return countOf(requestNames(sim), "2/36") > countOf(names, "2/36") + 5; }, 10000));
    EXPECT_EQ(0, program.close(30000));
}

// A controller found waiting in its bootloader is said so and programmed at
// once, without access codes, then read as usual.
TEST(ProgramConnection, ControllerInBootloaderIsUpdatedAtStart)
{
    kwtest::TempDir files;
    const std::wstring path = writeFirmwareFile(files);
    kwtest::KwSimProcess sim;
    ASSERT_TRUE(sim.start(L"--bootloader"));
    ProgramRun program;
    ASSERT_TRUE(program.start(sim.programPort()));
    EXPECT_EQ(L"Device is in bootloader mode and need to be reprogramed.",
              program.answerMessageBox(IDOK, kStartMs));
    ASSERT_TRUE(program.answerOpenFile(path, 30000));
    ASSERT_TRUE(program.waitMainWindow(kStartMs));
    ASSERT_TRUE(program.waitConnectionCaption(L"Connected", kStartMs));
    const std::vector<std::string> names = requestNames(sim);
    EXPECT_EQ(0u, countOf(names, "246/-"));
    EXPECT_EQ(1u, countOf(names, "2/96"));
    EXPECT_EQ(1u, countOf(names, "2/10"));
    EXPECT_EQ(0, program.close(30000));
}
