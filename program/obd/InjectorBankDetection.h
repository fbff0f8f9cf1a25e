#pragma once

#include <array>
#include <cstdint>
#include <vector>

class CDiag;
class CLPGDevice;
class ProcedureRunner;

// Finds which gas injectors feed which bank of the engine: one cylinder at a
// time gets more gas, and a cylinder whose extra gas makes the petrol ECU's
// bank-1 trim fall clearly sits on bank 1. The controller runs on forced gas
// meanwhile; the runner gives it back its own switching and the eight
// corrections it had, whatever the outcome. The trims come from the OBD
// poll, which the window timer runs while the waits pump messages.
class InjectorBankDetection
{
public:
    enum class Outcome
    {
        Failed,     // a step failed or the run was stopped; any message was shown
        NoChange,   // no clear split into two halves: nothing decided
        MaskWritten // the bank mask was written to the controller
    };

    explicit InjectorBankDetection(ProcedureRunner& runner);

    // `shiftPercent`: the extra gas of a cylinder at the end of its shift,
    // in percent of the engine's injection time.
    Outcome run(double shiftPercent);
    // The bank mask written (bit i: injector i + 1 on bank 2).
    uint8_t mask() const { return m_mask; }

private:
    using Corrections = std::array<double, 8>;

    bool detect(double shiftPercent, unsigned long long switchMark, uint8_t& bank1);
    bool baseInjectionTime(unsigned long long switchMark, double& base);
    std::vector<CDiag> freshSamples(unsigned long long switchMark) const;
    bool shiftCylinder(int cylinder, double step, double baseline, bool& onBank1);
    bool measureTrims(double& trim);
    bool writeCorrections(const Corrections& corrections);
    Outcome writeMask(uint8_t bank1, int cylinders);
    int cylinders() const;

    ProcedureRunner& m_runner;
    CLPGDevice& m_device;
    Corrections m_saved{};
    uint8_t m_mask = 0;
};
