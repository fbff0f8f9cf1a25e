#pragma once

#include "CWnd.h"

class WFX_API CHeaderCtrl : public CWnd
{
    DECLARE_DYNAMIC(CHeaderCtrl)

public:
    CHeaderCtrl() = default;

    virtual BOOL Create(DWORD dwStyle, const RECT& rect, CWnd* pParentWnd, UINT nID)
    {
        return CWnd::Create(WC_HEADERW, nullptr, dwStyle, rect, pParentWnd, nID);
    }

    int GetItemCount() const { return int(SendMessage(HDM_GETITEMCOUNT)); }
    BOOL GetItem(int nPos, HDITEMW* pHeaderItem) const
    {
        return BOOL(SendMessage(HDM_GETITEMW, WPARAM(nPos), reinterpret_cast<LPARAM>(pHeaderItem)));
    }
    BOOL SetItem(int nPos, HDITEMW* pHeaderItem)
    {
        return BOOL(SendMessage(HDM_SETITEMW, WPARAM(nPos), reinterpret_cast<LPARAM>(pHeaderItem)));
    }
    int InsertItem(int nPos, HDITEMW* phdi)
    {
        return int(SendMessage(HDM_INSERTITEMW, WPARAM(nPos), reinterpret_cast<LPARAM>(phdi)));
    }
    BOOL DeleteItem(int nPos) { return BOOL(SendMessage(HDM_DELETEITEM, WPARAM(nPos))); }
    BOOL GetItemRect(int nIndex, LPRECT lpRect) const
    {
        return BOOL(SendMessage(HDM_GETITEMRECT, WPARAM(nIndex), reinterpret_cast<LPARAM>(lpRect)));
    }

    // For HDF_OWNERDRAW items; reached through the parent's WM_DRAWITEM.
    virtual void DrawItem(LPDRAWITEMSTRUCT lpDrawItemStruct);
    BOOL OnChildNotify(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* pResult) override;
};
