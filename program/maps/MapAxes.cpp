#include "MapAxes.h"

#include "RoundFunctions.h"

#include <BlockWire.h>
#include <CSettingsRecord.h>
#include <Conversions.h>
#include <SettingsBlocks.h>

using blockwire::roundHalfAway;
using blockwire::truncToward;

namespace {

const double kLoadGrid = 0.2;
const double kLoadMax = 50.0;
const double kRpmGrid = 100.0;
const double kRpmMin = 500.0;
const double kRpmMax = 8000.0;

template <size_t N> int firstAbove(const std::array<double, N>& axis, double value)
{
    for (size_t i = 0; i < N; ++i)
        if (axis[i] > value)
            return int(i);
    return int(N) - 1;
}

template <size_t N> bool strictlyAscending(const std::array<double, N>& axis)
{
    for (size_t i = 1; i < N; ++i)
        if (!(axis[i] > axis[i - 1]))
            return false;
    return true;
}

bool loadPointFits(const CAdvancedSetup& s, double point)
{
    if (!(point >= 0))
        return false;
    if (s.m_advancedFlags3 & 0x0400) {
        // The sensor conversion stops at its ends: a point there is not held as given.
        double raw = manifoldPressureToRaw(100 * point, s.m_advancedFlags);
        return raw > 0 && raw < 250;
    }
    return roundHalfAway(5 * point) <= 255;
}

// Pulls a value that passed a neighbour back to one grid step inside it.
template <size_t N> double insideNeighbours(const std::array<double, N>& axis, int i, double v, double gap)
{
    if (i + 1 < int(N) && v >= axis[i + 1])
        v = axis[i + 1] - gap;
    if (i > 0 && v <= axis[i - 1])
        v = axis[i - 1] + gap;
    return v;
}

template <size_t N> bool betweenNeighbours(const std::array<double, N>& axis, int i, double v)
{
    return (i == 0 || v > axis[i - 1]) && (i + 1 == int(N) || v < axis[i + 1]);
}

} // namespace

void findAxisIndices(const CCorrMap& map, double rpm, double load, int& column, int& row)
{
    column = firstAbove(map.m_colAxis, rpm);
    row = firstAbove(map.m_rowAxis, load);
}

LoadAxis defaultLoadAxis(bool vacuum)
{
    LoadAxis axis{};
    for (int i = 0; i < CCorrMap::kRows; ++i)
        axis[i] = vacuum ? i * 4.2 / 100 + 0.2 : i + 2.0;
    return axis;
}

bool heldLoadAxis(const CSettingsRecord& record, LoadAxis& axis)
{
    for (double point : axis)
        if (!loadPointFits(record.m_advancedSetup, point))
            return false;
    CSettingsRecord held = record;
    held.m_corrMap.m_rowAxis = axis;
    std::vector<uint8_t> bytes = encodeBlock34(held);
    decodeBlock34(bytes.data(), bytes.size(), held);
    if (!strictlyAscending(held.m_corrMap.m_rowAxis))
        return false;
    axis = held.m_corrMap.m_rowAxis;
    return true;
}

bool heldRpmAxis(RpmAxis& axis)
{
    for (double& point : axis) {
        if (!(point >= 0) || point / 100 >= 256)
            return false;
        point = truncToward(point / 100) * 100;
    }
    return strictlyAscending(axis);
}

bool editLoadPoint(const CSettingsRecord& record, int index, double value, double& held)
{
    if (index < 0 || index >= CCorrMap::kRows)
        return false;
    LoadAxis axis = record.m_corrMap.m_rowAxis;
    double v = value > kLoadMax ? kLoadMax : value;
    v = insideNeighbours(axis, index, v, kLoadGrid);
    v = roundHalfAway(v / kLoadGrid) * kLoadGrid;
    if (!betweenNeighbours(axis, index, v))
        return false;
    axis[index] = v;
    if (!heldLoadAxis(record, axis))
        return false;
    held = axis[index];
    return true;
}

bool editRpmPoint(const CCorrMap& map, int index, double value, double& held)
{
    if (index < 0 || index >= CCorrMap::kCols)
        return false;
    RpmAxis axis = map.m_colAxis;
    double v = value < kRpmMin ? kRpmMin : value > kRpmMax ? kRpmMax : value;
    v = insideNeighbours(axis, index, v, kRpmGrid);
    v = roundHalfAway(v / kRpmGrid) * kRpmGrid;
    if (!betweenNeighbours(axis, index, v))
        return false;
    axis[index] = v;
    if (!heldRpmAxis(axis))
        return false;
    held = axis[index];
    return true;
}

LoadAxis spreadLoadAxis(double minimum, double maximum)
{
    LoadAxis axis{};
    const double step = (maximum - minimum) / CCorrMap::kRows;
    for (int i = 0; i + 1 < CCorrMap::kRows; ++i)
        axis[i] = round2(minimum + i * step);
    axis[CCorrMap::kRows - 1] = maximum;
    return axis;
}

RpmAxis spreadRpmAxis(double minimum, double maximum)
{
    RpmAxis axis{};
    const double step = (maximum - minimum) / CCorrMap::kCols;
    for (int i = 0; i + 1 < CCorrMap::kCols; ++i)
        axis[i] = roundHalfAway((minimum + i * step) / kRpmGrid) * kRpmGrid;
    axis[CCorrMap::kCols - 1] = maximum;
    return axis;
}
