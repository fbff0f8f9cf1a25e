#include "SimTestSupport.h"

#include <gtest/gtest.h>

using namespace kwsim;
using Bytes = std::vector<uint8_t>;

namespace {
SimController faulty(const SimFaults& faults, uint32_t seed = 5)
{
    SimConfig c;
    c.seed = seed;
    c.faults = faults;
    return SimController(c);
}

// For each of n device-information requests: 'a' answered, 'x' no good frame.
std::string pattern(SimController& sim, int n)
{
    SimClient client(sim);
    std::string p;
    for (int i = 0; i < n; ++i)
        p += client.send(2, {13, 0, 0, 0, 0, 0}).empty() ? 'x' : 'a';
    return p;
}
} // namespace

TEST(SimFaults, DropsAtTheRateAndRepeatsWithTheSeed)
{
    SimFaults f;
    f.dropRate = 0.3;
    SimController a = faulty(f), b = faulty(f), c = faulty(f, 6);
    const std::string pa = pattern(a, 1000);
    EXPECT_EQ(pa, pattern(b, 1000));
    EXPECT_NE(pa, pattern(c, 1000));
    const auto lost = std::count(pa.begin(), pa.end(), 'x');
    EXPECT_GT(lost, 250);
    EXPECT_LT(lost, 350);
    EXPECT_EQ(size_t(lost), a.with([](SimState& s) { return s.faults.dropped; }));
    EXPECT_EQ(1000u, a.requests().size());
}

TEST(SimFaults, ALostReplyStillActs)
{
    SimFaults f;
    f.dropRate = 1.0;
    SimController sim = faulty(f);
    EXPECT_TRUE(SimClient(sim).send(31, Bytes(28, 9)).empty());
    EXPECT_EQ(Bytes(28, 9), sim.with([](SimState& s) { return s.blocks.get(31); }));
}

TEST(SimFaults, BadSumsAreOnTheWire)
{
    SimFaults f;
    f.badChecksumRate = 0.2;
    SimController sim = faulty(f);
    const std::string p = pattern(sim, 500);
    const auto bad = std::count(p.begin(), p.end(), 'x');
    EXPECT_GT(bad, 70);
    EXPECT_LT(bad, 130);
    EXPECT_EQ(size_t(bad), sim.with([](SimState& s) { return s.faults.corrupted; }));
}

TEST(SimFaults, ARunOfBadSumsEndsAndTheRepliesComeBack)
{
    SimFaults f;
    f.badSumAfter = 2;
    f.badSumCount = 3;
    SimController sim = faulty(f);
    EXPECT_EQ("aaxxxaa", pattern(sim, 7));
}

TEST(SimFaults, GarbageComesBeforeTheStartBytes)
{
    SimFaults f;
    f.garbageRate = 1.0;
    f.garbageMax = 3;
    SimController sim = faulty(f);
    SimClient client(sim);
    for (int i = 0; i < 100; ++i) {
        ASSERT_FALSE(client.send(2, {13, 0, 0, 0, 0, 0}).empty());
        const Bytes wire = client.lastWire();
        size_t start = 0;
        while (start < wire.size() && wire[start] != 0xAA)
            ++start;
        EXPECT_GE(start, 1u);
        EXPECT_LE(start, 3u);
        EXPECT_EQ(0x55, wire[start + 1]);
    }
}

TEST(SimFaults, SilentAndStoppedControllersHearNothing)
{
    SimFaults f;
    f.silent = true;
    SimController silent = faulty(f);
    EXPECT_EQ(std::string(5, 'x'), pattern(silent, 5));
    EXPECT_TRUE(SimClient(silent).send(31, Bytes(28, 9)).empty());
    EXPECT_NE(Bytes(28, 9), silent.with([](SimState& s) { return s.blocks.get(31); }));
    EXPECT_EQ(6u, silent.requests().size()); // still logged

    SimFaults stop;
    stop.stopAfter = 3;
    SimController stopping = faulty(stop);
    EXPECT_EQ("aaaxxx", pattern(stopping, 6));
}
