#pragma once

#include "CGDIpListCtrlRow.h"
#include "CListCtrlHeaderColorPack.h"

#include <CGDIpTransparentCompCtrl.h>

#include <iterator>
#include <list>
#include <vector>

// A drawn multi-column list: header cells on top, rows of cells below, its
// geometry following the font. It scrolls by rows and by pixels, selects
// rows by clicking and tells its parent of clicks through WM_NOTIFY with the
// clicked row (or 0) in idFrom. The owner inserts the columns, then appends
// rows with one cell per column, and calls invalidate().
class PRAMBLEGDIP_API CGDIpListCtrl : public CGDIpTransparentCompCtrl
{
    DECLARE_DYNAMIC(CGDIpListCtrl)

public:
    CGDIpListCtrl();
    // A copy would share the columns and rows it deletes.
    CGDIpListCtrl(const CGDIpListCtrl&) = delete;
    CGDIpListCtrl& operator=(const CGDIpListCtrl&) = delete;
    ~CGDIpListCtrl() override;

    std::vector<CGDIpListCtrlHeaderItem*>& getHeader() { return m_header; }
    std::list<CGDIpListCtrlRow*>& getRows() { return m_rows; }

    // Appends a column, which the list then owns; false (the caller keeps
    // it) once the list has rows.
    bool insertHeaderColumn(CGDIpListCtrlHeaderItem* item);
    // The same after giving the list's row-header look and the item's
    // cell look from `pack`.
    bool insertHeaderColumn(CGDIpListCtrlHeaderItem* item, IListCtrlrColorPack* pack);
    // Deletes the rows; the columns stay.
    void deleteItems();
    // Lays out again and repaints, after the owner changed rows or settings.
    void invalidate();

    using CGDIpTransparentCompCtrl::v_recalcData;
    void v_recalcData(const CRect& rc) override;
    using CGDIpTransparentCompCtrl::v_draw;
    void v_draw(CDC& dc) override;

    struct ScrollSettings
    {
        int min = 0;
        int max = 0;
        int page = 0;
        int pos = 0;
    };

    std::vector<CGDIpListCtrlHeaderItem*> m_header;
    std::list<CGDIpListCtrlRow*> m_rows;
    CListCtrlHeaderColorPack m_colorPack; // the first cell of a row when it heads the row
    CGDIpListCtrlRow* m_clickedRow = nullptr;
    CRect m_layoutRect;
    unsigned m_firstRow = 0;
    unsigned m_rowsPerPage = 0;
    int m_headerRight = 0;
    int m_hOffset = 0;
    int m_columnCount = 0;
    int m_marginX = 0;
    int m_marginY = 0;
    int m_trackedColumn = -1; // the column whose width is dragged
    POINT m_trackStart{0, 0};
    int m_trackStartWidth = 0;
    ScrollSettings m_vScroll;
    ScrollSettings m_hScroll;
    double m_rowHeightFactor = 1.25;
    double m_headerHeightFactor = 1.5;
    double m_marginXRatio = 0.005;
    double m_marginYRatio = 0.005;
    int m_columnGap = 3;
    int m_rowGap = 3;
    int m_trackMargin = 5;
    bool m_singleSelection = false;
    bool m_noRowSelection = false;
    bool m_headerLocked = false;
    bool m_alternateRows = true;
    bool m_firstColumnIsRowHeader = false;

protected:
    void deleteRows();
    void deleteHeader();
    void UpdateScrollInfo();

    BOOL PreCreateWindow(CREATESTRUCTW& cs) override;
    afx_msg void OnLButtonDown(UINT nFlags, CPoint point);
    afx_msg void OnMouseLeave();
    afx_msg void OnMouseMove(UINT nFlags, CPoint point);
    afx_msg void OnLButtonUp(UINT nFlags, CPoint point);
    afx_msg BOOL OnMouseWheel(UINT nFlags, short zDelta, CPoint pt);
    afx_msg void OnLButtonDblClk(UINT nFlags, CPoint point);
    afx_msg void OnVScroll(UINT nSBCode, UINT nPos, CScrollBar* pScrollBar);
    afx_msg int OnCreate(LPCREATESTRUCT lpCreateStruct);
    afx_msg void OnHScroll(UINT nSBCode, UINT nPos, CScrollBar* pScrollBar);

    DECLARE_MESSAGE_MAP()

private:
    // The font's pixel height and the row height, 0 when the font gives none.
    int fontPixels() const;
    int layoutHeader(const CRect& inner, int fontPx);
    void layoutRows(int top, int rowHeight);
    void setScrollSettings(const CRect& rc);
    bool pressHeader(CPoint& pt);
    void pressRows(UINT nFlags, CPoint& pt);
    void endColumnDrag();
    void notifyParent(UINT code);
    // Lays out with the client rectangle and repaints without erasing.
    void relayout();
    int lastRow() const;
    bool isDisplayed(int n) const;
    // Calls f(index, row) for the rows shown: from m_firstRow, a page less one.
    template <class F> void forEachDisplayedRow(F f)
    {
        const int end = int(m_firstRow) + int(m_rowsPerPage) - 1;
        if (m_firstRow >= m_rows.size())
            return;
        auto it = std::next(m_rows.begin(), long(m_firstRow));
        for (int n = int(m_firstRow); n < end && it != m_rows.end(); ++n, ++it)
            f(n, *it);
    }
};
