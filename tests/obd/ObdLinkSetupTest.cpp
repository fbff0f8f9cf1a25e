#include "ObdLinkSetup.h"

#include "ProcedureRunner.h"
#include "SimBench.h"

#include <gtest/gtest.h>

using kwsim::SimEcu;

namespace {
kwsim::SimConfig car(std::vector<SimEcu> ecus, uint8_t timeout)
{
    kwsim::SimConfig c;
    c.obdModule = true;
    c.ecus = std::move(ecus);
    c.blocks[18] = {0xDF, 0x07, 0, 0, 0xE8, 0x07, 0, 0, 1, 2, timeout, 3};
    return c;
}

struct Try
{
    uint32_t requestId;
    uint32_t responseId;
    uint8_t enable, baud, timeout, proto;
    bool operator==(const Try& o) const
    {
        return requestId == o.requestId && responseId == o.responseId && enable == o.enable &&
               baud == o.baud && timeout == o.timeout && proto == o.proto;
    }
};

uint32_t u32(const std::vector<uint8_t>& p, size_t at)
{
    return p[at] | p[at + 1] << 8 | p[at + 2] << 16 | static_cast<uint32_t>(p[at + 3]) << 24;
}

std::vector<Try> block18Writes(kwtest::SimBench& bench)
{
    std::vector<Try> out;
    for (const kwsim::SimRequest& r : bench.requests())
        if (r.cmd == 18)
            out.push_back({u32(r.payload, 0), u32(r.payload, 4), r.payload[8], r.payload[9], r.payload[10],
                           r.payload[11]});
    return out;
}

// The K-line waits pass in fake time.
struct LinkBench : kwtest::SimBench
{
    explicit LinkBench(const kwsim::SimConfig& config) : SimBench(config)
    {
        open();
        EXPECT_TRUE(device->readAllSettings());
        EXPECT_TRUE(device->readBlock18(device->m_settings.m_obdSetup));
        clearRequests();
        setWaitClock({[this] { return clock; }, [this](unsigned ms) { clock += ms; }});
    }
    ~LinkBench() { setWaitClock({}); }

    unsigned long long clock = 0;
    ProcedureRunner runner{*device, nullptr, L"test"};
};
} // namespace

TEST(ObdLinkSetup, TriesRunInOrderUntilA29BitEcuAt250kAnswers)
{
    LinkBench bench{car({SimEcu::can29(1)}, 3)};
    CLPGDevice& dev = *bench.device;
    EXPECT_EQ(ObdLinkResult::Found, setupObdAuto(bench.runner, ObdLinkRun::UserChoice));
    // The values found first, then the rows up to the fourth; every try
    // with the timeout raised to 8.
    const std::vector<Try> expected{{0x7DF, 0x7E8, 1, 2, 8, 3},
                                    {0x7DF, 0x7E8, 1, 2, 8, 3},
                                    {0x18DB33F1, 0x18DAF100, 1, 2, 8, 3},
                                    {0x7DF, 0x7E8, 1, 1, 8, 3},
                                    {0x18DB33F1, 0x18DAF100, 1, 1, 8, 3}};
    EXPECT_TRUE(expected == block18Writes(bench));
    EXPECT_TRUE(dev.m_obdLinkActive);
    EXPECT_EQ(0x18DAF110u, dev.m_responderId);
    // PIDs 0x06, 0x07, 0x14 and 0x15 of the ECU's set; the bank-2 trims not.
    const bool expectedSupport[8] = {true, true, false, false, true, true, false, false};
    for (int i = 0; i < 8; ++i)
        EXPECT_EQ(expectedSupport[i], dev.m_pids[i].enabled) << i;

    // The last try's requests: PID 0x06, the support mask, PID 0x1C.
    std::vector<std::vector<uint8_t>> asked;
    for (const kwsim::SimRequest& r : bench.requests())
        if (r.cmd == 25)
            asked.emplace_back(r.payload.begin() + 12, r.payload.begin() + 15);
    ASSERT_LE(3u, asked.size());
    EXPECT_EQ((std::vector<std::vector<uint8_t>>{{2, 1, 0x06}, {2, 1, 0x00}, {2, 1, 0x1C}}),
              std::vector<std::vector<uint8_t>>(asked.end() - 3, asked.end()));
}

TEST(ObdLinkSetup, WithoutAnAnswerOnlyTheUsersChoiceSwitchesTheLinkOff)
{
    LinkBench bench{car({}, 20)};
    CLPGDevice& dev = *bench.device;
    EXPECT_EQ(ObdLinkResult::SwitchedOff, setupObdForProtocol(bench.runner, 3, ObdLinkRun::UserChoice));
    std::vector<Try> writes = block18Writes(bench);
    ASSERT_EQ(5u, writes.size());     // the four CAN rows, then off
    EXPECT_EQ(20, writes[0].timeout); // a longer timeout stays
    EXPECT_EQ(0, writes[4].enable);
    EXPECT_EQ(0, writes[4].proto);
    EXPECT_FALSE(dev.m_obdLinkActive);

    LinkBench startup{car({}, 8)};
    const std::vector<uint8_t> found = startup.block(18);
    EXPECT_EQ(ObdLinkResult::Restored, setupObdForProtocol(startup.runner, 2, ObdLinkRun::Startup));
    EXPECT_EQ(found, startup.block(18));
    EXPECT_EQ(2u, block18Writes(startup).size()); // row 5, then as found
    EXPECT_FALSE(startup.device->m_obdLinkActive);
}
