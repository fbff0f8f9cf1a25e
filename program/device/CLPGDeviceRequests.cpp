#include "CLPGDevice.h"

#include "ByteOrder.h"
#include "DeviceRequests.h"

#include <algorithm>
#include <cstring>

using namespace devreq;

namespace {

const unsigned char kObdRequestCmd = 25;
const unsigned char kObdReplyCmd = 24;
const size_t kObdCountSize = 2;
const size_t kObdGroupSize = 12;
const uint8_t kRequest39Answer = 40;

// The first `size` payload bytes of block `block` to the caller; a shorter
// reply (or, when `exact`, one of another length) is a failed try.
bool readToCaller(CLPGDevice& device, uint8_t selector, uint8_t block, unsigned char* out, size_t size,
                  bool exact = false)
{
    Reply reply;
    const bool ok = readBlock(device, selector, block, reply, [&](const Reply& r) {
        return exact ? r.payload.size() == size : r.payload.size() >= size;
    });
    if (ok)
        std::copy(reply.payload.begin(), reply.payload.begin() + size, out);
    return ok;
}

} // namespace

// Bit 6 of the sensors byte is no fault the user can act on.
bool CLPGDevice::readErrorCodes(unsigned char* codes)
{
    if (!readToCaller(*this, 5, 6, codes, kErrorCodesSize))
        return false;
    codes[2] &= ~0x40;
    return true;
}

bool CLPGDevice::readBlock36(unsigned char* data)
{
    return readToCaller(*this, 49, 36, data, kBlock36DataSize);
}

bool CLPGDevice::readBlock37(unsigned char* data)
{
    return readToCaller(*this, 50, 37, data, kBlock37DataSize);
}

bool CLPGDevice::readTable28(unsigned char* table)
{
    return readToCaller(*this, 37, 28, table, kPointTableSize, true);
}

bool CLPGDevice::readTable29(unsigned char* table)
{
    return readToCaller(*this, 38, 29, table, kPointTableSize, true);
}

bool CLPGDevice::readBlock21(unsigned char* data)
{
    return readToCaller(*this, 32, 21, data, kBlock21DataSize);
}

bool CLPGDevice::request39(double& bank1, double& bank2)
{
    Reply reply;
    const Judge judge = [](const Reply& r) {
        return r.cmd == kRequestCmd && r.payload.size() >= 4 && r.payload[0] == kRequest39Answer
                   ? Verdict::Accept
                   : Verdict::Retry;
    };
    if (!askUntil(*this, kRequestCmd, selectorRequest(39), kSettingsTries, judge, reply))
        return false;
    bank1 = reply.payload[3] - 100.0;
    bank2 = reply.payload[2] - 100.0;
    return true;
}

bool CLPGDevice::writeBlock13(const unsigned char* record)
{
    if (!writeAcknowledged(*this, 13, std::vector<uint8_t>(record, record + kBlock13Size)))
        return false;
    m_settingsWritten = true;
    return true;
}

// The reply is cut to the caller's buffer, and its group count to the
// groups that were copied whole, so no reader of the count runs past them.
bool CLPGDevice::sendObdRequest(const unsigned char* request, unsigned char* reply, size_t replySize)
{
    Reply answer;
    if (!exchange(*this, kObdRequestCmd, std::vector<uint8_t>(request, request + kObdRequestSize), answer) ||
        answer.cmd != kObdReplyCmd || answer.payload.size() < kObdCountSize || replySize < kObdCountSize)
        return false;
    const size_t copied = std::min(answer.payload.size(), replySize);
    memset(reply, 0, replySize);
    std::copy(answer.payload.begin(), answer.payload.begin() + copied, reply);
    const size_t whole = (copied - kObdCountSize) / kObdGroupSize;
    if (littleEndian16(reply) > whole)
        putLittleEndian16(reply, uint16_t(whole));
    return true;
}
