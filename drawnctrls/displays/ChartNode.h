#pragma once

#include <TGeometry.h>

// One node of a 3D surface chart's grid.
struct ChartNode
{
    TPoint<double> data;  // the (x, y) shown in the value label
    TPoint<double> model; // place in the box: row x row spacing, column x column spacing
    double z = 0.0;       // the value
    bool selected = false;
};
