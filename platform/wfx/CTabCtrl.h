#pragma once

#include "CWnd.h"

class CImageList;

// The tab control; owner-drawn (TCS_OWNERDRAWFIXED) tabs reach DrawItem
// through the parent's WM_DRAWITEM.
class WFX_API CTabCtrl : public CWnd
{
    DECLARE_DYNAMIC(CTabCtrl)

public:
    CTabCtrl() = default;

    virtual BOOL Create(DWORD dwStyle, const RECT& rect, CWnd* pParentWnd, UINT nID)
    {
        return CWnd::Create(WC_TABCONTROLW, nullptr, dwStyle, rect, pParentWnd, nID);
    }

    int GetItemCount() const { return int(SendMessage(TCM_GETITEMCOUNT)); }
    int GetCurSel() const { return int(SendMessage(TCM_GETCURSEL)); }
    int SetCurSel(int nItem) { return int(SendMessage(TCM_SETCURSEL, WPARAM(nItem))); }
    BOOL GetItemRect(int nItem, LPRECT lpRect) const
    {
        return BOOL(SendMessage(TCM_GETITEMRECT, WPARAM(nItem), reinterpret_cast<LPARAM>(lpRect)));
    }
    BOOL GetItem(int nItem, TCITEMW* pTabCtrlItem) const
    {
        return BOOL(SendMessage(TCM_GETITEMW, WPARAM(nItem), reinterpret_cast<LPARAM>(pTabCtrlItem)));
    }
    LONG InsertItem(int nItem, LPCWSTR lpszItem, int nImage = -1);
    BOOL DeleteItem(int nItem) { return BOOL(SendMessage(TCM_DELETEITEM, WPARAM(nItem))); }
    BOOL DeleteAllItems() { return BOOL(SendMessage(TCM_DELETEALLITEMS)); }
    int HitTest(TCHITTESTINFO* pHitTestInfo) const
    {
        return int(SendMessage(TCM_HITTEST, 0, reinterpret_cast<LPARAM>(pHitTestInfo)));
    }
    void AdjustRect(BOOL bLarger, LPRECT lpRect)
    {
        SendMessage(TCM_ADJUSTRECT, WPARAM(bLarger), reinterpret_cast<LPARAM>(lpRect));
    }
    // A temporary wrapper, or null without an image list.
    CImageList* GetImageList() const;
    void SetImageList(CImageList* pImageList);

    virtual void DrawItem(LPDRAWITEMSTRUCT lpDrawItemStruct);
    BOOL OnChildNotify(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* pResult) override;
};
