#include "ObdTroubleCodes.h"

#include "SimBench.h"

#include <gtest/gtest.h>

using namespace kwsim;

namespace {
SimConfig twoEcus()
{
    SimConfig c;
    c.obdModule = true;
    c.blocks[18] = {0xDF, 0x07, 0, 0, 0, 0, 0, 0, 1, 2, 8, 3}; // 0x7DF, on, 500 kb/s, CAN
    return c;
}
} // namespace

TEST(ObdRelaySim, StoredCodesOfTwoEcusThroughTheController)
{
    kwtest::SimBench bench{twoEcus()};
    CLPGDevice& dev = *bench.device;
    bench.sim->with([](SimState& s) {
        SimEcu second = SimEcu::can11();
        second.responseId = 0x7F8; // passes the 0x7EF acceptance mask
        second.storedCodes = {0x0110, 0x0300, 0x0606, 0x2101, 0x0130, 0x0171, 0x2000};
        s.obd.ecus.push_back(second);
    });
    bench.open();
    ASSERT_TRUE(dev.readAllSettings());
    bench.sim->clearRequests();

    std::vector<ObdFrame> frames;
    ASSERT_TRUE(relayObd(dev, {0x01, 0x01}, frames));
    const auto counts = storedCodeCounts(frames);
    ASSERT_EQ(2u, counts.size());
    ASSERT_TRUE(relayObd(dev, {0x03}, frames));
    EXPECT_EQ((std::vector<uint16_t>{0x0301, 0x0420}), decodeTroubleCodes(frames, 0x7E8, 3, 0x03));
    EXPECT_EQ(7u, decodeTroubleCodes(frames, 0x7F8, 3, 0x03).size());

    const auto requests = bench.sim->requests();
    ASSERT_FALSE(requests.empty());
    const std::vector<uint8_t> last = requests.back().payload;
    ASSERT_EQ(20u, last.size());
    EXPECT_EQ((std::vector<uint8_t>{1, 0x03, 0, 0, 0, 0, 0, 0}),
              std::vector<uint8_t>(last.begin() + 12, last.end()));
}
