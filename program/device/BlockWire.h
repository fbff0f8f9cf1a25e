#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <utility>
#include <vector>

// Helpers shared by the block payload codecs: the controller's rounding rules,
// the RPM period word, and little-endian access to a payload. The writer
// clamps every value to its field's range: an out-of-range, infinite or NaN
// double never reaches the wire as an undefined narrowing.
namespace blockwire {

// Round half away from zero to an integer, as trunc((10x +- 5) / 10).
double roundHalfAway(double x);
// Truncate toward zero; a result a hair below an integer (floating-point
// noise of an inverse conversion) counts as that integer.
double truncToward(double x);
// Rounded to 0.1 and to 0.01, half away from zero.
double roundTo01(double x);
double roundTo001(double x);

// RPM from a period word, rounded to a multiple of step; period 0 is RPM 0.
double periodToRpm(unsigned period, int step);
// Period word of an RPM; RPM 0 (or anything not positive) is word 0.
double rpmToPeriod(double rpm);

// Time in ms from ticks of 0.025 ms, rounded to 0.1, and back.
double ticksToTime(unsigned ticks);
double timeToTicks(double ms);

// Truncated toward zero and clamped to the range of T; NaN gives 0.
template <class T> T clampTo(double v);

// Reads a payload already checked to hold the block; bytes beyond the end read as 0.
class PayloadReader
{
public:
    PayloadReader(const uint8_t* data, size_t size) : m_data(data), m_size(size) {}
    uint8_t u8(size_t off) const;
    int8_t s8(size_t off) const { return int8_t(u8(off)); }
    uint16_t u16(size_t off) const;
    int16_t s16(size_t off) const { return int16_t(u16(off)); }
    uint32_t u32(size_t off) const;
    template <size_t N> void copy(size_t off, std::array<uint8_t, N>& to) const
    {
        for (size_t i = 0; i < N; ++i)
            to[i] = u8(off + i);
    }

private:
    const uint8_t* m_data;
    size_t m_size;
};

// Builds a payload of a fixed size; unlisted bytes stay 0.
class PayloadWriter
{
public:
    explicit PayloadWriter(size_t size) : m_bytes(size, 0) {}
    void u8(size_t off, double v) { put(off, clampTo<uint8_t>(v), 1); }
    void s8(size_t off, double v) { put(off, uint8_t(clampTo<int8_t>(v)), 1); }
    void u16(size_t off, double v) { put(off, clampTo<uint16_t>(v), 2); }
    void s16(size_t off, double v) { put(off, uint16_t(clampTo<int16_t>(v)), 2); }
    void u32(size_t off, double v) { put(off, clampTo<uint32_t>(v), 4); }
    template <size_t N> void copy(size_t off, const std::array<uint8_t, N>& from)
    {
        for (size_t i = 0; i < N; ++i)
            put(off + i, from[i], 1);
    }
    std::vector<uint8_t> take() { return std::move(m_bytes); }

private:
    void put(size_t off, uint32_t value, size_t width);
    std::vector<uint8_t> m_bytes;
};

// True when the payload holds at least `needed` bytes.
inline bool holds(const uint8_t* data, size_t size, size_t needed)
{
    return data != nullptr && size >= needed;
}

// Blocks kept as raw bytes: the payload is the array's first `size` bytes;
// array bytes the payload lacks read as 0.
template <size_t N> std::vector<uint8_t> encodeBytes(const std::array<uint8_t, N>& from, size_t size)
{
    PayloadWriter out(size);
    out.copy(0, from);
    return out.take();
}

template <size_t N>
bool decodeBytes(const uint8_t* payload, size_t size, size_t needed, std::array<uint8_t, N>& to)
{
    if (!holds(payload, size, needed))
        return false;
    PayloadReader(payload, needed).copy(0, to);
    return true;
}

} // namespace blockwire
