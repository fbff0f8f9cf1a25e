#pragma once

#include "IGradientCtrl.h"
#include "IOwnFontCtrl.h"
#include "trlist/ICtrlInExtListCtrl.h"

#include <ExtListRowPainter.h>
#include <TExtListFeatures.h>

// The extended list made to sit on a drawn gradient background: it paints
// no background, selection band or grid of its own, draws its texts in its
// own font (IOwnFontCtrl::m_font) and has its parent repaint the area
// under it whenever its content moves. Rows carry colour ids (only the text
// id shows), columns header states and in-cell editors, as in the older
// library's extended list.
class PRAMBLEGDIP_API CExtTrListCtrl : public CListCtrl,
                                       public IGradientCtrl,
                                       public IOwnFontCtrl,
                                       public TExtListFeatures<CExtTrListCtrl>
{
    DECLARE_DYNCREATE(CExtTrListCtrl)

public:
    using Features = TExtListFeatures<CExtTrListCtrl>;
    using Features::DeleteAllItems;
    using Features::DeleteItem;
    using Features::InsertItem;

    CExtTrListCtrl();
    ~CExtTrListCtrl() override;

    void SetTextColor(COLORREF cr) { m_crText = cr; }
    void SetSelTextColor(COLORREF cr) { m_crSelText = cr; }
    void SetSelTextBkColor(COLORREF cr) { m_crSelTextBk = cr; }
    void SetGridColor(COLORREF cr) { m_crGrid = cr; }

    // The rectangle's outline in the grid colour.
    void lineRect(CRect& rect, CDC* pDC);
    // Has the parent repaint (with erase) what lies under the list.
    void invalidateParent();
    // The same for a rectangle in the list's client coordinates.
    void invalidateParentRect(CRect& rect);

    void DrawItem(LPDRAWITEMSTRUCT lpDrawItemStruct) override;
    // With an own font: 7 pixels above the font's height.
    void MeasureItem(LPMEASUREITEMSTRUCT lpMeasureItemStruct) override;
    // Id 0 is the current text colour.
    COLORREF GetColor(char id) override;

    BOOL PreCreateWindow(CREATESTRUCTW& cs) override;
    void PreSubclassWindow() override;
    BOOL PreTranslateMessage(MSG* pMsg) override;

protected:
    friend Features;

    void RepaintSelectedItems();

    afx_msg void OnSize(UINT nType, int cx, int cy);
    afx_msg BOOL OnEraseBkgnd(CDC* pDC);
    afx_msg void OnSetFocus(CWnd* pOldWnd);
    afx_msg void OnKillFocus(CWnd* pNewWnd);
    afx_msg void OnLButtonDown(UINT nFlags, CPoint point);
    afx_msg int OnCreate(LPCREATESTRUCT lpCreateStruct);
    afx_msg void OnColumnclick(NMHDR* pNMHDR, LRESULT* pResult);
    afx_msg void OnRButtonDown(UINT nFlags, CPoint point);
    afx_msg void OnHScroll(UINT nSBCode, UINT nPos, CScrollBar* pScrollBar);
    afx_msg void OnVScroll(UINT nSBCode, UINT nPos, CScrollBar* pScrollBar);
    afx_msg BOOL OnMouseWheel(UINT nFlags, short zDelta, CPoint pt);
    afx_msg void OnMouseHWheel(UINT nFlags, short zDelta, CPoint pt);
    afx_msg LRESULT OnSetImageList(WPARAM wParam, LPARAM lParam);
    afx_msg LRESULT OnSetTextColorMsg(WPARAM wParam, LPARAM lParam);

    COLORREF m_crText;
    COLORREF m_crSelText;
    COLORREF m_crSelTextBk;
    COLORREF m_crGrid = RGB(255, 0, 0);

    DECLARE_MESSAGE_MAP()
};
