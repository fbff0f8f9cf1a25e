#include "CDiag.h"

#include "BlockWire.h"
#include "ByteOrder.h"
#include "Conversions.h"

#include <cmath>
#include <cstring>

namespace {
constexpr size_t kTimeTable = 18;
constexpr size_t kEntrySize = 4;
constexpr size_t kSequenceOffset = 84;
constexpr double kMinRpm = 100.0;
// Offset words above this are negative steps counted from 65535 (65535 is 0).
constexpr unsigned kLastPositiveOffset = 60000;
constexpr double kNegativeOffsetBase = 65535.0;
constexpr int kLastMapRow = 38;

double signedOffsetSteps(uint16_t word)
{
    return word > kLastPositiveOffset ? word - kNegativeOffsetBase : word;
}
} // namespace

void CDiag::clear()
{
    std::memset(m_bytes, 0, sizeof m_bytes);
}

unsigned char CDiag::getByte(size_t offset) const
{
    return offset < kSize ? m_bytes[offset] : 0;
}

double CDiag::getTemperature1() const
{
    return sensorCurve(m_bytes[2]);
}

double CDiag::getTemperature2() const
{
    return sensorCurve2(m_bytes[3]);
}

double CDiag::getVoltage5() const
{
    return rawToVolts6(m_bytes[5]);
}

double CDiag::getVoltage6() const
{
    return rawToVolts(m_bytes[6]);
}

double CDiag::getVoltage7() const
{
    return rawToVolts(m_bytes[7]);
}

double CDiag::getPressure() const
{
    return rawToPressure(m_bytes[8]);
}

double CDiag::getManifoldPressure() const
{
    return rawToManifoldPressure(m_bytes[10]);
}

double CDiag::getRpm() const
{
    uint16_t period = getRpmPeriod();
    if (period == 0)
        return 0;
    double rpm = kRpmConstant / period;
    return rpm < kMinRpm ? 0 : rpm;
}

uint16_t CDiag::getTimeWord(unsigned n) const
{
    return n < kTimeEntries ? word(kTimeTable + kEntrySize * n) : 0;
}

uint16_t CDiag::getOffsetWord(unsigned n) const
{
    return n < kTimeEntries ? word(kTimeTable + kEntrySize * n + 2) : 0;
}

double CDiag::getInjectionTime(unsigned n) const
{
    return getTimeWord(n) * kTimeTick;
}

double CDiag::getCorrectedInjectionTime(unsigned n) const
{
    double base = blockwire::roundTo001(getInjectionTime(n));
    if (base == 0)
        return 0;
    double gas = blockwire::roundTo001(base + signedOffsetSteps(getOffsetWord(n)) * kTimeTick);
    return gas < 0 ? 0 : gas;
}

uint32_t CDiag::getSequence() const
{
    return littleEndian32(m_bytes + kSequenceOffset);
}

void CDiag::setSequence(uint32_t sequence)
{
    putLittleEndian32(m_bytes + kSequenceOffset, sequence);
}

uint16_t CDiag::word(size_t offset) const
{
    return littleEndian16(m_bytes + offset);
}

int petrolTimeToMapRow(double ms)
{
    double v = ms > 1 ? ms - 1 : ms;
    double k = std::floor(2 * v);
    if (k > kLastMapRow)
        return kLastMapRow;
    if (!(k >= 1))
        return 0;
    return static_cast<int>(k);
}
