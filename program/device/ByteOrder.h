#pragma once

#include <cstdint>

// Words and double words in the controller's bytes. Both orders occur: block
// payloads, memory addresses and samples are little-endian; frame nonces and
// sums, the map's sum and PC codes are big-endian.

inline uint16_t littleEndian16(const uint8_t* bytes)
{
    return uint16_t(bytes[0] | bytes[1] << 8);
}

inline uint32_t littleEndian32(const uint8_t* bytes)
{
    return littleEndian16(bytes) | uint32_t(littleEndian16(bytes + 2)) << 16;
}

inline uint16_t bigEndian16(const uint8_t* bytes)
{
    return uint16_t(bytes[0] << 8 | bytes[1]);
}

inline uint32_t bigEndian32(const uint8_t* bytes)
{
    return uint32_t(bigEndian16(bytes)) << 16 | bigEndian16(bytes + 2);
}

inline void putLittleEndian16(uint8_t* bytes, uint16_t value)
{
    bytes[0] = uint8_t(value);
    bytes[1] = uint8_t(value >> 8);
}

inline void putLittleEndian32(uint8_t* bytes, uint32_t value)
{
    putLittleEndian16(bytes, uint16_t(value));
    putLittleEndian16(bytes + 2, uint16_t(value >> 16));
}

inline void putBigEndian16(uint8_t* bytes, uint16_t value)
{
    bytes[0] = uint8_t(value >> 8);
    bytes[1] = uint8_t(value);
}

inline void putBigEndian32(uint8_t* bytes, uint32_t value)
{
    putBigEndian16(bytes, uint16_t(value >> 16));
    putBigEndian16(bytes + 2, uint16_t(value));
}
