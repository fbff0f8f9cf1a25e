#include "CDiag.h"
#include "SimBench.h"

#include <gtest/gtest.h>

#include <windows.h>

using kwtest::SimBench;

namespace {

const int kLive = 36;

int count(const std::vector<int>& values, int value)
{
    int n = 0;
    for (int v : values)
        n += v == value;
    return n;
}

kwsim::SimConfig switching(unsigned delay, bool never = false)
{
    kwsim::SimConfig config;
    config.switchDelay = delay;
    config.switchNever = never;
    return config;
}

// Polls: 4 cylinders x 0.2 s x 1000 / 56 = 14.
void shortEmulatorDelay(CLPGDevice& device)
{
    device.m_settings.m_devInfo.m_injCount = 4;
    device.m_settings.m_base.m_emulatorDelay = 0.2;
}

} // namespace

TEST(SwitchToPetrol, ControllerSwitchingLate)
{
    SimBench bench(switching(5));
    bench.open();
    shortEmulatorDelay(*bench.device);
    int pumps = 0;
    setMessagePumpHook([&] { ++pumps; });
    EXPECT_TRUE(bench.device->switchToPetrolAndWait());
    setMessagePumpHook(nullptr);
    const std::vector<int> asked = bench.selectors();
    EXPECT_EQ(2, asked.front());
    EXPECT_EQ(6, count(asked, kLive));
    EXPECT_EQ(6, pumps);
    EXPECT_EQ(2, bench.with([](kwsim::SimState& s) { return s.live.mode(); }));
}

TEST(SwitchToPetrol, ControllerNeverSwitching)
{
    SimBench bench(switching(0, true));
    bench.open();
    shortEmulatorDelay(*bench.device);
    EXPECT_FALSE(bench.device->switchToPetrolAndWait());
    EXPECT_EQ(14, count(bench.selectors(), kLive));

    // No delay set: still the shortest wait, not none.
    bench.clearRequests();
    bench.device->m_settings.m_base.m_emulatorDelay = 0;
    EXPECT_FALSE(bench.device->switchToPetrolAndWait());
    EXPECT_EQ(10, count(bench.selectors(), kLive));
}

TEST(SwitchToPetrol, NoEmulatorDelayStillSeesPetrol)
{
    SimBench bench(switching(2));
    bench.open();
    bench.device->m_settings.m_devInfo.m_injCount = 4;
    bench.device->m_settings.m_base.m_emulatorDelay = 0;
    EXPECT_TRUE(bench.device->switchToPetrolAndWait());
    EXPECT_TRUE(bench.device->reset());
    EXPECT_EQ(1u, bench.with([](kwsim::SimState& s) { return s.resets; }));
}

TEST(SwitchToPetrol, RefusedSwitchEndsAtOnceAndResetNeedsIt)
{
    SimBench bench(kwtest::silentController());
    bench.open();
    EXPECT_FALSE(bench.device->switchToPetrolAndWait());
    EXPECT_FALSE(bench.device->reset());
    EXPECT_EQ(30u, bench.requests().size());
    EXPECT_EQ(0u, bench.with([](kwsim::SimState& s) { return s.resets; }));
}

TEST(SwitchToPetrol, ResetAfterPetrolAndGasAgain)
{
    SimBench bench;
    bench.open();
    EXPECT_TRUE(bench.device->reset());
    EXPECT_EQ((std::vector<int>{2, kLive, 10}), bench.selectors());
    EXPECT_EQ(1u, bench.with([](kwsim::SimState& s) { return s.resets; }));
    bench.clearRequests();
    EXPECT_TRUE(bench.device->returnToGas());
    EXPECT_EQ((std::vector<int>{3}), bench.selectors());
}

TEST(WriteAllSettings, EverythingInOrderThenBackToGas)
{
    SimBench bench;
    bench.open();
    std::vector<bool> cursor;
    setWaitCursorHook([&](bool shown) { cursor.push_back(shown); });
    bench.device->writeAllSettings();
    setWaitCursorHook(nullptr);
    EXPECT_TRUE(bench.messages.empty());
    EXPECT_EQ((std::vector<bool>{true, false}), cursor);
    std::vector<int> order;
    for (const kwsim::SimRequest& r : bench.requests())
        if (order.empty() || order.back() != (r.cmd == 2 ? 1000 + r.selector : r.cmd))
            order.push_back(r.cmd == 2 ? 1000 + r.selector : r.cmd);
    const std::vector<int> expected = {1002, 1036, 31, 4,  15, 7,    9,    5,    1011,
                                       30,   26,   32, 33, 34, 1002, 1036, 1010, 1003};
    EXPECT_EQ(expected, order);
    EXPECT_TRUE(bench.device->m_settingsWritten);
}

TEST(WriteAllSettings, StaysOnPetrolWhenItWasOnPetrol)
{
    SimBench bench;
    bench.open();
    CDiag petrol;
    petrol.setMode(2);
    bench.device->m_diagData.push(petrol);
    bench.device->writeAllSettings();
    EXPECT_EQ(10, bench.selectors().back());
}

TEST(WriteAllSettings, FirstFailureToldOnceAndTheRestLeft)
{
    kwsim::SimConfig config;
    config.faults.stopAfter = 4; // petrol, one sample, blocks 31 and 4
    SimBench bench(config);
    bench.open();
    bench.device->writeAllSettings();
    EXPECT_EQ(std::vector<std::wstring>{L"Can't write settings to device!"}, bench.texts());
    const std::vector<int> cmds = bench.commands();
    EXPECT_EQ(15, cmds.back());
    EXPECT_EQ(15, count(cmds, 15));
    EXPECT_EQ(0, count(cmds, 7));

    SimBench offline;
    offline.device->writeAllSettings();
    EXPECT_EQ(std::vector<std::wstring>{L"Can't write settings to device!"}, offline.texts());
    EXPECT_TRUE(offline.requests().empty());
}

TEST(CorrectionMap, StoredVerifiedAndReadBack)
{
    SimBench bench;
    bench.open();
    CCorrMap& map = bench.device->m_settings.m_corrMap;
    map.m_injMapTable[0][0] = -100;
    map.m_injMapTable[18][14] = 55;
    map.m_injMapTable[5][3] = 7.9; // truncated
    map.m_flags = 0x20;
    ASSERT_TRUE(bench.device->writeCorrectionMap());
    EXPECT_TRUE(bench.device->m_settingsWritten);
    const std::vector<uint8_t> image = bench.with([](kwsim::SimState& s) { return s.memory.mapImage(); });
    EXPECT_EQ(0, image[0]);
    EXPECT_EQ(107, image[5 * 15 + 3]);
    EXPECT_EQ(155, image[284]);
    EXPECT_EQ(0x20, image[285]);
    // 1 + 282 x 100 + 0 + 107 + 155 + 0x20
    const unsigned sum = 1 + 282 * 100 + 107 + 155 + 0x20;
    EXPECT_EQ(sum >> 8, image[286]);
    EXPECT_EQ(sum & 0xFF, image[287]);
    // Nine chunks from 246, then the chunk at 502 that ends with the sum.
    std::vector<int> writes;
    for (const kwsim::SimRequest& r : bench.requests())
        writes.push_back(r.cmd == 5 ? r.payload[0] | r.payload[1] << 8 : -r.selector);
    EXPECT_EQ((std::vector<int>{246, 278, 310, 342, 374, 406, 438, 470, 502, -11}), writes);

    bench.device->m_settings.m_corrMap = CCorrMap();
    ASSERT_TRUE(bench.device->readCorrectionMap());
    EXPECT_EQ(-100, map.m_injMapTable[0][0]);
    EXPECT_EQ(7, map.m_injMapTable[5][3]);
    EXPECT_EQ(55, map.m_injMapTable[18][14]);
    EXPECT_EQ(0x20, map.m_flags);
}

TEST(CorrectionMap, WrongSumIsFailure)
{
    SimBench bench;
    bench.open();
    // The controller's copy ends with another sum.
    bench.with([](kwsim::SimState& s) {
        s.scriptReply(2, {4, 0, 0, 0, 0, 0}, 9);
        std::vector<uint8_t> chunk = {0xF6, 0x01};
        chunk.resize(34, 100);
        s.scriptReply(5, chunk);
    });
    bench.device->m_settingsWritten = false;
    EXPECT_FALSE(bench.device->writeCorrectionMap());
    EXPECT_FALSE(bench.device->m_settingsWritten);

    // A stored image with a broken sum changes nothing.
    bench.with([](kwsim::SimState& s) {
        std::vector<uint8_t> image = s.memory.mapImage();
        image[10] = 150;
        s.memory.setBytes(246, image);
    });
    bench.device->m_settings.m_corrMap.m_injMapTable[0][10] = 12;
    EXPECT_FALSE(bench.device->readCorrectionMap());
    EXPECT_EQ(12, bench.device->m_settings.m_corrMap.m_injMapTable[0][10]);
}

TEST(Memory, WholeChunksUpToTheLength)
{
    SimBench bench;
    bench.open();
    unsigned char data[64] = {};
    EXPECT_TRUE(bench.device->readMemory(data, 0, 0));
    EXPECT_TRUE(bench.requests().empty());
    EXPECT_TRUE(bench.device->readMemory(data, 246, 40));
    EXPECT_EQ(2u, bench.requests().size());
    EXPECT_EQ(100, data[0]);
    for (unsigned char& b : data)
        b = 0x42;
    EXPECT_TRUE(bench.device->writeMemory(data, 600, 64));
    EXPECT_EQ((std::vector<uint8_t>(64, 0x42)),
              bench.with([](kwsim::SimState& s) { return s.memory.bytes(600, 64); }));
    // Outside the controller's memory: refused.
    EXPECT_FALSE(bench.device->readMemoryChunk(2000, data));
}

TEST(LiveSample, ReadAsTheControllerSentIt)
{
    SimBench bench;
    bench.open();
    CDiag sample;
    sample.setSequence(77);
    ASSERT_EQ(0, bench.device->readDiagSample(sample));
    const std::vector<uint8_t> sent = bench.with([](kwsim::SimState& s) { return s.live.lastSample(); });
    EXPECT_EQ(sent, std::vector<uint8_t>(sample.data(), sample.data() + CDiag::kReplySize));
    EXPECT_EQ(0u, sample.getSequence());

    bench.with([](kwsim::SimState& s) { s.scriptReply(2, {4, 0, 0, 0, 0, 0}); });
    CDiag other;
    other.setMode(9);
    EXPECT_EQ(1, bench.device->readDiagSample(other));
    EXPECT_EQ(9, other.getMode());

    bench.with([](kwsim::SimState& s) { s.faults.config.silent = true; });
    EXPECT_EQ(2, bench.device->readDiagSample(other));
    EXPECT_EQ(9, other.getMode());
}

TEST(ObdRelay, ReplyBoundByBufferAndLength)
{
    kwsim::SimConfig config;
    config.obdModule = true;
    SimBench bench(config);
    bench.open();
    bench.device->m_settings.m_obdSetup.enable = 1;
    ASSERT_TRUE(bench.device->writeBlock18());
    // Request id 0x7DF, responder 0x7E8, mask 0x7EF, data 02 01 0C.
    const unsigned char request[kObdRequestSize] = {0xDF, 0x07, 0,    0,    0xE8, 0x07, 0, 0, 0xEF, 0x07,
                                                    0,    0,    0x02, 0x01, 0x0C, 0,    0, 0, 0,    0};
    unsigned char reply[256] = {};
    ASSERT_TRUE(bench.device->sendObdRequest(request, reply, sizeof reply));
    EXPECT_EQ(std::vector<uint8_t>(request, request + 20), bench.requests().back().payload);
    EXPECT_EQ(25, bench.requests().back().cmd);
    EXPECT_EQ(1, reply[0] | reply[1] << 8);
    EXPECT_EQ(0x41, reply[2 + 5]);
    EXPECT_EQ(0x0C, reply[2 + 6]);

    // Five groups claimed, one sent.
    std::vector<uint8_t> lying = {5, 0, 0xE8, 0x07, 0, 0, 4, 0x41, 0x0C, 1, 2, 0, 0, 0};
    bench.with([&](kwsim::SimState& s) { s.scriptReply(24, lying); });
    ASSERT_TRUE(bench.device->sendObdRequest(request, reply, sizeof reply));
    EXPECT_EQ(1, reply[0] | reply[1] << 8);
    EXPECT_EQ(0, reply[14]);

    // One group sent, the buffer holds less.
    lying[0] = 1;
    unsigned char small[10];
    bench.with([&](kwsim::SimState& s) { s.scriptReply(24, lying); });
    ASSERT_TRUE(bench.device->sendObdRequest(request, small, sizeof small));
    EXPECT_EQ(0, small[0] | small[1] << 8);
    EXPECT_EQ(0xE8, small[2]);

    // No second try; any other command is failure.
    bench.clearRequests();
    bench.with([&](kwsim::SimState& s) { s.scriptReply(2, {4, 0, 0, 0, 0, 0}); });
    EXPECT_FALSE(bench.device->sendObdRequest(request, reply, sizeof reply));
    EXPECT_EQ(1u, bench.requests().size());
}
