#pragma once

#include <cstddef>
#include <cstdint>
#include <map>
#include <random>
#include <vector>

namespace kwsim {

// The running engine behind the live-data samples: an 82-byte payload per
// request, drifting plausibly from one request to the next (the drift moves
// per sample, not per wall-clock time, so seeded runs repeat). Working
// mode 2 is petrol, 3 gas. A commanded change of mode takes effect after
// `switchDelay` further samples, or never.
class SimLiveEngine
{
public:
    static constexpr size_t kSampleSize = 82;
    static constexpr uint8_t kPetrol = 2;
    static constexpr uint8_t kGas = 3;

    explicit SimLiveEngine(uint32_t seed = 1);

    std::vector<uint8_t> nextSample(int cylinders);
    const std::vector<uint8_t>& lastSample() const { return m_last; }

    uint8_t mode() const { return m_mode; }
    void setMode(uint8_t mode); // at once, no delay
    void requestMode(uint8_t mode);
    bool switchPending() const { return m_pending; }
    // Who chooses the fuel: the controller itself, or the PC holding it on
    // petrol (action 2) or on gas (action 1) until it hands the controller
    // back to its own switching (action 3) or restarts it.
    enum class Hold
    {
        Own,
        Petrol,
        Gas
    };
    Hold hold() const { return m_hold; }
    // Switch to petrol by the PC: the console shows state 2 until the
    // controller is handed back to its own switching.
    void forcePetrol();
    void forceGas();
    void releaseToAuto();
    void reset(); // the controller restarts on petrol

    unsigned switchDelay = 0; // samples answered in the old mode
    bool switchNever = false;
    uint8_t emulatorBits = 0; // action 23, byte 11
    uint8_t gasBits = 0;      // action 24, byte 12
    uint8_t obdCorrection = 100;
    uint8_t fuelLevel = 150; // 0.02 V units
    // Bytes a test wants fixed, by offset; applied last.
    std::map<size_t, uint8_t> pinned;

private:
    void drift();
    void advanceSwitch();
    void fillInjectors(std::vector<uint8_t>& sample, int cylinders);
    double noise(double spread);

    std::mt19937 m_rng;
    uint8_t m_mode = kGas;
    bool m_pending = false;
    uint8_t m_target = kGas;
    unsigned m_countdown = 0;
    Hold m_hold = Hold::Own;
    double m_rpm = 850;
    double m_reducerRaw = 150;
    double m_gasTemprRaw = 150;
    unsigned m_tick = 0;
    std::vector<uint8_t> m_last;
};

} // namespace kwsim
