#include "CExtListCtrlRearangeSort.h"

#include "CSortTypeString.h"

#include <algorithm>

IMPLEMENT_DYNCREATE(CExtListCtrlRearangeSort, CExtListCtrlRearange)

namespace {

constexpr UINT kCarriedState =
    LVIS_SELECTED | LVIS_FOCUSED | LVIS_CUT | LVIS_DROPHILITED | LVIS_OVERLAYMASK | LVIS_STATEIMAGEMASK;

} // namespace

unsigned CExtListCtrlRearangeSort::getRowSortState(int row) const
{
    return row >= 0 && size_t(row) < m_rowStates.size() ? m_rowStates[size_t(row)] : 0;
}

void CExtListCtrlRearangeSort::setRowSortState(int row, unsigned bits)
{
    if (row < 0)
        return;
    if (size_t(row) >= m_rowStates.size())
        m_rowStates.resize(size_t(row) + 1, 0);
    m_rowStates[size_t(row)] |= bits;
}

void CExtListCtrlRearangeSort::insertRowSortState(int row, unsigned state)
{
    if (row < 0)
        return;
    if (size_t(row) > m_rowStates.size())
        m_rowStates.resize(size_t(row), 0);
    m_rowStates.insert(m_rowStates.begin() + row, state);
}

void CExtListCtrlRearangeSort::deleteRowSortState(int row)
{
    if (row >= 0 && size_t(row) < m_rowStates.size())
        m_rowStates.erase(m_rowStates.begin() + row);
}

void CExtListCtrlRearangeSort::onRowInserted(int row)
{
    insertRowSortState(row, 0);
}

void CExtListCtrlRearangeSort::onRowDeleted(int row)
{
    deleteRowSortState(row);
}

void CExtListCtrlRearangeSort::onAllRowsDeleted()
{
    m_rowStates.clear();
}

CSortTypeAny* CExtListCtrlRearangeSort::makeObject(std::wstring)
{
    return new CSortTypeString;
}

int CExtListCtrlRearangeSort::columnCount()
{
    for (int n = 0;; ++n) {
        LVCOLUMNW column{};
        column.mask = LVCF_WIDTH;
        if (!GetColumn(n, &column))
            return n;
    }
}

// The row's values, ids and state; its original index goes with it so the
// rest of the item can follow. Null when a column has no value type.
std::unique_ptr<CSortRow> CExtListCtrlRearangeSort::buildRow(int row, const std::vector<std::wstring>& names)
{
    auto sortRow = std::make_unique<CSortRow>();
    for (size_t k = 0; k < names.size(); ++k) {
        CSortTypeAny* value = makeObject(names[k]);
        if (!value)
            return nullptr;
        value->setStrValue(GetItemText(row, int(k)).str());
        sortRow->addValue(value);
    }
    sortRow->setBkColorId(static_cast<unsigned char>(GetItemBkColorId(row)));
    sortRow->setTextColorId(static_cast<unsigned char>(GetItemTextColorId(row)));
    sortRow->setState(getRowSortState(row));
    sortRow->setSourceRow(row);
    return sortRow;
}

bool CExtListCtrlRearangeSort::buildRows(std::vector<std::unique_ptr<CSortRow>>& tops)
{
    std::vector<std::wstring> names;
    for (int k = 0, n = columnCount(); k < n; ++k)
        names.push_back(findColumn(k));
    const int rows = GetItemCount();
    for (int r = 0; r < rows;) {
        std::unique_ptr<CSortRow> top = buildRow(r, names);
        if (!top)
            return false;
        ++r;
        for (; r < rows && (getRowSortState(r) & CSortRow::stateChild); ++r) {
            std::unique_ptr<CSortRow> child = buildRow(r, names);
            if (!child)
                return false;
            top->addChild(child.release());
        }
        tops.push_back(std::move(top));
    }
    return true;
}

void CExtListCtrlRearangeSort::onSort()
{
    int latest = 0;
    const int col = getClickedCol(latest);
    if (!m_bSortOn || col < 0)
        return;
    CWaitCursor wait;
    const bool ascending = GetColHeaderState(col) == HeaderColAscending;
    CSortRow::setSortKey(col, ascending);
    std::vector<std::unique_ptr<CSortRow>> tops;
    if (!buildRows(tops))
        return;
    std::stable_sort(tops.begin(), tops.end(), [](const auto& a, const auto& b) { return *a < *b; });
    if (!ascending)
        std::reverse(tops.begin(), tops.end());

    std::vector<ItemRecord> items(static_cast<size_t>(GetItemCount()));
    for (size_t i = 0; i < items.size(); ++i) {
        LVITEMW& item = items[i].item;
        item = LVITEMW{};
        item.mask = LVIF_IMAGE | LVIF_PARAM | LVIF_STATE | LVIF_INDENT;
        item.iItem = int(i);
        item.stateMask = kCarriedState;
        GetItem(&item);
    }
    SetRedraw(FALSE);
    DeleteAllItems();
    int index = 0;
    for (const auto& top : tops) {
        writeRow(*top, index++, items);
        for (size_t c = 0; CSortRow* child = top->getChild(c); ++c)
            writeRow(*child, index++, items);
    }
    SetRedraw(TRUE);
    Invalidate();
}

void CExtListCtrlRearangeSort::writeRow(const CSortRow& row, int index, const std::vector<ItemRecord>& items)
{
    LVITEMW item = items[size_t(row.getSourceRow())].item;
    item.mask |= LVIF_TEXT;
    item.iItem = index;
    item.iSubItem = 0;
    item.pszText = const_cast<LPWSTR>(L"");
    const int at = InsertItem(&item, char(row.getBkColorId()), char(row.getTextColorId()));
    if (at < 0)
        return;
    for (size_t k = 0; CSortTypeAny* value = row.getValue(k); ++k)
        SetItemText(at, int(k), value->getStrValue().c_str());
    // The control leaves state images of a new row alone unless told.
    SetItemState(at, item.state, kCarriedState);
    setRowSortState(at, row.getState());
}
