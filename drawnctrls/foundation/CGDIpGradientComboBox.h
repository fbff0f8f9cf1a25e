#pragma once

#include "IGDIpGradientCtrl.h"
#include "IOwnFontCtrl.h"
#include "ITransparentCtrl.h"

// The combo box painted with GDI+ over the captured background: a rounded
// gradient body, a two-tone button part with a rounded arrow, hover and
// focus frames. Selection and list keep the standard behaviour.
class PRAMBLEGDIP_API CGDIpGradientComboBox : public CComboBox,
                                              public ITransparentCtrl,
                                              public IOwnFontCtrl,
                                              public IGDIpGradientCtrl
{
    DECLARE_DYNAMIC(CGDIpGradientComboBox)

public:
    CGDIpGradientComboBox();
    ~CGDIpGradientComboBox() override;

    // Selects item i (none for -1) and repaints; returns i.
    int SetCurSel(int i);

    // For an owner-drawn list without CBS_HASSTRINGS, whose item data is the
    // item's string.
    void DrawItem(LPDRAWITEMSTRUCT lpDrawItemStruct) override;
    void MeasureItem(LPMEASUREITEMSTRUCT lpMeasureItemStruct) override;

    void v_draw(CDC& dc) override;
    // Where the selected item's text is drawn, and the left edge of the
    // button part at the right of the body.
    CRect valueRect() const;
    int buttonPartLeft() const;

    UINT m_textFormat = DT_VCENTER | DT_SINGLELINE;
    // When nonzero, a sizable container records the combo box this high
    // whatever its dropped-down height.
    int m_closedHeight = 0;

protected:
    afx_msg void OnPaint();
    afx_msg void OnSize(UINT nType, int cx, int cy);
    afx_msg void OnMouseMove(UINT nFlags, CPoint point);
    afx_msg void OnMouseLeave();
    afx_msg void OnSetFocus(CWnd* pOldWnd);
    afx_msg void OnKillFocus(CWnd* pNewWnd);

    DECLARE_MESSAGE_MAP()

private:
    void drawButtonPart(Gdiplus::Graphics& g);
    void drawSelectedText(CDC& dc);
};
