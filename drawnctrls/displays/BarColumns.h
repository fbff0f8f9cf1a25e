#pragma once

#include <PrambleGDIpApi.h>

#include <vector>

// The geometry the bar displays share.
namespace barcolumns {

// Where one bar stands: its bar, its value text below and its name above.
struct Column
{
    CRect bar;
    CRect text;
    CRect name;
};

// n columns across the client, `gap` apart, the texts in bands of `band`.
std::vector<Column> layout(const CRect& client, int n, int gap, int margin, int band);
// The text band of a font: its height, 15 without one.
int fontHeight(CFont* font);
// The pixel row of a value on a bar from `top` to `bottom`: heights snap
// down to multiples of `step`; an empty range stands at the bottom.
int valueRow(double value, double min, double max, int top, int bottom, int step);
// Fills the window's client area with `color` when `fill` is set.
void fillBackground(CDC& dc, CWnd& wnd, bool fill, COLORREF color);
} // namespace barcolumns
