#include "CLPGDevice.h"

#include "ByteOrder.h"
#include "CCipher.h"
#include "DeviceRequests.h"
#include "SettingsBlocks.h"
#include "UserInterface.h"

#include <windows.h>

#include <algorithm>
#include <ctime>

using namespace devreq;

namespace {

const unsigned kLastPort = 256;
const unsigned kReadAgainPauseMs = 100;
const uint8_t kApplicationRunning = 4;
const uint8_t kBootloaderRunning = 5;
const uint8_t kFamily1 = '/';
const uint8_t kFamily2 = '0';
const unsigned char kBootloaderCode = 196;
const unsigned short kFamily1BootCode = 248;
const unsigned short kFamily2BootCode = 223;
const int kBootloaderVersion = 768;
const uint16_t kLiveDataAllowed = 0x0055;
const wchar_t kCantRead[] = L"Can't read settings from device!";
const int kLockBlockVersion = 778;
const int kBlock35Version = 789;
const uint32_t kObdModuleFlag = 0x01;

const wchar_t* familyName(uint8_t hardware)
{
    return hardware == kFamily2 ? L"KESTRELWAVE2" : L"KESTRELWAVE";
}

std::vector<uint8_t> identificationRequest()
{
    return {0xCC, 0x00, 0x00, 0x04, 0x00, 0x00};
}

using BlockRead = bool (CLPGDevice::*)();

// Block 30 chooses the sensor curves and 26 the map's row units, so they
// come before the blocks converted with them.
const BlockRead kSettingsReads[] = {
    &CLPGDevice::readBlock30,       &CLPGDevice::readBlock31, &CLPGDevice::readBlock4,
    &CLPGDevice::readBlock15,       &CLPGDevice::readTable7,  &CLPGDevice::readTable9,
    &CLPGDevice::readCorrectionMap, &CLPGDevice::readBlock26, &CLPGDevice::readBlock32,
    &CLPGDevice::readBlock33,       &CLPGDevice::readBlock34};

// A read gets a second chance after a pause.
bool readTwice(CLPGDevice& device, BlockRead read)
{
    if ((device.*read)())
        return true;
    Sleep(kReadAgainPauseMs);
    return (device.*read)();
}

// During connection a second failure is shown and the connection goes on
// without that part.
void readOrTell(CLPGDevice& device, BlockRead read)
{
    if (!readTwice(device, read))
        showDeviceMessage(kCantRead);
}

bool readObdSetups(CLPGDevice& device)
{
    return device.readBlock18(device.m_settings.m_obdSetup) &&
           device.readBlock27(device.m_settings.m_obdAdvSetup);
}

// The serial number is plain text or enciphered; either way it ends at
// its first zero.
std::wstring serialNumber(const uint8_t* name)
{
    std::wstring text;
    if (plainDeviceName(name, text))
        return text;
    const std::wstring block(name, name + kDeviceNameSize);
    text = CCipher().decipher(kSerialNumberKey, block);
    return text.substr(0, text.find(L'\0'));
}

} // namespace

void CLPGDevice::connect()
{
    srand(static_cast<unsigned>(time(nullptr)));
    buildModules();
    discover();
}

// The remembered port is asked about and tried before the others are
// looked for: asking about every port costs about a second. The tries keep
// their order: the remembered port, then every present port upwards.
void CLPGDevice::discover()
{
    m_connected = false;
    const unsigned remembered = readLastPortNr();
    if (remembered != 0 && remembered <= kLastPort && m_port.present(remembered) && tryPort(remembered))
        return;
    for (unsigned n = 1; n <= kLastPort; ++n)
        if (m_port.present(n) && tryPort(n))
            return;
    m_connected = false;
}

// A port that answers nothing is not kept open.
bool CLPGDevice::tryPort(unsigned n)
{
    try {
        openControllerLine(m_port, n);
        if (readAllSettings()) {
            writeLastPortNr(n);
            return true;
        }
    } catch (IError* error) {
        delete error;
    }
    if (m_port.isOpen())
        m_port.close();
    return false;
}

bool CLPGDevice::reopenPort()
{
    CMutexGuard guard(&m_mutex);
    try {
        openControllerLine(m_port, m_port.portNr());
        return true;
    } catch (IError* error) {
        delete error;
        return false;
    }
}

bool CLPGDevice::readAllSettings()
{
    m_connected = false;
    m_pcConnectionsRead = false;
    // The lock of the controller connected before is not this one's.
    m_settings.m_devInfo.m_lockData = {};
    m_lockUnread = false;
    if (!identify())
        return false;
    if (!readDeviceInfo() && !readDeviceInfo())
        showDeviceMessage(kCantRead);
    m_connected = true;
    for (BlockRead read : kSettingsReads)
        readOrTell(*this, read);
    if (hasLockBlock()) {
        readLockBlock();
        readOrTell(*this, &CLPGDevice::readBlock19);
    }
    if (m_settings.m_devInfo.m_version >= kBlock35Version)
        readOrTell(*this, &CLPGDevice::readBlock35);
    return true;
}

// A controller that stops answering is told about once, not per block.
bool CLPGDevice::readBackSettings()
{
    bool read = std::all_of(std::begin(kSettingsReads), std::end(kSettingsReads),
                            [this](BlockRead r) { return readTwice(*this, r); });
    if (read && m_settings.m_devInfo.m_version >= kBlock35Version)
        read = readTwice(*this, &CLPGDevice::readBlock35);
    if (read && (m_settings.m_devInfo.m_flags1 & kObdModuleFlag) != 0)
        read = readObdSetups(*this);
    if (!read)
        showDeviceMessage(kCantRead);
    return read;
}

// A lock that cannot be read must not leave the settings open: the
// controller counts as locked until a later connection reads its block.
void CLPGDevice::readLockBlock()
{
    if (readBlock3())
        return;
    Sleep(kReadAgainPauseMs);
    if (readBlock3())
        return;
    m_lockUnread = true;
    showDeviceMessage(L"Can't read lock state from device!");
}

bool CLPGDevice::identify()
{
    const Judge judge = [](const Reply& r) {
        const bool known = r.cmd == kRequestCmd && r.payload.size() >= 2 &&
                           (r.payload[0] == kApplicationRunning || r.payload[0] == kBootloaderRunning);
        return known ? Verdict::Accept : Verdict::Retry;
    };
    Reply reply;
    if (!askUntil(*this, kRequestCmd, identificationRequest(), kIdentifyTries, judge, reply))
        return false;
    if (reply.payload[0] == kBootloaderRunning)
        return identifyBootloader();
    const uint8_t hardware = reply.payload[1];
    if (hardware != kFamily1 && hardware != kFamily2) {
        if (!m_noConnectionShown)
            showDeviceMessage(L"NO CONNECTION");
        m_noConnectionShown = true;
        return false;
    }
    m_settings.m_devInfo.m_deviceID = hardware;
    m_settings.m_devInfo.m_deviceName = familyName(hardware);
    reply.payload.resize(std::max<size_t>(reply.payload.size(), 4), 0);
    m_liveDataAllowed = littleEndian16(&reply.payload[2]) == kLiveDataAllowed;
    return true;
}

// A controller waiting in its bootloader gets its firmware back first.
bool CLPGDevice::identifyBootloader()
{
    unsigned short code = 0;
    if (!enterBootloader(kBootloaderCode, code))
        return false;
    if (code != kFamily1BootCode && code != kFamily2BootCode)
        return false;
    const uint8_t hardware = code == kFamily1BootCode ? kFamily1 : kFamily2;
    m_settings.m_devInfo.m_deviceID = hardware;
    m_settings.m_devInfo.m_deviceName = familyName(hardware);
    m_settings.m_devInfo.m_version = kBootloaderVersion;
    showDeviceMessage(L"Device is in bootloader mode and need to be reprogramed.", MB_ICONINFORMATION);
    return m_recoveryUpdate && m_recoveryUpdate();
}

bool CLPGDevice::readDeviceInfo()
{
    Reply reply;
    const bool ok =
        readBlock(*this, 13, 8, reply, [](const Reply& r) { return r.payload.size() >= kBlock8Size; });
    if (!ok)
        return false;
    decodeBlock8(reply.payload.data(), reply.payload.size(), m_settings);
    m_settings.m_devInfo.m_serial = serialNumber(reply.payload.data() + kDeviceNameOffset);
    return true;
}

bool CLPGDevice::isLocked() const
{
    const auto& lock = m_settings.m_devInfo.m_lockData;
    return m_lockUnread ||
           std::any_of(lock.begin() + 36, lock.begin() + 44, [](uint8_t b) { return b != 0; });
}

bool CLPGDevice::hasLockBlock() const
{
    return m_settings.m_devInfo.m_version >= kLockBlockVersion;
}
