#pragma once

#include <cstddef>
#include <cstdint>

// Frames on the controller line:
//   AA 55 LEN CMD nonce(hi, lo) payload(P bytes, words rotated) sum(hi, lo)
// with LEN = P + 2.
const unsigned char kFrameStart0 = 0xAA;
const unsigned char kFrameStart1 = 0x55;
const unsigned kFrameHeaderSize = 4;
const unsigned kFrameNonceSize = 2;
const unsigned kFrameSumSize = 2;
const unsigned kMaxFramePayload = 253;
// What every transaction buffer holds: the request payload in, the reply out.
const unsigned kTransactBufferSize = 410;

// 1 + the byte sum; users keep the low 16 bits.
uint32_t frameSum(const unsigned char* bytes, size_t n);

// Rotate `count` little-endian 16-bit words held in `words` (2 * count bytes)
// in place. Only the low 4 bits of `bits` count.
void rotateLeft16(unsigned char* words, size_t count, unsigned bits);
void rotateRight16(unsigned char* words, size_t count, unsigned bits);

// The checksum of a frame over its plain (unrotated) payload.
uint16_t frameChecksum(uint16_t nonce, unsigned char cmd, unsigned char len, const unsigned char* payload,
                       size_t payloadSize);
