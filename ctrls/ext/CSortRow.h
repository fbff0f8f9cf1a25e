#pragma once

#include "CSortTypeAny.h"

#include <list>
#include <memory>
#include <vector>

// One row of a list being sorted: its typed values by column, its colour
// ids and state, and the child rows that travel with it. Copies are deep.
class PRAMBLE_API CSortRow
{
public:
    enum : unsigned
    {
        stateChild = 0x1,    // a child of the row above
        stateKeptLast = 0x2, // stays after every other row
    };

    CSortRow() = default;
    CSortRow(const CSortRow& other);
    CSortRow& operator=(const CSortRow& other);
    CSortRow(CSortRow&&) noexcept = default;
    CSortRow& operator=(CSortRow&&) noexcept = default;
    ~CSortRow();

    // Takes ownership.
    void addValue(CSortTypeAny* value) { m_values.emplace_back(value); }
    void addChild(CSortRow* child) { m_children.emplace_back(child); }
    // Null when there is none.
    CSortTypeAny* getValue(size_t i) const;
    CSortRow* getChild(size_t n) const;
    size_t getValueCount() const { return m_values.size(); }
    size_t getChildCount() const { return m_children.size(); }

    void setTextColorId(unsigned char id) { m_textColorId = id; }
    unsigned char getTextColorId() const { return m_textColorId; }
    void setBkColorId(unsigned char id) { m_bkColorId = id; }
    unsigned char getBkColorId() const { return m_bkColorId; }
    void setState(unsigned state) { m_state = state; }
    unsigned getState() const { return m_state; }
    // The row's index in the list before the sort.
    void setSourceRow(int row) { m_sourceRow = row; }
    int getSourceRow() const { return m_sourceRow; }

    // Ordered by the value in the sort column. Kept-last rows come after
    // all others in either direction (the list reverses an ascending sort
    // for descending). A row without the sort column comes first. A strict
    // weak ordering, so any sort may use it.
    bool operator<(const CSortRow& other) const;

    // The sort key all rows share; the list sets it right before sorting.
    static void setSortKey(int column, bool ascending);
    static int getSortColumn() { return s_sortColumn; }
    static bool isAscending() { return s_ascending; }

private:
    bool keptLast() const { return (m_state & stateKeptLast) != 0; }

    std::vector<std::unique_ptr<CSortTypeAny>> m_values;
    std::list<std::unique_ptr<CSortRow>> m_children;
    unsigned char m_textColorId = 0;
    unsigned char m_bkColorId = 1;
    unsigned m_state = 0;
    int m_sourceRow = -1;

    static int s_sortColumn;
    static bool s_ascending;
};
