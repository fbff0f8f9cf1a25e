#include "MapSelection.h"

#include <algorithm>

namespace {

const unsigned kLeft = 37;
const unsigned kUp = 38;
const unsigned kRight = 39;
const unsigned kDown = 40;

} // namespace

void MapSelection::clear()
{
    for (auto& column : m_sel)
        column.fill(false);
}

bool MapSelection::any() const
{
    int c, r;
    return first(c, r);
}

bool MapSelection::first(int& column, int& row) const
{
    for (int c = 0; c < kColumns; ++c)
        for (int r = 0; r < kRows; ++r)
            if (m_sel[c][r]) {
                column = c;
                row = r;
                return true;
            }
    return false;
}

bool MapSelection::last(int& column, int& row) const
{
    for (int c = kColumns - 1; c >= 0; --c)
        for (int r = kRows - 1; r >= 0; --r)
            if (m_sel[c][r]) {
                column = c;
                row = r;
                return true;
            }
    return false;
}

void MapSelection::setAnchor(int column, int row)
{
    m_anchorColumn = column;
    m_anchorRow = row;
}

bool MapSelection::move(unsigned key)
{
    int c, r;
    if (!first(c, r))
        return false;
    switch (key) {
    case kLeft:
        --c;
        break;
    case kUp:
        --r;
        break;
    case kRight:
        ++c;
        break;
    case kDown:
        ++r;
        break;
    default:
        return false;
    }
    c = std::clamp(c, 0, kColumns - 1);
    r = std::clamp(r, 0, kRows - 1);
    clear();
    m_sel[c][r] = true;
    setAnchor(c, r);
    return true;
}

bool MapSelection::extend(unsigned key)
{
    int c0, r0, c1, r1;
    if (!first(c0, r0) || !last(c1, r1) || key < kLeft || key > kDown)
        return false;
    const int ac = m_anchorColumn, ar = m_anchorRow;
    if (ac < 0 || ar < 0)
        return false;
    switch (key) {
    case kLeft:
        if (ac < c1)
            setColumn(c1, r0, r1, false);
        else if (ac == c1 && c0 > 0)
            setColumn(c0 - 1, r0, r1, true);
        break;
    case kUp:
        if (ar < r1)
            setRow(r1, c0, c1, false);
        else if (ar == r1 && r0 > 0)
            setRow(r0 - 1, c0, c1, true);
        break;
    case kRight:
        if (ac == c0 && c1 + 1 < kColumns)
            setColumn(c1 + 1, r0, r1, true);
        else if (ac > c0)
            setColumn(c0, r0, r1, false);
        break;
    case kDown:
        if (ar == r0 && r1 + 1 < kRows)
            setRow(r1 + 1, c0, c1, true);
        else if (ar > r0)
            setRow(r0, c0, c1, false);
        break;
    }
    return true;
}

void MapSelection::setColumn(int column, int row0, int row1, bool sel)
{
    for (int r = row0; r <= row1; ++r)
        m_sel[column][r] = sel;
}

void MapSelection::setRow(int row, int column0, int column1, bool sel)
{
    for (int c = column0; c <= column1; ++c)
        m_sel[c][row] = sel;
}
