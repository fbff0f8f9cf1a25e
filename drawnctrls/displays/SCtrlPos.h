#pragma once

// A cell's place in a table: column and row; -1 for the coordinate that does
// not apply (a column header has no row, a row header no column).
struct SCtrlPos
{
    int col = -1;
    int row = -1;
};
