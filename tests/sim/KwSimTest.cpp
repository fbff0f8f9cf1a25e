#include "KwSimProcess.h"
#include "RawPort.h"

#include <gtest/gtest.h>

#include <windows.h>

#include <algorithm>
#include <chrono>
#include <memory>
#include <numeric>
#include <string>
#include <vector>

using Bytes = std::vector<uint8_t>;

namespace {
// kwsim serving the peer side of a fresh pty pair; the test holds the
// program side as a plain Win32 port.
class KwSimRun
{
public:
    bool start(const std::wstring& options)
    {
        if (!m_sim.start(options))
            return false;
        m_port = std::make_unique<kwtest::RawPort>(m_sim.programPort(), 1000);
        return m_port->ok();
    }

    Bytes exchange(const Bytes& request, DWORD want)
    {
        m_port->send(request);
        return m_port->receive(want);
    }

    std::string log() const { return m_sim.log(); }

private:
    kwtest::KwSimProcess m_sim;
    std::unique_ptr<kwtest::RawPort> m_port;
};

// The reply's payload with its words turned back, checked by hand; empty
// when the frame is not whole or its sum is wrong.
Bytes plainPayload(const Bytes& wire)
{
    if (wire.size() < 8 || wire[0] != 0xAA || wire[1] != 0x55 || wire.size() != 6u + wire[2])
        return {};
    Bytes payload(wire.begin() + 6, wire.end() - 2);
    const unsigned shift = wire[5] & 15;
    unsigned sum = 1 + wire[2] + wire[3] + wire[4] + wire[5];
    for (size_t i = 0; i + 1 < payload.size(); i += 2) {
        const unsigned word = payload[i] | (payload[i + 1] << 8);
        const unsigned plain = ((word >> shift) | (word << (16 - shift))) & 0xFFFF;
        payload[i] = static_cast<uint8_t>(plain);
        payload[i + 1] = static_cast<uint8_t>(plain >> 8);
    }
    for (uint8_t b : payload)
        sum += b;
    const unsigned sent = (wire[wire.size() - 2] << 8) | wire.back();
    return (sum & 0xFFFF) == sent ? payload : Bytes{};
}

// Identification with nonce 0 (nothing turned): sum 1 + 0xCC + 4 + 2 + 8.
const Bytes kIdentify{0xAA, 0x55, 0x08, 0x02, 0x00, 0x00, 0xCC, 0x00, 0x00, 0x04, 0x00, 0x00, 0x00, 0xDB};
// Device information with nonce 0x0105: 0x000D turned left by 5; sum 30.
const Bytes kDeviceInfo{0xAA, 0x55, 0x08, 0x02, 0x01, 0x05, 0xA0, 0x01, 0x00, 0x00, 0x00, 0x00, 0x00, 0x1E};
// A live-data sample request, nonce 0: sum 1 + 36 + 2 + 8.
const Bytes kSample{0xAA, 0x55, 0x08, 0x02, 0x00, 0x00, 0x24, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x2F};

long long msSince(std::chrono::steady_clock::time_point start)
{
    return std::chrono::duration_cast<std::chrono::milliseconds>(std::chrono::steady_clock::now() - start)
        .count();
}

// The milliseconds each of `count` exchanges of `request` with a paced kwsim
// takes, each answered by a whole reply of `want` bytes; none when one is not.
std::vector<double> pacedExchangeTimes(const Bytes& request, DWORD want, int count)
{
    KwSimRun sim;
    if (!sim.start(L"--pace"))
        return {};
    std::vector<double> times;
    for (int i = 0; i < count; ++i) {
        const auto before = std::chrono::steady_clock::now();
        if (plainPayload(sim.exchange(request, want)).size() + 8 != want)
            return {};
        times.push_back(
            std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - before).count());
    }
    return times;
}
} // namespace

TEST(KwSim, AnswersHandBuiltRequestsAndLogsThem)
{
    KwSimRun sim;
    ASSERT_TRUE(sim.start(L"--version 789 --hardware 0"));
    const Bytes id = plainPayload(sim.exchange(kIdentify, 14));
    ASSERT_EQ(6u, id.size());
    EXPECT_EQ(4, id[0]);
    EXPECT_EQ('0', id[1]);
    EXPECT_EQ(0x55, id[2]);

    const Bytes wire = sim.exchange(kDeviceInfo, 40);
    ASSERT_EQ(40u, wire.size());
    EXPECT_EQ(8, wire[3]);
    const Bytes info = plainPayload(wire);
    ASSERT_EQ(32u, info.size());
    EXPECT_EQ(789, info[10] | (info[11] << 8));

    EXPECT_EQ("2 204 cc0000040000\n2 13 0d0000000000\n", sim.log());
}

TEST(KwSim, SpoilsRepliesOnRequest)
{
    KwSimRun sim;
    ASSERT_TRUE(sim.start(L"--bad-checksum 1"));
    const Bytes wire = sim.exchange(kIdentify, 14);
    EXPECT_EQ(14u, wire.size());
    EXPECT_TRUE(plainPayload(wire).empty());
}

TEST(KwSim, SilentControllerOnlyListens)
{
    KwSimRun sim;
    ASSERT_TRUE(sim.start(L"--silent"));
    EXPECT_TRUE(sim.exchange(kIdentify, 14).empty());
    EXPECT_EQ("2 204 cc0000040000\n", sim.log());
}

TEST(KwSim, PacedExchangesTakeTheWireTimeOfBothFrames)
{
    // 14 request and 90 reply bytes of 10 bits at 38400 baud (27.08 ms), ten times.
    const std::vector<double> times = pacedExchangeTimes(kSample, 90, 10);
    ASSERT_EQ(10u, times.size());
    EXPECT_GE(std::accumulate(times.begin(), times.end(), 0.0), 270);
}

TEST(KwSim, PacedControllerAnswersOnceTheRequestIsThrough)
{
    // 28 bytes on the line take 7.3 ms; a read that waited out a 20 ms
    // time-out on every request would make every exchange take more than
    // 27 ms. A busy machine slows exchanges, but not the fastest of 20 that far.
    const std::vector<double> times = pacedExchangeTimes(kIdentify, 14, 20);
    ASSERT_EQ(20u, times.size());
    EXPECT_LT(*std::min_element(times.begin(), times.end()), 20);
}

TEST(KwSim, SplitRepliesArriveInTwoParts)
{
    KwSimRun sim;
    ASSERT_TRUE(sim.start(L"--split 6:300"));
    const auto before = std::chrono::steady_clock::now();
    EXPECT_EQ(6u, plainPayload(sim.exchange(kIdentify, 14)).size());
    EXPECT_GE(msSince(before), 280);
}

TEST(KwSim, RefusesABadCommandLine)
{
    kwtest::ChildProcess child;
    ASSERT_TRUE(child.start(L"kwsim.exe", L"--port 12 --drop 2"));
    EXPECT_EQ(2, child.wait(10000));
}
