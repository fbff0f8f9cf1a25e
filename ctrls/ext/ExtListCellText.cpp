#include "ExtListCellText.h"

namespace ExtListCellText {

namespace {

bool isCell(const CListCtrl& list, CPoint cell)
{
    return cell.x >= 0 && cell.y >= 0 && cell.y < list.GetItemCount();
}

} // namespace

void load(CEdit& edit, const CListCtrl& list, CPoint cell)
{
    if (!isCell(list, cell))
        return;
    // The whole text, not just the unselected part of the first line, so
    // nothing of the previous cell's text stays behind.
    edit.SetSel(0, edit.GetWindowTextLength(), FALSE);
    edit.ReplaceSel(list.GetItemText(cell.y, cell.x), FALSE);
}

void storeWindowText(const CWnd& editor, CListCtrl& list, CPoint cell)
{
    if (!isCell(list, cell))
        return;
    CString text;
    editor.GetWindowText(text);
    list.SetItemText(cell.y, cell.x, text);
}

void storeSelectedEntry(const CComboBox& combo, CListCtrl& list, CPoint cell)
{
    const int selected = combo.GetCurSel();
    if (selected == CB_ERR || !isCell(list, cell))
        return;
    CString text;
    combo.GetLBText(selected, text);
    list.SetItemText(cell.y, cell.x, text);
}

void moveOver(CWnd& editor, RECT cell, int grow)
{
    ::InflateRect(&cell, grow, grow);
    editor.MoveWindow(&cell, TRUE);
}

} // namespace ExtListCellText
