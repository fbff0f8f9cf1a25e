#include <CAutoCalibration.h>
#include <CalibrationMath.h>

#include <IError.h>
#include <gtest/gtest.h>

#include <array>
#include <cstdio>
#include <deque>
#include <functional>
#include <set>

namespace {
using Times = std::array<double, 4>;

Times same(double t)
{
    return {t, t, t, t};
}

std::wstring format(const wchar_t* pattern, double a, double b = 0)
{
    wchar_t text[64];
    swprintf(text, 64, pattern, a, b);
    return text;
}

// A car idling on a controller that answers every command: petrol times stay
// put, each switch to gas takes the next scripted gas times, and a sample
// arrives every 100 ms of fake time.
class FakeHost : public ICalibrationHost
{
public:
    CSettingsRecord record;
    std::vector<std::wstring> commands;
    std::vector<std::wstring> lines;
    std::vector<int> indicator;
    std::vector<int> progress;
    std::set<std::wstring> failing;
    std::deque<Times> gasScript;
    Times petrolTimes = same(3.0);
    Times gasTimes = same(3.0);
    unsigned char pressureRaw = 100; // 88 kPa
    unsigned char activeCylinders = 0x0F;
    bool samplesFlow = true;
    bool connected = true;
    std::function<void()> onPump;
    unsigned long long clock = 0;

    CSettingsRecord& settings() override { return record; }
    bool isConnected() override { return connected; }
    bool switchToPetrol() override
    {
        gas = false;
        return command(L"petrol");
    }
    bool switchToGas() override
    {
        if (!gasScript.empty()) {
            gasTimes = gasScript.front();
            gasScript.pop_front();
        }
        gas = true;
        return command(L"gas");
    }
    bool returnToGas() override
    {
        gas = true;
        return command(L"return");
    }
    bool sendAction23(unsigned char cylinders) override { return command(format(L"action23 %g", cylinders)); }
    bool readBlock31() override { return command(L"read31"); }
    bool readBlock4() override { return command(L"read4"); }
    bool readBlock15() override { return command(L"read15"); }
    bool writeBlock15() override
    {
        for (double c : record.m_mainCorr.m_mainCorr)
            EXPECT_EQ(c, record.m_mainCorr.m_mainCorr[0]);
        return command(format(L"write15 %.3f", record.m_mainCorr.m_mainCorr[0]));
    }
    bool writeBlock26() override
    {
        return command(format(L"write26 %.1f", record.m_advancedSetup.m_maxLoadTime));
    }
    bool writeBlock31() override
    {
        return command(format(L"write31 %g %g", record.m_base.m_switchRPM, record.m_base.m_emulatorDelay));
    }
    bool writeTable7() override { return command(L"write7"); }
    bool writeTable9() override { return command(L"write9"); }
    bool applyAfterCalibrationPreset() override { return command(L"preset"); }
    bool readDiagSample(CDiag& sample) override
    {
        sample = makeSample();
        return true;
    }
    void keepSwitchSettings() override { command(L"keep31"); }
    void clearSamples() override { store.clear(); }
    unsigned long long samplesReceived() override { return received; }
    bool newestSample(CDiag& sample) override
    {
        if (store.empty())
            return false;
        sample = store.back();
        return true;
    }
    void copySamples(std::vector<CDiag>& out) override { out = store; }
    void pumpMessages() override
    {
        if (onPump)
            onPump();
    }
    void sleep(int ms) override
    {
        clock += ms;
        while (samplesFlow && clock >= nextSample) {
            store.push_back(makeSample());
            ++received;
            if (store.size() > 501)
                store.erase(store.begin());
            nextSample += 100;
        }
    }
    unsigned long long now() override { return clock; }
    std::wstring translate(const std::wstring& text) override { return text; }
    void outputLine(const std::wstring& text, OutputKind kind) override
    {
        lines.push_back((kind == OutputKind::Error    ? L"red: "
                         : kind == OutputKind::Advice ? L"green: "
                                                      : L"") +
                        text);
    }
    void setProgress(int position) override { progress.push_back(position); }
    void showCorrections() override {}
    void showIndicator(int value) override { indicator.push_back(value); }
    void reportError(IError* error) override
    {
        delete error;
        lines.push_back(L"error box");
    }

    bool contains(const std::wstring& line) const
    {
        return std::find(lines.begin(), lines.end(), line) != lines.end();
    }

private:
    bool command(const std::wstring& name)
    {
        commands.push_back(name);
        return !failing.count(name);
    }
    CDiag makeSample()
    {
        CDiag s;
        s.setMode(gas ? CDiag::kModeGas : CDiag::kModePetrol);
        s.setSequence(++sequence);
        s.data()[8] = pressureRaw;
        s.data()[CDiag::kInjectorActivityByte] = activeCylinders;
        const Times& t = gas ? gasTimes : petrolTimes;
        for (int i = 0; i < 4; ++i)
            for (int channel = 0; channel < 2; ++channel) {
                unsigned word = unsigned(t[i] / 0.025 + 0.5);
                s.data()[18 + 4 * (2 * i + channel)] = word & 0xFF;
                s.data()[19 + 4 * (2 * i + channel)] = word >> 8;
            }
        return s;
    }

    bool gas = true;
    unsigned sequence = 0;
    unsigned long long nextSample = 100;
    unsigned long long received = 0;
    std::vector<CDiag> store;
};

class AllCylinderCalibration : public ::testing::Test
{
protected:
    AllCylinderCalibration()
    {
        host.record.m_devInfo.m_version = 779;
        host.record.m_base.m_switchRPM = 1500;
        host.record.m_base.m_emulatorDelay = 3;
        calibration.setOneCylinder(false);
    }
    // Gas times of the pressure measurement and of the three rounds.
    void scriptDifferences(double d0, double d1, double d2)
    {
        host.gasScript = {same(3.0 + d0), same(3.0 + d0), same(3.0 + d1), same(3.0 + d2)};
    }

    FakeHost host;
    CAutoCalibration calibration{host};
};

TEST_F(AllCylinderCalibration, FullRunWritesTheFilteredCorrectionAndRestoresTheSwitchSettings)
{
    // 3.00 + 0.02 as a mean over the cylinders of one sample: 3.00, 3.00, 3.03, 3.05.
    host.gasScript = {same(3.25), same(3.25), same(3.05), {3.0, 3.0, 3.025, 3.05}};
    calibration.runAutoCalibration();

    std::vector<std::wstring> expected = {
        L"petrol", L"read31", L"read4", L"read15", L"write15 1.000", L"keep31", L"write31 1200 0", L"return",
        L"write31 1500 0", L"gas", L"petrol", L"petrol", L"write31 1500 0",
        // round 0: c = 1.0 + 0.25, written as 0.8 x c
        L"petrol", L"write26 3.0", L"gas", L"write15 1.000", L"petrol", L"write26 3.0", L"gas", L"petrol",
        L"write26 3.0", L"gas",
        // 0.25 is dropped against 0.05 / 3: (0.05 + 0.02) / 2 + 1.0, times 0.8
        L"write15 0.828", L"write31 1500 3", L"return", L"preset"};
    EXPECT_EQ(expected, host.commands);
    EXPECT_EQ(88, host.record.m_base.m_pressureRef);
    EXPECT_EQ(44, host.record.m_base.m_switchPressure);
    EXPECT_EQ(88, host.record.m_carInfo.m_reductorPress);
    EXPECT_EQ(0x00C0, host.record.m_advancedSetup.m_advancedFlags3 & 0x00C0);
    std::vector<std::wstring> lines = {L"Set engine stable RPM", L"", L"", L"Autocalibation end",
                                       L"Collect petrol map and gas map durring drive."};
    EXPECT_EQ(lines, host.lines);
    // Injector type 1 is a big one: 100 - 0.828 x 33.3333.
    EXPECT_EQ(72, host.indicator.back());
    EXPECT_EQ(0, host.progress.back());
    EXPECT_EQ(1000, host.progress[host.progress.size() - 3]);
    EXPECT_FALSE(calibration.isRunning());
}

TEST_F(AllCylinderCalibration, ResultsAreAveragedAndLimitedToTwo)
{
    host.record.fillCorrections(0.2);
    scriptDifferences(0.3, 0.5, 0.4);
    calibration.runAutoCalibration();
    EXPECT_EQ(L"write15 0.640", host.commands[host.commands.size() - 4]);

    FakeHost big;
    big.record.m_devInfo.m_version = 778;
    big.record.fillCorrections(1.5);
    big.record.m_advancedSetup.m_advancedFlags = 0x80; // petrol-gas advice on
    big.gasScript = {same(3.45), same(3.45), same(3.45), same(3.45)};
    CAutoCalibration second(big);
    second.setOneCylinder(false);
    second.runAutoCalibration();
    // c = 1.95 gets the advice; 0.45 + 1.56 is limited to 2.0.
    EXPECT_TRUE(
        big.contains(L"green: To make properly tunning of LPG controler try one of the following steps:\n"
                     L"-increase LPG injectors size or \n"));
    EXPECT_EQ(L"write15 1.600", big.commands[big.commands.size() - 4]);
    for (const std::wstring& command : big.commands)
        EXPECT_NE(L"write26", command.substr(0, 7)); // firmware 778 has no lock time
}

TEST_F(AllCylinderCalibration, TooSmallCorrectionEndsWithOneAndTheDelayBack)
{
    host.record.fillCorrections(0.6);
    scriptDifferences(-0.7, 0, 0);
    calibration.runAutoCalibration();
    // The preset belongs to a calibration that came to its end.
    std::vector<std::wstring> tail(host.commands.end() - 4, host.commands.end());
    std::vector<std::wstring> expected = {L"gas", L"petrol", L"write31 1500 3", L"write15 1.000"};
    EXPECT_EQ(expected, tail);
    EXPECT_EQ(
        L"red: Calculated correction too small.\nTo make properly tunning of LPG controler try one of the "
        L"following steps:\n-decrease LPG injectors size or ",
        host.lines.back());
}

// The runner hands the controller back (tested against the simulator);
// here the run notes the switch settings before it changes them, says why
// it ended, and never applies the preset after an early end.
TEST_F(AllCylinderCalibration, EarlyEndsSayWhyAndApplyNoPreset)
{
    host.pressureRaw = 71; // 59.6 kPa, shown as 60: not enough
    calibration.runAutoCalibration();
    EXPECT_EQ(L"red: Reducer pressure to low. Recommended pressure is at least 1 bar.", host.lines.back());
    const auto kept = std::find(host.commands.begin(), host.commands.end(), L"keep31");
    EXPECT_LT(kept, std::find(host.commands.begin(), host.commands.end(), L"write31 1200 0"));
    EXPECT_FALSE(calibration.finished());

    FakeHost quiet;
    quiet.record.m_base.m_emulatorDelay = 3;
    CAutoCalibration lost(quiet);
    lost.setOneCylinder(false);
    // The reading thread ends after the settings were changed: no hang.
    quiet.onPump = [&] { quiet.samplesFlow = quiet.commands.size() < 8; };
    lost.runAutoCalibration();
    EXPECT_EQ(L"red: Error - No data from the controller", quiet.lines.back());

    FakeHost stopped;
    CAutoCalibration aborted(stopped);
    aborted.setOneCylinder(false);
    stopped.onPump = [&] {
        if (stopped.clock > 20000)
            aborted.stop();
    };
    aborted.runAutoCalibration();
    EXPECT_EQ(L"Set engine stable RPM", stopped.lines.back()); // stopped without a line

    for (const FakeHost* run : {&host, &quiet, &stopped})
        EXPECT_EQ(run->commands.end(), std::find(run->commands.begin(), run->commands.end(), L"preset"));
}

TEST_F(AllCylinderCalibration, WrongWorkingModeOrFailedReturnToGasAreErrors)
{
    host.failing = {L"return"};
    scriptDifferences(0.1, 0.1, 0.1);
    calibration.runAutoCalibration();
    EXPECT_EQ(L"red: Error - Can't switch to LPG",
              host.lines.front() == L"Set engine stable RPM" ? host.lines[1] : L"");
    EXPECT_NE(L"preset", host.commands.back());
}

TEST_F(AllCylinderCalibration, ASetCurveStartIsResetAndThePresetNotApplied)
{
    host.record.m_setupTimes1[0][2] = 5;  // row 2
    host.record.m_setupTimes1[2][2] = 10; // row 8
    host.record.m_setupTimes2[2][2] = 20;
    scriptDifferences(0.1, 0.1, 0.1);
    calibration.runAutoCalibration();
    EXPECT_EQ(L"write7", host.commands[0]);
    EXPECT_EQ(L"write9", host.commands[1]);
    EXPECT_NE(L"preset", host.commands.back());
    EXPECT_EQ(0, host.record.m_setupTimes1[0][2]);
    EXPECT_DOUBLE_EQ(2, host.record.m_setupTimes1[1][1]);  // row 4
    EXPECT_DOUBLE_EQ(16, host.record.m_setupTimes2[2][1]); // row 7
}

std::vector<std::wstring> matching(const std::vector<std::wstring>& commands, const std::wstring& prefix)
{
    std::vector<std::wstring> found;
    for (const std::wstring& command : commands)
        if (command.compare(0, prefix.size(), prefix) == 0)
            found.push_back(command);
    return found;
}

TEST(OneCylinderCalibration, CylindersFromBothEndsWithCorrectionsInSteps)
{
    FakeHost host;
    host.record.m_devInfo.m_version = 779;
    host.record.m_base.m_switchRPM = 1500;
    host.record.m_base.m_emulatorDelay = 3;
    host.record.m_advancedSetup.m_advancedFlags = 0x80;
    // Gas on cylinder 0 alone, then added in the order 0, 3, 1, 2.
    host.gasScript = {same(3.25), same(3.25), same(3.75), same(3.75), same(3.75)};
    CAutoCalibration calibration(host);
    calibration.runAutoCalibration();

    std::vector<std::wstring> actions = {L"action23 1", L"action23 1", L"action23 9", L"action23 11",
                                         L"action23 15"};
    EXPECT_EQ(actions, matching(host.commands, L"action23"));
    // c = (gas - 3.0 + c) x 0.8 per cylinder: 1.0, 1.4, 1.72, 1.976; moved in 0.2 steps and
    // the rest (a rest of almost 0 after two steps to 1.4 is written too).
    std::vector<std::wstring> writes = {L"write15 1.000", L"write15 1.000", L"write15 1.200",
                                        L"write15 1.400", L"write15 1.400", L"write15 1.600",
                                        L"write15 1.720", L"write15 1.920", L"write15 1.976"};
    EXPECT_EQ(writes, matching(host.commands, L"write15"));
    EXPECT_EQ(std::vector<std::wstring>{L"write26 3.0"}, matching(host.commands, L"write26"));
    EXPECT_EQ(0x00D1, host.record.m_advancedSetup.m_advancedFlags3); // 0x0040 was set before
    std::vector<std::wstring> tail(host.commands.end() - 4, host.commands.end());
    std::vector<std::wstring> expected = {L"petrol", L"return", L"write31 1500 3", L"preset"};
    EXPECT_EQ(expected, tail);
    EXPECT_EQ(L"green: To make properly tunning of LPG controler try one of the following steps:\n"
              L"-increase LPG injectors size or \n",
              host.lines[host.lines.size() - 4]);
    EXPECT_EQ(L"", host.lines[host.lines.size() - 3]);

    FakeHost none;
    none.activeCylinders = 0xF0; // none of the 4 cylinders listed
    CAutoCalibration idle(none);
    idle.runAutoCalibration();
    EXPECT_EQ(L"red: Autosetup procedure error", none.lines.back());
    EXPECT_FALSE(idle.finished());
    EXPECT_NE(L"preset", none.commands.back());
}

TEST(CalibrationMath, IndicatorSettlingAndProgress)
{
    EXPECT_EQ(50, correctionIndicatorValue(1.0, 2));
    for (unsigned char type : {1, 6, 15, 16, 21, 23})
        EXPECT_EQ(66, correctionIndicatorValue(1.0, type));
    EXPECT_EQ(50, calibrationSamplesPerWait(0, 4));
    EXPECT_EQ(50, calibrationSamplesPerWait(10, 8));
    EXPECT_EQ(200, calibrationSamplesPerWait(40, 8));
    EXPECT_EQ(7, calibrationProgressPercent(50, 50, 4, false)); // of 695
    EXPECT_EQ(100, calibrationProgressPercent(695, 50, 4, false));
    EXPECT_EQ(100, calibrationProgressPercent(555, 50, 4, true));
}

TEST(CalibrationMath, OutliersAreDroppedAgainstAThirdOfTheMiddle)
{
    double mean = 0;
    ASSERT_TRUE(averageDifferences({0.25, 0.05, 0.02}, mean));
    EXPECT_NEAR(0.035, mean, 1e-12);
    ASSERT_TRUE(averageDifferences({0.3, 0.5, 0.4}, mean));
    EXPECT_NEAR(0.4, mean, 1e-12);
    ASSERT_TRUE(averageDifferences({0, 0, 0.3}, mean)); // ref 0 keeps all
    EXPECT_NEAR(0.1, mean, 1e-12);
    EXPECT_FALSE(averageDifferences({}, mean));
}

TEST(CalibrationMath, OneCylinderOrderAndCorrectionSteps)
{
    EXPECT_EQ((std::vector<int>{0, 3, 1, 2}), frontBackOrder(0x0F, 4));
    EXPECT_EQ((std::vector<int>{0, 5, 2}), frontBackOrder(0x25, 8));
    EXPECT_TRUE(frontBackOrder(0xF0, 4).empty());
    std::vector<double> up = correctionSteps(1.0, 1.47);
    ASSERT_EQ(3u, up.size());
    EXPECT_NEAR(1.2, up[0], 1e-9);
    EXPECT_NEAR(1.4, up[1], 1e-9);
    EXPECT_NEAR(1.47, up[2], 1e-9);
    std::vector<double> down = correctionSteps(1.0, 0.55);
    ASSERT_EQ(3u, down.size());
    EXPECT_NEAR(0.55, down[2], 1e-9);
}
} // namespace
