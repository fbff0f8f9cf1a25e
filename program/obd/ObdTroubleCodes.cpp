#include "ObdTroubleCodes.h"

#include <CLPGDevice.h>

#include <algorithm>

namespace {
void appendCodes(const uint8_t* p, size_t slots, std::vector<uint16_t>& codes)
{
    for (size_t k = 0; k < slots; ++k) {
        const uint16_t code = static_cast<uint16_t>(p[2 * k] << 8 | p[2 * k + 1]);
        if (code == 0)
            return;
        codes.push_back(code);
    }
}

// ISO 15765-2 messages of one sender; flow-control frames and broken
// sequences are dropped.
std::vector<std::vector<uint8_t>> reassemble(const std::vector<ObdFrame>& frames, uint32_t ecuId)
{
    std::vector<std::vector<uint8_t>> messages;
    std::vector<uint8_t> partial;
    size_t expected = 0;
    uint8_t sequence = 0;
    for (const ObdFrame& f : frames) {
        if (f.id != ecuId)
            continue;
        const uint8_t type = f.data[0] >> 4;
        if (type == 0 && f.data[0] >= 1 && f.data[0] <= 7) {
            messages.emplace_back(f.data + 1, f.data + 1 + f.data[0]);
        } else if (type == 1) {
            expected = (f.data[0] & 0x0F) << 8 | f.data[1];
            partial.assign(f.data + 2, f.data + 8);
            sequence = 1;
        } else if (type == 2 && expected != 0) {
            if ((f.data[0] & 0x0F) != sequence) {
                expected = 0;
                continue;
            }
            sequence = (sequence + 1) & 0x0F;
            partial.insert(partial.end(), f.data + 1, f.data + 8);
        }
        if (expected != 0 && partial.size() >= expected) {
            partial.resize(expected);
            messages.push_back(partial);
            expected = 0;
        }
    }
    return messages;
}
} // namespace

std::vector<std::pair<uint32_t, unsigned>> storedCodeCounts(const std::vector<ObdFrame>& frames)
{
    std::vector<std::pair<uint32_t, unsigned>> counts;
    for (const ObdFrame& f : frames)
        if (f.data[0] >= 3 && f.data[1] == 0x41 && f.data[2] == 0x01)
            counts.emplace_back(f.id, f.data[3] & 0x7F);
    return counts;
}

std::vector<uint16_t> decodeTroubleCodes(const std::vector<ObdFrame>& frames, uint32_t ecuId, uint8_t proto,
                                         uint8_t service)
{
    std::vector<uint16_t> codes;
    const uint8_t positive = static_cast<uint8_t>(service + 0x40);
    if (proto == 3) {
        for (const std::vector<uint8_t>& m : reassemble(frames, ecuId)) {
            if (m.size() < 2 || m[0] != positive)
                continue;
            appendCodes(m.data() + 2, std::min<size_t>(m[1], (m.size() - 2) / 2), codes);
        }
    } else if (proto == 1 || proto == 2) {
        for (const ObdFrame& f : frames)
            if (f.id == ecuId && f.data[0] >= 7 && f.data[1] == positive)
                appendCodes(f.data + 2, 3, codes);
    }
    return codes;
}

namespace {
const uint8_t kStoredCodes = 0x03, kPendingCodes = 0x07, kClearCodes = 0x04;

// Each ECU once, in the order its first frame came.
std::vector<uint32_t> senders(const std::vector<ObdFrame>& frames)
{
    std::vector<uint32_t> ids;
    for (const ObdFrame& f : frames)
        if (std::find(ids.begin(), ids.end(), f.id) == ids.end())
            ids.push_back(f.id);
    return ids;
}

void append(std::vector<uint16_t>& to, const std::vector<uint16_t>& from)
{
    to.insert(to.end(), from.begin(), from.end());
}
} // namespace

bool readTroubleCodes(CLPGDevice& device, std::vector<uint16_t>& codes)
{
    const uint8_t proto = device.m_settings.m_obdSetup.proto;
    std::vector<ObdFrame> frames;
    if (!relayObd(device, {0x01, 0x01}, frames))
        return false;
    for (const auto& [ecu, count] : storedCodeCounts(frames)) {
        if (count == 0)
            continue;
        std::vector<ObdFrame> stored;
        if (!relayObd(device, {kStoredCodes}, stored))
            return false;
        append(codes, decodeTroubleCodes(stored, ecu, proto, kStoredCodes));
    }
    std::vector<ObdFrame> pending;
    if (!relayObd(device, {kPendingCodes}, pending))
        return true; // the stored codes are what counts
    for (uint32_t ecu : senders(pending))
        append(codes, decodeTroubleCodes(pending, ecu, proto, kPendingCodes));
    return true;
}

ObdClearResult clearTroubleCodes(CLPGDevice& device)
{
    std::vector<ObdFrame> frames;
    if (!relayObd(device, {kClearCodes}, frames))
        return ObdClearResult::Failed;
    const bool positive = !frames.empty() && std::all_of(frames.begin(), frames.end(), [](const ObdFrame& f) {
        return f.data[1] == kClearCodes + 0x40;
    });
    return positive ? ObdClearResult::Cleared : ObdClearResult::Refused;
}
