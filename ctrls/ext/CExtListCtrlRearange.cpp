#include "CExtListCtrlRearange.h"

#include <algorithm>
#include <cwchar>

IMPLEMENT_DYNCREATE(CExtListCtrlRearange, CExtListCtrl)

CExtListCtrlRearange::CExtListCtrlRearange() : m_rearangeHeader(this, &CExtListCtrlRearange::dragCallback) {}

void CExtListCtrlRearange::dragCallback(CExtListCtrlRearange* user, int from, int to)
{
    if (user)
        user->DragColumn(from, to);
}

CRearangeHeaderCtrl* CExtListCtrlRearange::getHeaderCtrl()
{
    return DYNAMIC_DOWNCAST(CRearangeHeaderCtrl, CExtListCtrl::getHeaderCtrl());
}

bool CExtListCtrlRearange::readColumn(int index, LVCOLUMNW& column, std::wstring& text)
{
    const UINT mask = column.mask | LVCF_TEXT;
    for (int size = 256;; size *= 2) {
        text.assign(size_t(size), L'\0');
        column.mask = mask;
        column.pszText = text.data();
        column.cchTextMax = size;
        if (index < 0 || !GetColumn(index, &column)) {
            text.clear();
            return false;
        }
        const size_t length = wcsnlen(text.c_str(), size_t(size));
        if (length < size_t(size) - 1) {
            text.resize(length);
            column.pszText = text.data();
            return true;
        }
    }
}

std::wstring CExtListCtrlRearange::findColumn(int index)
{
    LVCOLUMNW column{};
    std::wstring text;
    readColumn(index, column, text);
    return text;
}

int CExtListCtrlRearange::findColumn(std::wstring name)
{
    LVCOLUMNW column{};
    std::wstring text;
    for (int i = 0; readColumn(i, column, text); ++i, column = LVCOLUMNW{})
        if (text == name)
            return i;
    return -1;
}

int CExtListCtrlRearange::getColWidth(std::wstring name)
{
    const int col = findColumn(name);
    return col < 0 ? -1 : GetColumnWidth(col);
}

void CExtListCtrlRearange::setColWidth(std::wstring name, int width)
{
    const int col = findColumn(name);
    if (col < 0)
        return;
    const int current = GetColumnWidth(col);
    auto known = std::find_if(m_columnData.begin(), m_columnData.end(),
                              [&](const CColumnData& data) { return data.m_name == name; });
    if (known != m_columnData.end())
        known->m_width = current;
    else
        m_columnData.emplace_back(name, current);
    SetColumnWidth(col, width);
}

void CExtListCtrlRearange::hideCol(std::wstring name)
{
    const int width = getColWidth(name);
    if (width > 0)
        setColWidth(name, 0);
}

void CExtListCtrlRearange::showCol(std::wstring name)
{
    const int col = findColumn(name);
    if (col < 0 || GetColumnWidth(col) != 0)
        return;
    auto known = std::find_if(m_columnData.begin(), m_columnData.end(),
                              [&](const CColumnData& data) { return data.m_name == name; });
    SetColumnWidth(col, known != m_columnData.end() ? known->m_width : 100);
}

void CExtListCtrlRearange::copyColumnTexts(int from, int to)
{
    for (int row = GetItemCount() - 1; row >= 0; --row)
        SetItemText(row, to, GetItemText(row, from));
}

void CExtListCtrlRearange::copyHeader(int from, int to)
{
    LVCOLUMNW column{};
    column.mask = LVCF_FMT | LVCF_WIDTH;
    std::wstring text;
    if (readColumn(from, column, text))
        SetColumn(to, &column);
}

// The control moves no sub-item texts between columns, so the texts are
// copied into the new column and the old one is deleted; column 0 holds
// the item's own text and is never deleted.
void CExtListCtrlRearange::DragColumn(int from, int to)
{
    if (GetStyle() & LVS_AUTOARRANGE)
        return;
    LVCOLUMNW column{};
    column.mask = LVCF_FMT | LVCF_WIDTH | LVCF_SUBITEM;
    std::wstring text;
    if (!readColumn(from, column, text) || to < 0)
        return;
    HideCtrl();
    if (SendMessage(LVM_INSERTCOLUMNW, WPARAM(to), reinterpret_cast<LPARAM>(&column)) < 0)
        return;
    if (to == 0)
        copyColumnTexts(0, 1);
    if (to < from)
        ++from;
    copyColumnTexts(from, to);
    if (from == 0) {
        copyHeader(1, 0);
        copyColumnTexts(1, 0);
        from = 1;
    }
    DeleteColumn(from);
    Invalidate();
}
