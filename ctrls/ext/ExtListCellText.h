#pragma once

#include "PrambleApi.h"

#include <Wfx.h>

// Moving a cell's text between a list and the in-cell editor over it; the
// cell is (x = column, y = row). Shared by the editors of both control
// libraries' extended lists.
namespace ExtListCellText {

// The edit shows exactly the cell's text, caret at its end.
PRAMBLE_API void load(CEdit& edit, const CListCtrl& list, CPoint cell);
PRAMBLE_API void storeWindowText(const CWnd& editor, CListCtrl& list, CPoint cell);
// A combo without a selected entry leaves the cell as it was.
PRAMBLE_API void storeSelectedEntry(const CComboBox& combo, CListCtrl& list, CPoint cell);
// Moves the editor over the cell (grown by `grow` on every side), repainting it.
PRAMBLE_API void moveOver(CWnd& editor, RECT cell, int grow = 0);

} // namespace ExtListCellText
