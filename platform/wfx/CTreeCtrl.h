#pragma once

#include "CWnd.h"

class CImageList;

// The tree view control. Items are HTREEITEM handles; the insert forms
// append under hParent (the root by default) after hInsertAfter.
class WFX_API CTreeCtrl : public CWnd
{
    DECLARE_DYNAMIC(CTreeCtrl)

public:
    CTreeCtrl() = default;

    virtual BOOL Create(DWORD dwStyle, const RECT& rect, CWnd* pParentWnd, UINT nID)
    {
        return CWnd::Create(WC_TREEVIEWW, nullptr, dwStyle, rect, pParentWnd, nID);
    }

    HTREEITEM InsertItem(LPTVINSERTSTRUCTW lpInsertStruct)
    {
        return reinterpret_cast<HTREEITEM>(SendMessage(TVM_INSERTITEMW, 0, LPARAM(lpInsertStruct)));
    }
    HTREEITEM InsertItem(UINT nMask, LPCWSTR lpszItem, int nImage, int nSelectedImage, UINT nState,
                         UINT nStateMask, LPARAM lParam, HTREEITEM hParent, HTREEITEM hInsertAfter);
    HTREEITEM InsertItem(LPCWSTR lpszItem, HTREEITEM hParent = TVI_ROOT, HTREEITEM hInsertAfter = TVI_LAST);
    HTREEITEM InsertItem(LPCWSTR lpszItem, int nImage, int nSelectedImage, HTREEITEM hParent = TVI_ROOT,
                         HTREEITEM hInsertAfter = TVI_LAST);
    BOOL DeleteItem(HTREEITEM hItem) { return BOOL(SendMessage(TVM_DELETEITEM, 0, LPARAM(hItem))); }
    BOOL DeleteAllItems() { return DeleteItem(TVI_ROOT); }
    UINT GetCount() const { return UINT(SendMessage(TVM_GETCOUNT)); }

    CString GetItemText(HTREEITEM hItem) const;
    BOOL SetItemText(HTREEITEM hItem, LPCWSTR lpszItem);
    DWORD_PTR GetItemData(HTREEITEM hItem) const;
    BOOL SetItemData(HTREEITEM hItem, DWORD_PTR dwData);
    UINT GetItemState(HTREEITEM hItem, UINT nStateMask) const
    {
        return UINT(SendMessage(TVM_GETITEMSTATE, WPARAM(hItem), nStateMask));
    }
    BOOL SetItemState(HTREEITEM hItem, UINT nState, UINT nStateMask);
    BOOL SetItemImage(HTREEITEM hItem, int nImage, int nSelectedImage);
    BOOL GetItem(TVITEMW* pItem) const { return BOOL(SendMessage(TVM_GETITEMW, 0, LPARAM(pItem))); }
    BOOL SetItem(TVITEMW* pItem) { return BOOL(SendMessage(TVM_SETITEMW, 0, LPARAM(pItem))); }
    BOOL ItemHasChildren(HTREEITEM hItem) const { return GetChildItem(hItem) != nullptr; }

    HTREEITEM GetNextItem(HTREEITEM hItem, UINT nCode) const
    {
        return reinterpret_cast<HTREEITEM>(SendMessage(TVM_GETNEXTITEM, nCode, LPARAM(hItem)));
    }
    HTREEITEM GetRootItem() const { return GetNextItem(nullptr, TVGN_ROOT); }
    HTREEITEM GetChildItem(HTREEITEM hItem) const { return GetNextItem(hItem, TVGN_CHILD); }
    HTREEITEM GetNextSiblingItem(HTREEITEM hItem) const { return GetNextItem(hItem, TVGN_NEXT); }
    HTREEITEM GetPrevSiblingItem(HTREEITEM hItem) const { return GetNextItem(hItem, TVGN_PREVIOUS); }
    HTREEITEM GetParentItem(HTREEITEM hItem) const { return GetNextItem(hItem, TVGN_PARENT); }
    // The selected (caret) item.
    HTREEITEM GetSelectedItem() const { return GetNextItem(nullptr, TVGN_CARET); }
    BOOL SelectItem(HTREEITEM hItem) { return BOOL(SendMessage(TVM_SELECTITEM, TVGN_CARET, LPARAM(hItem))); }
    BOOL Expand(HTREEITEM hItem, UINT nCode) { return BOOL(SendMessage(TVM_EXPAND, nCode, LPARAM(hItem))); }
    BOOL EnsureVisible(HTREEITEM hItem) { return BOOL(SendMessage(TVM_ENSUREVISIBLE, 0, LPARAM(hItem))); }
    BOOL GetItemRect(HTREEITEM hItem, LPRECT lpRect, BOOL bTextOnly) const;
    HTREEITEM HitTest(CPoint pt, UINT* pFlags = nullptr) const;

    // The previous list of that kind (TVSIL_NORMAL, TVSIL_STATE), as a
    // temporary object; the tree does not own its lists.
    CImageList* SetImageList(CImageList* pImageList, int nImageListType);
    CImageList* GetImageList(int nImageListType) const;
    COLORREF SetBkColor(COLORREF clr) { return COLORREF(SendMessage(TVM_SETBKCOLOR, 0, LPARAM(clr))); }
    COLORREF SetTextColor(COLORREF clr) { return COLORREF(SendMessage(TVM_SETTEXTCOLOR, 0, LPARAM(clr))); }
};
