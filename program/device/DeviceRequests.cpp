#include "DeviceRequests.h"

#include "CLPGDevice.h"

#include <windows.h>

#include <algorithm>

namespace devreq {

std::vector<uint8_t> selectorRequest(uint8_t selector, uint8_t argument)
{
    std::vector<uint8_t> request(kRequestSize, 0);
    request[0] = selector;
    request[2] = argument;
    return request;
}

bool isAck(const Reply& reply)
{
    return reply.cmd == kRequestCmd && !reply.payload.empty() && reply.payload[0] == kAckByte;
}

Verdict ackVerdict(const Reply& reply)
{
    return isAck(reply) ? Verdict::Accept : Verdict::Retry;
}

bool exchange(CLPGDevice& device, unsigned char cmd, const std::vector<uint8_t>& payload, Reply& reply)
{
    unsigned char buffer[kTransactBufferSize] = {};
    if (payload.size() > kMaxFramePayload)
        return false;
    std::copy(payload.begin(), payload.end(), buffer);
    unsigned char length = static_cast<unsigned char>(payload.size());
    unsigned char replyCmd = cmd;
    if (!device.transact(buffer, length, replyCmd))
        return false;
    reply.cmd = replyCmd;
    reply.payload.assign(buffer, buffer + length);
    return true;
}

bool askUntil(CLPGDevice& device, unsigned char cmd, const std::vector<uint8_t>& payload, int tries,
              const Judge& judge, Reply& reply, unsigned pauseMs)
{
    for (int i = 0; i < tries; ++i) {
        if (exchange(device, cmd, payload, reply)) {
            const Verdict verdict = judge(reply);
            if (verdict == Verdict::Accept)
                return true;
            if (verdict == Verdict::Reject)
                return false;
        }
        if (pauseMs)
            Sleep(pauseMs);
    }
    return false;
}

bool readBlock(CLPGDevice& device, uint8_t selector, uint8_t block, Reply& reply,
               const std::function<bool(const Reply&)>& accept, int tries)
{
    const Judge judge = [&](const Reply& r) {
        return r.cmd == block && (!accept || accept(r)) ? Verdict::Accept : Verdict::Retry;
    };
    return askUntil(device, kRequestCmd, selectorRequest(selector), tries, judge, reply);
}

bool writeAcknowledged(CLPGDevice& device, unsigned char cmd, const std::vector<uint8_t>& payload, int tries,
                       unsigned pauseMs)
{
    Reply reply;
    return askUntil(device, cmd, payload, tries, ackVerdict, reply, pauseMs);
}

unsigned char readLiveSample(CLPGDevice& device, unsigned char* sample)
{
    const uint8_t kLiveSelector = 36;
    const unsigned char kLiveReplyCmd = 1;
    unsigned char buffer[kTransactBufferSize] = {kLiveSelector};
    unsigned char length = kRequestSize;
    unsigned char cmd = kRequestCmd;
    if (device.transactChecked(buffer, length, cmd) != 0)
        return 2;
    if (cmd != kLiveReplyCmd)
        return 1;
    std::fill(sample, sample + kLiveSampleSize, 0);
    std::copy(buffer, buffer + std::min<size_t>(length, kLiveSampleSize), sample);
    return 0;
}

} // namespace devreq
