#pragma once

#include "MapSelection.h"

#include <array>
#include <cstdint>

// One press of a step: the cells it changes on screen and the block-13
// record that asks the controller for the same change.
struct MapStep
{
    MapSelection region;
    // First row, first column, row count, column count, direction (2 up,
    // 3 down), step size.
    std::array<uint8_t, 6> record{};
    int step = 0;

    int rowStart() const { return record[0]; }
    int columnStart() const { return record[1]; }
    int rowCount() const { return record[2]; }
    int columnCount() const { return record[3]; }
};

// The step presses of the map table. With the neighbour option, repeated
// presses in one direction also change rings of one or two cells around the
// selection (1st press the selection, 2nd ring 1, 3rd ring 2, 4th ring 1,
// 5th the selection ...), so a correction fades out into its surroundings.
class MapStepper
{
public:
    static constexpr int kLimit = 50;

    bool m_neighbours = false;
    int m_repeatCount = 0;

    // The next press; false (and nothing counted) when no cell is selected.
    bool press(const MapSelection& selection, int step, MapStep& out);
    // A cell value after a step, kept within +-50.
    static int stepped(int value, int step);

private:
    int ringWidth() const;
    bool m_lastPositive = true;
};
