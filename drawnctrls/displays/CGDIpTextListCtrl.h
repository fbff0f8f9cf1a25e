#pragma once

#include <CGDIpTransparentCompCtrl.h>

#include <vector>

// A read-only list of single-line texts on a gradient, with a round mark at
// an edge beyond which more lines lie. A press on the top or bottom line
// scrolls, and keeps scrolling every 100 ms while the pointer stays in that
// line, until it leaves the control. The owner fills m_textLines and
// repaints; it keeps m_firstOffset within the texts when it removes some.
class PRAMBLEGDIP_API CGDIpTextListCtrl : public CGDIpTransparentCompCtrl
{
    DECLARE_DYNAMIC(CGDIpTextListCtrl)

public:
    static const UINT_PTR kScrollTimer = 2;

    CGDIpTextListCtrl();
    ~CGDIpTextListCtrl() override;
    CGDIpTextListCtrl& operator=(const CGDIpTextListCtrl& other);

    // One scroll step for a pointer at p; false when p lies in neither band
    // or there is nothing to scroll to.
    bool scroll(CPoint p);

    using CGDIpTransparentCompCtrl::v_draw;
    void v_draw(CDC& dc) override;
    using CGDIpTransparentCompCtrl::v_recalcData;
    void v_recalcData(const CRect& rect) override;

    std::vector<CString> m_textLines;
    bool m_newestAtTop = true; // the last text on top
    int m_firstOffset = 0;     // lines scrolled, from the top end of the order shown
    int m_padLeft = 5;
    int m_padTop = 5;
    int m_padRight = 5;
    int m_padBottom = 5;
    CRect m_textRect;
    int m_lineHeight = 0;
    int m_visibleLines = 0;
    UINT m_drawFormat = DT_END_ELLIPSIS | DT_SINGLELINE | DT_VCENTER;
    bool m_pressed = false;
    CPoint m_mousePos;

protected:
    afx_msg void OnLButtonDown(UINT nFlags, CPoint point);
    afx_msg void OnMouseMove(UINT nFlags, CPoint point);
    afx_msg void OnTimer(UINT_PTR nIDEvent);
    afx_msg void OnMouseLeave();

    DECLARE_MESSAGE_MAP()

private:
    // Indexes of the texts shown, top down.
    std::vector<int> shownLines(bool& markTop, bool& markBottom) const;
    void drawMark(CDC& dc, bool top);
    void repaint();
};
