#pragma once

#include "CWnd.h"

class CHeaderCtrl;
class CImageList;

// The list view, used in report view; owner-drawn (LVS_OWNERDRAWFIXED) rows
// reach DrawItem through the parent's WM_DRAWITEM.
class WFX_API CListCtrl : public CWnd
{
    DECLARE_DYNAMIC(CListCtrl)

public:
    CListCtrl() = default;

    virtual BOOL Create(DWORD dwStyle, const RECT& rect, CWnd* pParentWnd, UINT nID)
    {
        return CWnd::Create(WC_LISTVIEWW, nullptr, dwStyle, rect, pParentWnd, nID);
    }

    DWORD SetExtendedStyle(DWORD dwNewStyle)
    {
        return DWORD(SendMessage(LVM_SETEXTENDEDLISTVIEWSTYLE, 0, dwNewStyle));
    }
    DWORD GetExtendedStyle() const { return DWORD(SendMessage(LVM_GETEXTENDEDLISTVIEWSTYLE)); }
    int InsertColumn(int nCol, LPCWSTR lpszColumnHeading, int nFormat = LVCFMT_LEFT, int nWidth = -1,
                     int nSubItem = -1);
    BOOL DeleteColumn(int nCol) { return BOOL(SendMessage(LVM_DELETECOLUMN, WPARAM(nCol))); }
    int GetColumnWidth(int nCol) const { return int(SendMessage(LVM_GETCOLUMNWIDTH, WPARAM(nCol))); }
    BOOL SetColumnWidth(int nCol, int cx)
    {
        return BOOL(SendMessage(LVM_SETCOLUMNWIDTH, WPARAM(nCol), MAKELPARAM(cx, 0)));
    }
    CHeaderCtrl* GetHeaderCtrl() const;
    BOOL GetColumn(int nCol, LVCOLUMNW* pColumn) const
    {
        return BOOL(SendMessage(LVM_GETCOLUMNW, WPARAM(nCol), reinterpret_cast<LPARAM>(pColumn)));
    }
    BOOL SetColumn(int nCol, const LVCOLUMNW* pColumn)
    {
        return BOOL(SendMessage(LVM_SETCOLUMNW, WPARAM(nCol), reinterpret_cast<LPARAM>(pColumn)));
    }
    int GetStringWidth(LPCWSTR lpsz) const
    {
        return int(SendMessage(LVM_GETSTRINGWIDTHW, 0, reinterpret_cast<LPARAM>(lpsz)));
    }
    // The list's image list of that kind (LVSIL_NORMAL, LVSIL_SMALL, LVSIL_STATE) as a
    // temporary object; the list does not own its lists.
    CImageList* GetImageList(int nImageList) const;
    CImageList* SetImageList(CImageList* pImageList, int nImageListType);

    int InsertItem(int nItem, LPCWSTR lpszItem);
    int InsertItem(int nItem, LPCWSTR lpszItem, int nImage);
    int InsertItem(UINT nMask, int nItem, LPCWSTR lpszItem, UINT nState, UINT nStateMask, int nImage,
                   LPARAM lParam);
    int InsertItem(const LVITEMW* pItem)
    {
        return int(SendMessage(LVM_INSERTITEMW, 0, reinterpret_cast<LPARAM>(pItem)));
    }
    BOOL GetItem(LVITEMW* pItem) const
    {
        return BOOL(SendMessage(LVM_GETITEMW, 0, reinterpret_cast<LPARAM>(pItem)));
    }
    BOOL SetItem(const LVITEMW* pItem)
    {
        return BOOL(SendMessage(LVM_SETITEMW, 0, reinterpret_cast<LPARAM>(pItem)));
    }
    BOOL SetItemText(int nItem, int nSubItem, LPCWSTR lpszText);
    CString GetItemText(int nItem, int nSubItem) const;
    BOOL DeleteItem(int nItem) { return BOOL(SendMessage(LVM_DELETEITEM, WPARAM(nItem))); }
    BOOL DeleteAllItems() { return BOOL(SendMessage(LVM_DELETEALLITEMS)); }
    int GetItemCount() const { return int(SendMessage(LVM_GETITEMCOUNT)); }
    BOOL SetItemData(int nItem, DWORD_PTR dwData);
    DWORD_PTR GetItemData(int nItem) const;
    BOOL SetItemState(int nItem, UINT nState, UINT nMask);
    // The check box of LVS_EX_CHECKBOXES: state image 2 checked, 1 not.
    BOOL GetCheck(int nItem) const { return (GetItemState(nItem, LVIS_STATEIMAGEMASK) >> 12) == 2; }
    BOOL SetCheck(int nItem, BOOL bCheck = TRUE)
    {
        return SetItemState(nItem, INDEXTOSTATEIMAGEMASK(bCheck ? 2 : 1), LVIS_STATEIMAGEMASK);
    }
    UINT GetItemState(int nItem, UINT nMask) const
    {
        return UINT(SendMessage(LVM_GETITEMSTATE, WPARAM(nItem), nMask));
    }
    int GetNextItem(int nItem, int nFlags) const
    {
        return int(SendMessage(LVM_GETNEXTITEM, WPARAM(nItem), MAKELPARAM(nFlags, 0)));
    }
    UINT GetSelectedCount() const { return UINT(SendMessage(LVM_GETSELECTEDCOUNT)); }
    BOOL GetItemRect(int nItem, LPRECT lpRect, UINT nCode) const;
    BOOL GetSubItemRect(int iItem, int iSubItem, int nArea, CRect& ref) const;
    BOOL EnsureVisible(int nItem, BOOL bPartialOK)
    {
        return BOOL(SendMessage(LVM_ENSUREVISIBLE, WPARAM(nItem), bPartialOK));
    }
    int GetTopIndex() const { return int(SendMessage(LVM_GETTOPINDEX)); }
    int GetCountPerPage() const { return int(SendMessage(LVM_GETCOUNTPERPAGE)); }
    int HitTest(CPoint pt, UINT* pFlags = nullptr) const;
    int SubItemHitTest(LPLVHITTESTINFO pInfo)
    {
        return int(SendMessage(LVM_SUBITEMHITTEST, 0, reinterpret_cast<LPARAM>(pInfo)));
    }
    BOOL SetBkColor(COLORREF cr) { return BOOL(SendMessage(LVM_SETBKCOLOR, 0, LPARAM(cr))); }
    BOOL SetTextColor(COLORREF cr) { return BOOL(SendMessage(LVM_SETTEXTCOLOR, 0, LPARAM(cr))); }
    BOOL SetTextBkColor(COLORREF cr) { return BOOL(SendMessage(LVM_SETTEXTBKCOLOR, 0, LPARAM(cr))); }
    BOOL RedrawItems(int nFirst, int nLast)
    {
        return BOOL(SendMessage(LVM_REDRAWITEMS, WPARAM(nFirst), LPARAM(nLast)));
    }

    virtual void DrawItem(LPDRAWITEMSTRUCT lpDrawItemStruct);
    virtual void MeasureItem(LPMEASUREITEMSTRUCT lpMeasureItemStruct);
    BOOL OnChildNotify(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* pResult) override;
};
