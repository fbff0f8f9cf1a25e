#include "CGDIpSliderControl.h"

#include "TransparentPaint.h"

using namespace Gdiplus;

IMPLEMENT_DYNAMIC(CGDIpSliderControl, CSliderCtrl)

BEGIN_MESSAGE_MAP(CGDIpSliderControl, CSliderCtrl)
ON_NOTIFY_REFLECT(NM_CUSTOMDRAW, &CGDIpSliderControl::OnCustomDraw)
ON_WM_SIZE()
END_MESSAGE_MAP()

namespace {

// r shrunk by inset, filled with colour or outlined with a pen of it.
void drawPart(CDC& dc, const RECT& rc, int inset, ARGB color, bool fill, int penWidth)
{
    CRect r(rc);
    r.DeflateRect(inset, inset);
    if (r.Width() <= 0 || r.Height() <= 0)
        return;
    Graphics g(dc.m_hDC);
    g.SetSmoothingMode(SmoothingModeAntiAlias);
    const Rect part(r.left, r.top, r.Width(), r.Height());
    if (fill) {
        SolidBrush brush{Color(color)};
        g.FillRectangle(&brush, part);
    } else {
        Pen pen{Color(color), REAL(penWidth)};
        g.DrawRectangle(&pen, part);
    }
}

} // namespace

CGDIpSliderControl::CGDIpSliderControl() : ITransparentCtrl(this)
{
    setCornerFractions(0.05);
    m_drawFrame = true;
    m_fillBackground = false;
    m_drawGradient = false;
}

CGDIpSliderControl::~CGDIpSliderControl() = default;

void CGDIpSliderControl::setColors(Color channel, Color thumb, int width)
{
    m_thumbInset = width;
    m_thumbColor = thumb.GetValue();
    m_channelColor = channel.GetValue();
    m_thumbPenWidth = m_channelPenWidth = width;
}

// A full repaint, frame and all. Switching the window off and on again
// would do as much, but would enable a disabled slider and take the
// keyboard focus away from a focused one.
void CGDIpSliderControl::Invalidate(BOOL bErase)
{
    if (!m_hWnd)
        return;
    RedrawWindow(nullptr, nullptr, RDW_INVALIDATE | RDW_FRAME | (bErase ? RDW_ERASE : 0));
}

void CGDIpSliderControl::OnSize(UINT, int, int)
{
    Default();
    CRect r;
    GetClientRect(&r);
    r.DeflateRect(1, 1);
    v_recalcData(r);
}

void CGDIpSliderControl::OnCustomDraw(NMHDR* pNMHDR, LRESULT* pResult)
{
    auto* nmcd = reinterpret_cast<NMCUSTOMDRAW*>(pNMHDR);
    if (nmcd->dwDrawStage == CDDS_PREPAINT)
        *pResult = CDRF_NOTIFYITEMDRAW;
    else if (nmcd->dwDrawStage == CDDS_ITEMPREPAINT)
        *pResult = drawItem(*nmcd);
    else
        *pResult = CDRF_DODEFAULT;
}

// The channel is only noted; the thumb's stage paints background, frame,
// channel and thumb at once. Tics are the slider's own.
LRESULT CGDIpSliderControl::drawItem(NMCUSTOMDRAW& nmcd)
{
    if (nmcd.dwItemSpec == TBCD_CHANNEL) {
        m_channelDraw = nmcd;
        return CDRF_SKIPDEFAULT;
    }
    if (nmcd.dwItemSpec != TBCD_THUMB)
        return CDRF_DODEFAULT;
    CDC* dc = CDC::FromHandle(nmcd.hdc);
    paintTransparent(*this, *dc, m_memDC, [this, &nmcd](CDC& mem) {
        if (::GetFocus() == m_hWnd)
            IGDIpGradientRectPack::v_draw(mem);
        v_drawChannel(mem, &m_channelDraw);
        v_drawThumb(mem, &nmcd);
    });
    return CDRF_SKIPDEFAULT;
}

void CGDIpSliderControl::v_drawChannel(CDC& dc, NMCUSTOMDRAW* nmcd)
{
    drawPart(dc, nmcd->rc, m_channelInset, m_channelColor, m_fillChannel, m_channelPenWidth);
}

void CGDIpSliderControl::v_drawThumb(CDC& dc, NMCUSTOMDRAW* nmcd)
{
    drawPart(dc, nmcd->rc, m_thumbInset, m_thumbColor, m_fillThumb, m_thumbPenWidth);
}
