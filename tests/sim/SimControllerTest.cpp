#include "SimTestSupport.h"

#include <gtest/gtest.h>

#include <cctype>

using namespace kwsim;
using Bytes = std::vector<uint8_t>;

namespace {
constexpr uint8_t kIdentify = 0xCC;

Bytes identify(SimController& sim)
{
    SimClient client(sim);
    std::optional<Frame> reply = client.ask(2, {kIdentify, 0, 0, 4, 0, 0});
    return reply && reply->cmd == 2 ? reply->payload : Bytes{};
}

SimConfig withVersion(int version, uint8_t hardware = '/')
{
    SimConfig c;
    c.firmwareVersion = version;
    c.hardware = hardware;
    return c;
}

// The selectors whose block this firmware answers, by block number.
std::vector<int> answeredBlocks(SimController& sim)
{
    SimClient client(sim);
    std::vector<int> blocks;
    for (int sel = 0; sel < 256; ++sel) {
        const BlockLayout* layout = SimBlocks::layoutOfSelector(static_cast<uint8_t>(sel));
        if (!layout)
            continue;
        std::optional<Frame> reply = client.request(static_cast<uint8_t>(sel));
        if (reply && reply->cmd == layout->block)
            blocks.push_back(layout->block);
    }
    return blocks;
}
} // namespace

TEST(SimController, IdentificationVariants)
{
    SimController plain;
    EXPECT_EQ((Bytes{4, '/', 0x55, 0, 0, 0}), identify(plain));

    SimConfig second = withVersion(805, '0');
    second.liveDataAllowed = false;
    SimController other(second);
    EXPECT_EQ((Bytes{4, '0', 0, 0, 0, 0}), identify(other));

    SimController unknown(withVersion(805, 'A'));
    EXPECT_EQ('A', identify(unknown)[1]);

    SimConfig boot;
    boot.bootloader = true;
    SimController waiting(boot);
    EXPECT_EQ(5, identify(waiting)[0]);
}

TEST(SimController, EveryBlockAnswersAtItsExactLength)
{
    SimController sim(withVersion(805, '0'));
    SimClient client(sim);
    for (int sel = 0; sel < 256; ++sel) {
        const BlockLayout* layout = SimBlocks::layoutOfSelector(static_cast<uint8_t>(sel));
        if (!layout)
            continue;
        std::optional<Frame> reply = client.request(static_cast<uint8_t>(sel));
        ASSERT_TRUE(reply) << "selector " << sel;
        EXPECT_EQ(layout->block, reply->cmd) << "selector " << sel;
        EXPECT_EQ(SimBlocks::lengthFor(layout->block, 805), reply->payload.size())
            << "block " << int(layout->block);
    }
}

TEST(SimController, VersionGatesWhichBlocksExist)
{
    auto has = [](std::vector<int> blocks, int b) {
        return std::find(blocks.begin(), blocks.end(), b) != blocks.end();
    };
    SimController v777(withVersion(777));
    std::vector<int> blocks = answeredBlocks(v777);
    EXPECT_FALSE(has(blocks, 3));
    EXPECT_FALSE(has(blocks, 19));
    EXPECT_FALSE(has(blocks, 35));
    EXPECT_TRUE(has(blocks, 31));

    SimController v778(withVersion(778));
    blocks = answeredBlocks(v778);
    EXPECT_TRUE(has(blocks, 3) && has(blocks, 19));
    EXPECT_FALSE(has(blocks, 35));
    EXPECT_EQ(44u, SimClient(v778).request(30)->payload.size());

    SimController v789(withVersion(789));
    EXPECT_TRUE(has(answeredBlocks(v789), 35));
    EXPECT_EQ(84u, SimClient(v789).request(30)->payload.size());

    // The circuit readings need 805 and the second hardware.
    SimController v805slash(withVersion(805, '/'));
    EXPECT_FALSE(has(answeredBlocks(v805slash), 37));
    SimController v804zero(withVersion(804, '0'));
    EXPECT_FALSE(has(answeredBlocks(v804zero), 37));
}

TEST(SimController, WritesReplaceTheBlockAndAreAcknowledged)
{
    SimController sim;
    SimClient client(sim);
    Bytes base(28);
    for (size_t i = 0; i < base.size(); ++i)
        base[i] = static_cast<uint8_t>(i * 3 + 1);
    std::optional<Frame> ack = client.ask(31, base);
    ASSERT_TRUE(ack);
    EXPECT_EQ(2, ack->cmd);
    EXPECT_EQ(4, ack->payload[0]);
    EXPECT_EQ(base, client.request(7)->payload);
    EXPECT_EQ(base, sim.with([](SimState& s) { return s.blocks.get(31); }));

    // Wrong length, read-only block, unknown block: refused, nothing changed.
    EXPECT_FALSE(client.accepted(31, Bytes(27, 9)));
    EXPECT_FALSE(client.accepted(8, Bytes(32, 9)));
    EXPECT_FALSE(client.accepted(40, Bytes(6, 9)));
    EXPECT_EQ(base, client.request(7)->payload);

    // A test's refusal rule: the refused write does not act, the next one does.
    int writes = 0;
    sim.with([&](SimState& s) {
        s.refuseRule = [&](const SimRequest& r) { return r.cmd == 31 && ++writes == 1; };
    });
    EXPECT_FALSE(client.accepted(31, Bytes(28, 7)));
    EXPECT_EQ(base, client.request(7)->payload);
    EXPECT_TRUE(client.accepted(31, Bytes(28, 7)));
    EXPECT_EQ(Bytes(28, 7), client.request(7)->payload);
}

TEST(SimController, PcLogLengthFollowsTheVersion)
{
    SimController old(withVersion(784));
    EXPECT_FALSE(SimClient(old).accepted(19, Bytes(84, 1)));
    EXPECT_TRUE(SimClient(old).accepted(19, Bytes(44, 1)));

    SimController recent(withVersion(785));
    EXPECT_FALSE(SimClient(recent).accepted(19, Bytes(44, 1)));
    EXPECT_TRUE(SimClient(recent).accepted(19, Bytes(84, 1)));

    // A test may store a wrong length on purpose; reads answer it as stored.
    recent.with([](SimState& s) { s.blocks.set(19, Bytes(44, 2)); });
    EXPECT_EQ(44u, SimClient(recent).request(30)->payload.size());

    // Changing the version brings the log to its new length.
    old.with([](SimState& s) { s.blocks.setVersion(805); });
    EXPECT_EQ(84u, SimClient(old).request(30)->payload.size());
}

TEST(SimController, DeviceInformationIsConsistent)
{
    SimConfig c = withVersion(0x0325, '0');
    c.cylinders = 6;
    c.obdModule = true;
    SimController sim(c);
    const Bytes info = SimClient(sim).request(13)->payload;
    EXPECT_EQ(1u, info[0] & 1);
    EXPECT_EQ(0x25, info[10]);
    EXPECT_EQ(0x03, info[11]);
    EXPECT_EQ(6, info[28]);
    EXPECT_EQ('0', info[29]);
    // A plain device name: three letters, a digit, a zero last byte.
    EXPECT_TRUE(std::isalpha(info[12]) && std::isalpha(info[13]) && std::isalpha(info[14]));
    EXPECT_TRUE(std::isdigit(info[15]));
    EXPECT_EQ(0, info[27]);
}

TEST(SimController, MemoryChunksAndTheCorrectionMap)
{
    SimController sim;
    SimClient client(sim);
    // The read-back chunk at 502 carries the map's sum in its last two bytes.
    std::optional<Frame> chunk = client.request(11, 502 & 0xFF, 502 >> 8);
    ASSERT_TRUE(chunk);
    EXPECT_EQ(5, chunk->cmd);
    ASSERT_EQ(34u, chunk->payload.size());
    EXPECT_EQ((Bytes{502 & 0xFF, 502 >> 8}), Bytes(chunk->payload.begin(), chunk->payload.begin() + 2));
    const Bytes image = sim.with([](SimState& s) { return s.memory.mapImage(); });
    const uint16_t sum = SimMemory::mapSum(image);
    EXPECT_EQ(sum >> 8, chunk->payload[2 + 30]);
    EXPECT_EQ(sum & 0xFF, chunk->payload[2 + 31]);

    // Writing the image in chunks from 246 replaces it.
    Bytes fresh(288, 110);
    fresh[285] = 0x03;
    const uint16_t freshSum = SimMemory::mapSum(fresh);
    fresh[286] = static_cast<uint8_t>(freshSum >> 8);
    fresh[287] = static_cast<uint8_t>(freshSum & 0xFF);
    for (unsigned at = 0; at < 288; at += 32) {
        Bytes piece{static_cast<uint8_t>((246 + at) & 0xFF), static_cast<uint8_t>((246 + at) >> 8)};
        for (unsigned i = 0; i < 32; ++i)
            piece.push_back(at + i < fresh.size() ? fresh[at + i] : 0xEE);
        EXPECT_TRUE(client.accepted(5, piece)) << at;
    }
    sim.with([&](SimState& s) {
        EXPECT_EQ(fresh, s.memory.mapImage());
        EXPECT_TRUE(s.memory.mapSumValid());
        EXPECT_EQ(10, s.memory.mapValue(18, 14));
    });

    // Chunks past the end of memory and short writes are refused.
    EXPECT_EQ(2, client.request(11, 0xF0, 0x03)->cmd);
    EXPECT_FALSE(client.accepted(5, {0, 0, 1, 2}));
}

TEST(SimController, MapStepAndClear)
{
    SimController sim;
    SimClient client(sim);
    // Rows 1-2, columns 3-5 up by 7; then row 2 down by 2.
    EXPECT_TRUE(client.accepted(13, {1, 3, 2, 3, 2, 7}));
    EXPECT_TRUE(client.accepted(13, {2, 3, 1, 3, 3, 2}));
    EXPECT_FALSE(client.accepted(13, {0, 0, 1, 1, 9, 1}));
    EXPECT_TRUE(client.request(19).has_value());
    sim.with([](SimState& s) {
        EXPECT_EQ(7, s.memory.mapValue(1, 3));
        EXPECT_EQ(5, s.memory.mapValue(2, 5));
        EXPECT_EQ(0, s.memory.mapValue(3, 3));
        EXPECT_EQ(0, s.memory.mapValue(1, 6));
        EXPECT_TRUE(s.memory.mapSumValid());
    });
    EXPECT_TRUE(isAck(client.request(20)));
    EXPECT_EQ(0, sim.with([](SimState& s) { return s.memory.mapValue(1, 3); }));
}

TEST(SimController, FuelSwitchingActsOnTheLiveData)
{
    SimConfig late;
    late.switchDelay = 3;
    SimController sim(late);
    SimClient client(sim);
    EXPECT_EQ(3, client.request(36)->payload[0]); // running on gas
    EXPECT_TRUE(isAck(client.request(2)));
    for (int i = 0; i < 3; ++i)
        EXPECT_EQ(3, client.request(36)->payload[0]) << "sample " << i;
    Bytes sample = client.request(36)->payload;
    EXPECT_EQ(2, sample[0]);
    EXPECT_EQ(2, sample[1]); // switched to petrol by the PC
    EXPECT_TRUE(isAck(client.request(3)));
    for (int i = 0; i < 4; ++i)
        sample = client.request(36)->payload;
    EXPECT_EQ(3, sample[0]);

    SimConfig never;
    never.switchNever = true;
    SimController stuck(never);
    SimClient stuckClient(stuck);
    EXPECT_TRUE(isAck(stuckClient.request(2)));
    for (int i = 0; i < 20; ++i)
        EXPECT_EQ(3, stuckClient.request(36)->payload[0]);
}

TEST(SimController, ResetAndOtherActions)
{
    SimController sim;
    SimClient client(sim);
    sim.with([](SimState& s) {
        s.blocks.set(6, {1, 0, 0x41, 0x80});
        s.blocks.set(28, Bytes(188, 9));
    });
    EXPECT_TRUE(isAck(client.request(10)));
    EXPECT_EQ(Bytes(4, 0), client.request(5)->payload);
    EXPECT_EQ(2, client.request(36)->payload[0]); // restarted on petrol
    EXPECT_EQ(1u, sim.with([](SimState& s) { return s.resets; }));

    EXPECT_TRUE(isAck(client.request(23, 0x05)));
    EXPECT_TRUE(isAck(client.request(24, 0x0A)));
    const Bytes sample = client.request(36)->payload;
    EXPECT_EQ(0x05, sample[11]);
    EXPECT_EQ(0x0A, sample[12]);

    EXPECT_TRUE(isAck(client.request(28)));
    EXPECT_EQ(Bytes(188, 0), client.request(37)->payload);

    sim.with([](SimState& s) {
        s.obdBank1 = 103;
        s.obdBank2 = 95;
    });
    const Bytes banks = client.request(39)->payload;
    EXPECT_EQ(40, banks[0]);
    EXPECT_EQ(95, banks[2]);
    EXPECT_EQ(103, banks[3]);

    EXPECT_FALSE(isAck(client.request(77))); // no such request
}

TEST(SimController, LiveSamplesArePlausibleAndRepeatable)
{
    SimConfig six;
    six.cylinders = 6;
    six.seed = 42;
    SimController a(six), b(six);
    SimClient ca(a), cb(b);
    Bytes previous;
    for (int i = 0; i < 200; ++i) {
        std::optional<Frame> reply = ca.request(36);
        ASSERT_TRUE(reply);
        ASSERT_EQ(1, reply->cmd);
        const Bytes& s = reply->payload;
        ASSERT_EQ(82u, s.size());
        EXPECT_EQ(s, cb.request(36)->payload) << "same seed, same engine";
        const double rpm = 4800000.0 / getU16(s, 16);
        EXPECT_GE(rpm, 690);
        EXPECT_LE(rpm, 4600);
        for (int k = 0; k < 8; ++k) {
            const double ms = getU16(s, 18 + 8 * k) * 0.025;
            if (k < 6)
                EXPECT_TRUE(ms > 1.5 && ms < 8.0) << ms;
            else
                EXPECT_EQ(0, ms);
        }
        EXPECT_EQ(0x3F, s[13]);
        previous = s;
    }
    // The engine warms up: the reducer reading has fallen.
    EXPECT_LT(previous[2], 150);
}

TEST(SimController, LogsEveryGoodRequestPlain)
{
    SimController sim;
    SimClient client(sim);
    client.request(13);
    client.ask(31, Bytes(28, 5));
    Bytes broken = encodeFrame({2, 0x0101, {7, 0, 0, 0, 0, 0}});
    broken.back() ^= 0xFF;
    EXPECT_TRUE(sim.receive(broken.data(), broken.size(), 1).empty());

    std::vector<SimRequest> log = sim.requests();
    ASSERT_EQ(2u, log.size());
    EXPECT_EQ(2, log[0].cmd);
    EXPECT_EQ(13, log[0].selector);
    EXPECT_EQ((Bytes{13, 0, 0, 0, 0, 0}), log[0].payload);
    EXPECT_EQ(31, log[1].cmd);
    EXPECT_EQ(-1, log[1].selector);
    EXPECT_EQ(1u, sim.rejectedFrames());

    SimRequest back;
    ASSERT_TRUE(SimRequest::fromLogLine(log[0].toLogLine(), back));
    EXPECT_EQ("2 13 0d0000000000", log[0].toLogLine());
    EXPECT_EQ(log[0].payload, back.payload);
    EXPECT_EQ(13, back.selector);
    EXPECT_FALSE(SimRequest::fromLogLine("2 13 0d0", back));
    sim.clearRequests();
    EXPECT_TRUE(sim.requests().empty());
}

TEST(SimController, ScriptedRepliesGoOutAsTheyStand)
{
    SimController sim;
    SimClient client(sim);
    const Bytes empty = encodeFrame({2, 0x0001, {}});
    sim.with([&](SimState& s) {
        s.scriptedReplies.push_back({0x00, 0x00, 0xAA, 0x55});
        s.scriptedReplies.push_back(empty);
    });
    EXPECT_TRUE(client.send(31, Bytes(28, 3)).empty());
    EXPECT_EQ((Bytes{0x00, 0x00, 0xAA, 0x55}), client.lastWire());
    client.request(13);
    EXPECT_EQ(empty, client.lastWire());
    EXPECT_EQ(8, client.request(13)->cmd); // the script is used up
    EXPECT_EQ(Bytes(28, 3), sim.with([](SimState& s) { return s.blocks.get(31); }));
}

TEST(SimController, RepliesCarryTheirOwnNonce)
{
    SimController sim;
    SimClient client(sim);
    std::vector<uint16_t> nonces;
    for (int i = 0; i < 20; ++i)
        nonces.push_back(client.request(13)->nonce);
    std::sort(nonces.begin(), nonces.end());
    EXPECT_GT(std::unique(nonces.begin(), nonces.end()) - nonces.begin(), 15);
}
