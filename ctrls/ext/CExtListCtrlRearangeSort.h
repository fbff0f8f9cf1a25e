#pragma once

#include "CExtListCtrlRearange.h"
#include "CSortRow.h"

#include <memory>
#include <vector>

// A rearrangeable list that sorts its rows when a column header is clicked:
// each cell becomes a typed value chosen by the column's name (makeObject),
// child rows (state bit 0x1) stay under their parent and kept-last rows
// (0x2) at the end. Everything a row carries goes with it: texts, colour
// ids, state bits, item data, image, check and selection.
class PRAMBLE_API CExtListCtrlRearangeSort : public CExtListCtrlRearange
{
    DECLARE_DYNCREATE(CExtListCtrlRearangeSort)

public:
    CExtListCtrlRearangeSort() = default;

    // 0 beyond the rows.
    unsigned getRowSortState(int row) const;
    // ORs the bits in; bits are never cleared here.
    void setRowSortState(int row, unsigned bits);
    void insertRowSortState(int row, unsigned state);
    void deleteRowSortState(int row);
    void setSortOn() { m_bSortOn = true; }
    void setSortOff() { m_bSortOn = false; }
    bool isSortOn() const { return m_bSortOn; }

    // The typed value for a cell of the named column; the list owns it.
    // Null cancels the sort.
    virtual CSortTypeAny* makeObject(std::wstring columnName);
    void onSort() override;

protected:
    void onRowInserted(int row) override;
    void onRowDeleted(int row) override;
    void onAllRowsDeleted() override;

    std::vector<unsigned> m_rowStates;
    bool m_bSortOn = true;

private:
    // What the control keeps of a row besides its texts.
    struct ItemRecord
    {
        LVITEMW item;
    };

    int columnCount();
    std::unique_ptr<CSortRow> buildRow(int row, const std::vector<std::wstring>& names);
    bool buildRows(std::vector<std::unique_ptr<CSortRow>>& tops);
    void writeRow(const CSortRow& row, int index, const std::vector<ItemRecord>& items);
};
