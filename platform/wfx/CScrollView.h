#pragma once

#include "CView.h"

// A view larger than its window: scroll bars appear while the total size
// does not fit, and OnPrepareDC shifts drawing by the scroll position.
class WFX_API CScrollView : public CView
{
    DECLARE_DYNAMIC(CScrollView)

public:
    static const SIZE sizeDefault;

    // Sizes in logical units of the map mode; a default page is a tenth of
    // the total and a default line a tenth of the page.
    void SetScrollSizes(int nMapMode, SIZE sizeTotal, const SIZE& sizePage = sizeDefault,
                        const SIZE& sizeLine = sizeDefault);
    CSize GetTotalSize() const { return m_totalLog; }
    CPoint GetScrollPosition() const;
    CPoint GetDeviceScrollPosition() const;
    void ScrollToPosition(POINT pt);

    void OnPrepareDC(CDC* pDC, CPrintInfo* pInfo = nullptr) override;

protected:
    CScrollView();

    // Scrolls by device units (clamped to the range); FALSE when nothing moved.
    virtual BOOL OnScrollBy(CSize sizeScroll, BOOL bDoScroll = TRUE);
    void UpdateBars();

    afx_msg void OnSize(UINT nType, int cx, int cy);
    afx_msg void OnHScroll(UINT nSBCode, UINT nPos, CScrollBar* pScrollBar);
    afx_msg void OnVScroll(UINT nSBCode, UINT nPos, CScrollBar* pScrollBar);
    afx_msg BOOL OnMouseWheel(UINT nFlags, short zDelta, CPoint pt);

    int m_nMapMode = MM_TEXT;
    CSize m_totalLog;
    CSize m_totalDev;
    CSize m_pageDev;
    CSize m_lineDev;

    DECLARE_MESSAGE_MAP()

private:
    int targetPosition(int nBar, UINT nSBCode) const;
    int clampedPosition(int nBar, int position) const;
    void setBar(int nBar, int total, int page);
    CSize clientSizeWithBars(BOOL& bNeedHorz, BOOL& bNeedVert) const;

    BOOL m_bUpdatingBars = FALSE;
};
