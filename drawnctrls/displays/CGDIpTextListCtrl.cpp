#include "CGDIpTextListCtrl.h"

#include "DcTextLook.h"

#include <algorithm>

IMPLEMENT_DYNAMIC(CGDIpTextListCtrl, CGDIpTransparentCompCtrl)

BEGIN_MESSAGE_MAP(CGDIpTextListCtrl, CGDIpTransparentCompCtrl)
ON_WM_LBUTTONDOWN()
ON_WM_MOUSEMOVE()
ON_WM_TIMER()
ON_WM_MOUSELEAVE()
END_MESSAGE_MAP()

namespace {
const int kMarkRadius = 5;
const UINT kScrollPeriod = 100;
} // namespace

CGDIpTextListCtrl::CGDIpTextListCtrl()
{
    setMarginFractions(0, 0, 0, 0);
    setCornerFractions(0.05);
    m_gradientMode = Gdiplus::LinearGradientModeForwardDiagonal;
    m_gradientStart = 0xFF808080;
    m_gradientEnd = 0xFFEAEAEA;
    const float factors[3] = {0.0f, 0.25f, 1.0f};
    const float positions[3] = {0.0f, 0.5f, 1.0f};
    std::copy(factors, factors + 3, m_blendFactors);
    std::copy(positions, positions + 3, m_blendPositions);
    m_drawFrame = false;
    m_fillBackground = false;
}

CGDIpTextListCtrl::~CGDIpTextListCtrl() = default;

CGDIpTextListCtrl& CGDIpTextListCtrl::operator=(const CGDIpTextListCtrl& other)
{
    CGDIpTransparentCompCtrl::operator=(other);
    m_pressed = other.m_pressed;
    m_mousePos = other.m_mousePos;
    m_textLines = other.m_textLines;
    m_newestAtTop = other.m_newestAtTop;
    m_padLeft = other.m_padLeft;
    m_padTop = other.m_padTop;
    m_padRight = other.m_padRight;
    m_padBottom = other.m_padBottom;
    m_textRect = other.m_textRect;
    m_lineHeight = other.m_lineHeight;
    m_visibleLines = other.m_visibleLines;
    m_firstOffset = other.m_firstOffset;
    return *this;
}

void CGDIpTextListCtrl::v_recalcData(const CRect& rect)
{
    CGDIpTransparentCompCtrl::v_recalcData(rect);
    LOGFONTW lf{};
    if (!m_font || !m_font->GetLogFont(&lf))
        return;
    const int* d = m_cornerDiameters;
    m_textRect.SetRect(rect.left + d[0] / 4 + m_padLeft, rect.top + d[1] / 4 + m_padTop,
                       rect.right - d[2] / 4 - m_padRight, rect.bottom - d[3] / 4 - m_padBottom);
    // Only a character height (negative) gives lines.
    m_lineHeight = std::max(0, int(-lf.lfHeight * 1.15));
    m_visibleLines = m_lineHeight > 0 ? std::max(0, m_textRect.Height()) / m_lineHeight : 0;
}

std::vector<int> CGDIpTextListCtrl::shownLines(bool& markTop, bool& markBottom) const
{
    std::vector<int> lines;
    const int n = int(m_textLines.size());
    if (!m_newestAtTop) {
        const int end = std::min(m_firstOffset + m_visibleLines, n);
        for (int i = std::max(0, m_firstOffset); i < end; ++i)
            lines.push_back(i);
        markTop = m_firstOffset > 0;
        markBottom = end < n;
        return lines;
    }
    const int last = n - m_firstOffset - 1;
    const int first = std::max(last - m_visibleLines, 0);
    for (int i = std::min(last, n - 1); i >= first; --i)
        lines.push_back(i);
    markTop = last < n - 1;
    markBottom = first > 0;
    return lines;
}

void CGDIpTextListCtrl::v_draw(CDC& dc)
{
    if (!m_font || m_lineHeight == 0 || m_visibleLines == 0 || m_textLines.empty())
        return;
    DcTextLook look(dc, m_font, m_textColor);
    bool markTop = false, markBottom = false;
    CRect line(m_textRect.left, m_textRect.top, m_textRect.right, m_textRect.top + m_lineHeight);
    for (int index : shownLines(markTop, markBottom)) {
        dc.DrawText(m_textLines[size_t(index)], &line, m_drawFormat);
        line.OffsetRect(0, m_lineHeight);
    }
    if (markTop)
        drawMark(dc, true);
    if (markBottom)
        drawMark(dc, false);
}

void CGDIpTextListCtrl::drawMark(CDC& dc, bool top)
{
    CRect client;
    GetClientRect(&client);
    const int x = client.Width() / 2;
    const int y = top ? 0 : client.Height() - 2 * kMarkRadius;
    dc.Ellipse(x - kMarkRadius, y, x + kMarkRadius, y + 2 * kMarkRadius);
}

void CGDIpTextListCtrl::repaint()
{
    if (m_hWnd)
        Invalidate(FALSE);
}

bool CGDIpTextListCtrl::scroll(CPoint p)
{
    if (!m_hWnd)
        return false;
    CRect client;
    GetClientRect(&client);
    if (p.y >= client.top && p.y < client.top + m_lineHeight) {
        if (m_firstOffset > 0)
            --m_firstOffset;
        repaint();
        return true;
    }
    if (p.y >= client.bottom - m_lineHeight && p.y < client.bottom) {
        const int limit = int(m_textLines.size()) - m_visibleLines - (m_newestAtTop ? 1 : 0);
        if (limit < 0)
            return false;
        if (m_firstOffset < limit)
            ++m_firstOffset;
        repaint();
        return true;
    }
    return false;
}

void CGDIpTextListCtrl::OnLButtonDown(UINT, CPoint point)
{
    Default();
    m_pressed = true;
    TRACKMOUSEEVENT track{sizeof track, TME_LEAVE, m_hWnd, 0};
    ::TrackMouseEvent(&track);
    KillTimer(kScrollTimer);
    if (scroll(point)) {
        m_mousePos = point;
        SetTimer(kScrollTimer, kScrollPeriod);
    }
}

void CGDIpTextListCtrl::OnMouseMove(UINT, CPoint point)
{
    if (m_pressed)
        m_mousePos = point;
    Default();
}

void CGDIpTextListCtrl::OnTimer(UINT_PTR nIDEvent)
{
    if (nIDEvent == kScrollTimer)
        scroll(m_mousePos);
    Default();
}

void CGDIpTextListCtrl::OnMouseLeave()
{
    m_pressed = false;
    KillTimer(kScrollTimer);
    TRACKMOUSEEVENT track{sizeof track, TME_CANCEL | TME_LEAVE, m_hWnd, 0};
    ::TrackMouseEvent(&track);
    Default();
}
