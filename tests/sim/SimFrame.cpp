#include "SimFrame.h"

#include <algorithm>

namespace kwsim {

namespace {
constexpr uint8_t kStart0 = 0xAA;
constexpr uint8_t kStart1 = 0x55;
constexpr size_t kHeader = 6; // start bytes, LEN, CMD, nonce

uint16_t rotate(uint16_t word, unsigned bits, bool left)
{
    bits &= 15;
    if (!bits)
        return word;
    return left ? static_cast<uint16_t>((word << bits) | (word >> (16 - bits)))
                : static_cast<uint16_t>((word >> bits) | (word << (16 - bits)));
}
} // namespace

uint16_t frameChecksum(uint8_t cmd, uint16_t nonce, const std::vector<uint8_t>& plainPayload)
{
    uint32_t sum = 1;
    for (uint8_t b : plainPayload)
        sum += b;
    const uint32_t len = static_cast<uint32_t>(plainPayload.size() + 2);
    sum += (nonce & 0xFF) + (nonce >> 8) + cmd + len;
    return static_cast<uint16_t>(sum);
}

void rotateWords(std::vector<uint8_t>& bytes, unsigned bits, bool left)
{
    for (size_t i = 0; i + 1 < bytes.size(); i += 2) {
        const uint16_t word = static_cast<uint16_t>(bytes[i] | (bytes[i + 1] << 8));
        const uint16_t turned = rotate(word, bits, left);
        bytes[i] = static_cast<uint8_t>(turned & 0xFF);
        bytes[i + 1] = static_cast<uint8_t>(turned >> 8);
    }
}

std::vector<uint8_t> encodeFrame(const Frame& frame)
{
    std::vector<uint8_t> payload = frame.payload;
    if (payload.size() > kMaxPayload)
        payload.resize(kMaxPayload);
    const uint16_t sum = frameChecksum(frame.cmd, frame.nonce, payload);
    rotateWords(payload, frame.nonce % 16, true);

    std::vector<uint8_t> wire(kHeader + payload.size() + 2);
    wire[0] = kStart0;
    wire[1] = kStart1;
    wire[2] = static_cast<uint8_t>(payload.size() + 2);
    wire[3] = frame.cmd;
    wire[4] = static_cast<uint8_t>(frame.nonce >> 8);
    wire[5] = static_cast<uint8_t>(frame.nonce & 0xFF);
    std::copy(payload.begin(), payload.end(), wire.begin() + kHeader);
    wire[wire.size() - 2] = static_cast<uint8_t>(sum >> 8);
    wire[wire.size() - 1] = static_cast<uint8_t>(sum & 0xFF);
    return wire;
}

void FrameReader::push(const uint8_t* data, size_t size, int64_t nowUs)
{
    if (!m_buffer.empty() && nowUs - m_lastUs > m_gapUs)
        m_buffer.clear();
    m_lastUs = nowUs;
    m_buffer.insert(m_buffer.end(), data, data + size);
}

bool FrameReader::decodeFront(Frame& out) const
{
    const size_t len = m_buffer[2];
    out.cmd = m_buffer[3];
    out.nonce = static_cast<uint16_t>((m_buffer[4] << 8) | m_buffer[5]);
    out.payload.assign(m_buffer.begin() + kHeader, m_buffer.begin() + kHeader + len - 2);
    rotateWords(out.payload, out.nonce % 16, false);
    const uint16_t sent =
        static_cast<uint16_t>((m_buffer[kHeader + len - 2] << 8) | m_buffer[kHeader + len - 1]);
    return sent == frameChecksum(out.cmd, out.nonce, out.payload);
}

bool FrameReader::next(Frame& out)
{
    for (;;) {
        size_t skip = 0;
        while (skip < m_buffer.size() && m_buffer[skip] != kStart0)
            ++skip;
        m_buffer.erase(m_buffer.begin(), m_buffer.begin() + skip);
        if (m_buffer.size() < 2)
            return false;
        if (m_buffer[1] != kStart1 || (m_buffer.size() >= 3 && m_buffer[2] < 2)) {
            m_buffer.erase(m_buffer.begin());
            continue;
        }
        if (m_buffer.size() < 3 || m_buffer.size() < kHeader + m_buffer[2])
            return false;
        const size_t total = kHeader + m_buffer[2];
        if (decodeFront(out)) {
            m_buffer.erase(m_buffer.begin(), m_buffer.begin() + total);
            return true;
        }
        ++m_rejected;
        m_buffer.erase(m_buffer.begin());
    }
}

} // namespace kwsim
