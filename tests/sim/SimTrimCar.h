#pragma once

#include <array>
#include <cstdint>
#include <vector>

namespace kwsim {

// A car whose petrol ECU trims follow the gas corrections of block 15: more
// gas on a bank's cylinders makes that bank run rich, and the ECU takes fuel
// away there. Linear, with a set gain and no noise, so that a detection run
// repeats exactly. Only the short-term trims move; the long-term ones learn
// far slower than any test runs and stay at 0 %.
class SimTrimCar
{
public:
    bool fitted = false;
    uint8_t bank2Injectors = 0; // bit i: injector i + 1 feeds bank 2
    double gain = 10.0;         // trim percent per ms of the bank's mean correction
    double balanced = 1.0;      // ms: the correction at which gas matches petrol

    // What the car runs on now: block 15 as stored, the cylinder count, and
    // whether it burns gas (on petrol the corrections do nothing).
    void observe(const std::vector<uint8_t>& block15, int cylinders, bool onGas);
    // Trim in percent of bank 0 or 1, short term or long term.
    double trim(int bank, bool shortTerm) const;
    // The value byte A of PID 0x06 to 0x09.
    uint8_t trimByte(uint8_t pid) const;

private:
    std::array<double, 8> m_corrections{}; // ms
    int m_cylinders = 0;
    bool m_onGas = false;
};

} // namespace kwsim
