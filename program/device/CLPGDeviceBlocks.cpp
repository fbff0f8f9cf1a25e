#include "CLPGDevice.h"

#include "DeviceRequests.h"
#include "SettingsBlocks.h"

#include <translate.h>

using namespace devreq;

namespace {

using Encoder = std::vector<uint8_t> (*)(const CSettingsRecord&);

// The pause after a failed try of the time tables: the controller stores
// them slowly.
const unsigned kTablePauseMs = 100;

// A reply too short to decode counts as a failed try; nothing is stored then.
template <class Target>
bool readInto(CLPGDevice& device, uint8_t selector, uint8_t block, Target& target,
              bool (*decode)(const uint8_t*, size_t, Target&))
{
    Reply reply;
    return readBlock(device, selector, block, reply,
                     [&](const Reply& r) { return decode(r.payload.data(), r.payload.size(), target); });
}

bool writeFrom(CLPGDevice& device, uint8_t block, Encoder encode, unsigned pauseMs = 0)
{
    if (!writeAcknowledged(device, block, encode(device.m_settings), kSettingsTries, pauseMs))
        return false;
    device.m_settingsWritten = true;
    return true;
}

// The translation's LPG/CNG switch follows the controller's fuel.
void updateCngMode(const CSettingsRecord& settings)
{
    g_cngMode = (settings.m_advancedSetup.m_advancedFlags & 0x08) ? 1 : 0;
}

} // namespace

bool CLPGDevice::readBlock31()
{
    return readInto(*this, 7, 31, m_settings, decodeBlock31);
}

// The block carries this PC's code; without one the last code stays.
bool CLPGDevice::writeBlock31()
{
    unsigned char code[4];
    if (getPcCodeBytes(code))
        std::copy(code, code + 4, m_settings.m_keptBytes.m_pcCode.begin());
    return writeFrom(*this, 31, encodeBlock31);
}

bool CLPGDevice::readBlock4()
{
    return readInto(*this, 8, 4, m_settings, decodeBlock4);
}

bool CLPGDevice::writeBlock4()
{
    return writeFrom(*this, 4, encodeBlock4);
}

bool CLPGDevice::readBlock26()
{
    if (!readInto(*this, 34, 26, m_settings, decodeBlock26))
        return false;
    updateCngMode(m_settings);
    return true;
}

bool CLPGDevice::writeBlock26()
{
    if (!writeFrom(*this, 26, encodeBlock26))
        return false;
    updateCngMode(m_settings);
    return true;
}

bool CLPGDevice::readBlock35()
{
    return readInto(*this, 48, 35, m_settings, decodeBlock35);
}

bool CLPGDevice::writeBlock35()
{
    return writeFrom(*this, 35, encodeBlock35);
}

bool CLPGDevice::readBlock15()
{
    return readInto(*this, 22, 15, m_settings, decodeBlock15);
}

bool CLPGDevice::writeBlock15()
{
    return writeFrom(*this, 15, encodeBlock15);
}

bool CLPGDevice::readTable7()
{
    return readInto(*this, 12, 7, m_settings, decodeBlock7);
}

bool CLPGDevice::writeTable7()
{
    return writeFrom(*this, 7, encodeBlock7, kTablePauseMs);
}

bool CLPGDevice::readTable9()
{
    return readInto(*this, 14, 9, m_settings, decodeBlock9);
}

bool CLPGDevice::writeTable9()
{
    return writeFrom(*this, 9, encodeBlock9, kTablePauseMs);
}

bool CLPGDevice::readBlock30()
{
    return readInto(*this, 42, 30, m_settings, decodeBlock30);
}

bool CLPGDevice::writeBlock30()
{
    return writeFrom(*this, 30, encodeBlock30);
}

bool CLPGDevice::readBlock32()
{
    return readInto(*this, 43, 32, m_settings, decodeBlock32);
}

bool CLPGDevice::writeBlock32()
{
    return writeFrom(*this, 32, encodeBlock32);
}

bool CLPGDevice::readBlock33()
{
    return readInto(*this, 44, 33, m_settings, decodeBlock33);
}

bool CLPGDevice::writeBlock33()
{
    return writeFrom(*this, 33, encodeBlock33);
}

bool CLPGDevice::readBlock34()
{
    return readInto(*this, 45, 34, m_settings, decodeBlock34);
}

bool CLPGDevice::writeBlock34()
{
    return writeFrom(*this, 34, encodeBlock34);
}

bool CLPGDevice::readBlock3()
{
    return readInto(*this, 21, 3, m_settings, decodeBlock3);
}

bool CLPGDevice::writeBlock3()
{
    return writeFrom(*this, 3, encodeBlock3);
}

// A log of the wrong length for the firmware is refused at once.
bool CLPGDevice::readBlock19()
{
    Reply reply;
    const Judge judge = [this](const Reply& r) {
        if (r.cmd != 19)
            return Verdict::Retry;
        return decodeBlock19(r.payload.data(), r.payload.size(), m_settings) ? Verdict::Accept
                                                                             : Verdict::Reject;
    };
    const bool read = askUntil(*this, kRequestCmd, selectorRequest(30), kSettingsTries, judge, reply);
    m_pcConnectionsRead = m_pcConnectionsRead || read;
    return read;
}

bool CLPGDevice::writeBlock19()
{
    return writeAcknowledged(*this, 19, encodeBlock19(m_settings));
}

bool CLPGDevice::readBlock12()
{
    return readInto(*this, 17, 12, m_settings, decodeBlock12);
}

bool CLPGDevice::readBlock18(COBDSetup& setup)
{
    return readInto(*this, 27, 18, setup, decodeBlock18);
}

bool CLPGDevice::writeBlock18()
{
    return writeAcknowledged(*this, 18, encodeBlock18(m_settings.m_obdSetup));
}

bool CLPGDevice::readBlock27(COBDAdvSetup& setup)
{
    return readInto(*this, 35, 27, setup, decodeBlock27);
}

bool CLPGDevice::writeBlock27(const COBDAdvSetup& setup)
{
    return writeAcknowledged(*this, 27, encodeBlock27(setup));
}

bool CLPGDevice::writeBlock27()
{
    return writeBlock27(m_settings.m_obdAdvSetup);
}
