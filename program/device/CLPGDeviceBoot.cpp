#include "CLPGDevice.h"

#include "ByteOrder.h"
#include "DeviceRequests.h"

#include <algorithm>

using namespace devreq;

namespace {

const unsigned char kBootCodeCmd = 246;
const unsigned char kProgramCmd = 247;
const unsigned char kEraseCmd = 249;
const size_t kBootCodeSize = 8;
const unsigned short kNoReply = 65535;
// The bootloader codes of the controller families this program knows.
const unsigned char kKnownBootCodes[] = {252, 251, 248, 246, 236, 223};
// One program frame: 64 instructions of 4 image bytes, 2 address units each.
const unsigned kInstructionsPerFrame = 64;
const unsigned kImageBytesPerFrame = 4 * kInstructionsPerFrame;
const uint32_t kUnitsPerFrame = 2 * kInstructionsPerFrame;

// A 32-bit flash address, then `extra` bytes of data.
std::vector<uint8_t> withAddress(uint32_t address, const unsigned char* data = nullptr, size_t extra = 0)
{
    std::vector<uint8_t> payload(4 + extra);
    putLittleEndian32(payload.data(), address);
    if (extra)
        std::copy_n(data, extra, payload.begin() + 4);
    return payload;
}

// The first answer of command 2 settles a plain bootloader request.
bool bootRequest(CLPGDevice& device, uint8_t code)
{
    const Judge judge = [](const Reply& r) {
        if (r.cmd != kRequestCmd)
            return Verdict::Retry;
        return isAck(r) ? Verdict::Accept : Verdict::Reject;
    };
    Reply reply;
    return askUntil(device, kRequestCmd, selectorRequest(code), kBootTries, judge, reply);
}

} // namespace

bool CLPGDevice::enterBootloader(unsigned char code, unsigned short& reply)
{
    Reply answer;
    bool answered = false;
    for (int i = 0; i < kBootTries && !answered; ++i) {
        reply = kNoReply;
        answered = exchange(*this, kRequestCmd, selectorRequest(code), answer) && answer.cmd == kRequestCmd;
    }
    if (!answered || !isAck(answer) || answer.payload.size() < 2)
        return false;
    reply = answer.payload[1];
    if (std::find(std::begin(kKnownBootCodes), std::end(kKnownBootCodes), reply) != std::end(kKnownBootCodes))
        return true;
    bootCommand96();
    return false;
}

bool CLPGDevice::sendBootCode(const char* code)
{
    std::vector<uint8_t> payload(kBootCodeSize, 0);
    for (size_t i = 0; i < kBootCodeSize && code[i]; ++i)
        payload[i] = static_cast<uint8_t>(code[i]);
    return writeAcknowledged(*this, kBootCodeCmd, payload, 1);
}

bool CLPGDevice::bootCommand96()
{
    return bootRequest(*this, 96);
}

bool CLPGDevice::bootCommand10()
{
    return bootRequest(*this, 10);
}

bool CLPGDevice::eraseFlashBlock(uint32_t address)
{
    return writeAcknowledged(*this, kEraseCmd, withAddress(address), kBootTries);
}

bool CLPGDevice::programData(uint32_t address, const unsigned char* data)
{
    return writeAcknowledged(*this, kProgramCmd, withAddress(address, data, kProgramDataSize), kBootTries);
}

// Each frame sends the first three bytes of each of 64 instructions; a
// block is erased when a frame starts on its boundary.
bool CLPGDevice::programFlash(uint32_t start, uint32_t end, uint32_t eraseInterval,
                              const unsigned char* image, uint16_t count)
{
    if (eraseInterval == 0)
        return false;
    const unsigned char* p = image + 2 * static_cast<size_t>(start);
    for (uint32_t a = start; a < end; a += kUnitsPerFrame, p += kImageBytesPerFrame, --count) {
        if (count == 0)
            return true;
        if (a % eraseInterval == 0 && !eraseFlashBlock(a))
            return false;
        unsigned char frame[kProgramDataSize];
        for (unsigned i = 0; i < kInstructionsPerFrame; ++i)
            std::copy_n(p + 4 * i, 3, frame + 3 * i);
        if (!programData(a, frame))
            return false;
    }
    return true;
}
