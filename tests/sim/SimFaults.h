#pragma once

#include <cstddef>
#include <cstdint>
#include <random>
#include <vector>

namespace kwsim {

// Line and controller faults, each drawn from the seeded generator so a run
// repeats exactly.
struct SimFaults
{
    bool silent = false;         // nothing reaches the controller (requests are still logged)
    double dropRate = 0;         // a reply is lost (the request still acts)
    double badChecksumRate = 0;  // a reply's sum is wrong
    double garbageRate = 0;      // noise before a reply's start bytes
    unsigned garbageMax = 3;     // 1 .. garbageMax noise bytes
    bool garbageAnyByte = false; // noise may hold 0xAA, a false start
    long stopAfter = -1;         // deaf after the first N requests (-1: never)
    long badSumAfter = -1;       // the next badSumCount replies after the first N have a wrong sum
    unsigned badSumCount = 0;
};

class SimFaultInjector
{
public:
    explicit SimFaultInjector(uint32_t seed = 1) : m_rng(seed) {}

    SimFaults config;

    enum class Fate
    {
        Answered,
        Lost, // acted on, reply lost on the line
        Deaf, // never reached the controller
    };
    // What becomes of the request numbered `n` (from 1).
    Fate fate(size_t n);
    // The clean reply frame as it reaches the line.
    std::vector<uint8_t> spoil(std::vector<uint8_t> frame);

    size_t dropped = 0;
    size_t corrupted = 0;
    size_t garbled = 0;

private:
    bool chance(double rate);
    bool inBadSumRun() const;
    std::vector<uint8_t> noise();

    std::mt19937 m_rng;
    size_t m_request = 0; // the request being answered
};

} // namespace kwsim
