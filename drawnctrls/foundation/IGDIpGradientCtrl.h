#pragma once

#include "IGDIpGradientRectPack.h"

#include <string>

// A colour pack bound to a control window, with hover and focus frames.
class PRAMBLEGDIP_API IGDIpGradientCtrl : public IGDIpGradientRectPack
{
public:
    explicit IGDIpGradientCtrl(CWnd* owner);
    IGDIpGradientCtrl(const IGDIpGradientCtrl& other);
    IGDIpGradientCtrl(const IGDIpGradientCtrl& other, CWnd* owner);
    IGDIpGradientCtrl& operator=(const IGDIpGradientCtrl& other);
    ~IGDIpGradientCtrl() override;

    using IGDIpGradientRectPack::copy;
    void copy(const IGDIpGradientCtrl& other);

    using IGDIpGradientRectPack::v_recalcData;
    // The pack for the owner's whole client area.
    void v_recalcData() override;
    // Each control draws its own content.
    void v_draw(CDC&) override {}
    // Called from the control's mouse-move and mouse-leave handlers.
    virtual void mouseMove();
    virtual void mouseLeave();
    virtual void v_drawBackground(Gdiplus::Graphics& g, Gdiplus::Rect r);
    virtual void v_drawFrame(Gdiplus::Graphics& g, Gdiplus::Rect r);
    virtual void v_read(const std::wstring&) {}

    CWnd* m_owner;
    bool m_focused = false;
    bool m_hovered = false;
    TRACKMOUSEEVENT m_trackMouse{};
    bool m_showFocusFrame = true;
    bool m_showHoverFrame = true;
    int m_hoverDashStyle = Gdiplus::DashStyleSolid;
    Gdiplus::ARGB m_hoverColor = 0xFFFF0000;
    Gdiplus::ARGB m_focusColor = 0xFF00FF00;
    Gdiplus::ARGB m_arrowColor = 0xFF505050;
    Gdiplus::ARGB m_pressedArrowColor = 0xFFFF0000;
    Gdiplus::ARGB m_upperButtonColor = 0xFFF0F0F0;
    Gdiplus::ARGB m_lowerButtonColor = 0xFFBEBEBE;

private:
    void copyStyle(const IGDIpGradientCtrl& other);
};
