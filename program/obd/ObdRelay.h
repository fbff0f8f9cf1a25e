#pragma once

#include <cstdint>
#include <vector>

class CLPGDevice;

// One CAN frame of a relayed answer; data byte 0 is the ISO 15765-2 control byte.
struct ObdFrame
{
    uint32_t id = 0;
    uint8_t data[8] = {};
};

// The 20-byte relay request: ids, mask, then the single frame with the
// service bytes; the bytes after them are zero.
std::vector<uint8_t> buildObdRequest(uint32_t requestId, uint32_t responderId,
                                     const std::vector<uint8_t>& serviceBytes);
// The frames of a relay reply (a 16-bit count, then 12-byte groups); a
// count claiming more groups than the bytes hold gives only the whole ones.
std::vector<ObdFrame> parseObdReply(const uint8_t* reply, size_t size);
// Sends the service bytes to the configured ECU; false when the relay failed.
bool relayObd(CLPGDevice& device, const std::vector<uint8_t>& serviceBytes, std::vector<ObdFrame>& frames);
