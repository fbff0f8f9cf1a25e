#include <CAutoCalibration.h>
#include <CDeviceCalibrationHost.h>
#include "SamplePacer.h"
#include <ProcedureFaults.h>
#include <SimBench.h>

#include <IError.h>
#include <gtest/gtest.h>

#include <algorithm>
#include <functional>

namespace {
// The real controller side with fake time.
class PacedHost : public CDeviceCalibrationHost
{
public:
    using CDeviceCalibrationHost::CDeviceCalibrationHost;

    std::vector<std::wstring> lines;
    std::vector<int> progress;
    std::function<void()> onPump;

    void sleep(int ms) override { pacer.sleep(ms); }
    unsigned long long now() override { return pacer.now(); }
    void pumpMessages() override
    {
        if (onPump)
            onPump();
    }
    std::wstring translate(const std::wstring& text) override { return text; }
    void outputLine(const std::wstring& text, OutputKind kind) override
    {
        lines.push_back((kind == OutputKind::Error ? L"red: " : L"") + text);
    }
    void setProgress(int position) override { progress.push_back(position); }
    void showCorrections() override {}
    void showIndicator(int) override {}
    void reportError(IError* error) override
    {
        lines.push_back(L"red: " + error->format());
        delete error;
    }

    SamplePacer pacer{m_device};
};

// A car idling with 88 kPa in the reducer, the settings read.
std::unique_ptr<kwtest::SimBench> idlingCar()
{
    auto bench = std::make_unique<kwtest::SimBench>();
    bench->open();
    EXPECT_TRUE(bench->device->readAllSettings());
    bench->with([](kwsim::SimState& s) { s.live.pinned[8] = 100; });
    bench->clearRequests();
    return bench;
}

// One whole run as the page makes it: the calibration inside the host's runner.
bool calibrate(PacedHost& host, bool oneCylinder)
{
    CAutoCalibration calibration(host);
    calibration.setOneCylinder(oneCylinder);
    host.runner().setStopAction([&calibration] { calibration.stop(); });
    return host.runner().run([&] {
        calibration.runAutoCalibration();
        return calibration.finished();
    });
}

TEST(CalibrationOnTheSimulator, FullRunWritesTheCorrectionsAndPutsTheSwitchSettingsBack)
{
    kwtest::SimBench bench;
    bench.open();
    ASSERT_TRUE(bench.device->readAllSettings());
    bench.with([](kwsim::SimState& s) { s.live.pinned[8] = 100; }); // 88 kPa in the reducer
    CSettingsRecord& record = bench.device->m_settings;
    const double switchRPM = record.m_base.m_switchRPM;
    const double emulatorDelay = record.m_base.m_emulatorDelay;

    PacedHost host(*bench.device);
    CAutoCalibration calibration(host);
    calibration.setOneCylinder(false);
    bench.clearRequests();
    calibration.runAutoCalibration();

    for (const std::wstring& line : host.lines)
        EXPECT_NE(L"red: ", line.substr(0, 5)) << line;
    ASSERT_FALSE(host.lines.empty());
    EXPECT_EQ(L"Collect petrol map and gas map durring drive.", host.lines.back());
    const double corrections = record.m_mainCorr.m_mainCorr[0];
    EXPECT_GE(corrections, 0.0);
    EXPECT_LE(corrections, 1.6);

    // What the controller now holds.
    ASSERT_TRUE(bench.device->readBlock15());
    for (double c : record.m_mainCorr.m_mainCorr)
        EXPECT_NEAR(corrections, c, 0.005);
    ASSERT_TRUE(bench.device->readBlock31());
    EXPECT_EQ(switchRPM, record.m_base.m_switchRPM);
    EXPECT_EQ(emulatorDelay, record.m_base.m_emulatorDelay);
    EXPECT_EQ(88, record.m_base.m_pressureRef);
}
} // namespace

// A reading thread started afresh numbers its samples from 1 again: the run
// counts the samples as they come and finishes, its progress only growing.
TEST(CalibrationOnTheSimulator, ARestartedReadingThreadLeavesTheProgressGrowing)
{
    std::unique_ptr<kwtest::SimBench> bench = idlingCar();
    PacedHost host(*bench->device);
    bool restarted = false;
    host.onPump = [&] {
        if (!restarted && host.pacer.now() > 20000) {
            restarted = true;
            host.pacer.restartNumbering();
        }
    };
    EXPECT_TRUE(calibrate(host, false));
    EXPECT_TRUE(restarted);
    ASSERT_FALSE(host.lines.empty());
    EXPECT_EQ(L"Collect petrol map and gas map durring drive.", host.lines.back());
    const auto end = std::find(host.progress.begin(), host.progress.end(), 1000);
    ASSERT_NE(host.progress.end(), end);
    EXPECT_TRUE(std::is_sorted(host.progress.begin(), end));
}

// A line that drops a fifth of the replies: whatever the runs come to, the
// hand-back goes on until the controller has taken it.
TEST(CalibrationOnTheSimulator, DroppedRepliesStillLeaveTheControllerHandedBack)
{
    for (bool oneCylinder : {false, true}) {
        SCOPED_TRACE(oneCylinder ? "one cylinder" : "all cylinders");
        std::unique_ptr<kwtest::SimBench> bench = idlingCar();
        const kwtest::ControllerState before = kwtest::ControllerState::of(*bench);
        bench->with([](kwsim::SimState& s) { s.faults.config.dropRate = 0.2; });
        {
            PacedHost host(*bench->device);
            calibrate(host, oneCylinder);
        }
        bench->with([](kwsim::SimState& s) { s.faults.config.dropRate = 0; });
        EXPECT_EQ(std::vector<std::string>(),
                  kwtest::handBackDifferences(
                      before, kwtest::ControllerState::of(*bench),
                      {{15, {}}, {26, {}}, {7, {}}, {9, {}}, {31, {5, 13, 24, 25, 26, 27}}}, 4));
        EXPECT_EQ(std::vector<std::wstring>(), kwtest::leftMessages(*bench));
    }
}

// Every way out of both calibrations, at every one of their own requests:
// the controller ends as a finished run leaves it (its own switching, every
// cylinder on gas, its switch RPM and emulator delay), whatever of the
// result (corrections, pressures, lock time, curve) was written by then.
TEST(CalibrationOnTheSimulator, EveryExitHandsTheControllerBack)
{
    using kwtest::Exit;
    // Block 31: the measured switch pressure and pressure reference, and the
    // PC code that every write of it carries.
    const kwtest::ResultBytes results{{15, {}}, {26, {}}, {7, {}}, {9, {}}, {31, {5, 13, 24, 25, 26, 27}}};
    for (bool oneCylinder : {false, true}) {
        std::unique_ptr<kwtest::SimBench> bench = idlingCar();
        {
            PacedHost host(*bench->device);
            EXPECT_TRUE(calibrate(host, oneCylinder));
        }
        const int requests = kwtest::procedureRequests(bench->requests());
        ASSERT_GT(requests, 20);
        for (Exit exit : {Exit::Refused, Exit::PortFails, Exit::Closed})
            for (int n = 1; n <= requests; ++n) {
                SCOPED_TRACE(std::string(oneCylinder ? "one cylinder, " : "all cylinders, ") +
                             kwtest::exitName(exit) + " at request " + std::to_string(n));
                bench = idlingCar();
                const kwtest::ControllerState before = kwtest::ControllerState::of(*bench);
                {
                    kwtest::ProcedureFault fault(*bench, exit, n);
                    PacedHost host(*bench->device);
                    host.onPump = [&] { fault.deliver(); };
                    calibrate(host, oneCylinder);
                    EXPECT_TRUE(fault.hit());
                }
                EXPECT_EQ(
                    std::vector<std::string>(),
                    kwtest::handBackDifferences(before, kwtest::ControllerState::of(*bench), results, 4));
                EXPECT_EQ(std::vector<std::wstring>(), kwtest::leftMessages(*bench));
            }
    }
}
