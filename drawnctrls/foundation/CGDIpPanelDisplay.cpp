#include "CGDIpPanelDisplay.h"

#include "TransparentPaint.h"

using namespace Gdiplus;

IMPLEMENT_DYNAMIC(CGDIpPanelDisplay, CGDIpTransparentCompCtrl)

BEGIN_MESSAGE_MAP(CGDIpPanelDisplay, CGDIpTransparentCompCtrl)
ON_WM_LBUTTONDOWN()
END_MESSAGE_MAP()

namespace {

const UINT kCentred = DT_CENTER | DT_VCENTER | DT_SINGLELINE | DT_END_ELLIPSIS;
const int kTitleInset = 5;
const int kTextGap = 2;   // between the title band and the texts
const int kBottomGap = 2; // between the cells and the client's bottom
const int kMarkGrow = 2;  // repainted around a mark that changes

// Bold Arial of the given character height, turned by `escapement` tenths of
// a degree, rebuilt in the same font object.
void makeFont(CFont& font, double height, int escapement)
{
    LOGFONTW lf{};
    lf.lfHeight = -int(height);
    lf.lfEscapement = lf.lfOrientation = escapement;
    lf.lfWeight = FW_BOLD;
    wcscpy(lf.lfFaceName, L"Arial");
    font.DeleteObject();
    font.CreateFontIndirect(&lf);
}

int fontHeight(CDC& dc, CFont& font)
{
    CFont* old = dc.SelectObject(&font);
    TEXTMETRICW tm{};
    dc.GetTextMetrics(&tm);
    dc.SelectObject(old);
    return tm.tmHeight;
}

void drawTextIn(CDC& dc, CFont& font, ARGB color, const CString& text, const CRect& r)
{
    if (font.m_hObject)
        dc.SelectObject(&font);
    dc.SetTextColor(colorrefOf(color));
    CRect box(r);
    dc.DrawText(text, &box, kCentred);
}

} // namespace

CGDIpPanelDisplay::CGDIpPanelDisplay()
{
    setMarginFractions(0.01, 0.01, 0.01, 0.01);
    setCornerFractions(0.05);
    m_drawFrame = true;
    m_fillBackground = false;
    m_drawGradient = false;
    m_gradientStart = 0x7D7D7D7D;
    m_gradientEnd = 0xFF7D7D7D;
}

CGDIpPanelDisplay::~CGDIpPanelDisplay() = default;

void CGDIpPanelDisplay::insertPos(Color& colour, CString& text, Color& second, bool checkable, Color& third,
                                  CString* secondText)
{
    CGDIpPanelPos pos;
    pos.m_color = colour.GetValue();
    pos.m_text = text;
    pos.m_secondColor = second.GetValue();
    pos.m_thirdColor = third.GetValue();
    pos.m_checkable = checkable;
    pos.m_secondText = secondText;
    m_positions.push_back(pos);
    v_recalcPos();
    if (m_hWnd)
        Invalidate(FALSE);
}

void CGDIpPanelDisplay::v_recalcData(const CRect& r)
{
    CGDIpTransparentCompCtrl::v_recalcData(r);
    v_recalcPos();
}

void CGDIpPanelDisplay::rebuildFonts(int clientHeight)
{
    makeFont(m_titleFont, clientHeight / m_titleDivisor, m_titleBeside ? 2700 : 0);
    makeFont(m_textFont, clientHeight / m_textDivisor, 0);
    makeFont(m_secondTextFont, clientHeight / m_secondTextDivisor, 0);
}

void CGDIpPanelDisplay::v_recalcPos()
{
    if (m_positions.empty() || !m_hWnd)
        return;
    CRect client;
    GetClientRect(&client);
    rebuildFonts(client.Height());
    CClientDC dc(this);
    const CRect area = layoutTitle(dc, client);

    CFont* old = dc.SelectObject(&m_textFont);
    const int f = dc.GetTextExtent(CString(L"A")).cy;
    dc.SelectObject(old);
    const int offset = f / 4 > 2 ? f / 4 : 3;
    const int count = int(m_positions.size());
    const int width = area.Width() / count;
    for (int i = 0; i < count; ++i) {
        const int left = area.left + i * width;
        const CRect cell(left, area.top, i == count - 1 ? area.right : left + width,
                         client.bottom - kBottomGap);
        layoutPosition(dc, m_positions[size_t(i)], cell, f / 2, offset);
    }
}

CRect CGDIpPanelDisplay::layoutTitle(CDC& dc, const CRect& client)
{
    const int f = fontHeight(dc, m_titleFont);
    m_rotatedTitleRect.SetRectEmpty();
    if (m_titleBeside) {
        m_titleRect =
            CRect(client.left + kTitleInset, client.top, client.left + kTitleInset + f, client.bottom);
        CFont* old = dc.SelectObject(&m_titleFont);
        const int length = dc.GetTextExtent(m_title).cx;
        dc.SelectObject(old);
        const int top = m_titleRect.top + (m_titleRect.Height() - length) / 2;
        m_rotatedTitleRect = CRect(m_titleRect.left, top, m_titleRect.right, top + length);
        return CRect(m_titleRect.right, client.top, client.right, client.bottom);
    }
    if (m_title.IsEmpty()) {
        m_titleRect.SetRectEmpty();
        return client;
    }
    m_titleRect = CRect(client.left + kTitleInset, client.top + kTitleInset, client.right - kTitleInset,
                        client.top + kTitleInset + f - f / 4);
    return CRect(client.left, m_titleRect.bottom, client.right, client.bottom);
}

// The text line starts just below the title band, the cell just below the
// text; a checkable position's mark stands before its text.
void CGDIpPanelDisplay::layoutPosition(CDC& dc, CGDIpPanelPos& pos, const CRect& cell, int markSide,
                                       int markOffset)
{
    const int top = cell.top + kTextGap;
    int height = 0;
    if (!pos.m_text.IsEmpty()) {
        CFont* old = dc.SelectObject(&m_textFont);
        height = dc.GetTextExtent(pos.m_text).cy;
        dc.SelectObject(old);
    }
    pos.m_textRect = CRect(cell.left, top, cell.right, top + height);
    pos.m_markRect.SetRectEmpty();
    if (pos.m_checkable) {
        const int x = cell.left + markOffset;
        pos.m_markRect = CRect(x, top + markOffset, x + markSide, top + markOffset + markSide);
        pos.m_textRect.left = pos.m_markRect.right;
    }
    pos.m_cellRect = CRect(cell.left, pos.m_textRect.bottom, cell.right, cell.bottom);
}

void CGDIpPanelDisplay::v_draw(CDC& dc)
{
    if (m_positions.empty())
        return;
    const int saved = dc.SaveDC();
    dc.SetBkMode(TRANSPARENT);
    drawTitle(dc);
    for (size_t i = 0; i < m_positions.size(); ++i)
        drawPosition(dc, m_positions[i], i + 1 == m_positions.size());
    dc.RestoreDC(saved);
}

void CGDIpPanelDisplay::drawTitle(CDC& dc)
{
    if (m_title.IsEmpty() || !m_titleFont.m_hObject)
        return;
    if (!m_titleBeside) {
        drawTextIn(dc, m_titleFont, m_titleColor, m_title, m_titleRect);
        return;
    }
    // Turned to read downwards, the text's top faces right.
    dc.SelectObject(&m_titleFont);
    dc.SetTextColor(colorrefOf(m_titleColor));
    dc.SetTextAlign(TA_LEFT | TA_TOP);
    dc.TextOut(m_rotatedTitleRect.right, m_rotatedTitleRect.top, m_title);
}

void CGDIpPanelDisplay::drawPosition(CDC& dc, const CGDIpPanelPos& pos, bool last)
{
    drawTextIn(dc, m_textFont, pos.m_color, pos.m_text, pos.m_textRect);
    if (pos.m_secondText)
        drawTextIn(dc, m_secondTextFont, pos.m_secondColor, *pos.m_secondText, pos.m_cellRect);
    Graphics g(dc.m_hDC);
    g.SetSmoothingMode(SmoothingModeAntiAlias);
    if (!last) {
        Pen pen{Color(m_separatorColor), REAL(m_separatorWidth)};
        const CRect& c = pos.m_cellRect;
        g.DrawLine(&pen, int(c.right), int(pos.m_textRect.top), int(c.right), int(c.bottom));
    }
    if (!pos.m_checkable)
        return;
    const CRect& m = pos.m_markRect;
    if (pos.m_checked) {
        SolidBrush brush{Color(pos.m_thirdColor)};
        g.FillRectangle(&brush, m.left - 1, m.top - 1, m.Width() + 2, m.Height() + 2);
    } else {
        Pen pen{Color(pos.m_thirdColor), 1.0f};
        g.DrawRectangle(&pen, m.left, m.top, m.Width(), m.Height());
    }
}

void CGDIpPanelDisplay::OnLButtonDown(UINT, CPoint point)
{
    for (size_t i = 0; i < m_positions.size(); ++i) {
        CGDIpPanelPos& pos = m_positions[i];
        if (!pos.m_checkable || !pos.m_markRect.PtInRect(point))
            continue;
        pos.m_checked = !pos.m_checked;
        CRect r(pos.m_markRect);
        r.InflateRect(kMarkGrow, kMarkGrow);
        InvalidateRect(&r, FALSE);
        if (m_callback)
            m_callback(int(i), pos.m_checked);
        break;
    }
    Default();
}
