#pragma once

#include <cstddef>
#include <cstdint>
#include <vector>

namespace kwsim {

// The controller's own view of a frame: AA 55, LEN (payload + 2), CMD, a
// 16-bit nonce (high byte first), the payload with each little-endian word
// rotated left by nonce mod 16, and a 16-bit sum (high byte first) over the
// plain payload, the nonce bytes, CMD and LEN plus one.
struct Frame
{
    uint8_t cmd = 0;
    uint16_t nonce = 0;
    std::vector<uint8_t> payload; // plain, not rotated
};

constexpr size_t kMaxPayload = 253;

uint16_t frameChecksum(uint8_t cmd, uint16_t nonce, const std::vector<uint8_t>& plainPayload);
// Rotates every whole 16-bit word of `bytes` (an odd last byte stays as is).
void rotateWords(std::vector<uint8_t>& bytes, unsigned bits, bool left);
// The frame as it travels; payloads above kMaxPayload are cut to it.
std::vector<uint8_t> encodeFrame(const Frame& frame);

// Collects bytes from the line and hands out every frame with a good sum.
// Bytes before a start marker are skipped; a frame with a wrong sum is
// dropped and the search goes on one byte after its start, so a marker
// hidden in noise cannot swallow a good frame behind it. A partial frame
// left idle longer than the gap is thrown away.
class FrameReader
{
public:
    explicit FrameReader(int64_t gapUs = 100000) : m_gapUs(gapUs) {}

    void push(const uint8_t* data, size_t size, int64_t nowUs);
    bool next(Frame& out);
    size_t rejected() const { return m_rejected; }
    void clear() { m_buffer.clear(); }

private:
    bool decodeFront(Frame& out) const;

    std::vector<uint8_t> m_buffer;
    int64_t m_gapUs;
    int64_t m_lastUs = 0;
    size_t m_rejected = 0;
};

} // namespace kwsim
