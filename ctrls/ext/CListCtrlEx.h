#pragma once

#include "CExtListCtrl.h"

#include <CItemCtrl.h>

#include <memory>
#include <vector>

// An extended list in which any cell may own an in-place editor: a double
// click opens the cell's editor with the cell's text, leaving it writes the
// text back. The list owns the editors, each once however many cells use
// it; an editor goes with the last cell that uses it.
class PRAMBLE_API CListCtrlEx : public CExtListCtrl
{
    DECLARE_DYNCREATE(CListCtrlEx)

public:
    struct Item
    {
        int row = -1;
        int col = -1;
    };

    CListCtrlEx() = default;
    ~CListCtrlEx() override;

    // Takes ownership of ctrl (which may be null); one editor may serve
    // several cells. An editor the cell had goes unless another cell uses
    // it. Outside the list's rows and columns nothing is stored, create is
    // not called and ctrl is deleted unless a cell uses it.
    void setCtrl(int row, int col, CItemCtrl* ctrl);
    // Null when the cell has no editor.
    CItemCtrl* getCtrl(int row, int col) const;
    bool inRange(int row, int col) const;
    // Grows the grid to hold the cell, when the list has it.
    bool inResizedRange(int row, int col);
    // True when a row is hit; item.col is -1 then for no sub-item.
    bool hitTest(CPoint point, Item& item);
    CRect getActiveRect();
    // Opens the active cell's editor with the cell's text, or writes its
    // text back and closes it (the active cell then becomes none).
    void showActive(bool show);
    void resizeActive();
    const Item& getActive() const { return m_active; }

    BOOL PreTranslateMessage(MSG* pMsg) override;

protected:
    afx_msg void OnLButtonDblClk(UINT nFlags, CPoint point);
    afx_msg void OnLButtonDown(UINT nFlags, CPoint point);
    afx_msg void OnKeyDown(UINT nChar, UINT nRepCnt, UINT nFlags);
    afx_msg void OnInsertItem(NMHDR* pNMHDR, LRESULT* pResult);
    afx_msg void OnDeleteItem(NMHDR* pNMHDR, LRESULT* pResult);
    afx_msg void OnDeleteAllItems(NMHDR* pNMHDR, LRESULT* pResult);
    afx_msg void OnItemChanged(NMHDR* pNMHDR, LRESULT* pResult);

    std::vector<std::vector<std::shared_ptr<CItemCtrl>>> m_grid;
    Item m_active;

    DECLARE_MESSAGE_MAP()

private:
    // Closes the active editor without writing (its row is going).
    void dropActive();
    // The owning pointer of an editor some cell uses; empty when none does.
    std::shared_ptr<CItemCtrl> heldEditor(const CItemCtrl* ctrl) const;
};
