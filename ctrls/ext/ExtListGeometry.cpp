#include "ExtListGeometry.h"

namespace ExtListGeometry {

int columnAtX(const CListCtrl& list, int x)
{
    const int pos = x + list.GetScrollPos(SB_HORZ);
    int left = 0;
    for (int i = 0;; ++i) {
        LVCOLUMNW column{};
        column.mask = LVCF_WIDTH;
        if (!list.GetColumn(i, &column))
            return -1;
        if (left <= pos && pos <= left + column.cx)
            return i;
        left += column.cx;
    }
}

bool cellAtPoint(const CListCtrl& list, CPoint point, int& col, int& row)
{
    row = list.HitTest(point);
    if (row < 0) {
        col = 0;
        return false;
    }
    col = columnAtX(list, point.x);
    return col != -1;
}

CRect editorRect(const CListCtrl& list, int col, int row)
{
    CRect cell;
    list.GetItemRect(row, &cell, LVIR_LABEL);
    int left = -list.GetScrollPos(SB_HORZ);
    for (int i = 0; i < col; ++i)
        left += list.GetColumnWidth(i);
    cell.left = left;
    cell.right = left + list.GetColumnWidth(col) - 1;
    cell.bottom -= 1;
    return cell;
}

bool closesEditor(const CListCtrl& list, const MSG& msg)
{
    const HWND header = reinterpret_cast<HWND>(list.SendMessage(LVM_GETHEADER));
    if (!header || msg.hwnd != header)
        return false;
    switch (msg.message) {
    case WM_LBUTTONDOWN:
    case WM_LBUTTONUP:
    case WM_LBUTTONDBLCLK:
    case WM_HSCROLL:
    case WM_VSCROLL:
        return true;
    default:
        return false;
    }
}

int iconWidth(HIMAGELIST imageList)
{
    int cx = 0, cy = 0;
    return imageList && ImageList_GetIconSize(imageList, &cx, &cy) ? cx : 0;
}

} // namespace ExtListGeometry
