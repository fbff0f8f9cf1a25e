#include <CAutoCalibration.h>
#include <CDeviceCalibrationHost.h>
#include "SamplePacer.h"
#include <SimBench.h>

#include <IError.h>
#include <gtest/gtest.h>

namespace {
// The real controller side with fake time.
class PacedHost : public CDeviceCalibrationHost
{
public:
    using CDeviceCalibrationHost::CDeviceCalibrationHost;

    std::vector<std::wstring> lines;

    void sleep(int ms) override { pacer.sleep(ms); }
    unsigned long long now() override { return pacer.now(); }
    void pumpMessages() override {}
    std::wstring translate(const std::wstring& text) override { return text; }
    void outputLine(const std::wstring& text, OutputKind kind) override
    {
        lines.push_back((kind == OutputKind::Error ? L"red: " : L"") + text);
    }
    void setProgress(int) override {}
    void showCorrections() override {}
    void showIndicator(int) override {}
    void reportError(IError* error) override
    {
        lines.push_back(L"red: " + error->format());
        delete error;
    }

private:
    SamplePacer pacer{m_device};
};

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
