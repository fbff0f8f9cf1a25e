#pragma once

#include "PrambleApi.h"

#include "ExtListColorIds.h"
#include "ExtListHeaderStates.h"
#include "ExtListRowPainter.h"
#include "ICtrlInExtListCtrl.h"
#include "TExtListEditors.h"

#include <CSortHeaderCtrl.h>
#include <Wfx.h>

#include <memory>

// The palette's size limit and the "no colour" answer of the id calls.
constexpr int kExtListMaxColors = 255;
constexpr char kExtListNoColor = char(-1);

// How SetCtrlInCol treats the editor's font: useListFont gives it the list's.
enum formatingCtrls
{
    useListFont = 0,
    keepOwnFont = 1,
};

// An owner-drawn report list with full-row selection, a palette of colours
// picked per row by a background and a text colour id (ExtListColorIds),
// grid lines, sort arrows with a click history, and one in-cell editor per
// column that a right click opens over a cell.
class PRAMBLE_API CExtListCtrl : public CListCtrl
{
    DECLARE_DYNCREATE(CExtListCtrl)

public:
    CExtListCtrl();
    ~CExtListCtrl() override;

    // Rows. Each insert returns the control's index (-1 when it failed, and
    // then no ids are stored); the ids go in at the index the control chose.
    int InsertItem(int nItem, CString text, char bkColorId, char textColorId);
    int InsertItem(const LVITEMW* pItem, char bkColorId, char textColorId);
    int InsertItem(const LVITEMW* pItem);
    int InsertItem(int nItem, LPCWSTR lpszItem);
    int InsertItem(int nItem, LPCWSTR lpszItem, int nImage);
    int InsertItem(UINT nMask, int nItem, LPCWSTR lpszItem, UINT nState, UINT nStateMask, int nImage,
                   LPARAM lParam);
    BOOL DeleteItem(int nItem);
    BOOL DeleteAllItems();

    // The previous id, or -1 (nothing changed) for a row without an id.
    char setBkColor(int row, char id);
    char setTextColor(int row, char id);
    // -1 for a row without an id.
    char GetItemBkColorId(int row) const;
    char GetItemTextColorId(int row) const;
    int getColorCount() const { return m_ids.colorCount(); }

    void SetTextColor(COLORREF cr) { m_crText = cr; }
    void SetTextBkColor(COLORREF cr) { m_crTextBk = cr; }
    void SetImgBkColor(COLORREF cr) { m_crImgBk = cr; }
    void SetSelTextColor(COLORREF cr) { m_crSelText = cr; }
    void SetSelTextBkColor(COLORREF cr) { m_crSelTextBk = cr; }
    void SetGridColor(COLORREF cr);
    // Takes ownership; setting the brush the list already holds keeps it.
    void SetGridBrush(CBrush* brush);
    BOOL SetFullRowSel(BOOL bFullRowSel);
    BOOL GetFullRowSel() const { return m_bFullRowSel; }

    CSortHeaderCtrl* getHeaderCtrl();
    // The n-th most recently clicked column, -1 when the history is shorter.
    int getClickedCol(int& n) const { return m_headerStates.clickedCol(n); }
    void ctrlKillFocus() { HideCtrl(); }

    void DrawItem(LPDRAWITEMSTRUCT lpDrawItemStruct) override;
    // The new colour's id, or -1 when the palette is full.
    virtual char AddColor(const COLORREF& color);
    virtual void onSort();
    virtual COLORREF GetColor(char id);
    virtual void GetColumnAtX(const int& x, int& col);
    virtual CPoint GetPosCtrlToDisp();
    // Takes ownership of the editor (null removes the column's editor).
    virtual void SetCtrlInCol(ICtrlInExtListCtrl* ctrl, const int& col, formatingCtrls format);
    virtual ICtrlInExtListCtrl* GetCtrlInCol(const int& col);
    virtual void HideCtrl();
    virtual HeaderColState GetColHeaderState(const int& col);
    virtual void subclass();
    virtual bool GetCellAtPoint(CPoint& point, int& col, int& row);
    virtual void OnCellClk(int col, int row);
    virtual void DrawCtrl(int& col, int& row);
    virtual void OnHeaderLButtonDown(int& x);
    virtual void InvertColHeaderState(int& col);
    virtual void SetColHeaderState(int& col, HeaderColState& state);
    virtual void DrawArrowDownOnColHeader(int& col);
    virtual void DrawArrowUpOnColHeader(int& col);
    virtual void onChangeColState(int& col);

    BOOL PreCreateWindow(CREATESTRUCTW& cs) override;
    void PreSubclassWindow() override;
    BOOL PreTranslateMessage(MSG* pMsg) override;

protected:
    // Called once the control inserted a row at `row` / deleted row `row` /
    // deleted every row, after the ids followed. Derived lists keep their
    // own per-row data aligned here.
    virtual void onRowInserted(int row);
    virtual void onRowDeleted(int row);
    virtual void onAllRowsDeleted();

    ExtListRowPainter::RowColors rowColors(int row);
    void RepaintSelectedItems();
    bool fullRowReport() const;

    afx_msg void OnSize(UINT nType, int cx, int cy);
    afx_msg void OnPaint();
    afx_msg void OnSetFocus(CWnd* pOldWnd);
    afx_msg void OnKillFocus(CWnd* pNewWnd);
    afx_msg void OnLButtonDown(UINT nFlags, CPoint point);
    afx_msg void OnLButtonDblClk(UINT nFlags, CPoint point);
    afx_msg int OnCreate(LPCREATESTRUCT lpCreateStruct);
    afx_msg void OnColumnclick(NMHDR* pNMHDR, LRESULT* pResult);
    afx_msg void OnRButtonDown(UINT nFlags, CPoint point);
    afx_msg void hideThenDefault(UINT nFlags, CPoint point);
    afx_msg LRESULT OnSetImageList(WPARAM wParam, LPARAM lParam);
    afx_msg LRESULT OnSetTextColorMsg(WPARAM wParam, LPARAM lParam);
    afx_msg LRESULT OnSetTextBkColorMsg(WPARAM wParam, LPARAM lParam);
    afx_msg LRESULT OnSetBkColorMsg(WPARAM wParam, LPARAM lParam);

    BOOL m_bFullRowSel = FALSE;
    BOOL m_bClientWidthSel = TRUE;
    int m_cxClient = 0;
    int m_cxStateImageOffset = 0;
    COLORREF m_crText;
    COLORREF m_crTextBk;
    COLORREF m_crImgBk;
    COLORREF m_crSelText;
    COLORREF m_crSelTextBk;
    std::unique_ptr<CBrush> m_pGridBrush;
    ExtListColorIds m_ids;
    CSortHeaderCtrl m_header;
    TExtListEditors<ICtrlInExtListCtrl> m_editors;
    ExtListHeaderStates m_headerStates;

    DECLARE_MESSAGE_MAP()

private:
    int insertWithIds(int index, char bk, char text);
};
