#pragma once

#include "ObdRelay.h"

#include <cstdint>
#include <utility>
#include <vector>

// The number of stored codes each ECU reports in its answer to service 01
// PID 01, in the order the ECUs answered; negative answers count nothing.
std::vector<std::pair<uint32_t, unsigned>> storedCodeCounts(const std::vector<ObdFrame>& frames);
// The codes of a service 03 or 07 answer from one ECU. CAN messages are
// reassembled by length and sequence first; K-line messages carry three
// code slots each. A zero code ends a message.
std::vector<uint16_t> decodeTroubleCodes(const std::vector<ObdFrame>& frames, uint32_t ecuId, uint8_t proto,
                                         uint8_t service);

class CLPGDevice;

// Reads the stored codes (service 03) of every ECU that reports some, then
// the pending codes (service 07) of every ECU that answers; stored first.
// False when the count or a stored-code request got no relay answer; the
// codes read until then stay in `codes`.
bool readTroubleCodes(CLPGDevice& device, std::vector<uint16_t>& codes);

enum class ObdClearResult
{
    Cleared,
    Refused, // an ECU answered other than positively, or none answered
    Failed   // no relay answer
};
// Service 04: clears the stored and pending codes of the car.
ObdClearResult clearTroubleCodes(CLPGDevice& device);
