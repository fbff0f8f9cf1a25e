#pragma once

#include "BackdropCache.h"
#include "CCell.h"
#include "SCtrlPos.h"

#include <CGDIpTransparentCompCtrl.h>
#include <CItemCtrl.h>

#include <vector>

// A drawn table of text cells: a corner cell, a row of column headers, a
// column of row headers and a body addressed [column][row]. The mouse
// selects body cells; a double click edits a cell in place through the
// editor given to init, as the edit flags allow.
class PRAMBLEGDIP_API CCellArray : public CGDIpTransparentCompCtrl
{
    DECLARE_DYNAMIC(CCellArray)

public:
    enum : UINT
    {
        EditBody = 0x1,
        EditColumnHeaders = 0x2,
        EditRowHeaders = 0x4,
    };

    CCellArray();
    ~CCellArray() override;
    // Takes copies of the other's cells and colours, and its editor (the
    // other is left without one).
    CCellArray& operator=(CCellArray& other);

    // Builds the cells; call once the window exists. The table owns the
    // editor from then on.
    void init(CItemCtrl* editor, const CString& title, int headerHeight, int columnWidth,
              std::vector<CString>& columnTitles, int rowHeight, int headerWidth,
              std::vector<CString>& rowTitles, COLORREF headerText, COLORREF headerBack, COLORREF cellText,
              COLORREF cellBack, COLORREF selectionBack, COLORREF frame, CFont* font, UINT editFlags);
    void setFont(CFont* font);

    CCell* getFirstCell() { return &m_corner; }
    std::vector<CCell*>* getColHdrs() { return &m_colHdrs; }
    std::vector<CCell*>* getRowHdrs() { return &m_rowHdrs; }
    std::vector<std::vector<CCell*>>* getTable() { return &m_table; }
    SCtrlPos getCtrlPos() const { return m_editPos; }
    // The selected cell's column and row, -1/-1 when none.
    SCtrlPos getSelCell() const { return m_selCell; }
    CItemCtrl* getEditor() const { return m_editor; }
    bool isEditing() const { return m_editedCell != nullptr; }

    // Ends an edit in progress, taking the editor's text into the cell when
    // `save` is set.
    void hideEditCtrl(bool save);

    // Deletes every header and body cell.
    virtual void v_cleanUp();
    using CGDIpTransparentCompCtrl::v_draw;
    void v_draw(CDC& dc) override;

protected:
    void releasePictures(bool background) override;
    afx_msg void OnLButtonDown(UINT nFlags, CPoint point);
    afx_msg void OnLButtonUp(UINT nFlags, CPoint point);
    afx_msg void OnMouseMove(UINT nFlags, CPoint point);
    afx_msg void OnLButtonDblClk(UINT nFlags, CPoint point);
    afx_msg void OnSize(UINT nType, int cx, int cy);
    afx_msg BOOL OnSetCursor(CWnd* pWnd, UINT nHitTest, UINT message);

    // The background from a cache, then the content; nothing to erase.
    afx_msg void OnPaint();
    afx_msg BOOL OnEraseBkgnd(CDC* pDC);

    DECLARE_MESSAGE_MAP()

    // The selected cell: the anchor of keyboard selection in derived tables.
    SCtrlPos m_selCell;

private:
    void layout(int cx, int cy);
    bool onHeader(CPoint p) const;
    void toggleAt(CPoint p);
    // Each body cell, columns in order, rows in order.
    template <class F> void forEachBodyCell(F f)
    {
        for (size_t c = 0; c < m_table.size(); ++c)
            for (size_t r = 0; r < m_table[c].size(); ++r)
                f(*m_table[c][r], int(c), int(r));
    }
    bool startEdit(CCell& cell, const CRect& place, SCtrlPos pos);
    void copyCells(const CCellArray& other);

    COLORREF m_cellBack = RGB(255, 255, 255);
    COLORREF m_selectionBack = RGB(255, 255, 255);
    std::vector<CCell*> m_colHdrs;
    std::vector<CCell*> m_rowHdrs;
    std::vector<std::vector<CCell*>> m_table;
    CCell m_corner;
    CPoint m_anchor{0, 0};
    CItemCtrl* m_editor = nullptr;
    CCell* m_editedCell = nullptr;
    SCtrlPos m_editPos;
    UINT m_editFlags = 0;

    BackdropCache m_backdrop;
    CRect m_paintArea; // what the paint under way must draw; empty: all
};
