#include "ObdRelay.h"

#include "CLPGDevice.h"
#include "CObdDiagnostic.h"

#include <algorithm>

namespace {
const size_t kCountSize = 2, kGroupSize = 12, kReplySize = 2 + 64 * kGroupSize;

void putU32(std::vector<uint8_t>& out, size_t at, uint32_t v)
{
    for (int i = 0; i < 4; ++i)
        out[at + i] = static_cast<uint8_t>(v >> (8 * i));
}

uint32_t getU32(const uint8_t* p)
{
    return p[0] | p[1] << 8 | p[2] << 16 | static_cast<uint32_t>(p[3]) << 24;
}
} // namespace

std::vector<uint8_t> buildObdRequest(uint32_t requestId, uint32_t responderId,
                                     const std::vector<uint8_t>& serviceBytes)
{
    std::vector<uint8_t> request(kObdRequestSize, 0);
    putU32(request, 0, requestId);
    putU32(request, 4, CObdDiagnostic::defaultResponseId(requestId, responderId));
    putU32(request, 8, CObdDiagnostic::responseMask(requestId, responderId));
    const size_t n = std::min<size_t>(serviceBytes.size(), 7);
    request[12] = static_cast<uint8_t>(n);
    std::copy(serviceBytes.begin(), serviceBytes.begin() + n, request.begin() + 13);
    return request;
}

std::vector<ObdFrame> parseObdReply(const uint8_t* reply, size_t size)
{
    std::vector<ObdFrame> frames;
    if (size < kCountSize)
        return frames;
    const size_t count = std::min<size_t>(reply[0] | reply[1] << 8, (size - kCountSize) / kGroupSize);
    for (size_t g = 0; g < count; ++g) {
        const uint8_t* group = reply + kCountSize + g * kGroupSize;
        ObdFrame f;
        f.id = getU32(group);
        std::copy(group + 4, group + 12, f.data);
        frames.push_back(f);
    }
    return frames;
}

bool relayObd(CLPGDevice& device, const std::vector<uint8_t>& serviceBytes, std::vector<ObdFrame>& frames)
{
    const std::vector<uint8_t> request =
        buildObdRequest(device.m_settings.m_obdSetup.ecu_id_req, device.m_responderId, serviceBytes);
    std::vector<uint8_t> reply(kReplySize, 0);
    if (!device.sendObdRequest(request.data(), reply.data(), reply.size()))
        return false;
    frames = parseObdReply(reply.data(), reply.size());
    return true;
}
