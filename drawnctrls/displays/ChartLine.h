#pragma once

#include "PrambleGDIpApi.h"

#include <map>

// Turns a chart y into the text of a label.
typedef CString (*ChartValueFormatter)(double);

// One line of a CScrollChart: its points, ordered by x (one y per x), and
// how it is drawn.
struct ChartLine
{
    std::map<double, double> points;
    COLORREF color = 0;
    int penStyle = PS_SOLID;
    int width = 1;
    int showLine = 1;
    int autoinc = 0;
    int showPoints = 0;
    double autoincStep = 0.0;
    ChartValueFormatter formatter = nullptr;
};
