#pragma once

#include "CControlBar.h"
#include "CPtrArray.h"

// The bars docked along one edge of a frame (or in a floating bar's frame),
// in rows. m_arrBars holds bar pointers, placeholders (ids below 0x10000)
// and null entries that end rows; it starts with a null entry. Each row is
// as thick as its thickest bar; bars follow each other along the row,
// overlapping by 2 pixels.
class WFX_API CDockBar : public CControlBar
{
    DECLARE_DYNAMIC(CDockBar)

public:
    explicit CDockBar(BOOL bFloating = FALSE);
    ~CDockBar() override;

    CPtrArray m_arrBars;
    BOOL m_bFloating;
    BOOL m_bLayoutQuery = FALSE; // the current layout only asks for sizes
    CRect m_rectLayout;          // the room given to the dock bar by the last layout

    BOOL Create(CWnd* pParentWnd, DWORD dwStyle, UINT nID);
    BOOL IsDockBar() const override { return TRUE; }

    // Docks the bar in this dock bar: in the row at lpRect (screen), or in
    // a new row at the end.
    void DockControlBar(CControlBar* pBar, LPCRECT lpRect = nullptr);
    // Takes the bar out (and a row end it leaves empty). A floating dock bar
    // left empty closes its frame.
    BOOL RemoveControlBar(CControlBar* pBar, int nPosExclude = -1);
    int FindBar(CControlBar* pBar, int nPosExclude = -1) const;
    // The bar at an index, or null for row ends and placeholders.
    CControlBar* GetDockedControlBar(int nPos) const;
    int GetDockedCount() const;
    int GetDockedVisibleCount() const;

    CSize CalcFixedLayout(BOOL bStretch, BOOL bHorz) override;
    void OnUpdateCmdUI(CFrameWnd* pTarget, BOOL bDisableIfNoHndler) override;

protected:
    afx_msg LRESULT OnSizeParent(WPARAM wParam, LPARAM lParam);

    DECLARE_MESSAGE_MAP()

private:
    friend class CControlBar;
    // Drops the bar's entries without any layout (its window is going).
    void forgetBar(CControlBar* pBar);
    BOOL isHorz() const;
    int rowIndexAt(CPoint screenPoint, int* insertAt) const;
    int layoutRow(int first, HDWP& hdwp, int cross);
    void removeEmptyRowEnds();
};
