#pragma once

#include "ProgramBusy.h"

#include <array>
#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <vector>

class CLPGDevice;
class CWnd;

// The one way to run a procedure that takes the controller out of normal
// running (a calibration, a detection, a petrol procedure, a firmware
// update). It holds the program's busy flag for its life and notes each
// change to the controller as the procedure makes it: the fuel the PC holds
// the controller on, the cylinders switched with action 23, the switch RPM
// and emulator delay of block 31, the corrections of block 15, the reading
// thread. On every way out (the end, Stop, a close, a refused or failed
// command, a thrown error, the controller lost) it puts back what the
// procedure's own successful end would have left, except the result the
// procedure exists to produce, retrying while the controller answers at
// all. What it cannot put back it names in one message.
//
//     ProcedureRunner runner(*device, this, L"CMyPage::OnClickedDetect()");
//     runner.run([&] {
//         if (!runner.switchToGas())
//             return runner.fail(L"Error - Can't switch to LPG");
//         runner.keepCorrections();
//         ...
//         return runner.returnToGas();
//     });
class ProcedureRunner
{
public:
    // `name`: the procedure as an error object thrown inside is reported
    // under, with its parentheses. `onStop` runs when the procedure is
    // stopped (by Stop, a second Start or a close).
    ProcedureRunner(CLPGDevice& device, CWnd* owner, std::wstring name,
                    std::function<void()> onStop = nullptr);
    // Hands back whatever is still out.
    ~ProcedureRunner();
    ProcedureRunner(const ProcedureRunner&) = delete;
    ProcedureRunner& operator=(const ProcedureRunner&) = delete;

    // Runs the steps, then hands the controller back and lets the program
    // go (the busy flag). An error object thrown inside is shown under the
    // procedure's name and deleted. True when the steps said so.
    bool run(const std::function<bool()>& steps);
    // Puts back what is out now; the procedure goes on or ends. True when
    // nothing is left out.
    bool handBack();

    // Stop, a second Start, a close: the next wait ends the procedure.
    void stop();
    // What else a stop does (the procedure's own flag).
    void setStopAction(std::function<void()> onStop) { m_onStop = std::move(onStop); }
    bool stopped() const { return m_stopped; }
    // The reading thread lost the controller.
    bool controllerLost() const;
    CLPGDevice& device() { return m_device; }
    CWnd* owner() const { return m_owner; }

    // The fuel. Each command is noted whether or not it was acknowledged:
    // a reply lost on the way may hide one the controller took.
    bool switchToPetrol();
    bool switchToPetrolAndWait();
    bool switchToGas();
    bool returnToGas();
    bool reset();
    // The procedure's own end returns the controller to gas, also after a
    // restart (which leaves it on petrol): so does every other way out.
    void endOnGas() { m_endOnGas = true; }
    // Action 23: the cylinders that run on gas. The hand-back switches every
    // cylinder back, as a finished calibration ends.
    bool selectCylinders(unsigned char cylinders);

    // Settings put back on the way out, noted as they are now. The
    // procedure changes them in the record and writes them with write().
    void keepSwitchSettings();
    void keepCorrections();
    // Block 27's automatic OBD correction switch, put back to `value` on the
    // way out (the rest of the block as the controller then holds it).
    void keepObdCorrectionSwitch(uint8_t value);
    // A block write of the procedure; the kept settings follow what the
    // controller acknowledged.
    bool write(bool (CLPGDevice::*block)());

    // The reading thread stopped for the procedure; started again on the
    // way out while the controller is connected.
    bool stopReadingThread();
    // The controller left normal running for good (its bootloader) or came
    // back fresh: nothing is left to hand back.
    void abandon();

    // Waits in 100 ms rounds while the window's messages flow: false as
    // soon as the procedure is stopped or the controller lost.
    bool wait(unsigned ms);
    // The same, going on after a stop.
    void pause(unsigned ms);
    // Samples that reached the live-data store since the procedure began.
    unsigned long long samplesSeen() const;

    // A translated text over the owner, with the error icon.
    void report(const wchar_t* text) const;
    // report(), then false: `return runner.fail(L"...");`
    bool fail(const wchar_t* text) const;

private:
    enum class Hold
    {
        None,
        Petrol,
        Gas
    };
    using Corrections = std::array<double, 8>;
    struct SwitchSettings
    {
        double rpm = 0;
        double emulatorDelay = 0;
        bool operator==(const SwitchSettings& o) const
        {
            return rpm == o.rpm && emulatorDelay == o.emulatorDelay;
        }
        bool operator!=(const SwitchSettings& o) const { return !(*this == o); }
    };
    // A kept group of settings: as noted, as the controller acknowledged
    // last, and whether it may differ from the noted one.
    template <class T> struct Kept
    {
        bool kept = false;
        bool out = false;
        T noted{};
        T acknowledged{};
    };

    bool fuelCommand(bool (CLPGDevice::*command)(), Hold after);
    template <class T> void afterWrite(Kept<T>& kept, const T& now, bool acknowledged);
    bool handBackRound(std::vector<std::wstring>& left);
    bool handBackCorrections(std::vector<std::wstring>& left);
    bool handBackSwitchSettings(std::vector<std::wstring>& left);
    bool handBackSelection(std::vector<std::wstring>& left);
    bool handBackObdCorrectionSwitch(std::vector<std::wstring>& left);
    bool handBackFuel(std::vector<std::wstring>& left);
    void handBackReadingThread();
    bool answers();
    SwitchSettings switchSettings() const;
    Corrections corrections() const;
    unsigned char allCylinders() const;

    std::optional<ProgramBusy> m_busy;
    CLPGDevice& m_device;
    CWnd* m_owner;
    std::wstring m_name;
    std::function<void()> m_onStop;
    bool m_stopped = false;
    bool m_endOnGas = false;
    Hold m_hold = Hold::None;
    bool m_selectionOut = false;
    bool m_obdSwitchOut = false;
    uint8_t m_obdSwitch = 0;
    bool m_threadStopped = false;
    Kept<SwitchSettings> m_switch;
    Kept<Corrections> m_corrections;
    unsigned long long m_samplesAtStart = 0;
};
