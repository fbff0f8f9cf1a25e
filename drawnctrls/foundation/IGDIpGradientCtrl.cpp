#include "IGDIpGradientCtrl.h"

using namespace Gdiplus;

IGDIpGradientCtrl::IGDIpGradientCtrl(CWnd* owner) : m_owner(owner) {}

IGDIpGradientCtrl::IGDIpGradientCtrl(const IGDIpGradientCtrl& other)
    : IGDIpGradientRectPack(other), m_owner(other.m_owner)
{
    copyStyle(other);
}

IGDIpGradientCtrl::IGDIpGradientCtrl(const IGDIpGradientCtrl& other, CWnd* owner)
    : IGDIpGradientRectPack(other), m_owner(owner)
{
    copyStyle(other);
}

IGDIpGradientCtrl& IGDIpGradientCtrl::operator=(const IGDIpGradientCtrl& other)
{
    copy(other);
    return *this;
}

IGDIpGradientCtrl::~IGDIpGradientCtrl() = default;

void IGDIpGradientCtrl::copy(const IGDIpGradientCtrl& other)
{
    IGDIpGradientRectPack::copy(other);
    copyStyle(other);
}

void IGDIpGradientCtrl::copyStyle(const IGDIpGradientCtrl& o)
{
    m_showFocusFrame = o.m_showFocusFrame;
    m_showHoverFrame = o.m_showHoverFrame;
    m_hoverDashStyle = o.m_hoverDashStyle;
    m_hoverColor = o.m_hoverColor;
    m_focusColor = o.m_focusColor;
    m_arrowColor = o.m_arrowColor;
    m_pressedArrowColor = o.m_pressedArrowColor;
    m_upperButtonColor = o.m_upperButtonColor;
    m_lowerButtonColor = o.m_lowerButtonColor;
}

void IGDIpGradientCtrl::v_recalcData()
{
    if (!m_owner || !m_owner->m_hWnd)
        return;
    CRect client;
    m_owner->GetClientRect(&client);
    v_recalcData(client);
}

void IGDIpGradientCtrl::mouseMove()
{
    if (m_hovered || !m_owner || !m_owner->m_hWnd)
        return;
    m_trackMouse.cbSize = sizeof m_trackMouse;
    m_trackMouse.dwFlags = TME_HOVER | TME_LEAVE;
    m_trackMouse.hwndTrack = m_owner->m_hWnd;
    m_trackMouse.dwHoverTime = 1;
    TrackMouseEvent(&m_trackMouse);
    m_hovered = true;
    m_owner->Invalidate(TRUE);
}

void IGDIpGradientCtrl::mouseLeave()
{
    if (!m_hovered)
        return;
    m_hovered = false;
    if (m_owner && m_owner->m_hWnd)
        m_owner->Invalidate(TRUE);
}

void IGDIpGradientCtrl::v_drawBackground(Graphics& g, Rect r)
{
    if (r.Width <= 0 || r.Height <= 0)
        return;
    const bool enabled = !m_owner || !m_owner->m_hWnd || m_owner->IsWindowEnabled();
    auto brush = gradientBrush(r, enabled ? m_gradientStart : m_disabledStart,
                               enabled ? m_gradientEnd : m_disabledEnd, false);
    if (m_fillBackground)
        fillShape(g, SolidBrush(Color(m_frameColor)), r, m_cornerDiameters);
    if (!m_drawGradient)
        return;
    Rect inner(r.X + m_margins[0], r.Y + m_margins[1], r.Width - m_margins[2] - m_margins[0] - 1,
               r.Height - m_margins[3] - m_margins[1] - 1);
    int d[4];
    innerDiameters(d);
    if (inner.Width > 0 && inner.Height > 0)
        fillShape(g, *brush, inner, d);
}

void IGDIpGradientCtrl::v_drawFrame(Graphics& g, Rect r)
{
    Color color;
    DashStyle dash = DashStyleSolid;
    if (m_hovered && m_showHoverFrame) {
        color = Color(m_hoverColor);
        dash = DashStyle(m_hoverDashStyle);
    } else if (m_focused && m_showFocusFrame) {
        color = Color(m_focusColor);
    } else if (m_drawFrame) {
        color = Color(m_frameColor);
    } else {
        return;
    }
    Pen pen(color, static_cast<REAL>(m_frameWidth));
    pen.SetDashStyle(dash);
    GraphicsPath path;
    roundRect(path, r, m_cornerDiameters);
    g.DrawPath(&pen, &path);
}
