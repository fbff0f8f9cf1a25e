#pragma once

#include "IGDIpGradientCtrl.h"
#include "IOwnFontCtrl.h"
#include "ITransparentCtrl.h"

// The spin (up-down) control painted with GDI+ over the captured
// background: two rounded halves with arrows; the half held down shows its
// arrow in the pressed colour and the control its focus frame.
class PRAMBLEGDIP_API CGDIpGradientSpinButtonCtrl : public CSpinButtonCtrl,
                                                    public ITransparentCtrl,
                                                    public IOwnFontCtrl,
                                                    public IGDIpGradientCtrl
{
    DECLARE_DYNAMIC(CGDIpGradientSpinButtonCtrl)

public:
    CGDIpGradientSpinButtonCtrl();
    ~CGDIpGradientSpinButtonCtrl() override;
    // Takes the look: pack and font part.
    CGDIpGradientSpinButtonCtrl& operator=(const CGDIpGradientSpinButtonCtrl& other);

    void v_draw(CDC& dc) override;

    bool m_upperPressed = false;
    bool m_lowerPressed = false;

protected:
    afx_msg void OnPaint();
    afx_msg void OnSize(UINT nType, int cx, int cy);
    afx_msg void OnMouseMove(UINT nFlags, CPoint point);
    afx_msg void OnMouseLeave();
    afx_msg void OnLButtonDown(UINT nFlags, CPoint point);
    afx_msg void OnLButtonUp(UINT nFlags, CPoint point);

    DECLARE_MESSAGE_MAP()

private:
    void drawHalves(Gdiplus::Graphics& g, const Gdiplus::Rect& r);
};
