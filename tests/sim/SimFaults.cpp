#include "SimFaults.h"

#include <algorithm>

namespace kwsim {

bool SimFaultInjector::chance(double rate)
{
    // Always draw, so one fault's rate does not shift the others' sequence.
    std::uniform_real_distribution<double> d(0.0, 1.0);
    return d(m_rng) < rate;
}

SimFaultInjector::Fate SimFaultInjector::fate(size_t n)
{
    m_request = n;
    const bool lost = chance(config.dropRate);
    if (config.silent || (config.stopAfter >= 0 && n > static_cast<size_t>(config.stopAfter)))
        return Fate::Deaf;
    if (!lost)
        return Fate::Answered;
    ++dropped;
    return Fate::Lost;
}

std::vector<uint8_t> SimFaultInjector::noise()
{
    std::uniform_int_distribution<unsigned> length(1, std::max(1u, config.garbageMax));
    std::uniform_int_distribution<unsigned> value(0, 255);
    std::vector<uint8_t> bytes(length(m_rng));
    for (uint8_t& b : bytes) {
        b = static_cast<uint8_t>(value(m_rng));
        if (b == 0xAA && !config.garbageAnyByte)
            b = 0xA5;
    }
    return bytes;
}

bool SimFaultInjector::inBadSumRun() const
{
    const long after = config.badSumAfter;
    return after >= 0 && m_request > static_cast<size_t>(after) &&
           m_request <= static_cast<size_t>(after) + config.badSumCount;
}

std::vector<uint8_t> SimFaultInjector::spoil(std::vector<uint8_t> frame)
{
    const bool badSum = chance(config.badChecksumRate) || inBadSumRun();
    const bool garbage = chance(config.garbageRate);
    if (badSum && !frame.empty()) {
        frame.back() ^= 0x5A;
        ++corrupted;
    }
    if (garbage) {
        const std::vector<uint8_t> prefix = noise();
        frame.insert(frame.begin(), prefix.begin(), prefix.end());
        ++garbled;
    }
    return frame;
}

} // namespace kwsim
