#pragma once

#include "IGDIpGradientRectPack.h"
#include "ITransparentCtrl.h"

// The framework's slider, custom-drawn over the captured background: a
// channel and a thumb of semi-transparent colours and, while it has the
// keyboard focus, a rounded frame.
class PRAMBLEGDIP_API CGDIpSliderControl : public CSliderCtrl,
                                           public ITransparentCtrl,
                                           public IGDIpGradientRectPack
{
    DECLARE_DYNAMIC(CGDIpSliderControl)

public:
    CGDIpSliderControl();
    ~CGDIpSliderControl() override;

    // Channel and thumb colours; width is the pens' width and the thumb's inset.
    void setColors(Gdiplus::Color channel, Gdiplus::Color thumb, int width);
    // Repaints every part of the control, also those the slider itself
    // keeps from repainting; focus and enabled state stay as they are.
    void Invalidate(BOOL bErase = TRUE);

    virtual void v_drawChannel(CDC& dc, NMCUSTOMDRAW* nmcd);
    virtual void v_drawThumb(CDC& dc, NMCUSTOMDRAW* nmcd);

    Gdiplus::ARGB m_thumbColor = 0xC8FFFFFF; // brush and pen
    Gdiplus::ARGB m_channelColor = 0xC8808080;
    int m_thumbPenWidth = 1;
    int m_channelPenWidth = 1;
    int m_thumbInset = 1;
    int m_channelInset = 1;
    bool m_fillChannel = false;
    bool m_fillThumb = true;

protected:
    afx_msg void OnCustomDraw(NMHDR* pNMHDR, LRESULT* pResult);
    afx_msg void OnSize(UINT nType, int cx, int cy);

    DECLARE_MESSAGE_MAP()

    NMCUSTOMDRAW m_channelDraw{}; // the channel's last custom-draw record

private:
    LRESULT drawItem(NMCUSTOMDRAW& nmcd);
};
