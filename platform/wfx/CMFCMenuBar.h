#pragma once

#include "CMFCToolBar.h"
#include "WfxRes.h"

// A pane showing the top-level items of a menu as buttons (at creation the
// parent frame's m_hMenuDefault). A click opens the item's popup under it,
// its commands going to the top-level frame; an item without popup sends
// its command there at once.
class WFX_API CMFCMenuBar : public CMFCToolBar
{
    DECLARE_DYNCREATE(CMFCMenuBar)

public:
    CMFCMenuBar();

    virtual BOOL Create(CWnd* pParentWnd, DWORD dwStyle = WS_CHILD | WS_VISIBLE | CBRS_TOP,
                        UINT nID = AFX_IDW_MENUBAR);
    // The menu stays the caller's and must outlive the bar's use of it.
    virtual void CreateFromMenu(HMENU hMenu);
    HMENU GetHMenu() const { return m_hMenu; }

    int GetCount() const;
    // In client coordinates; empty for an index out of range.
    CRect GetItemRect(int nIndex);
    // The item under a client point, or -1.
    int HitTest(CPoint point);
    // Every item's size: the widest item text with a margin, at least as
    // high as the shared menu button size (swapped when the bar stands
    // vertically).
    virtual CSize GetMenuItemSize(BOOL bHorz);
    CSize CalcFixedLayout(BOOL bStretch, BOOL bHorz) override;

protected:
    void DoPaint(CDC* pDC) override;
    virtual void ShowItemMenu(int nIndex);

    afx_msg int OnCreate(LPCREATESTRUCT lpCreateStruct);
    afx_msg void OnLButtonDown(UINT nFlags, CPoint point);
    afx_msg void OnMouseMove(UINT nFlags, CPoint point);
    afx_msg void OnMouseLeave();

    HMENU m_hMenu = nullptr;
    int m_iHot = -1;

    DECLARE_MESSAGE_MAP()

private:
    CString itemText(int nIndex) const;
    CRect itemRect(int nIndex, CSize button, BOOL bHorz) const;
    void setHot(int nIndex);
};
