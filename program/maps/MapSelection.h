#pragma once

#include <CCorrMap.h>

#include <array>

// Which cells of the map table are selected, [column][row], with the anchor
// that keyboard extension grows from. Columns are RPM points, rows load points.
class MapSelection
{
public:
    static constexpr int kColumns = CCorrMap::kCols;
    static constexpr int kRows = CCorrMap::kRows;

    bool isSel(int column, int row) const { return m_sel[column][row]; }
    void setSel(int column, int row, bool sel) { m_sel[column][row] = sel; }
    void clear();
    bool any() const;

    // First and last selected cell scanning columns in order, rows in order
    // within each column; false when none is selected.
    bool first(int& column, int& row) const;
    bool last(int& column, int& row) const;

    // The anchor: the cell last selected by a click or a move, -1/-1 when none.
    int anchorColumn() const { return m_anchorColumn; }
    int anchorRow() const { return m_anchorRow; }
    void setAnchor(int column, int row);

    // Arrow keys (VK_LEFT .. VK_DOWN): move the selection to one cell beside
    // the first selected one, inside the table; or grow or shrink the
    // selected block by a column or a row on the side away from the anchor.
    // False when nothing changed.
    bool move(unsigned key);
    bool extend(unsigned key);

private:
    void setColumn(int column, int row0, int row1, bool sel);
    void setRow(int row, int column0, int column1, bool sel);

    std::array<std::array<bool, kRows>, kColumns> m_sel{};
    int m_anchorColumn = -1;
    int m_anchorRow = -1;
};
