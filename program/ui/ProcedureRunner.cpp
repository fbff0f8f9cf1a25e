#include "ProcedureRunner.h"

#include "ErrorReport.h"
#include "IProgramShell.h"
#include "MakerWord.h"
#include "SettingsHandler.h"
#include "translate.h"

#include <CDiag.h>
#include <CLPGDevice.h>
#include <IError.h>
#include <UserInterface.h>
#include <Wfx.h>

#include <algorithm>
#include <cstdio>

namespace {

const unsigned kWaitRoundMs = 100;
// Hand-back rounds while the controller still answers, and the pause
// between them (a line that dropped a reply may take the next).
const int kHandBackRounds = 3;
const unsigned kHandBackPauseMs = 1000;
const wchar_t kNoRecording[] = L"\\";

std::wstring correctionLeft(size_t cylinder, double value)
{
    wchar_t text[256];
    swprintf(text, 256, translate(L"cylinder %d's correction is %.2f ms").c_str(), int(cylinder + 1), value);
    return text;
}

std::wstring switchSettingsLeft(double rpm, double emulatorDelay)
{
    wchar_t text[256];
    swprintf(
        text, 256,
        translate(L"Can't restore the switch settings - the switch RPM stays %.0f, the emulator delay %.1f s")
            .c_str(),
        rpm, emulatorDelay);
    return text;
}

// A controller command that may throw: a thrown error counts as a refusal.
template <class F> bool attempt(F&& command)
{
    try {
        return command();
    } catch (IError* error) {
        delete error;
        return false;
    }
}

} // namespace

ProcedureRunner::ProcedureRunner(CLPGDevice& device, CWnd* owner, std::wstring name,
                                 std::function<void()> onStop)
    : m_device(device), m_owner(owner), m_name(std::move(name)), m_onStop(std::move(onStop)),
      m_samplesAtStart(device.m_diagData.received())
{
    m_busy.emplace([this] { stop(); });
}

ProcedureRunner::~ProcedureRunner()
{
    handBack();
}

bool ProcedureRunner::run(const std::function<bool()>& steps)
{
    bool finished = false;
    try {
        finished = steps();
    } catch (IError* error) {
        reportError(m_name.c_str(), error, m_owner ? m_owner->GetSafeHwnd() : nullptr);
    }
    handBack();
    m_busy.reset();
    return finished;
}

void ProcedureRunner::stop()
{
    if (m_stopped)
        return;
    m_stopped = true;
    if (m_onStop)
        m_onStop();
}

bool ProcedureRunner::controllerLost() const
{
    return !m_device.m_connected;
}

bool ProcedureRunner::fuelCommand(bool (CLPGDevice::*command)(), Hold after)
{
    if (after != Hold::None)
        m_hold = after;
    const bool acknowledged = (m_device.*command)();
    if (acknowledged && after == Hold::None)
        m_hold = Hold::None;
    return acknowledged;
}

bool ProcedureRunner::switchToPetrol()
{
    return fuelCommand(&CLPGDevice::switchToPetrol, Hold::Petrol);
}

bool ProcedureRunner::switchToPetrolAndWait()
{
    return fuelCommand(&CLPGDevice::switchToPetrolAndWait, Hold::Petrol);
}

bool ProcedureRunner::switchToGas()
{
    return fuelCommand(&CLPGDevice::switchToGas, Hold::Gas);
}

bool ProcedureRunner::returnToGas()
{
    return fuelCommand(&CLPGDevice::returnToGas, Hold::None);
}

// The restart holds petrol on the way (the wait before it) and leaves the
// controller to its own switching, on petrol.
bool ProcedureRunner::reset()
{
    m_hold = Hold::Petrol;
    const bool acknowledged = fuelCommand(&CLPGDevice::reset, Hold::None);
    if (acknowledged && m_endOnGas)
        m_hold = Hold::Petrol;
    return acknowledged;
}

bool ProcedureRunner::selectCylinders(unsigned char cylinders)
{
    m_selectionOut = true;
    const bool acknowledged = m_device.sendAction23(cylinders);
    if (acknowledged && cylinders == allCylinders())
        m_selectionOut = false;
    return acknowledged;
}

unsigned char ProcedureRunner::allCylinders() const
{
    const int count = std::clamp(m_device.m_settings.m_devInfo.m_injCount, 1, 8);
    return static_cast<unsigned char>((1u << count) - 1);
}

ProcedureRunner::SwitchSettings ProcedureRunner::switchSettings() const
{
    return {m_device.m_settings.m_base.m_switchRPM, m_device.m_settings.m_base.m_emulatorDelay};
}

ProcedureRunner::Corrections ProcedureRunner::corrections() const
{
    return m_device.m_settings.m_mainCorr.m_mainCorr;
}

void ProcedureRunner::keepSwitchSettings()
{
    if (m_switch.kept)
        return;
    m_switch.kept = true;
    m_switch.noted = m_switch.acknowledged = switchSettings();
}

void ProcedureRunner::keepCorrections()
{
    if (m_corrections.kept)
        return;
    m_corrections.kept = true;
    m_corrections.noted = m_corrections.acknowledged = corrections();
}

void ProcedureRunner::keepObdCorrectionSwitch(uint8_t value)
{
    m_obdSwitchOut = true;
    m_obdSwitch = value;
}

// An unacknowledged write may still have been taken.
template <class T> void ProcedureRunner::afterWrite(Kept<T>& kept, const T& now, bool acknowledged)
{
    if (!kept.kept)
        return;
    if (acknowledged) {
        kept.acknowledged = now;
        kept.out = now != kept.noted;
    } else {
        kept.out = kept.out || now != kept.noted;
    }
}

bool ProcedureRunner::write(bool (CLPGDevice::*block)())
{
    bool acknowledged = false;
    const bool base = block == &CLPGDevice::writeBlock31;
    const bool corrections = block == &CLPGDevice::writeBlock15;
    try {
        acknowledged = (m_device.*block)();
    } catch (...) {
        if (base)
            afterWrite(m_switch, switchSettings(), false);
        if (corrections)
            afterWrite(m_corrections, this->corrections(), false);
        throw;
    }
    if (base)
        afterWrite(m_switch, switchSettings(), acknowledged);
    if (corrections)
        afterWrite(m_corrections, this->corrections(), acknowledged);
    return acknowledged;
}

bool ProcedureRunner::stopReadingThread()
{
    m_threadStopped = true;
    return g_pShell == nullptr || g_pShell->stopDiagThread();
}

void ProcedureRunner::abandon()
{
    m_hold = Hold::None;
    m_selectionOut = false;
    m_obdSwitchOut = false;
    m_switch.out = false;
    m_corrections.out = false;
    m_threadStopped = false;
}

bool ProcedureRunner::wait(unsigned ms)
{
    for (unsigned waited = 0; waited < ms; waited += kWaitRoundMs) {
        pumpMessages();
        if (m_stopped || controllerLost())
            return false;
        waitClockSleep(std::min(kWaitRoundMs, ms - waited));
    }
    pumpMessages();
    return !m_stopped && !controllerLost();
}

void ProcedureRunner::pause(unsigned ms)
{
    for (unsigned waited = 0; waited < ms; waited += kWaitRoundMs) {
        pumpMessages();
        waitClockSleep(std::min(kWaitRoundMs, ms - waited));
    }
    pumpMessages();
}

unsigned long long ProcedureRunner::samplesSeen() const
{
    return m_device.m_diagData.received() - m_samplesAtStart;
}

void ProcedureRunner::report(const wchar_t* text) const
{
    showPageError(m_owner, text);
}

bool ProcedureRunner::fail(const wchar_t* text) const
{
    report(text);
    return false;
}

// Rounds while something is still out and the controller answers; what is
// left after them is named in one message.
bool ProcedureRunner::handBack()
{
    std::vector<std::wstring> left;
    for (int round = 0; round < kHandBackRounds; ++round) {
        left.clear();
        if (handBackRound(left) || !answers())
            break;
        pause(kHandBackPauseMs);
    }
    handBackReadingThread();
    if (left.empty())
        return true;
    // Said once: what is left stays as the message names it.
    abandon();
    std::wstring text;
    for (const std::wstring& line : left)
        text += (text.empty() ? L"" : L"\n") + line;
    showMessageBox(m_owner, text, kMakerWord, MB_ICONERROR);
    return false;
}

// Settings first: a controller whose corrections could not be put back
// must not run on gas.
bool ProcedureRunner::handBackRound(std::vector<std::wstring>& left)
{
    std::vector<std::wstring> corrections;
    const bool correctionsBack = handBackCorrections(corrections);
    const bool base = handBackSwitchSettings(left);
    const bool selection = handBackSelection(left);
    const bool obd = handBackObdCorrectionSwitch(left);
    if (correctionsBack)
        return handBackFuel(left) && base && selection && obd;
    // Whatever else is left, on petrol no cylinder gets the wrong gas.
    const bool onPetrol = attempt([&] { return switchToPetrol(); });
    corrections.insert(corrections.begin(),
                       translate(onPetrol
                                     ? L"Can't restore the gas corrections - the controller stays on petrol"
                                     : L"Can't restore the gas corrections - the controller stays on gas"));
    left.insert(left.begin(), corrections.begin(), corrections.end());
    return false;
}

// `left` gets the cylinders whose corrections stay changed.
bool ProcedureRunner::handBackCorrections(std::vector<std::wstring>& left)
{
    if (!m_corrections.out)
        return true;
    m_device.m_settings.m_mainCorr.m_mainCorr = m_corrections.noted;
    if (attempt([&] { return write(&CLPGDevice::writeBlock15); }))
        return true;
    // The record says what the controller holds as far as anyone knows.
    m_device.m_settings.m_mainCorr.m_mainCorr = m_corrections.acknowledged;
    for (size_t i = 0; i < m_corrections.noted.size(); ++i)
        if (m_corrections.acknowledged[i] != m_corrections.noted[i])
            left.push_back(correctionLeft(i, m_corrections.acknowledged[i]));
    return false;
}

bool ProcedureRunner::handBackSwitchSettings(std::vector<std::wstring>& left)
{
    if (!m_switch.out)
        return true;
    CBaseSettings& base = m_device.m_settings.m_base;
    base.m_switchRPM = m_switch.noted.rpm;
    base.m_emulatorDelay = m_switch.noted.emulatorDelay;
    if (attempt([&] { return write(&CLPGDevice::writeBlock31); }))
        return true;
    base.m_switchRPM = m_switch.acknowledged.rpm;
    base.m_emulatorDelay = m_switch.acknowledged.emulatorDelay;
    left.push_back(switchSettingsLeft(m_switch.acknowledged.rpm, m_switch.acknowledged.emulatorDelay));
    return false;
}

bool ProcedureRunner::handBackSelection(std::vector<std::wstring>& left)
{
    if (!m_selectionOut)
        return true;
    if (attempt([&] { return selectCylinders(allCylinders()); }))
        return true;
    left.push_back(translate(L"Can't switch every cylinder back to gas"));
    return false;
}

bool ProcedureRunner::handBackObdCorrectionSwitch(std::vector<std::wstring>& left)
{
    if (!m_obdSwitchOut)
        return true;
    const bool back = attempt([&] {
        COBDAdvSetup setup;
        if (!m_device.readBlock27(setup))
            return false;
        setup.obd_corr_enable_flag = m_obdSwitch;
        return m_device.writeBlock27(setup);
    });
    if (back) {
        m_obdSwitchOut = false;
        return true;
    }
    left.push_back(translate(L"Can't switch the automatic OBD correction back on"));
    return false;
}

bool ProcedureRunner::handBackFuel(std::vector<std::wstring>& left)
{
    if (m_hold == Hold::None)
        return true;
    const Hold held = m_hold;
    if (attempt([&] { return returnToGas(); }))
        return true;
    left.push_back(translate(held == Hold::Gas ? L"Can't hand the controller back - it stays on forced gas"
                                               : L"Can't hand the controller back - it stays on petrol"));
    return false;
}

void ProcedureRunner::handBackReadingThread()
{
    if (!m_threadStopped)
        return;
    m_threadStopped = false;
    if (g_pShell && m_device.m_connected)
        g_pShell->startDiagThread(kNoRecording);
}

bool ProcedureRunner::answers()
{
    for (int tries = 0; tries < kHandBackRounds; ++tries)
        if (attempt([&] {
                CDiag sample;
                return m_device.readDiagSample(sample) == 0;
            }))
            return true;
    return false;
}
