#pragma once

#include <windows.h>

#include <array>
#include <cstdint>
#include <functional>
#include <vector>

class CDiag;
class CLPGDevice;

// Finds which gas injectors feed which bank of the engine: one cylinder at a
// time gets more gas, and a cylinder whose extra gas makes the petrol ECU's
// bank-1 trim fall clearly sits on bank 1. The controller runs on forced gas
// meanwhile and gets back its own switching and the eight corrections it had
// before, whatever the outcome. The trims come from the OBD poll, which the
// window timer runs while the waits pump messages.
class InjectorBankDetection
{
public:
    enum class Outcome
    {
        Failed,     // a step failed; its message was shown
        NoChange,   // no clear split into two halves: nothing decided
        MaskWritten // the bank mask was written to the controller
    };

    InjectorBankDetection(CLPGDevice& device, HWND owner);

    // `shiftPercent`: the extra gas of a cylinder at the end of its shift,
    // in percent of the engine's injection time.
    Outcome run(double shiftPercent);
    // The bank mask written (bit i: injector i + 1 on bank 2).
    uint8_t mask() const { return m_mask; }

    // The sleeps inside the waits; tests make them instant.
    std::function<void(unsigned ms)> sleep;

private:
    using Corrections = std::array<double, 8>;

    bool detect(double shiftPercent, uint32_t switchMark, uint8_t& bank1);
    bool baseInjectionTime(uint32_t switchMark, double& base);
    std::vector<CDiag> freshSamples(uint32_t switchMark) const;
    bool shiftCylinder(int cylinder, double step, double baseline, bool& onBank1);
    double measureTrims();
    bool writeCorrections(const Corrections& corrections);
    bool handBack();
    Outcome writeMask(uint8_t bank1, int cylinders);
    void wait(unsigned ms);
    int cylinders() const;
    void report(const wchar_t* text) const;

    CLPGDevice& m_device;
    HWND m_owner;
    Corrections m_saved{};
    bool m_changed = false; // a shifted correction went to the controller
    uint8_t m_mask = 0;
};
