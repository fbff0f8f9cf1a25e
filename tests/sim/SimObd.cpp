#include "SimObd.h"

#include "SimBlocks.h"

#include <algorithm>

namespace kwsim {

namespace {
constexpr uint8_t kCanPad = 0x55;
constexpr size_t kMaxGroups = 20; // what fits in one reply frame

CanData singleFrame(const std::vector<uint8_t>& bytes, uint8_t pad)
{
    CanData d;
    d.fill(pad);
    d[0] = static_cast<uint8_t>(bytes.size());
    std::copy(bytes.begin(), bytes.begin() + std::min<size_t>(bytes.size(), 7), d.begin() + 1);
    return d;
}

// ISO 15765-2: a first frame with 6 bytes, then consecutive frames of 7.
std::vector<CanData> segmented(const std::vector<uint8_t>& bytes)
{
    if (bytes.size() <= 7)
        return {singleFrame(bytes, kCanPad)};
    std::vector<CanData> frames;
    CanData first;
    first[0] = static_cast<uint8_t>(0x10 | ((bytes.size() >> 8) & 0x0F));
    first[1] = static_cast<uint8_t>(bytes.size() & 0xFF);
    std::copy(bytes.begin(), bytes.begin() + 6, first.begin() + 2);
    frames.push_back(first);
    uint8_t sequence = 1;
    for (size_t at = 6; at < bytes.size(); at += 7, sequence = (sequence + 1) & 0x0F) {
        CanData next;
        next.fill(kCanPad);
        next[0] = static_cast<uint8_t>(0x20 | sequence);
        std::copy(bytes.begin() + at, bytes.begin() + std::min(at + 7, bytes.size()), next.begin() + 1);
        frames.push_back(next);
    }
    return frames;
}

void appendCode(std::vector<uint8_t>& bytes, uint16_t code)
{
    bytes.push_back(static_cast<uint8_t>(code >> 8));
    bytes.push_back(static_cast<uint8_t>(code & 0xFF));
}
} // namespace

SimEcu SimEcu::can11(uint8_t baud)
{
    SimEcu e;
    e.baud = baud;
    return e;
}

SimEcu SimEcu::can29(uint8_t baud)
{
    SimEcu e;
    e.baud = baud;
    e.requestIds = {0x18DB33F1, 0x18DA10F1};
    e.responseId = 0x18DAF110;
    return e;
}

SimEcu SimEcu::kline(uint8_t proto)
{
    SimEcu e;
    e.proto = proto;
    e.baud = 3;
    e.requestIds = {proto == 1 ? 0x686A6Fu : 0xC133F1u};
    e.responseId = 0x486B10;
    return e;
}

uint32_t SimEcu::supportMask() const
{
    uint32_t mask = 0;
    for (uint8_t pid : supportedPids)
        if (pid >= 1 && pid <= 32)
            mask |= 0x80000000u >> (pid - 1);
    return mask;
}

std::vector<CanData> codeFrames(uint8_t proto, uint8_t service, const std::vector<uint16_t>& codes)
{
    const uint8_t positive = static_cast<uint8_t>(service + 0x40);
    if (proto == 3) {
        std::vector<uint8_t> bytes{positive, static_cast<uint8_t>(codes.size())};
        for (uint16_t code : codes)
            appendCode(bytes, code);
        return segmented(bytes);
    }
    // K-line: three code slots per message, unused slots zero.
    std::vector<CanData> frames;
    for (size_t at = 0; at == 0 || at < codes.size(); at += 3) {
        std::vector<uint8_t> bytes{positive};
        for (size_t k = at; k < at + 3; ++k)
            appendCode(bytes, k < codes.size() ? codes[k] : 0);
        frames.push_back(singleFrame(bytes, 0));
    }
    return frames;
}

SimObdRelay::SimObdRelay(uint32_t seed) : m_rng(seed) {}

bool SimObdRelay::hears(const SimEcu& ecu, uint32_t requestId, const std::vector<uint8_t>& block18) const
{
    if (block18.size() < 12 || block18[8] != 1)
        return false;
    if (block18[9] != ecu.baud || block18[11] != ecu.proto)
        return false;
    return std::find(ecu.requestIds.begin(), ecu.requestIds.end(), requestId) != ecu.requestIds.end();
}

std::vector<uint8_t> SimObdRelay::answer(const std::vector<uint8_t>& request,
                                         const std::vector<uint8_t>& block18)
{
    std::vector<uint8_t> reply(2, 0);
    if (request.size() < 20)
        return reply;
    const uint32_t requestId = getU32(request, 0), responseId = getU32(request, 4), mask = getU32(request, 8);
    size_t groups = 0;
    for (SimEcu& ecu : ecus) {
        if (!hears(ecu, requestId, block18))
            continue;
        // The CAN controller's acceptance filter; K-line has none.
        if (ecu.proto == 3 && (ecu.responseId & mask) != (responseId & mask))
            continue;
        for (const CanData& data : respond(ecu, request.data() + 12)) {
            if (groups == kMaxGroups)
                break;
            reply.resize(reply.size() + 4);
            putU32(reply, reply.size() - 4, ecu.responseId);
            reply.insert(reply.end(), data.begin(), data.end());
            ++groups;
        }
    }
    putU16(reply, 0, static_cast<unsigned>(groups));
    return reply;
}

std::vector<CanData> SimObdRelay::respond(SimEcu& ecu, const uint8_t* data)
{
    const uint8_t service = data[1];
    switch (service) {
    case 0x01:
        return currentData(ecu, data[2]);
    case 0x03:
        return codeFrames(ecu.proto, service, ecu.storedCodes);
    case 0x07:
        return codeFrames(ecu.proto, service, ecu.pendingCodes);
    case 0x04:
        return clearCodes(ecu);
    default:
        return {singleFrame({0x7F, service, 0x11}, kCanPad)}; // service not supported
    }
}

std::vector<CanData> SimObdRelay::clearCodes(SimEcu& ecu)
{
    if (ecu.refuseClear)
        return {singleFrame({0x7F, 0x04, 0x22}, kCanPad)}; // conditions not correct
    ecu.storedCodes.clear();
    ecu.pendingCodes.clear();
    ++clears;
    return {singleFrame({0x44}, kCanPad)};
}

std::vector<CanData> SimObdRelay::currentData(const SimEcu& ecu, uint8_t pid)
{
    const bool known = pid == 0x00 || std::find(ecu.supportedPids.begin(), ecu.supportedPids.end(), pid) !=
                                          ecu.supportedPids.end();
    if (!known)
        return {}; // an ECU stays silent on a PID it lacks
    std::vector<uint8_t> bytes{0x41, pid};
    const std::vector<uint8_t> value = pidValue(pid, ecu);
    bytes.insert(bytes.end(), value.begin(), value.end());
    return {singleFrame(bytes, ecu.proto == 3 ? kCanPad : 0)};
}

std::vector<uint8_t> SimObdRelay::pidValue(uint8_t pid, const SimEcu& ecu)
{
    std::uniform_int_distribution<int> wobble(-4, 4);
    ++m_turn;
    const auto fixed = ecu.fixedValues.find(pid);
    if (fixed != ecu.fixedValues.end())
        return fixed->second;
    if (car.fitted && pid >= 0x06 && pid <= 0x09)
        return {car.trimByte(pid)};
    switch (pid) {
    case 0x00: {
        const uint32_t m = ecu.supportMask();
        return {uint8_t(m >> 24), uint8_t(m >> 16), uint8_t(m >> 8), uint8_t(m)};
    }
    case 0x01: {
        const size_t n = std::min<size_t>(ecu.storedCodes.size(), 0x7F);
        return {static_cast<uint8_t>((n ? 0x80 : 0) | n), 0x07, 0x65, 0x00};
    }
    case 0x03:
        return {0x02, 0x00}; // closed loop
    case 0x05:
        return {130}; // 90 degrees
    case 0x06:
    case 0x07:
    case 0x08:
    case 0x09:
        return {static_cast<uint8_t>(128 + wobble(m_rng))};
    case 0x0C:
        return {0x0D, 0x48}; // 850 RPM
    case 0x13:
        return {0x03}; // bank 1 sensors 1 and 2
    case 0x14:
    case 0x15:
    case 0x16:
    case 0x17:
    case 0x18:
    case 0x19:
        // Oxygen sensors swing between lean and rich.
        return {static_cast<uint8_t>((m_turn / 3) % 2 ? 160 : 30), 0xFF};
    default:
        return {static_cast<uint8_t>(40 + wobble(m_rng))};
    }
}

} // namespace kwsim
