#pragma once

// Helpers of the extended list tests: a list of two 100-pixel columns on a
// host window, clicks on its header and cells, and row geometry.

#include "PrambleTestSupport.h"

#include <CExtListCtrl.h>

#include <string>
#include <vector>

namespace extlisttest {

const UINT kListId = 300;

template <class List> void addColumns(List& list, const std::vector<std::wstring>& names, int width = 100)
{
    for (size_t i = 0; i < names.size(); ++i)
        list.InsertColumn(int(i), names[i].c_str(), LVCFMT_LEFT, width);
}

// Clicks a header item the way the mouse does.
inline void clickHeader(CHeaderCtrl& header, int col)
{
    CRect item;
    header.GetItemRect(col, &item);
    const LPARAM at = MAKELPARAM(item.CenterPoint().x, item.CenterPoint().y);
    header.SendMessage(WM_LBUTTONDOWN, MK_LBUTTON, at);
    header.SendMessage(WM_LBUTTONUP, 0, at);
}

// The middle of a cell, in the list's client coordinates.
inline CPoint cellPoint(CListCtrl& list, int row, int col)
{
    CRect r;
    list.GetSubItemRect(row, col, LVIR_BOUNDS, r);
    int left = 0;
    for (int i = 0; i < col; ++i)
        left += list.GetColumnWidth(i);
    return CPoint(left + list.GetColumnWidth(col) / 2, (r.top + r.bottom) / 2);
}

inline void rightClick(CWnd& wnd, CPoint p)
{
    wnd.SendMessage(WM_RBUTTONDOWN, MK_RBUTTON, MAKELPARAM(p.x, p.y));
    wnd.SendMessage(WM_RBUTTONUP, 0, MAKELPARAM(p.x, p.y));
}

inline void leftClick(CWnd& wnd, CPoint p)
{
    wnd.SendMessage(WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(p.x, p.y));
    wnd.SendMessage(WM_LBUTTONUP, 0, MAKELPARAM(p.x, p.y));
}

inline std::vector<std::wstring> column(CListCtrl& list, int col)
{
    std::vector<std::wstring> texts;
    for (int row = 0; row < list.GetItemCount(); ++row)
        texts.push_back(list.GetItemText(row, col).str());
    return texts;
}

} // namespace extlisttest
