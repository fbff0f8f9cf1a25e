#pragma once

#include <CDiag.h>

#include <cstddef>
#include <cstdint>

// Live-data samples built byte by byte, as the controller sends them.
namespace kwtest {

inline void putWord(CDiag& d, size_t offset, uint16_t value)
{
    d.data()[offset] = static_cast<unsigned char>(value);
    d.data()[offset + 1] = static_cast<unsigned char>(value >> 8);
}

// Time entry n: the petrol time word and the gas offset word.
inline void setEntry(CDiag& d, unsigned n, uint16_t time, uint16_t offset)
{
    putWord(d, 18 + 4 * n, time);
    putWord(d, 20 + 4 * n, offset);
}

} // namespace kwtest
