#include "CLPGDevice.h"

#include "DeviceRequests.h"
#include "UserInterface.h"

#include <windows.h>

#include <algorithm>
#include <cmath>

using namespace devreq;

namespace {

const uint8_t kPetrolMode = 2;
const uint8_t kGasMode = 3;
// One poll of the working mode: a sample and this pause.
const unsigned kPollPauseMs = 56;
// A wait longer than this many polls is no wait the controller needs; a
// shorter one (a delay of 0) would never see the controller on petrol.
const double kMaxPolls = 100000;
const int kMinPolls = 10;
const unsigned kAfterResetMs = 1000;
const wchar_t kCantWrite[] = L"Can't write settings to device!";

bool action(CLPGDevice& device, uint8_t selector, uint8_t argument = 0)
{
    return writeAcknowledged(device, kRequestCmd, selectorRequest(selector, argument));
}

bool writtenAction(CLPGDevice& device, uint8_t selector)
{
    if (!action(device, selector))
        return false;
    device.m_settingsWritten = true;
    return true;
}

// How long the controller may take to switch: the emulator delay for each cylinder.
int switchPolls(const CSettingsRecord& settings)
{
    const double polls =
        settings.m_devInfo.m_injCount * settings.m_base.m_emulatorDelay * 1000 / kPollPauseMs;
    if (!(polls > kMinPolls))
        return kMinPolls;
    return static_cast<int>(std::min(std::trunc(polls), kMaxPolls));
}

using Step = bool (CLPGDevice::*)();

} // namespace

bool CLPGDevice::switchToGas()
{
    return action(*this, 1);
}

bool CLPGDevice::switchToPetrol()
{
    return action(*this, 2);
}

bool CLPGDevice::returnToGas()
{
    return action(*this, 3);
}

bool CLPGDevice::reset()
{
    return switchToPetrolAndWait() && action(*this, 10);
}

bool CLPGDevice::sendAction19()
{
    return writtenAction(*this, 19);
}

bool CLPGDevice::sendAction20()
{
    return writtenAction(*this, 20);
}

bool CLPGDevice::sendAction23(unsigned char cylinders)
{
    return action(*this, 23, cylinders);
}

bool CLPGDevice::sendAction24(unsigned char injectors)
{
    return action(*this, 24, injectors);
}

bool CLPGDevice::sendAction28()
{
    return writtenAction(*this, 28);
}

bool CLPGDevice::sendAction29()
{
    return writtenAction(*this, 29);
}

// A failed sample keeps the mode of the last good one.
bool CLPGDevice::switchToPetrolAndWait()
{
    if (!switchToPetrol())
        return false;
    uint8_t mode = kGasMode;
    for (int polls = switchPolls(m_settings); polls > 0; --polls) {
        unsigned char sample[kLiveSampleSize];
        if (readLiveSample(*this, sample) == 0)
            mode = sample[0];
        waitClockSleep(kPollPauseMs);
        pumpMessages();
        if (mode == kPetrolMode)
            return true;
    }
    return mode == kPetrolMode;
}

const std::vector<Step>& CLPGDevice::allSettingsWrites()
{
    static const std::vector<Step> writes = {
        &CLPGDevice::writeBlock31, &CLPGDevice::writeBlock4,  &CLPGDevice::writeBlock15,
        &CLPGDevice::writeTable7,  &CLPGDevice::writeTable9,  &CLPGDevice::writeCorrectionMap,
        &CLPGDevice::writeBlock30, &CLPGDevice::writeBlock26, &CLPGDevice::writeBlock32,
        &CLPGDevice::writeBlock33, &CLPGDevice::writeBlock34};
    return writes;
}

bool CLPGDevice::writeAllSettings()
{
    if (!m_connected) {
        showDeviceMessage(kCantWrite);
        return false;
    }
    const bool wasOnGas = newestLiveMode(*this) != kPetrolMode;
    if (!switchToPetrolAndWait()) {
        showDeviceMessage(kCantWrite);
        return false;
    }
    {
        WaitCursor wait;
        const std::vector<Step>& writes = allSettingsWrites();
        const bool written =
            std::all_of(writes.begin(), writes.end(), [this](Step step) { return (this->*step)(); }) &&
            reset();
        if (!written) {
            showDeviceMessage(kCantWrite);
            return false;
        }
    }
    Sleep(kAfterResetMs);
    if (wasOnGas)
        returnToGas();
    return true;
}
