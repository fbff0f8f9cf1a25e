#include "frame.h"

#include "ByteOrder.h"

namespace {
uint16_t rotl(uint16_t word, unsigned bits)
{
    bits &= 15;
    return bits ? static_cast<uint16_t>(word << bits | word >> (16 - bits)) : word;
}
} // namespace

uint32_t frameSum(const unsigned char* bytes, size_t n)
{
    uint32_t sum = 1;
    for (size_t i = 0; i < n; ++i)
        sum += bytes[i];
    return sum;
}

void rotateLeft16(unsigned char* words, size_t count, unsigned bits)
{
    for (size_t i = 0; i < count; ++i)
        putLittleEndian16(words + 2 * i, rotl(littleEndian16(words + 2 * i), bits));
}

void rotateRight16(unsigned char* words, size_t count, unsigned bits)
{
    rotateLeft16(words, count, 16 - (bits & 15));
}

uint16_t frameChecksum(uint16_t nonce, unsigned char cmd, unsigned char len, const unsigned char* payload,
                       size_t payloadSize)
{
    const uint32_t sum = frameSum(payload, payloadSize) + (nonce & 0xFF) + (nonce >> 8) + cmd + len;
    return static_cast<uint16_t>(sum);
}
