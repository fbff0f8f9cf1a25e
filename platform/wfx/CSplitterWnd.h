#pragma once

#include "CWnd.h"
#include "WfxRes.h"

#include <vector>

struct CCreateContext;

// A static splitter: a fixed grid of panes (views, or nested splitters made
// with the pane's id) separated by bars that the user drags. Each row and
// column has an ideal and a minimum size; the last row and column take what
// is left.
class WFX_API CSplitterWnd : public CWnd
{
    DECLARE_DYNAMIC(CSplitterWnd)

public:
    CSplitterWnd();
    ~CSplitterWnd() override;

    virtual BOOL CreateStatic(CWnd* pParentWnd, int nRows, int nCols, DWORD dwStyle = WS_CHILD | WS_VISIBLE,
                              UINT nID = AFX_IDW_PANE_FIRST);
    // A view of the class in the pane; a nonzero size component becomes the
    // pane's ideal width or height.
    virtual BOOL CreateView(int row, int col, CRuntimeClass* pViewClass, SIZE sizeInit,
                            CCreateContext* pContext);
    virtual void DeleteView(int row, int col);
    virtual void RecalcLayout();

    int GetRowCount() const { return int(m_rows.size()); }
    int GetColumnCount() const { return int(m_cols.size()); }
    int IdFromRowCol(int row, int col) const;
    CWnd* GetPane(int row, int col) const;
    void SetRowInfo(int row, int cyIdeal, int cyMin);
    void SetColumnInfo(int col, int cxIdeal, int cxMin);
    void GetRowInfo(int row, int& cyCur, int& cyMin) const;
    void GetColumnInfo(int col, int& cxCur, int& cxMin) const;

protected:
    struct CRowColInfo
    {
        int nMinSize = 0;
        int nIdealSize = 0;
        int nCurSize = 0;
    };

    int m_cxSplitter = 6; // the bars between panes
    int m_cySplitter = 6;
    int m_cxBorder = 2; // room around the panes
    int m_cyBorder = 2;

    afx_msg void OnSize(UINT nType, int cx, int cy);
    afx_msg void OnPaint();
    afx_msg BOOL OnSetCursor(CWnd* pWnd, UINT nHitTest, UINT message);
    afx_msg void OnLButtonDown(UINT nFlags, CPoint point);
    afx_msg void OnMouseMove(UINT nFlags, CPoint point);
    afx_msg void OnLButtonUp(UINT nFlags, CPoint point);
    afx_msg LRESULT OnCaptureChanged(WPARAM wParam, LPARAM lParam);

    DECLARE_MESSAGE_MAP()

private:
    // The bar under a client point: >= 0 a column bar (the column before
    // it), <= -2 a row bar (-2 - row), -1 none.
    int barAt(CPoint point) const;
    static void layoutLine(std::vector<CRowColInfo>& line, int room, int gap);
    CRect paneRect(int row, int col) const;

    std::vector<CRowColInfo> m_rows;
    std::vector<CRowColInfo> m_cols;
    int m_trackedBar = -1;
    CPoint m_trackStart;
    int m_trackStartSize = 0;
};
