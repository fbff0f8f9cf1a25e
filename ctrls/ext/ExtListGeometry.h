#pragma once

#include "PrambleApi.h"

#include <Wfx.h>

// Where the columns and cells of a report list lie, scrolling included.
// Shared by the extended lists of both control libraries.
namespace ExtListGeometry {

// The first column whose span holds x (client coordinates), -1 beyond the last.
PRAMBLE_API int columnAtX(const CListCtrl& list, int x);
// False (col 0) when no row is hit, or when x lies beyond the columns.
PRAMBLE_API bool cellAtPoint(const CListCtrl& list, CPoint point, int& col, int& row);
// The rectangle an editor covers: the row's label band across the column.
PRAMBLE_API CRect editorRect(const CListCtrl& list, int col, int row);
// Whether the message is a click or scroll on the list's header, which
// closes an open editor.
PRAMBLE_API bool closesEditor(const CListCtrl& list, const MSG& msg);
// The width of the list's icons, 0 when it cannot be read.
PRAMBLE_API int iconWidth(HIMAGELIST imageList);

} // namespace ExtListGeometry
