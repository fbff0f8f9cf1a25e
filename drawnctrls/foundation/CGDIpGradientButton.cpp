#include "CGDIpGradientButton.h"

#include "ImageFit.h"
#include "TransparentPaint.h"

#include <algorithm>
#include <cmath>

using namespace Gdiplus;

IMPLEMENT_DYNAMIC(CGDIpGradientButton, CButton)

BEGIN_MESSAGE_MAP(CGDIpGradientButton, CButton)
ON_WM_MOUSEMOVE()
ON_WM_MOUSELEAVE()
ON_WM_SIZE()
ON_WM_MOVE()
END_MESSAGE_MAP()

namespace {

const double kPi = 3.14159265358979323846;

} // namespace

CGDIpGradientButton::CGDIpGradientButton() : ITransparentCtrl(this), IGDIpGradientCtrl(this)
{
    setMarginFractions(0, 0, 0, 0);
    setCornerFractions(0.3);
    m_drawFrame = false;
    m_fillBackground = false;
    m_drawGradient = true;
    m_gradientStart = 0xFF000000;
    m_gradientEnd = 0xFF000000;
    m_textColor = RGB(255, 255, 255);

    m_highlightPack.setMarginFractions(0, 0, 0, 0);
    m_highlightPack.m_drawFrame = false;
    m_highlightPack.m_fillBackground = false;
    m_highlightPack.m_drawGradient = true;
    m_highlightPack.m_gradientStart = 0xFF252422;
    m_highlightPack.m_gradientEnd = 0xFF696665;
    const float factors[3] = {0.0f, 0.75f, 1.0f};
    const float positions[3] = {0.0f, 0.25f, 1.0f};
    std::copy(factors, factors + 3, m_highlightPack.m_blendFactors);
    std::copy(positions, positions + 3, m_highlightPack.m_blendPositions);
    const double corners[4] = {0.6, 0.6, 0, 0};
    std::copy(corners, corners + 4, m_highlightPack.m_cornerFractions);
    m_pressedHighlightPack = m_highlightPack;
    m_pressedStart = m_gradientStart;
    m_pressedEnd = m_gradientEnd;
}

CGDIpGradientButton::CGDIpGradientButton(const CGDIpGradientButton& other)
    : CButton(), ITransparentCtrl(this), IOwnFontCtrl(other), IGDIpGradientCtrl(other, this)
{
    copyLook(other);
}

CGDIpGradientButton& CGDIpGradientButton::operator=(const CGDIpGradientButton& other)
{
    if (this == &other)
        return *this;
    IOwnFontCtrl::operator=(other);
    IGDIpGradientCtrl::copy(other);
    copyLook(other);
    placeImages();
    return *this;
}

CGDIpGradientButton::~CGDIpGradientButton() = default;

void CGDIpGradientButton::copyLook(const CGDIpGradientButton& o)
{
    m_highlightPack = o.m_highlightPack;
    m_pressedHighlightPack = o.m_pressedHighlightPack;
    m_pressedStart = o.m_pressedStart;
    m_pressedEnd = o.m_pressedEnd;
    m_textAngle = o.m_textAngle;
    m_hoverTextColor = o.m_hoverTextColor;
    m_pressedTextColor = o.m_pressedTextColor;
    m_textFormat = o.m_textFormat;
    m_pressShrink = o.m_pressShrink;
    m_imageNo = o.m_imageNo;
    m_images = o.m_images;
    m_imagePos = CPoint();
    m_pressedImagePos = CPoint();
}

void CGDIpGradientButton::PreSubclassWindow()
{
    ModifyStyle(0, BS_OWNERDRAW);
    CButton::PreSubclassWindow();
    v_recalcData();
}

void CGDIpGradientButton::v_recalcData()
{
    v_recalcData(CSize(0, 0));
}

void CGDIpGradientButton::v_recalcData(CSize inset)
{
    if (!m_hWnd)
        return;
    CRect body;
    GetClientRect(&body);
    body.DeflateRect(inset.cx, inset.cy);
    CRect highlight;
    if (m_textAngle == 0 || m_textAngle == 180) {
        recalcGeometry(body, body.Height());
        const double corners[4] = {0.6, 0.6, 0, 0};
        std::copy(corners, corners + 4, m_highlightPack.m_cornerFractions);
        highlight =
            CRect(body.left + 5, body.top + 5, body.right - 5, body.top + 5 + (body.Height() - 10) / 2);
    } else {
        recalcGeometry(body, body.Width());
        const double corners[4] = {0.1, 0, 0, 0.1};
        std::copy(corners, corners + 4, m_highlightPack.m_cornerFractions);
        highlight =
            CRect(body.left + 5, body.top + 5, body.left + 5 + (body.Width() - 10) / 2, body.bottom - 5);
    }
    m_highlightPack.v_recalcData(highlight);
    placeImages();
}

void CGDIpGradientButton::setImage(int i)
{
    if (i >= 0 && i < int(m_images.size())) {
        m_imageNo = i;
        placeImages();
    }
    if (m_hWnd)
        Invalidate(FALSE);
}

void CGDIpGradientButton::placeImages()
{
    if (m_imageNo < 0 || m_imageNo >= int(m_images.size()) || !m_images[m_imageNo])
        return;
    const CExtImage& source = *m_images[m_imageNo];
    m_imagePos = fitImage(m_image, source, getRect());
    m_pressedImagePos = fitImage(m_pressedImage, source, getRect(), m_pressShrink);
}

void CGDIpGradientButton::DrawItem(LPDRAWITEMSTRUCT lpDrawItemStruct)
{
    CDC* dc = CDC::FromHandle(lpDrawItemStruct->hDC);
    paintTransparent(*this, *dc, m_memDC,
                     [this, lpDrawItemStruct](CDC& mem) { v_draw(mem, lpDrawItemStruct); });
}

void CGDIpGradientButton::v_draw(CDC& dc, LPDRAWITEMSTRUCT dis)
{
    const IGDIpGradientRectPack savedHighlight(m_highlightPack);
    const ARGB savedStart = m_gradientStart;
    const ARGB savedEnd = m_gradientEnd;
    if ((dis->itemState & ODS_FOCUS) || m_pushed) {
        m_highlightPack = m_pressedHighlightPack;
        m_gradientStart = m_pressedStart;
        m_gradientEnd = m_pressedEnd;
    }

    const bool selected = (dis->itemState & ODS_SELECTED) != 0;
    if (!drawImage(dc, selected)) {
        Rect body(m_left, m_top, m_right - m_left - 1, m_bottom - m_top - 1);
        int grow = 0;
        if (selected && !m_pressedImage.IsLoaded()) {
            grow = int(-std::min(body.Width, body.Height) * m_pressShrink);
            if (grow == 0)
                grow = -1;
            body.Inflate(grow, grow);
        }
        drawBody(dc, body, grow);
        drawText(dc, textRectOf(body), dis);
    }

    m_highlightPack = savedHighlight;
    m_gradientStart = savedStart;
    m_gradientEnd = savedEnd;
}

CRect CGDIpGradientButton::textRectOf(const Rect& body)
{
    return CRect(body.X + 10, body.Y, body.GetRight() - 10, body.GetBottom());
}

CRect CGDIpGradientButton::textRect() const
{
    if (m_imageOnly && m_image.IsLoaded())
        return CRect();
    return textRectOf(Rect(m_left, m_top, m_right - m_left - 1, m_bottom - m_top - 1));
}

bool CGDIpGradientButton::drawImage(CDC& dc, bool selected)
{
    if (selected) {
        if (!m_pressedImage.IsLoaded())
            return false;
        m_pressedImage.alphaBlend(dc, m_pressedImagePos.x, m_pressedImagePos.y);
        return m_imageOnly;
    }
    if (!m_image.IsLoaded())
        return false;
    if (m_blendImage)
        m_image.alphaBlend(dc, m_imagePos.x, m_imagePos.y);
    else
        m_image.Draw(dc, m_imagePos.x, m_imagePos.y);
    return m_imageOnly;
}

void CGDIpGradientButton::drawBody(CDC& dc, Rect body, int grow)
{
    {
        Graphics g(dc.m_hDC);
        g.SetSmoothingMode(SmoothingModeAntiAlias);
        v_drawBackground(g, body);
    }
    if (IsWindowEnabled())
        m_highlightPack.v_drawButtonFlash(dc, grow);
    Graphics g(dc.m_hDC);
    g.SetSmoothingMode(SmoothingModeAntiAlias);
    v_drawFrame(g, body);
}

void CGDIpGradientButton::drawText(CDC& dc, const CRect& r, LPDRAWITEMSTRUCT dis)
{
    CString text;
    GetWindowText(text);
    if (m_font)
        dc.SelectObject(m_font);
    dc.SetBkMode(TRANSPARENT);
    if ((dis->itemState & ODS_FOCUS) || m_pushed)
        dc.SetTextColor(m_pressedTextColor);
    else
        dc.SetTextColor(m_mouseOver ? m_hoverTextColor : m_textColor);
    CRect textRect(r);
    if (m_textAngle == 0)
        dc.DrawText(text, &textRect, m_textFormat);
    else
        drawRotatedText(dc, textRect, text);
}

// Turned about the middle of r. Without an own font the window's font (or
// the system's GUI font) is turned instead.
void CGDIpGradientButton::drawRotatedText(CDC& dc, const CRect& r, const CString& text)
{
    LOGFONTW lf{};
    HGDIOBJ source = m_font ? m_font->m_hObject : reinterpret_cast<HGDIOBJ>(SendMessage(WM_GETFONT));
    if (!source || !::GetObjectW(source, sizeof lf, &lf))
        ::GetObjectW(::GetStockObject(DEFAULT_GUI_FONT), sizeof lf, &lf);
    lf.lfEscapement = int(m_textAngle * 10);
    CFont rotated;
    if (!rotated.CreateFontIndirect(&lf))
        return;
    CFont* old = dc.SelectObject(&rotated);
    const double theta = m_textAngle * kPi / 180;
    const CSize extent = dc.GetTextExtent(text);
    const double halfX = extent.cx / 2.0;
    const double halfY = extent.cy / 2.0;
    const int d = int(halfX * std::cos(theta) - halfY * std::sin(theta));
    dc.SetTextAlign(TA_BASELINE);
    const int x = r.Width() / 2 + r.left - d / 2;
    const int y = r.top + r.Height() / 2 + int(halfX * std::sin(theta) + halfY * std::cos(theta));
    dc.ExtTextOut(x, y, ETO_CLIPPED, &r, text, UINT(text.GetLength()), nullptr);
    dc.SelectObject(old);
}

void CGDIpGradientButton::OnMouseMove(UINT, CPoint)
{
    if (!m_mouseOver) {
        m_trackLeave = TRACKMOUSEEVENT{sizeof(TRACKMOUSEEVENT), TME_LEAVE, m_hWnd, 1};
        TrackMouseEvent(&m_trackLeave);
        m_mouseOver = true;
        Invalidate(FALSE);
    }
    Default();
}

void CGDIpGradientButton::OnMouseLeave()
{
    if (m_mouseOver) {
        m_mouseOver = false;
        Invalidate(FALSE);
    }
    Default();
}

void CGDIpGradientButton::OnSize(UINT, int, int)
{
    Default();
    v_recalcData();
}

void CGDIpGradientButton::OnMove(int, int)
{
    Default();
    v_recalcData();
}
