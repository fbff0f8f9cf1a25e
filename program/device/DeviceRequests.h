#pragma once

#include <cstddef>
#include <cstdint>
#include <functional>
#include <vector>

class CLPGDevice;

// The request patterns every controller operation is made of: a selector
// request, a block or command with its payload, tries until a reply is
// accepted.
namespace devreq {

const int kSettingsTries = 15;
const int kMemoryReadTries = 20;
const int kIdentifyTries = 4;
const int kBootTries = 3;

const unsigned char kRequestCmd = 2;
const unsigned char kAckByte = 4;
const size_t kRequestSize = 6;

struct Reply
{
    unsigned char cmd = 0;
    std::vector<uint8_t> payload;
};

// What one reply means to the operation waiting for it.
enum class Verdict
{
    Accept,
    Retry,
    Reject, // wrong beyond retrying: the operation fails at once
};
using Judge = std::function<Verdict(const Reply&)>;

// A command-2 request: selector in byte 0, the argument in byte 2.
std::vector<uint8_t> selectorRequest(uint8_t selector, uint8_t argument = 0);
bool isAck(const Reply& reply);
Verdict ackVerdict(const Reply& reply);

// One transaction; the request is copied, so a retry can send it again.
bool exchange(CLPGDevice& device, unsigned char cmd, const std::vector<uint8_t>& payload, Reply& reply);
// Up to `tries` transactions until `judge` accepts one, pausing `pauseMs`
// after each failed try. `reply` holds the last reply.
bool askUntil(CLPGDevice& device, unsigned char cmd, const std::vector<uint8_t>& payload, int tries,
              const Judge& judge, Reply& reply, unsigned pauseMs = 0);

// Selector request answered by `block`; `accept` (when given) checks the payload.
bool readBlock(CLPGDevice& device, uint8_t selector, uint8_t block, Reply& reply,
               const std::function<bool(const Reply&)>& accept = nullptr, int tries = kSettingsTries);
// A payload sent as command `cmd`, acknowledged.
bool writeAcknowledged(CLPGDevice& device, unsigned char cmd, const std::vector<uint8_t>& payload,
                       int tries = kSettingsTries, unsigned pauseMs = 0);

// A live-data sample: the reply payload and its two sum bytes, at most
// kLiveSampleSize of them, the rest zero. 0: read; 1: another reply came;
// 2: no valid reply.
const size_t kLiveSampleSize = 82;
unsigned char readLiveSample(CLPGDevice& device, unsigned char* sample);
// The working mode of the newest sample in the live-data store (0 when
// the store is empty).
uint8_t newestLiveMode(CLPGDevice& device);

} // namespace devreq
