#pragma once

#include "ExtListColorIds.h"
#include "ExtListGeometry.h"
#include "ExtListHeaderStates.h"
#include "TCtrlInExtListCtrl.h"
#include "TExtListEditors.h"

#include <CSortHeaderCtrl.h>
#include <Wfx.h>

// How SetCtrlInCol treats the editor's font: useListFont gives it the list's.
enum formatingCtrls
{
    useListFont = 0,
    keepOwnFont = 1,
};

// What the extended lists of both control libraries share, for a list
// class Self (a CListCtrl): rows with colour ids, the sort-arrow header with
// its column states and click history, cells found by position, and one
// in-cell editor per column. Self's message handlers call the on... helpers.
template <class Self> class TExtListFeatures
{
public:
    using Editor = TCtrlInExtListCtrl<Self>;

    virtual ~TExtListFeatures() { m_editors.clear(); }

    // Rows. Each insert returns the control's index (-1 when it refused the
    // row, and then no ids are stored); the ids go in at the index the
    // control chose.
    int InsertItem(int nItem, CString text, char bkColorId, char textColorId)
    {
        HideCtrl();
        return insertedWithIds(list().CListCtrl::InsertItem(nItem, text), bkColorId, textColorId);
    }
    int InsertItem(const LVITEMW* pItem, char bkColorId, char textColorId)
    {
        HideCtrl();
        return insertedWithIds(list().CListCtrl::InsertItem(pItem), bkColorId, textColorId);
    }
    int InsertItem(const LVITEMW* pItem) { return InsertItem(pItem, kDefaultBk, kDefaultText); }
    int InsertItem(int nItem, LPCWSTR lpszItem)
    {
        return InsertItem(nItem, CString(lpszItem), kDefaultBk, kDefaultText);
    }
    int InsertItem(int nItem, LPCWSTR lpszItem, int nImage)
    {
        HideCtrl();
        return insertedWithIds(list().CListCtrl::InsertItem(nItem, lpszItem, nImage), kDefaultBk,
                               kDefaultText);
    }
    int InsertItem(UINT nMask, int nItem, LPCWSTR lpszItem, UINT nState, UINT nStateMask, int nImage,
                   LPARAM lParam)
    {
        HideCtrl();
        return insertedWithIds(
            list().CListCtrl::InsertItem(nMask, nItem, lpszItem, nState, nStateMask, nImage, lParam),
            kDefaultBk, kDefaultText);
    }
    BOOL DeleteItem(int nItem)
    {
        HideCtrl();
        if (!list().CListCtrl::DeleteItem(nItem))
            return FALSE;
        m_ids.deleted(nItem);
        onRowDeleted(nItem);
        return TRUE;
    }
    BOOL DeleteAllItems()
    {
        HideCtrl();
        m_ids.clear();
        onAllRowsDeleted();
        return list().CListCtrl::DeleteAllItems();
    }

    // The previous id, or -1 (nothing changed) for a row without an id.
    char setBkColor(int row, char id) { return m_ids.setBk(row, id); }
    char setTextColor(int row, char id) { return m_ids.setText(row, id); }
    // -1 for a row without an id.
    char GetItemBkColorId(int row) const { return m_ids.bk(row); }
    char GetItemTextColorId(int row) const { return m_ids.text(row); }
    int getColorCount() const { return m_ids.colorCount(); }

    BOOL SetFullRowSel(BOOL bFullRowSel)
    {
        ::LockWindowUpdate(list().m_hWnd);
        m_bFullRowSel = bFullRowSel;
        const DWORD before = list().GetStyle();
        list().ModifyStyle(bFullRowSel ? 0 : LVS_OWNERDRAWFIXED, bFullRowSel ? LVS_OWNERDRAWFIXED : 0);
        const BOOL changed = before != list().GetStyle();
        if (changed && (list().GetStyle() & LVS_TYPEMASK) == LVS_REPORT)
            list().Invalidate();
        ::LockWindowUpdate(nullptr);
        return changed;
    }
    BOOL GetFullRowSel() const { return m_bFullRowSel; }

    CSortHeaderCtrl* getHeaderCtrl()
    {
        HWND header = reinterpret_cast<HWND>(list().SendMessage(LVM_GETHEADER));
        if (header && !CWnd::FromHandlePermanent(header))
            subclass(); // the control made its header after we took it over
        return DYNAMIC_DOWNCAST(CSortHeaderCtrl, CWnd::FromHandlePermanent(header));
    }
    // The n-th most recently clicked column, -1 when the history is shorter.
    int getClickedCol(int& n) const { return m_headerStates.clickedCol(n); }
    void ctrlKillFocus() { HideCtrl(); }

    // The new colour's id, or -1 when the palette is full.
    virtual char AddColor(const COLORREF& color) { return m_ids.addColor(color); }
    // Called after every column click.
    virtual void onSort()
    {
        int latest = 0;
        const int col = getClickedCol(latest);
        if (col >= 0)
            GetColHeaderState(col);
    }
    virtual COLORREF GetColor(char id) = 0;
    virtual void GetColumnAtX(const int& x, int& col) { col = ExtListGeometry::columnAtX(list(), x); }
    // The open editor's cell: x column, y row.
    virtual CPoint GetPosCtrlToDisp() { return m_editors.pos(); }
    // Takes ownership of the editor (null removes the column's editor).
    virtual void SetCtrlInCol(Editor* ctrl, const int& col, formatingCtrls format)
    {
        if (!m_editors.set(ctrl, col))
            return;
        if (format == useListFont && ctrl->getWnd() && ctrl->getWnd()->m_hWnd)
            ctrl->getWnd()->SetFont(list().GetFont(), TRUE);
        ctrl->init(&list());
    }
    virtual Editor* GetCtrlInCol(const int& col) { return m_editors.get(col); }
    virtual void HideCtrl() { m_editors.hide(); }
    virtual HeaderColState GetColHeaderState(const int& col) { return m_headerStates.get(col); }
    // Takes over the control's header window.
    virtual void subclass()
    {
        HWND header = list().m_hWnd ? reinterpret_cast<HWND>(list().SendMessage(LVM_GETHEADER)) : nullptr;
        CSortHeaderCtrl& member = headerMember();
        if (!header || header == member.m_hWnd)
            return;
        if (member.m_hWnd)
            member.UnsubclassWindow();
        member.SubclassWindow(header);
    }
    virtual bool GetCellAtPoint(CPoint& point, int& col, int& row)
    {
        return ExtListGeometry::cellAtPoint(list(), point, col, row);
    }
    virtual void OnCellClk(int col, int row)
    {
        m_editors.setPos(CPoint(col, row));
        DrawCtrl(col, row);
    }
    virtual void DrawCtrl(int& col, int& row)
    {
        m_editors.open(col, ExtListGeometry::editorRect(list(), col, row));
    }
    virtual void OnHeaderLButtonDown(int& x)
    {
        int col = -1;
        GetColumnAtX(x, col);
        if (col == -1)
            return;
        m_headerStates.clicked(col);
        InvertColHeaderState(col);
    }
    virtual void InvertColHeaderState(int& col)
    {
        HeaderColState state = ExtListHeaderStates::opposite(GetColHeaderState(col));
        SetColHeaderState(col, state);
    }
    virtual void SetColHeaderState(int& col, HeaderColState& state)
    {
        if (m_headerStates.set(col, state))
            onChangeColState(col);
    }
    virtual void DrawArrowDownOnColHeader(int& col) { setSortArrow(col, FALSE); }
    virtual void DrawArrowUpOnColHeader(int& col) { setSortArrow(col, TRUE); }
    virtual void onChangeColState(int& col)
    {
        if (GetColHeaderState(col) == HeaderColAscending)
            DrawArrowUpOnColHeader(col);
        else
            DrawArrowDownOnColHeader(col);
    }

protected:
    static constexpr char kDefaultBk = char(ExtListColorIds::kDefaultBk);
    static constexpr char kDefaultText = char(ExtListColorIds::kDefaultText);

    Self& list() { return static_cast<Self&>(*this); }
    const Self& list() const { return static_cast<const Self&>(*this); }
    // The header object the list subclasses its header window into.
    virtual CSortHeaderCtrl& headerMember() { return m_header; }

    // Called once the control inserted a row at `row` / deleted row `row` /
    // deleted every row, after the ids followed. Derived lists keep their
    // own per-row data aligned here.
    virtual void onRowInserted(int) {}
    virtual void onRowDeleted(int) {}
    virtual void onAllRowsDeleted() {}

    bool fullRowReport() const { return m_bFullRowSel && (list().GetStyle() & LVS_TYPEMASK) == LVS_REPORT; }

    // Handler helpers, called by Self's message handlers.
    void onPreCreate(CREATESTRUCTW& cs)
    {
        cs.style = (cs.style & ~LVS_TYPEMASK) | LVS_REPORT | LVS_OWNERDRAWFIXED;
        m_bFullRowSel = TRUE;
    }
    void onFocusGained(CWnd* pOldWnd)
    {
        if (pOldWnd && ::IsChild(list().m_hWnd, pOldWnd->m_hWnd))
            return; // from the editor
        if (fullRowReport())
            list().RepaintSelectedItems();
        if (m_editors.current() && m_editors.current()->getWnd()->IsWindowVisible())
            m_editors.current()->getWnd()->SetFocus();
    }
    void onFocusLeaving(CWnd* pNewWnd)
    {
        if (m_editors.current() && !m_editors.isOpenEditor(pNewWnd))
            HideCtrl();
    }
    void onFocusLost(CWnd* pNewWnd)
    {
        if (!(pNewWnd && ::IsChild(list().m_hWnd, pNewWnd->m_hWnd)) && fullRowReport())
            list().RepaintSelectedItems();
    }
    // A right click opens the cell's editor and leaves the selection alone.
    void onRightClick(CPoint point)
    {
        HideCtrl();
        int col = -1, row = -1;
        if (GetCellAtPoint(point, col, row))
            OnCellClk(col, row);
    }
    void onColumnClicked(NMHDR* pNMHDR)
    {
        int col = reinterpret_cast<NMLISTVIEW*>(pNMHDR)->iSubItem;
        if (col >= 0) {
            m_headerStates.clicked(col);
            InvertColHeaderState(col);
        }
        onSort();
    }
    void onHeaderMessage(const MSG& msg)
    {
        if (ExtListGeometry::closesEditor(list(), msg))
            HideCtrl();
    }
    void onStateImageList(WPARAM which, LPARAM imageList)
    {
        if (which == LVSIL_STATE)
            m_cxStateImageOffset = ExtListGeometry::iconWidth(reinterpret_cast<HIMAGELIST>(imageList));
    }

    BOOL m_bFullRowSel = FALSE;
    BOOL m_bClientWidthSel = TRUE;
    int m_cxClient = 0;
    int m_cxStateImageOffset = 0;
    ExtListColorIds m_ids;
    CSortHeaderCtrl m_header;
    TExtListEditors<Editor> m_editors;
    ExtListHeaderStates m_headerStates;

private:
    int insertedWithIds(int index, char bk, char text)
    {
        if (index < 0)
            return index;
        m_ids.inserted(index, static_cast<unsigned char>(bk), static_cast<unsigned char>(text));
        onRowInserted(index);
        return index;
    }
    void setSortArrow(int col, BOOL ascending)
    {
        if (CSortHeaderCtrl* header = getHeaderCtrl())
            header->SetSortArrow(col, ascending);
    }
};
