#pragma once

#include <CCorrMap.h>

#include <array>

class CSettingsRecord;

using LoadAxis = std::array<double, CCorrMap::kRows>;
using RpmAxis = std::array<double, CCorrMap::kCols>;

// The map cell of an operating point: the first axis point above the value,
// the last cell beyond the axis. A value on a point falls into the next cell.
void findAxisIndices(const CCorrMap& map, double rpm, double load, int& column, int& row);

// The load axis of a map type: 0.2 .. 0.956 bar for manifold pressure, 2 .. 20 ms otherwise.
LoadAxis defaultLoadAxis(bool vacuum);

// The axes as the controller will hold them once block 34 carries them (its
// bytes read back into the record's units). False when a point does not fit
// in its byte or the held points are not strictly ascending: such axes
// would break the controller's look-up.
bool heldLoadAxis(const CSettingsRecord& record, LoadAxis& axis);
bool heldRpmAxis(RpmAxis& axis);

// An edited axis point: pulled back inside its neighbours, rounded to the
// axis' grid (0.2 for load, 100 for RPM) and given as the controller will
// hold it. False when the result is not strictly between its neighbours,
// below 0 or does not fit; the axis is then left as it is.
bool editLoadPoint(const CSettingsRecord& record, int index, double value, double& held);
bool editRpmPoint(const CCorrMap& map, int index, double value, double& held);

// Axes spread between two limits by the map coordinates: steps of a 19th
// (15th) of the range, load rounded to 0.01 and RPM to 100, the last point
// the maximum itself.
LoadAxis spreadLoadAxis(double minimum, double maximum);
RpmAxis spreadRpmAxis(double minimum, double maximum);
