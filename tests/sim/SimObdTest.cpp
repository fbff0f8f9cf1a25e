#include "SimTestSupport.h"

#include <gtest/gtest.h>

using namespace kwsim;
using Bytes = std::vector<uint8_t>;

namespace {
struct Group
{
    uint32_t id;
    Bytes data;
};

Bytes obdRequest(uint32_t requestId, uint32_t responseId, uint32_t mask, Bytes data)
{
    Bytes r(12, 0);
    putU32(r, 0, requestId);
    putU32(r, 4, responseId);
    putU32(r, 8, mask);
    data.resize(8, 0);
    r.insert(r.end(), data.begin(), data.end());
    return r;
}

// Block 18: request id, responder, enable, baud, timeout, protocol.
Bytes moduleSettings(uint32_t requestId, uint8_t enable, uint8_t baud, uint8_t proto)
{
    Bytes b(12, 0);
    putU32(b, 0, requestId);
    b[8] = enable;
    b[9] = baud;
    b[10] = 8;
    b[11] = proto;
    return b;
}

class SimObd : public ::testing::Test
{
protected:
    SimObd() : sim(config()), client(sim) {}

    static SimConfig config()
    {
        SimConfig c;
        c.obdModule = true;
        c.blocks[18] = moduleSettings(0x7DF, 1, 2, 3);
        return c;
    }

    std::optional<std::vector<Group>> relay(Bytes data, uint32_t requestId = 0x7DF,
                                            uint32_t responseId = 0x7E8, uint32_t mask = 0x7EF)
    {
        std::optional<Frame> reply = client.ask(25, obdRequest(requestId, responseId, mask, data));
        if (!reply || reply->cmd != 24)
            return std::nullopt;
        const Bytes& p = reply->payload;
        std::vector<Group> groups;
        const unsigned n = getU16(p, 0);
        EXPECT_EQ(2 + 12 * n, p.size());
        for (unsigned i = 0; i < n && 2 + 12 * (i + 1) <= p.size(); ++i)
            groups.push_back({getU32(p, 2 + 12 * i), Bytes(p.begin() + 6 + 12 * i, p.begin() + 14 + 12 * i)});
        return groups;
    }

    SimController sim;
    SimClient client;
};
} // namespace

TEST_F(SimObd, AnswersModeOnePids)
{
    std::optional<std::vector<Group>> trim = relay({2, 1, 0x06});
    ASSERT_TRUE(trim);
    ASSERT_EQ(1u, trim->size());
    EXPECT_EQ(0x7E8u, (*trim)[0].id);
    EXPECT_EQ(3, (*trim)[0].data[0]);
    EXPECT_EQ(0x41, (*trim)[0].data[1]);
    EXPECT_EQ(0x06, (*trim)[0].data[2]);
    EXPECT_NEAR(128, (*trim)[0].data[3], 8);

    // PID 0x00: the support mask, A most significant.
    const Bytes mask = (*relay({2, 1, 0x00}))[0].data;
    const uint32_t bits = (uint32_t(mask[3]) << 24) | (mask[4] << 16) | (mask[5] << 8) | mask[6];
    EXPECT_TRUE(bits & (0x80000000u >> (0x06 - 1)));
    EXPECT_TRUE(bits & (0x80000000u >> (0x15 - 1)));
    EXPECT_FALSE(bits & (0x80000000u >> (0x08 - 1))); // one bank only

    // An unsupported PID draws no frame at all.
    EXPECT_TRUE(relay({2, 1, 0x08})->empty());
    // PID 0x01: the count of stored codes, with the lamp bit.
    EXPECT_EQ(0x82, (*relay({2, 1, 0x01}))[0].data[3]);
}

TEST_F(SimObd, FixedValuesReplaceTheModel)
{
    sim.with([](SimState& s) {
        s.obd.ecus[0].fixedValues[0x06] = {160};
        s.obd.ecus[0].fixedValues[0x00] = {0, 0, 0, 0};
    });
    EXPECT_EQ((Bytes{3, 0x41, 0x06, 160, 0x55, 0x55, 0x55, 0x55}), (*relay({2, 1, 0x06}))[0].data);
    EXPECT_EQ((Bytes{6, 0x41, 0x00, 0, 0, 0, 0, 0x55}), (*relay({2, 1, 0x00}))[0].data);
    // Only PIDs the ECU supports are answered, fixed or not.
    sim.with([](SimState& s) { s.obd.ecus[0].fixedValues[0x08] = {1}; });
    EXPECT_TRUE(relay({2, 1, 0x08})->empty());
}

TEST_F(SimObd, TroubleCodesInCanFrames)
{
    std::vector<Group> stored = *relay({1, 3});
    ASSERT_EQ(1u, stored.size());
    EXPECT_EQ((Bytes{6, 0x43, 2, 0x03, 0x01, 0x04, 0x20, 0x55}), stored[0].data);

    // Five codes: a first frame with two, a consecutive frame with three.
    sim.with([](SimState& s) { s.obd.ecus[0].storedCodes = {0x0101, 0x0202, 0x0303, 0x0404, 0x0505}; });
    stored = *relay({1, 3});
    ASSERT_EQ(2u, stored.size());
    EXPECT_EQ((Bytes{0x10, 12, 0x43, 5, 0x01, 0x01, 0x02, 0x02}), stored[0].data);
    EXPECT_EQ((Bytes{0x21, 0x03, 0x03, 0x04, 0x04, 0x05, 0x05, 0x55}), stored[1].data);

    EXPECT_EQ((Bytes{4, 0x47, 1, 0x01, 0x71, 0x55, 0x55, 0x55}), (*relay({1, 7}))[0].data);

    // Clearing: positive answer, no codes left.
    EXPECT_EQ(0x44, (*relay({1, 4}))[0].data[1]);
    EXPECT_EQ(0, (*relay({2, 1, 0x01}))[0].data[3]);
    EXPECT_EQ((Bytes{2, 0x43, 0, 0x55, 0x55, 0x55, 0x55, 0x55}), (*relay({1, 3}))[0].data);
    EXPECT_EQ(1u, sim.with([](SimState& s) { return s.obd.clears; }));

    sim.with([](SimState& s) { s.obd.ecus[0].refuseClear = true; });
    EXPECT_EQ(0x7F, (*relay({1, 4}))[0].data[1]);
}

TEST_F(SimObd, KLineCodesComeThreeToAMessage)
{
    sim.with([](SimState& s) {
        s.blocks.set(18, moduleSettings(0xC133F1, 1, 3, 2));
        s.obd.ecus.assign(1, SimEcu::kline(2));
        s.obd.ecus[0].storedCodes = {0x0301, 0x0302, 0x0303, 0x0304};
    });
    std::vector<Group> stored = *relay({1, 3}, 0xC133F1, 0x18DAF100, 0x18DAF100);
    ASSERT_EQ(2u, stored.size());
    EXPECT_EQ((Bytes{7, 0x43, 0x03, 0x01, 0x03, 0x02, 0x03, 0x03}), stored[0].data);
    EXPECT_EQ((Bytes{7, 0x43, 0x03, 0x04, 0, 0, 0, 0}), stored[1].data);
}

TEST_F(SimObd, AnswersOnlyOnTheRightLinkAndFilter)
{
    // The CAN filter: a 29-bit responder outside the mask is not heard.
    sim.with([](SimState& s) { s.obd.ecus.push_back(SimEcu::can29()); });
    EXPECT_EQ(1u, relay({2, 1, 0x06})->size());
    sim.with([](SimState& s) { s.blocks.set(18, moduleSettings(0x18DB33F1, 1, 2, 3)); });
    std::vector<Group> wide = *relay({2, 1, 0x06}, 0x18DB33F1, 0x18DAF100, 0x18DAF100);
    ASSERT_EQ(1u, wide.size());
    EXPECT_EQ(0x18DAF110u, wide[0].id);
    EXPECT_TRUE(relay({2, 1, 0x06}, 0x18DB33F1, 0x18DAF111, 0x18DAF1FF)->empty());

    // Wrong bit rate, wrong protocol, link off: the bus stays quiet.
    sim.with([](SimState& s) { s.blocks.set(18, moduleSettings(0x7DF, 1, 1, 3)); });
    EXPECT_TRUE(relay({2, 1, 0x06})->empty());
    sim.with([](SimState& s) { s.blocks.set(18, moduleSettings(0x7DF, 1, 2, 1)); });
    EXPECT_TRUE(relay({2, 1, 0x06})->empty());
    sim.with([](SimState& s) { s.blocks.set(18, moduleSettings(0x7DF, 0, 2, 3)); });
    EXPECT_TRUE(relay({2, 1, 0x06})->empty());

    // No OBD module fitted: the relay request itself is refused.
    sim.with([](SimState& s) { s.blocks.setFlags1(0); });
    EXPECT_FALSE(relay({2, 1, 0x06}));
}

TEST_F(SimObd, TrimCarFollowsTheCorrectionsOfEachBank)
{
    sim.with([](SimState& s) {
        s.blocks.setCylinders(6);
        s.obd.ecus[0].supportedPids.insert(s.obd.ecus[0].supportedPids.end(), {0x08, 0x09});
        s.obd.car.fitted = true;
        s.obd.car.bank2Injectors = 0x2A; // injectors 2, 4, 6
        s.obd.car.gain = 10.0;
    });
    auto trimByte = [&](uint8_t pid) { return (*relay({2, 1, pid}))[0].data[3]; };
    // Balanced corrections (1.0 ms each): every trim at 0 %.
    EXPECT_EQ(128, trimByte(0x06));
    EXPECT_EQ(128, trimByte(0x08));

    // Injector 1 (bank 1) 1.5 ms richer: bank 1's mean rises by 0.5 ms, so its
    // short-term trim falls by 5 %; its long-term trim and bank 2 stay.
    sim.with([](SimState& s) {
        Bytes b15 = s.blocks.get(15);
        putU16(b15, 0, 250 + 375);
        s.blocks.set(15, b15);
    });
    EXPECT_EQ(128 - 6, trimByte(0x06)); // -5 % in 100/128 steps, rounded
    EXPECT_EQ(128, trimByte(0x07));
    EXPECT_EQ(128, trimByte(0x08));
    EXPECT_EQ(128, trimByte(0x09));
    EXPECT_EQ(trimByte(0x06), trimByte(0x06)); // no noise

    // On petrol the gas corrections do nothing.
    sim.with([](SimState& s) { s.live.setMode(SimLiveEngine::kPetrol); });
    EXPECT_EQ(128, trimByte(0x06));
}
