#include "InjectorBankDetection.h"

#include "ProcedureFaults.h"
#include "ProcedureRunner.h"
#include "SimBench.h"

#include <gtest/gtest.h>

#include <algorithm>

using namespace kwsim;
using Outcome = InjectorBankDetection::Outcome;

namespace {
// Six cylinders on CAN; injectors 2, 4 and 6 feed bank 2.
SimConfig vSix(uint8_t bank2 = 0x2A, int cylinders = 6, double gain = 10.0)
{
    SimConfig c;
    c.obdModule = true;
    c.cylinders = cylinders;
    c.blocks[18] = {0xDF, 0x07, 0, 0, 0, 0, 0, 0, 1, 2, 8, 3};
    c.ecus[0].supportedPids = {0x06, 0x07, 0x08, 0x09};
    c.car.fitted = true;
    c.car.bank2Injectors = bank2;
    c.car.gain = gain;
    return c;
}

// Corrections 0.8, 0.9, ... 1.5 ms: restoring cylinder 1's everywhere shows.
std::vector<uint8_t> unevenCorrections()
{
    std::vector<uint8_t> b(16);
    for (int i = 0; i < 8; ++i)
        putU16(b, 2 * i, 200 + 25 * i);
    return b;
}

class BankDetection : public ::testing::Test
{
protected:
    void start(const SimConfig& config)
    {
        setMessagePumpHook(nullptr);
        bench.reset(); // its hooks go before the next bench sets its own
        bench = std::make_unique<kwtest::SimBench>(config);
        bench->with([](SimState& s) { s.blocks.set(15, unevenCorrections()); });
        bench->open();
        CLPGDevice& dev = *bench->device;
        ASSERT_TRUE(dev.readAllSettings());
        ASSERT_TRUE(dev.detect());
        // What the window timer does meanwhile: the page polls a trim, the
        // reading thread stores a sample.
        setMessagePumpHook([this, &dev] {
            if (readSamples) {
                CDiag sample;
                if (dev.readDiagSample(sample) == 0) {
                    sample.setSequence(++sequence);
                    dev.m_diagData.push(sample);
                }
            }
            dev.pollNext();
            if (onPump)
                onPump();
        });
        bench->clearRequests();
    }
    void SetUp() override
    {
        setWaitClock({[this] { return clock; }, [this](unsigned ms) { clock += ms; }});
    }
    void TearDown() override
    {
        setMessagePumpHook(nullptr);
        setWaitClock({});
    }

    Outcome detect(double shift = 100.0)
    {
        ProcedureRunner runner(*bench->device, nullptr, L"detect()");
        InjectorBankDetection detection(runner);
        Outcome outcome = Outcome::Failed;
        runner.run([&] {
            outcome = detection.run(shift);
            return true;
        });
        mask = detection.mask();
        return outcome;
    }
    // Block writes (by command) and actions (by selector) in order.
    std::vector<int> writesAndActions(int block)
    {
        std::vector<int> out;
        for (const SimRequest& r : bench->requests())
            if (r.cmd == block || (r.cmd == 2 && r.selector >= 1 && r.selector <= 3))
                out.push_back(r.cmd == block ? 100 + block : r.selector);
        return out;
    }
    bool onPetrol()
    {
        return bench->with([](SimState& s) { return s.live.mode() == SimLiveEngine::kPetrol; });
    }

    std::unique_ptr<kwtest::SimBench> bench;
    bool readSamples = true;
    uint32_t sequence = 0;
    std::function<void()> onPump;
    uint8_t mask = 0;
    unsigned long long clock = 0;
};
} // namespace

TEST_F(BankDetection, SixCylindersFindTheOddInjectorsOnBankOne)
{
    start(vSix());
    const uint8_t before27 = bench->block(27)[3];
    EXPECT_EQ(Outcome::MaskWritten, detect());
    EXPECT_EQ(0xEA, mask); // bits 0, 2, 4 clear
    EXPECT_EQ(0xEA, bench->block(27)[3]);
    EXPECT_NE(before27, 0xEA);
    EXPECT_EQ(0xEA, bench->device->m_settings.m_obdAdvSetup.obd_corr_for_cyl);
    // Every correction as it was read, not cylinder 1's everywhere.
    EXPECT_EQ(unevenCorrections(), bench->block(15));
    EXPECT_DOUBLE_EQ(1.5, bench->device->m_settings.m_mainCorr.m_mainCorr[7]);
    // Forced gas first; handed back to the controller's switching last.
    const std::vector<int> steps = writesAndActions(15);
    ASSERT_FALSE(steps.empty());
    EXPECT_EQ(1, steps.front());
    EXPECT_EQ(3, steps.back());
    // Ten steps and a restore per cylinder; nothing is left to restore after them.
    EXPECT_EQ(6 * 11, std::count(steps.begin(), steps.end(), 115));
    EXPECT_TRUE(bench->messages.empty());
}

TEST_F(BankDetection, NoClearHalfChangesNothing)
{
    struct Case
    {
        const char* what;
        uint8_t bank2;
        int cylinders;
        double shift;
        double gain;
    };
    const Case cases[] = {
        {"a small shift moves no trim by more than 5 %", 0x2A, 6, 20.0, 10.0},
        {"all six on bank 1", 0x00, 6, 100.0, 10.0},
        {"one of four on bank 1", 0x0E, 4, 100.0, 10.0},
        {"three of four on bank 1", 0x08, 4, 100.0, 10.0},
        {"a trim that rises, however far", 0x2A, 6, 100.0, -40.0},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        start(vSix(c.bank2, c.cylinders, c.gain));
        const std::vector<uint8_t> before27 = bench->block(27);
        EXPECT_EQ(Outcome::NoChange, detect(c.shift));
        EXPECT_EQ(before27, bench->block(27));
        EXPECT_EQ(unevenCorrections(), bench->block(15));
        EXPECT_EQ(3, writesAndActions(15).back());
        EXPECT_TRUE(bench->messages.empty());
    }
}

TEST_F(BankDetection, WithoutFreshSamplesNothingIsShifted)
{
    // No sample arrives after the switch: only the old ones of petrol mode.
    start(vSix());
    for (int i = 0; i < 20; ++i) {
        CDiag old;
        old.setMode(CDiag::kModePetrol);
        old.data()[18] = 160; // 4 ms
        old.setSequence(++sequence);
        bench->device->m_diagData.push(old);
    }
    readSamples = false;
    EXPECT_EQ(Outcome::Failed, detect());
    EXPECT_EQ((std::vector<int>{1, 3}), writesAndActions(15)); // to gas and back, no write
    ASSERT_EQ(1u, bench->messages.size());
    EXPECT_EQ(L"Can't detect injector banks - no live data from the engine", bench->messages[0].text);
}

TEST_F(BankDetection, FailedStepsStopAndSaySo)
{
    // Block 15 unreadable: nothing is sent after the read.
    start(vSix());
    bench->with([](SimState& s) { s.refusedBlocks.insert(15); });
    EXPECT_EQ(Outcome::Failed, detect());
    EXPECT_TRUE(writesAndActions(15).empty());
    EXPECT_EQ((std::vector<std::wstring>{L"Can't read settings from device!"}), bench->texts());

    // The controller stops taking corrections during a shift: the restore
    // fails as well, so the car goes to petrol and stays there.
    start(vSix());
    onPump = [&] {
        bench->with([](SimState& s) {
            if (std::count_if(s.log.begin(), s.log.end(), [](const SimRequest& r) { return r.cmd == 15; }) >=
                3)
                s.refusedBlocks.insert(15);
        });
    };
    EXPECT_EQ(Outcome::Failed, detect());
    EXPECT_EQ(
        (std::vector<std::wstring>{L"Can't write settings to device!",
                                   L"Can't restore the gas corrections - the controller stays on petrol\n"
                                   L"cylinder 1's correction is 1.60 ms"}),
        bench->texts());
    // Held on petrol from the failed restore on: no gas after it.
    const std::vector<int> steps = writesAndActions(15);
    const auto petrol = std::find(steps.begin(), steps.end(), 2);
    ASSERT_NE(steps.end(), petrol);
    EXPECT_EQ(steps.end(), std::find_if(petrol, steps.end(), [](int s) { return s == 1 || s == 3; }));
    EXPECT_TRUE(onPetrol());
    EXPECT_EQ(0, bench->block(27)[3]);
}

// A controller gone silent while a cylinder's correction is shifted: the
// message names the correction it keeps and where the controller stays.
TEST_F(BankDetection, ASilentControllerIsNamedWithWhatItKeeps)
{
    start(vSix());
    onPump = [&] {
        bench->with([](SimState& s) {
            if (std::count_if(s.log.begin(), s.log.end(), [](const SimRequest& r) { return r.cmd == 15; }) >=
                3)
                s.faults.config.silent = true;
        });
    };
    EXPECT_EQ(Outcome::Failed, detect());
    const std::vector<std::wstring> texts = bench->texts();
    ASSERT_EQ(2u, texts.size());
    EXPECT_EQ(L"Can't write settings to device!", texts[0]);
    EXPECT_EQ(0u, texts[1].find(L"Can't restore the gas corrections - the controller stays on gas\n"
                                L"cylinder 1's correction is "))
        << texts[1];
}

// Every way out of the detection, at every one of its own requests: the
// controller gets back its own switching and the corrections it had; only
// the bank mask of a finished detection stays.
TEST_F(BankDetection, EveryExitHandsTheControllerBack)
{
    using kwtest::Exit;
    start(vSix(0x0A, 4));
    EXPECT_EQ(Outcome::MaskWritten, detect());
    const int requests = kwtest::procedureRequests(bench->requests());
    ASSERT_GT(requests, 40);
    const kwtest::ResultBytes mask{{27, {3}}};
    for (Exit exit : {Exit::Refused, Exit::PortFails, Exit::Closed})
        for (int n = 1; n <= requests; ++n) {
            SCOPED_TRACE(std::string(kwtest::exitName(exit)) + " at request " + std::to_string(n));
            start(vSix(0x0A, 4));
            const kwtest::ControllerState before = kwtest::ControllerState::of(*bench);
            {
                kwtest::ProcedureFault fault(*bench, exit, n);
                onPump = [&] { fault.deliver(); };
                const Outcome outcome = detect();
                onPump = nullptr;
                EXPECT_TRUE(fault.hit());
                // A close ends the detection at its next wait.
                if (exit == Exit::Closed && n < requests - 2) {
                    EXPECT_NE(Outcome::MaskWritten, outcome);
                }
            }
            EXPECT_EQ(std::vector<std::string>(),
                      kwtest::handBackDifferences(before, kwtest::ControllerState::of(*bench), mask, 4));
            EXPECT_EQ(std::vector<std::wstring>(), kwtest::leftMessages(*bench));
        }
}
