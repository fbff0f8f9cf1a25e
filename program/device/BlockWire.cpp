#include "BlockWire.h"

#include "Conversions.h"

#include <algorithm>
#include <cmath>
#include <limits>

namespace blockwire {

double roundHalfAway(double x)
{
    return std::trunc(x >= 0 ? (10 * x + 5) / 10 : (10 * x - 5) / 10);
}

double truncToward(double x)
{
    // Relative to the value, but never so much that a large counter gains a step.
    double nudge = std::min(1e-9 * (std::fabs(x) > 1 ? std::fabs(x) : 1.0), 1e-6);
    return std::trunc(x >= 0 ? x + nudge : x - nudge);
}

double roundTo01(double x)
{
    return x >= 0 ? std::floor(10 * (x + 0.05)) / 10 : -std::floor(10 * (-x + 0.05)) / 10;
}

double roundTo001(double x)
{
    return x >= 0 ? std::floor(100 * (x + 0.005)) / 100 : -std::floor(100 * (-x + 0.005)) / 100;
}

double periodToRpm(unsigned period, int step)
{
    if (period == 0)
        return 0.0;
    return step * roundHalfAway(kRpmConstant / period / step);
}

double rpmToPeriod(double rpm)
{
    if (!(rpm > 0))
        return 0.0;
    return roundHalfAway(kRpmConstant / rpm);
}

double ticksToTime(unsigned ticks)
{
    return roundTo01(ticks * kTimeTick);
}

double timeToTicks(double ms)
{
    return roundHalfAway(ms / kTimeTick);
}

template <class T> T clampTo(double v)
{
    if (std::isnan(v))
        return 0;
    if (v <= double(std::numeric_limits<T>::min()))
        return std::numeric_limits<T>::min();
    if (v >= double(std::numeric_limits<T>::max()))
        return std::numeric_limits<T>::max();
    return T(v);
}

template uint8_t clampTo<uint8_t>(double);
template int8_t clampTo<int8_t>(double);
template uint16_t clampTo<uint16_t>(double);
template int16_t clampTo<int16_t>(double);
template uint32_t clampTo<uint32_t>(double);

uint8_t PayloadReader::u8(size_t off) const
{
    return off < m_size ? m_data[off] : 0;
}

uint16_t PayloadReader::u16(size_t off) const
{
    return uint16_t(u8(off) | u8(off + 1) << 8);
}

uint32_t PayloadReader::u32(size_t off) const
{
    return uint32_t(u16(off)) | uint32_t(u16(off + 2)) << 16;
}

void PayloadWriter::put(size_t off, uint32_t value, size_t width)
{
    for (size_t i = 0; i < width && off + i < m_bytes.size(); ++i)
        m_bytes[off + i] = uint8_t(value >> (8 * i));
}

} // namespace blockwire
