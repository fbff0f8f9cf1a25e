#include "CGDIpGaugeDisplay.h"

#include <algorithm>

using namespace Gdiplus;

IMPLEMENT_DYNAMIC(CGDIpGaugeDisplay, CGDIpTransparentCompCtrl)

std::wstring CGDIpGaugeDisplay::m_sPath;

CGDIpGaugeDisplay::CGDIpGaugeDisplay()
{
    setMarginFractions(0, 0, 0, 0);
    setCornerFractions(0.25);
}

CGDIpGaugeDisplay::~CGDIpGaugeDisplay() = default;

void CGDIpGaugeDisplay::v_createOwnCtrls()
{
    const DWORD style = WS_CHILD | WS_VISIBLE | SS_CENTER | SS_CENTERIMAGE;
    m_display.Create(L"Display", style, CRect(), this, kDisplayId);
    m_title.Create(L"Title", style, CRect(), this, kTitleId);
    m_display.m_font = m_title.m_font = m_font;
    CRect client;
    GetClientRect(&client);
    placeStatics(client);
}

void CGDIpGaugeDisplay::placeStatics(const CRect& client)
{
    if (!m_display.m_hWnd || !m_title.m_hWnd)
        return;
    const CPoint c = client.CenterPoint();
    const int w = client.Width();
    const int h = client.Height();
    const CRect display(c.x - int(0.225 * w), c.y - int(0.15 * h), c.x + int(0.225 * w), c.y + int(0.15 * h));
    const CRect title(c.x - int(0.3 * w), display.top - int(0.2 * h), c.x + int(0.3 * w), display.top);
    m_display.MoveWindow(&display);
    m_title.MoveWindow(&title);
}

void CGDIpGaugeDisplay::v_recalcData(const CRect& r)
{
    CGDIpTransparentCompCtrl::v_recalcData(r);
    placeStatics(r);
}

void CGDIpGaugeDisplay::setPos(int pos)
{
    if (pos == m_pos)
        return;
    m_pos = pos;
    const double angle = m_startAngle + (m_endAngle - m_startAngle) * pos / 1000.0;
    const double low = std::min(m_startAngle, m_endAngle);
    const double high = std::max(m_startAngle, m_endAngle);
    m_indicatorAngle = std::clamp(angle, low, high);
    if (!m_hWnd)
        return;
    // The value static repaints on its own when its text changes.
    CRect client, display;
    GetClientRect(&client);
    CRgn all, except;
    all.CreateRectRgnIndirect(&client);
    if (m_display.m_hWnd) {
        m_display.GetWindowRect(&display);
        ScreenToClient(&display);
        except.CreateRectRgnIndirect(&display);
        all.CombineRgn(&all, &except, RGN_XOR);
    }
    InvalidateRgn(&all, FALSE);
}

// The needle: a rounded bar from the pivot outward, pointing up at angle 0
// and turned clockwise about the client centre.
void CGDIpGaugeDisplay::v_draw(CDC& dc)
{
    CRect client;
    GetClientRect(&client);
    const double s = std::min(client.Width(), client.Height());
    const int width = std::max(2, int(m_indicatorFractions[0] * s));
    const int length = std::max(2, int(m_indicatorFractions[1] * s));
    const int corner = std::max(1, int(m_indicatorFractions[3] * length));
    const PointF pivot(REAL(client.left + m_indicatorFractions[2] * client.Width()),
                       REAL(client.top + m_indicatorFractions[2] * client.Height()));
    GraphicsPath needle;
    const int d[4] = {corner, corner, corner, corner};
    roundRect(needle, Rect(-width / 2, -length, width, length), d);
    Matrix turn;
    turn.Translate(pivot.X, pivot.Y);
    turn.Rotate(REAL(m_indicatorAngle));
    needle.Transform(&turn);
    Graphics g(dc.m_hDC);
    g.SetSmoothingMode(SmoothingModeAntiAlias);
    LinearGradientBrush brush(Rect(-width / 2, -length, width, length), Color(0xFFFFFFFF), Color(0xFFFF0000),
                              LinearGradientModeHorizontal);
    brush.SetTransform(&turn);
    brush.SetGammaCorrection(TRUE);
    g.FillPath(&brush, &needle);
}
