#pragma once

#include "PrambleApi.h"

#include <vector>

// A column's header state: the arrow of an ascending column points up.
enum HeaderColState
{
    HeaderColDescending = 0,
    HeaderColAscending = 1,
};

// The header states of an extended list's columns (a column is ascending
// while it is in the set) and the history of clicked columns, most recent
// first, each column at most once.
class PRAMBLE_API ExtListHeaderStates
{
public:
    HeaderColState get(int col) const;
    // Whether the state changed.
    bool set(int col, HeaderColState state);
    static HeaderColState opposite(HeaderColState state)
    {
        return state == HeaderColAscending ? HeaderColDescending : HeaderColAscending;
    }

    void clicked(int col);
    // -1 when the history is shorter.
    int clickedCol(int n) const;

private:
    std::vector<int> m_ascending;
    std::vector<int> m_clicked;
};
