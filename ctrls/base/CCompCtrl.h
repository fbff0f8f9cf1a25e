#pragma once

#include "PrambleApi.h"

#include <Wfx.h>

// Base window of the composite, self-drawn controls: one window class,
// creation from a rectangle or over a static placeholder of a dialog
// template, an optional tooltip and context menu, and commands and double
// clicks passed on to the parent. Derived classes switch the features on
// through the protected members.
class PRAMBLE_API CCompCtrl : public CWnd
{
    DECLARE_DYNAMIC(CCompCtrl)

public:
    CCompCtrl();
    ~CCompCtrl() override;

    using CWnd::Create;
    // A visible child window with an empty title.
    virtual BOOL Create(CRect rect, CWnd* parent, UINT id);
    // Takes the place, size and id of the static `id` of `parent`, which is
    // destroyed; FALSE (and nothing made) when the parent has no such item.
    BOOL CreateFromStatic(UINT id, CWnd* parent);

    INT_PTR OnToolHitTest(CPoint point, TOOLINFOW* pTI) const override;
    // The parent sees the command first, then this window routes it.
    BOOL OnCommand(WPARAM wParam, LPARAM lParam) override;

protected:
    // Called before the tooltip record is filled.
    void TipProps() const {}
    // Shows sub-menu 0 of the menu resource m_nMenuID at `point` (client
    // coordinates, turned into screen coordinates in place).
    void PopupMenu(CPoint* point);

    afx_msg void OnRButtonDown(UINT nFlags, CPoint point);
    afx_msg void OnLButtonDblClk(UINT nFlags, CPoint point);
    afx_msg BOOL OnToolNeedText(UINT id, NMHDR* pNMHDR, LRESULT* pResult);

    CString m_strToolTip;      // empty: the tooltip asks for its text
    int m_nUser[5];            // for derived classes; the base never reads them
    BOOL m_bToolTip = FALSE;   // the window is a tooltip tool
    BOOL m_bPopupMenu = FALSE; // a right click opens the context menu
    UINT m_nMenuID = 0;        // menu resource of the context menu; 0 = none
    BOOL m_bDblClkToParent = FALSE;

    DECLARE_MESSAGE_MAP()
};
