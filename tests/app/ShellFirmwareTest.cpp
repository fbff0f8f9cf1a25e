// The firmware update and the initial preset of the document, in this
// process, against the simulated controller.

#include "AfmBuilder.h"
#include "ProcedureFaults.h"
#include "ShellBench.h"
#include "ShellIds.h"
#include "TempDir.h"

#include <DeviceSettingsFiles.h>
#include <SettingsFileIO.h>

#include <gtest/gtest.h>

#include <algorithm>
#include <fstream>

namespace {

using kwtest::ShellBench;

std::wstring firmwareFile(const kwtest::TempDir& dir, uint16_t version,
                          const std::string& device = "KESTRELWAVE")
{
    AfmContent afm;
    afm.version = version;
    afm.identification = device;
    afm.body = randomBytes(0x11000, version);
    const std::wstring path = dir.file(L"firmware" + std::to_wstring(version) + L".afm");
    std::ofstream(std::string(path.begin(), path.end()), std::ios::binary) << buildAfm(afm);
    return path;
}

kwsim::SimConfig version(int v)
{
    kwsim::SimConfig config;
    config.firmwareVersion = v;
    return config;
}

size_t countOf(const std::vector<int>& values, int value)
{
    return static_cast<size_t>(std::count(values.begin(), values.end(), value));
}

} // namespace

// Every check of the file comes before anything is sent to the controller.
TEST(ShellFirmware, RefusedFilesSendNothing)
{
    kwtest::TempDir dir;
    ShellBench bench(version(780));
    bench.sim->clearRequests();
    bench.openPath = firmwareFile(dir, 790, "KESTRELWAVE2");
    bench.command(ID_DEVICE_UPDATE);
    ASSERT_EQ(1u, bench.boxes.size());
    EXPECT_EQ(L"Incorrect firmware file to the controller!", bench.boxes[0]);

    // A downgrade is asked; below 775 it is refused even after Yes.
    bench.boxes.clear();
    bench.boxAnswer = IDYES;
    bench.openPath = firmwareFile(dir, 774);
    bench.command(ID_DEVICE_UPDATE);
    ASSERT_EQ(2u, bench.boxes.size());
    EXPECT_NE(std::wstring::npos,
              bench.boxes[0].find(L"Firmware file has older version than device version."));
    EXPECT_EQ(L"Incorrect firmware file to the controller!", bench.boxes[1]);
    EXPECT_TRUE(bench.requestsButSamples().empty());
    EXPECT_TRUE(bench.device().m_diagThread.isRunning());

    // Without a firmware folder for the controller there is nothing to offer.
    bench.boxes.clear();
    bench.doc().checkFirmwareUpdate();
    EXPECT_TRUE(bench.boxes.empty());
}

// Crossing version 788 sends actions 28 and 29; the controller is read
// again, the reading thread and the timer run again.
TEST(ShellFirmware, UpdateAcross788SendsActions28And29AndReconnects)
{
    kwtest::TempDir dir;
    ShellBench bench(version(787));
    bench.openPath = firmwareFile(dir, 788);
    bench.sim->clearRequests();
    bench.command(ID_DEVICE_UPDATE);
    EXPECT_TRUE(bench.boxes.empty());
    const std::vector<int> selectors = bench.selectors();
    EXPECT_EQ(1u, countOf(selectors, 28));
    EXPECT_EQ(1u, countOf(selectors, 29));
    EXPECT_EQ(1u, countOf(bench.commands(), 246));
    EXPECT_TRUE(bench.device().m_connected);
    EXPECT_TRUE(bench.device().m_diagThread.isRunning());
    EXPECT_TRUE(bench.frame().isWatchTimerArmed());
}

// A controller that never takes the bootloader runs on as it did: after
// ten attempts it goes back to gas and the reading thread, the timer and
// the watchdog run again, the status still "Connected".
TEST(ShellFirmware, TenFailedAttemptsHandTheControllerBack)
{
    kwtest::TempDir dir;
    kwsim::SimConfig config;
    config.accessCode = "ZZ000000";
    ShellBench bench(config);
    bench.openPath = firmwareFile(dir, 806);
    bench.command(ID_DEVICE_UPDATE);
    ASSERT_EQ(1u, bench.boxes.size());
    EXPECT_EQ(L"Can't update device firmware", bench.boxes[0]);
    EXPECT_TRUE(bench.device().m_connected);
    EXPECT_TRUE(bench.frame().isWatchTimerArmed());
    EXPECT_TRUE(bench.device().m_diagThread.isRunning());
    EXPECT_EQ(0, bench.sim->with([](kwsim::SimState& s) { return int(s.live.hold()); }));
}

// An update refused or failing at one of its requests, before or after the
// bootloader took over: a controller still in normal running is back on its
// own switching with its live data, timer and watchdog; one left in its
// bootloader counts as lost and the watchdog looks for it.
TEST(ShellFirmware, EveryFailedStepLeavesTheControllerRunningOrLooked)
{
    using kwtest::Exit;
    kwtest::TempDir dir;
    const std::wstring file = firmwareFile(dir, 806);
    // The update's pauses pass at once.
    unsigned long long clock = 0;
    setWaitClock({[&] { return clock; }, [&](unsigned ms) { clock += ms; }});
    int requests = 0;
    {
        ShellBench bench(version(805));
        bench.openPath = file;
        bench.sim->clearRequests();
        bench.command(ID_DEVICE_UPDATE);
        requests = kwtest::procedureRequests(bench.sim->requests());
    }
    ASSERT_GT(requests, 20);
    // The switch to petrol, the access codes and bootloader requests, the
    // programming and the restart.
    const std::vector<int> points{1, 2, 3, 5, requests / 2, requests};
    for (Exit exit : {Exit::Refused, Exit::PortFails})
        for (int n : points) {
            SCOPED_TRACE(std::string(kwtest::exitName(exit)) + " at request " + std::to_string(n));
            ShellBench bench(version(805));
            bench.openPath = file;
            bench.sim->clearRequests();
            {
                kwtest::ProcedureFault fault(*bench.sim, bench.link, exit, n);
                bench.command(ID_DEVICE_UPDATE);
                EXPECT_TRUE(fault.hit());
            }
            const bool inBootloader = bench.with([](kwsim::SimState& s) { return s.boot.active; });
            EXPECT_TRUE(bench.frame().isWatchTimerArmed());
            if (inBootloader) {
                EXPECT_FALSE(bench.device().m_connected);
                continue;
            }
            EXPECT_TRUE(bench.device().m_connected);
            EXPECT_TRUE(bench.device().m_diagThread.isRunning());
            EXPECT_EQ(0, bench.with([](kwsim::SimState& s) { return int(s.live.hold()); }));
        }
    setWaitClock({});
}

// The initial preset goes to an untouched controller only while the
// controller could be switched to petrol.
TEST(ShellFirmware, InitialPresetOnlyAfterThePetrolSwitch)
{
    const std::wstring preset = presetFilePath(kInitialSettingsPreset);
    CreateDirectoryW(preset.substr(0, preset.rfind(L'\\')).c_str(), nullptr);
    CSettingsRecord record;
    record.m_base.m_switchRPM = 1600;
    ASSERT_TRUE(writeSettingsFile(preset, record));

    kwsim::SimConfig stuck;
    stuck.switchNever = true;
    {
        ShellBench bench(stuck);
        const std::vector<int> commands = bench.commands();
        EXPECT_EQ(0u, countOf(commands, 31));
        EXPECT_EQ(0u, countOf(commands, 26));
        EXPECT_NE(bench.boxes.end(),
                  std::find(bench.boxes.begin(), bench.boxes.end(), L"Can't write settings to device!"));
    }
    {
        ShellBench bench;
        const std::vector<int> commands = bench.commands();
        EXPECT_EQ(1u, countOf(commands, 31));
        EXPECT_EQ(1u, countOf(commands, 4));
        EXPECT_EQ(1u, countOf(commands, 26));
        EXPECT_EQ(1u, countOf(commands, 30));
        EXPECT_EQ(1600.0, bench.device().m_settings.m_base.m_switchRPM);
    }
    DeleteFileW(preset.c_str());
}
