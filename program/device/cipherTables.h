#pragma once

#include <cstdint>

// The eight 4-bit substitution boxes of the block cipher and their inverses.
namespace cipher {

constexpr unsigned char kSBox[8][16] = {
    {3, 8, 15, 1, 10, 6, 5, 11, 14, 13, 4, 2, 7, 0, 9, 12},
    {15, 12, 2, 7, 9, 0, 5, 10, 1, 11, 14, 8, 6, 13, 3, 4},
    {8, 6, 7, 9, 3, 12, 10, 15, 13, 1, 14, 4, 0, 11, 5, 2},
    {0, 15, 11, 8, 12, 9, 6, 3, 13, 1, 2, 4, 10, 7, 5, 14},
    {1, 15, 8, 3, 12, 0, 11, 6, 2, 5, 4, 10, 9, 14, 7, 13},
    {15, 5, 2, 11, 4, 10, 9, 12, 0, 3, 14, 8, 13, 6, 7, 1},
    {7, 2, 12, 5, 8, 4, 6, 11, 14, 9, 1, 15, 13, 3, 10, 0},
    {1, 13, 15, 0, 14, 8, 2, 11, 7, 4, 12, 10, 9, 3, 5, 6},
};

struct Boxes
{
    unsigned char box[8][16];
};

constexpr Boxes inverted()
{
    Boxes inverse{};
    for (int b = 0; b < 8; ++b)
        for (int v = 0; v < 16; ++v)
            inverse.box[b][kSBox[b][v]] = static_cast<unsigned char>(v);
    return inverse;
}

constexpr Boxes kInverseSBox = inverted();

// Each of the eight 4-bit groups of `word` through `box` on its own.
inline uint32_t substitute(const unsigned char (&box)[16], uint32_t word)
{
    uint32_t out = 0;
    for (int shift = 0; shift < 32; shift += 4)
        out |= static_cast<uint32_t>(box[word >> shift & 15]) << shift;
    return out;
}

inline uint32_t rotateRight(uint32_t word, unsigned bits)
{
    return word >> bits | word << (32 - bits);
}
inline uint32_t rotateLeft(uint32_t word, unsigned bits)
{
    return word << bits | word >> (32 - bits);
}

} // namespace cipher
