#include "SimLiveEngine.h"

#include "SimBlocks.h"

#include <algorithm>
#include <cmath>

namespace kwsim {

namespace {
constexpr double kRpmConstant = 4800000.0;
constexpr double kTick = 0.025; // ms per time count

uint8_t toByte(double v)
{
    return static_cast<uint8_t>(std::clamp(std::lround(v), 0L, 255L));
}
} // namespace

SimLiveEngine::SimLiveEngine(uint32_t seed) : m_rng(seed), m_last(kSampleSize, 0) {}

double SimLiveEngine::noise(double spread)
{
    std::normal_distribution<double> d(0.0, spread);
    return d(m_rng);
}

void SimLiveEngine::setMode(uint8_t mode)
{
    m_mode = mode;
    m_pending = false;
}

void SimLiveEngine::requestMode(uint8_t mode)
{
    if (switchNever)
        return;
    if (switchDelay == 0) {
        setMode(mode);
        return;
    }
    m_pending = true;
    m_target = mode;
    m_countdown = switchDelay;
}

void SimLiveEngine::forcePetrol()
{
    m_hold = Hold::Petrol;
    requestMode(kPetrol);
}

void SimLiveEngine::forceGas()
{
    m_hold = Hold::Gas;
    requestMode(kGas);
}

void SimLiveEngine::releaseToAuto()
{
    m_hold = Hold::Own;
    requestMode(kGas);
}

void SimLiveEngine::reset()
{
    setMode(kPetrol);
    m_hold = Hold::Own;
    emulatorBits = 0;
    gasBits = 0;
}

void SimLiveEngine::advanceSwitch()
{
    if (!m_pending)
        return;
    if (m_countdown > 0) {
        --m_countdown;
        return;
    }
    setMode(m_target);
}

void SimLiveEngine::drift()
{
    ++m_tick;
    // A car idling and driving about: RPM wanders around 1800.
    m_rpm = std::clamp(m_rpm + noise(60.0) + 0.02 * (1800.0 - m_rpm), 700.0, 4500.0);
    // Warming up: raw readings fall as temperatures rise.
    m_reducerRaw = std::max(60.0, m_reducerRaw - 0.1);
    m_gasTemprRaw = std::max(110.0, m_gasTemprRaw - 0.05);
}

void SimLiveEngine::fillInjectors(std::vector<uint8_t>& sample, int cylinders)
{
    const double petrolMs = 2.0 + m_rpm / 1000.0 * 0.8 + noise(0.05);
    const int count = std::clamp(cylinders, 0, 8);
    for (int k = 0; k < count; ++k) {
        const double ms = std::max(0.0, petrolMs + 0.02 * (k - 1.5));
        putU16(sample, 18 + 8 * k, static_cast<unsigned>(std::lround(ms / kTick)));
        // Gas runs a little longer than petrol: a positive offset in counts.
        putU16(sample, 20 + 8 * k, m_mode == kPetrol ? 0 : 10 + k);
    }
    sample[13] = static_cast<uint8_t>((1u << count) - 1);
}

std::vector<uint8_t> SimLiveEngine::nextSample(int cylinders)
{
    advanceSwitch();
    drift();
    std::vector<uint8_t> s(kSampleSize, 0);
    s[0] = m_mode;
    s[1] = m_hold == Hold::Petrol ? 2 : (m_mode == kPetrol ? 1 : 0);
    s[2] = toByte(m_reducerRaw);
    s[3] = toByte(m_gasTemprRaw);
    s[5] = toByte(117 + noise(1.0)); // about 13.8 V
    const bool rich = (m_tick / 5) % 2 == 0;
    s[6] = toByte((rich ? 41 : 8) + noise(1.5));
    s[7] = toByte((rich ? 8 : 41) + noise(1.5));
    s[8] = toByte((m_mode == kPetrol ? 130 : 133) + noise(1.0));
    s[10] = toByte(30 + m_rpm / 100.0 + noise(1.0));
    s[11] = emulatorBits;
    s[12] = gasBits;
    s[14] = fuelLevel;
    s[15] = obdCorrection;
    putU16(s, 16, static_cast<unsigned>(std::lround(kRpmConstant / m_rpm)));
    fillInjectors(s, cylinders);
    for (const auto& [offset, value] : pinned)
        if (offset < s.size())
            s[offset] = value;
    m_last = s;
    return s;
}

} // namespace kwsim
