#include "BankDetectionRun.h"

#include "ObdDetectIds.h"
#include "ProgramBusy.h"
#include "SimBench.h"
#include "UiTestSupport.h"

#include <gtest/gtest.h>

using namespace kwsim;

namespace {
SimConfig obdCar()
{
    SimConfig c;
    c.obdModule = true;
    c.cylinders = 2;
    c.blocks[18] = {0xDF, 0x07, 0, 0, 0, 0, 0, 0, 1, 2, 8, 3};
    c.ecus[0].supportedPids = {0x06, 0x07}; // asked at every turn
    c.car.fitted = true;
    return c;
}
} // namespace

TEST(BankDetectionRun, CancelSendsAndReportsNothing)
{
    kwtest::SimBench bench(obdCar());
    bench.open();
    ASSERT_TRUE(bench.device->readAllSettings());
    bench.clearRequests();
    uitest::HostWindow host;
    int shown = 0;
    uitest::ModalHook hook([&](CDialog& d) {
        ++shown;
        d.EndDialog(IDCANCEL);
    });
    uint8_t mask = 0x5A;
    EXPECT_FALSE(runBankDetection(&host, mask));
    EXPECT_EQ(1, shown);
    EXPECT_EQ(0x5A, mask);
    EXPECT_TRUE(bench.requests().empty());
    EXPECT_TRUE(bench.messages.empty());
}

// The detection runs busy: another Detect or settings handler started from
// its waits does nothing, while the timer's trim polls still reach the car.
TEST(BankDetectionRun, RunsBusyWhileThePollGoesOn)
{
    kwtest::SimBench bench(obdCar());
    bench.open();
    CLPGDevice& dev = *bench.device;
    ASSERT_TRUE(dev.readAllSettings());
    ASSERT_TRUE(dev.detect());
    bench.clearRequests();
    uitest::HostWindow host;
    int dialogs = 0;
    uitest::ModalHook hook([&](CDialog& d) {
        ++dialogs;
        d.EndDialog(IDOK);
    });
    int pumps = 0, busyPumps = 0, refused = 0;
    setMessagePumpHook([&] {
        ++pumps;
        busyPumps += ProgramBusy::isSet();
        uint8_t inner = 0;
        refused += !runBankDetection(&host, inner);
        dev.pollNext();
    });
    // No live data comes, so the run stops after its waits, having changed nothing.
    uint8_t mask = 0;
    EXPECT_FALSE(runBankDetection(&host, mask));
    setMessagePumpHook(nullptr);
    EXPECT_EQ(1, dialogs);
    EXPECT_GT(pumps, 25);
    EXPECT_EQ(pumps, busyPumps);
    EXPECT_EQ(pumps, refused);
    EXPECT_FALSE(ProgramBusy::isSet());
    int polls = 0;
    for (const SimRequest& r : bench.requests())
        polls += r.cmd == 25;
    EXPECT_EQ(pumps, polls);
    EXPECT_EQ((std::vector<std::wstring>{L"Can't detect injector banks - no live data from the engine"}),
              bench.texts());
}
