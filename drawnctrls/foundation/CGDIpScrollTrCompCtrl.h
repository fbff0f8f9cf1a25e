#pragma once

#include "CGDIpTransparentCompCtrl.h"

#include <TGeometry.h>

// A composite control showing content larger than itself: moved with the
// scroll bars or by dragging with the left button, zoomed with Ctrl and
// the wheel. It keeps the numbers; derived views draw the content.
class PRAMBLEGDIP_API CGDIpScrollTrCompCtrl : public CGDIpTransparentCompCtrl
{
    DECLARE_DYNAMIC(CGDIpScrollTrCompCtrl)

public:
    // Sent to the parent as a command when the scale has changed.
    static const UINT scaleChangedCommand = 1286;

    CGDIpScrollTrCompCtrl();
    ~CGDIpScrollTrCompCtrl() override;
    CGDIpScrollTrCompCtrl& operator=(const CGDIpScrollTrCompCtrl& other);

    using CGDIpTransparentCompCtrl::v_recalcData;
    void v_recalcData(const CRect& r) override;

    void scrollToPosition(POINT delta, bool redraw);
    void scrollToPosition(TPoint<int> delta, bool redraw);
    void centerScrollPos(bool redraw);
    // The largest scale (within the limits) that shows content and margins whole.
    void setScaleToFitSize(bool redraw);

protected:
    virtual void v_scaleWheelStart() {}
    virtual void v_scaleWheelEnd() {}
    virtual void updateScrollInfo();

    // Moves the scroll position by (dx, dy) kept within the content; false
    // when neither axis can scroll.
    bool deltaCheckAndApply(int dx, int dy);
    void scaleChanged(bool redraw);
    void GetClientRectSB(CRect& r);
    int Get32BitScrollPos(int bar);

    afx_msg void OnVScroll(UINT nSBCode, UINT nPos, CScrollBar* pScrollBar);
    afx_msg void OnHScroll(UINT nSBCode, UINT nPos, CScrollBar* pScrollBar);
    afx_msg void OnMouseMove(UINT nFlags, CPoint point);
    afx_msg void OnLButtonDown(UINT nFlags, CPoint point);
    afx_msg void OnLButtonUp(UINT nFlags, CPoint point);
    afx_msg void OnNcLButtonUp(UINT nHitTest, CPoint point);
    afx_msg void OnNcMouseMove(UINT nHitTest, CPoint point);
    afx_msg void OnNcMouseLeave();
    afx_msg LRESULT OnCaptureChanged(WPARAM wParam, LPARAM lParam);
    afx_msg void OnTimer(UINT_PTR nIDEvent);
    afx_msg BOOL OnMouseWheel(UINT nFlags, short zDelta, CPoint pt);

    DECLARE_MESSAGE_MAP()

    TSize<int> m_contentSize{825, 825};
    TSize<int> m_margin{0, 0}; // on each side of the content
    TSize<int> m_scrollPos{0, 0};
    double m_scale = 1.0;
    double m_minScale = 0.25;
    double m_maxScale = 5.0;
    double m_scaleStep = 0.05;
    int m_lineStep = 60;
    CPoint m_lastPoint;
    int m_dragging = 0;

private:
    static const UINT_PTR wheelTimer = 1287;

    TSize<int> totalSize() const;
    static int clampedDelta(int position, int delta, int room);
    void scrollBy(int bar, UINT code);
    void notifyParent();
    void stopDragging();
};
