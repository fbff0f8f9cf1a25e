#include "CTransparentBarDisplay.h"

#include <ProgramFolder.h>

#include <algorithm>
#include <cmath>

IMPLEMENT_DYNAMIC(CTransparentBarDisplay, CCompCtrl)

BEGIN_MESSAGE_MAP(CTransparentBarDisplay, CCompCtrl)
ON_WM_PAINT()
ON_WM_SIZE()
ON_WM_ERASEBKGND()
END_MESSAGE_MAP()

const wchar_t* const CTransparentBarDisplay::kSkinImage = L"\\Skins\\Beznazwy-1.tif";

namespace {

int roundHalfAway(double v)
{
    return int(std::lround(v));
}

// Each channel moved toward white by f.
COLORREF fadeToWhite(COLORREF c, double f)
{
    auto channel = [f](int v) { return roundHalfAway(v + f * (255 - v)); };
    return RGB(channel(GetRValue(c)), channel(GetGValue(c)), channel(GetBValue(c)));
}

} // namespace

CTransparentBarDisplay::CTransparentBarDisplay() : ITransparentCtrl(this)
{
    m_barFont.CreateFont(-8, 0, 0, 0, FW_NORMAL, 0, 0, 0, DEFAULT_CHARSET, 0, 0, 0, 0, L"Arial Narrow");
    m_font = &m_barFont;
    m_valueFormat = L"%d";
}

CTransparentBarDisplay::~CTransparentBarDisplay() = default;

const CExtImage& CTransparentBarDisplay::sharedImage()
{
    static CExtImage image;
    static bool tried = false;
    if (!tried) {
        tried = true;
        image.Load((programFolder() + kSkinImage).c_str());
    }
    return image;
}

void CTransparentBarDisplay::setPos(double pos)
{
    if (pos == m_pos)
        return;
    m_pos = pos;
    if (m_hWnd)
        CCompCtrl::Invalidate(FALSE);
}

void CTransparentBarDisplay::loadImage(CString path)
{
    m_barImage = CExtImage();
    m_imageLoaded = m_barImage.Load(path) != 0;
    if (m_hWnd)
        CCompCtrl::Invalidate(FALSE);
}

// With no segments or no range there is nothing to light but the first.
int CTransparentBarDisplay::value2LEDIdx(double v) const
{
    if (m_segmentCount <= 0 || !(m_range > 0))
        return 0;
    const int idx = roundHalfAway((m_segmentCount - 1) * std::fabs(v) / m_range);
    return std::max(0, std::min(m_segmentCount - 1, idx));
}

COLORREF CTransparentBarDisplay::barHotColor(int i, int n) const
{
    return fadeToWhite(m_hotColor, n > 0 ? 1.0 - double(i) / n : 0.0);
}

COLORREF CTransparentBarDisplay::barColdColor(int i, int n) const
{
    if (n <= 0)
        return m_coldColor;
    const double f = (m_mode == 2 && m_reverse) ? double(n - i) / n : double(i) / n;
    return fadeToWhite(m_coldColor, f);
}

void CTransparentBarDisplay::OnSize(UINT, int, int)
{
    Default();
    CRect client;
    GetClientRect(&client);
    CRect area = client;
    if (vertical()) {
        m_labelRect =
            CRect(client.left, client.top, client.right, client.top + std::min(40, client.Height() / 5));
        m_valueRect = CRect(client.left, m_labelRect.bottom, client.right, client.bottom);
        area.top = m_labelRect.bottom;
    } else {
        m_labelRect = CRect(client.left, client.top, client.left + client.Width() / 5, client.bottom);
        m_valueRect = CRect(m_labelRect.right, client.top, client.right, client.bottom);
        area.left = m_labelRect.right;
    }
    area.DeflateRect(2, 2);
    layoutSegments(area);
}

// Equal cells with 1-pixel gaps and margins, from the bottom up in the
// vertical modes, from the left otherwise; mode 2 keeps one more cell.
void CTransparentBarDisplay::layoutSegments(const CRect& area)
{
    m_segmentList.clear();
    const int n = std::max(0, m_segmentCount);
    const int cells = n + (m_mode == 2 ? 1 : 0);
    if (cells == 0)
        return;
    const int extent = vertical() ? area.Height() : area.Width();
    const int cell = std::max(1, (extent - (cells + 1)) / cells);
    auto cellRect = [&](int k) {
        const int offset = 1 + k * (cell + 1);
        if (vertical())
            return CRect(area.left + 1, area.bottom - offset - cell, area.right - 1, area.bottom - offset);
        return CRect(area.left + offset, area.top + 1, area.left + offset + cell, area.bottom - 1);
    };
    for (int i = 0; i < n; ++i)
        m_segmentList.push_back(
            {cellRect(i), cellRect(cells - 1 - i), barHotColor(i, n), barColdColor(i, n)});
}

CString CTransparentBarDisplay::valueText() const
{
    CString text;
    if (m_decimal)
        text.Format(m_valueFormat, m_pos);
    else
        text.Format(m_valueFormat, int(m_pos));
    return text;
}

void CTransparentBarDisplay::paintTexts(CDC& dc, COLORREF valueColor)
{
    CFont* old = m_font ? dc.SelectObject(m_font) : nullptr;
    dc.SetBkMode(TRANSPARENT);
    if (m_labelFrame)
        dc.Draw3dRect(&m_labelRect, m_bkColor, m_bkColor);
    dc.SetTextColor(0);
    dc.DrawText(m_labelFormat, &m_labelRect, DT_CENTER | DT_VCENTER | DT_SINGLELINE);
    dc.SetTextColor(valueColor);
    dc.DrawText(valueText(), &m_valueRect, DT_CENTER | DT_VCENTER | DT_SINGLELINE);
    if (old)
        dc.SelectObject(old);
}

void CTransparentBarDisplay::paintImage(CDC& dc, const CRect& client, const CExtImage& image)
{
    const int side = std::min(client.Width(), client.Height() - m_labelRect.Height());
    if (side <= 0 || image.GetWidth() <= 0 || image.GetHeight() <= 0)
        return;
    const int x = client.left + (client.Width() - side) / 2;
    const int y = m_labelRect.bottom + (client.Height() - m_labelRect.Height() - side) / 2;
    image.alphaBlend(dc.m_hDC, x, y, double(side) / image.GetWidth(), double(side) / image.GetHeight());
    CRect square(x, y, x + side, y + side);
    paintTexts(dc, RGB(255, 255, 255));
    CPen pen(PS_SOLID, 1, RGB(255, 0, 0));
    CBrush brush(RGB(255, 0, 0));
    CPen* oldPen = dc.SelectObject(&pen);
    CBrush* oldBrush = dc.SelectObject(&brush);
    const int d = side / 15;
    const int cx = square.left + side / 5;
    const int cy = square.top + side / 2;
    dc.Ellipse(cx - d / 2, cy - d / 2, cx - d / 2 + d, cy - d / 2 + d);
    dc.SelectObject(oldBrush);
    dc.SelectObject(oldPen);
}

void CTransparentBarDisplay::paintSegments(CDC& dc, const CRect& client)
{
    dc.Draw3dRect(&client, m_bkColor, m_bkColor);
    CRect inner = client;
    inner.DeflateRect(1, 1);
    dc.Draw3dRect(&inner, m_bkColor, m_bkColor);
    for (const Segment& s : m_segmentList)
        dc.FillSolidRect(&s.first, m_bkColor);
    if (!m_segmentList.empty()) {
        const int last = value2LEDIdx(m_pos);
        const int n = int(m_segmentList.size());
        for (int k = 0; k <= last && k < n; ++k) {
            if (m_pos >= 0)
                dc.FillSolidRect(&m_segmentList[k].first, m_segmentList[k].hot);
            else if (m_mode == 2)
                dc.FillSolidRect(&m_segmentList[k].second, m_segmentList[k].cold);
            else
                dc.FillSolidRect(&m_segmentList[n - 1 - k].first, m_segmentList[n - 1 - k].cold);
        }
    }
    paintTexts(dc, m_pos >= 0 ? m_positiveColor : m_negativeColor);
}

void CTransparentBarDisplay::OnPaint()
{
    beginTransparentPaint();
    CRect client;
    GetClientRect(&client);
    const CExtImage& shared = sharedImage();
    if (shared.IsLoaded())
        paintImage(m_memDC, client, m_imageLoaded ? m_barImage : shared);
    else
        paintSegments(m_memDC, client);
    endTransparentPaint();
}

BOOL CTransparentBarDisplay::OnEraseBkgnd(CDC*)
{
    return TRUE;
}
