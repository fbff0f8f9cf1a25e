#pragma once

#include "ExtListRowPainter.h"
#include "ICtrlInExtListCtrl.h"
#include "TExtListFeatures.h"

#include <Wfx.h>

#include <memory>

// The palette's size limit and the "no colour" answer of the id calls.
constexpr int kExtListMaxColors = 255;
constexpr char kExtListNoColor = char(-1);

// An owner-drawn report list with full-row selection, a palette of colours
// picked per row by a background and a text colour id (ExtListColorIds),
// grid lines, sort arrows with a click history, and one in-cell editor per
// column that a right click opens over a cell (TExtListFeatures).
class PRAMBLE_API CExtListCtrl : public CListCtrl, public TExtListFeatures<CExtListCtrl>
{
    DECLARE_DYNCREATE(CExtListCtrl)

public:
    using Features = TExtListFeatures<CExtListCtrl>;
    using Features::DeleteAllItems;
    using Features::DeleteItem;
    using Features::InsertItem;

    CExtListCtrl();
    ~CExtListCtrl() override;

    void SetTextColor(COLORREF cr) { m_crText = cr; }
    void SetTextBkColor(COLORREF cr) { m_crTextBk = cr; }
    void SetImgBkColor(COLORREF cr) { m_crImgBk = cr; }
    void SetSelTextColor(COLORREF cr) { m_crSelText = cr; }
    void SetSelTextBkColor(COLORREF cr) { m_crSelTextBk = cr; }
    void SetGridColor(COLORREF cr);
    // Takes ownership; setting the brush the list already holds keeps it.
    void SetGridBrush(CBrush* brush);

    void DrawItem(LPDRAWITEMSTRUCT lpDrawItemStruct) override;
    // Id 0 is the current text colour, id 1 the text background colour.
    COLORREF GetColor(char id) override;

    BOOL PreCreateWindow(CREATESTRUCTW& cs) override;
    void PreSubclassWindow() override;
    BOOL PreTranslateMessage(MSG* pMsg) override;

protected:
    friend Features;

    ExtListRowPainter::RowColors rowColors(int row);
    void RepaintSelectedItems();

    afx_msg void OnSize(UINT nType, int cx, int cy);
    afx_msg void OnPaint();
    afx_msg void OnSetFocus(CWnd* pOldWnd);
    afx_msg void OnKillFocus(CWnd* pNewWnd);
    afx_msg void OnLButtonDown(UINT nFlags, CPoint point);
    afx_msg void OnLButtonDblClk(UINT nFlags, CPoint point);
    afx_msg int OnCreate(LPCREATESTRUCT lpCreateStruct);
    afx_msg void OnColumnclick(NMHDR* pNMHDR, LRESULT* pResult);
    afx_msg void OnRButtonDown(UINT nFlags, CPoint point);
    afx_msg LRESULT OnSetImageList(WPARAM wParam, LPARAM lParam);
    afx_msg LRESULT OnSetTextColorMsg(WPARAM wParam, LPARAM lParam);
    afx_msg LRESULT OnSetTextBkColorMsg(WPARAM wParam, LPARAM lParam);
    afx_msg LRESULT OnSetBkColorMsg(WPARAM wParam, LPARAM lParam);

    COLORREF m_crText;
    COLORREF m_crTextBk;
    COLORREF m_crImgBk;
    COLORREF m_crSelText;
    COLORREF m_crSelTextBk;
    std::unique_ptr<CBrush> m_pGridBrush;

    DECLARE_MESSAGE_MAP()
};
