#include "CProgress.h"

#include <algorithm>
#include <cmath>

IMPLEMENT_DYNAMIC(CProgress, CCompCtrl)

BEGIN_MESSAGE_MAP(CProgress, CCompCtrl)
ON_WM_PAINT()
ON_WM_ERASEBKGND()
ON_WM_SIZE()
END_MESSAGE_MAP()

namespace {
const COLORREF kBackground = 0xDCDCDC;
} // namespace

CProgress::CProgress() = default;

CProgress::~CProgress() = default;

void CProgress::init()
{
    GetClientRect(&m_barRect);
    m_barRect.DeflateRect(2, 2);
    m_textRect = CRect(m_barRect.CenterPoint().x + 20, m_barRect.top, m_barRect.right, m_barRect.bottom);
}

int CProgress::value2coordinate(int v) const
{
    return int(std::lround(m_barRect.left + double(m_barRect.Width()) * v / 100.0));
}

void CProgress::setPos(int pos)
{
    const int old = m_pos;
    m_pos = std::clamp(pos, 0, 100);
    if (!m_hWnd)
        return;
    const int x1 = value2coordinate(std::min(old, m_pos)) - 1;
    const int x2 = value2coordinate(std::max(old, m_pos)) + 1;
    CRect strip(x1, m_barRect.top, x2, m_barRect.bottom);
    InvalidateRect(&strip);
    InvalidateRect(&m_textRect);
    UpdateWindow();
}

void CProgress::OnSize(UINT, int, int)
{
    Default();
    init();
}

BOOL CProgress::OnEraseBkgnd(CDC* pDC)
{
    CRect client;
    GetClientRect(&client);
    pDC->FillSolidRect(&client, kBackground);
    return TRUE;
}

void CProgress::OnPaint()
{
    CPaintDC dc(this);
    CRect bar = m_barRect;
    bar.right = value2coordinate(m_pos);
    dc.FillSolidRect(&bar, m_barColor);
    CString text;
    text.Format(L"%d%%", m_pos);
    CFont* font = m_font ? m_font : CFont::FromHandle(HFONT(GetStockObject(DEFAULT_GUI_FONT)));
    CFont* old = dc.SelectObject(font);
    dc.SetTextColor(0);
    dc.SetBkColor(kBackground);
    dc.SetBkMode(OPAQUE);
    dc.DrawText(text, &m_textRect, DT_CENTER | DT_VCENTER | DT_SINGLELINE);
    dc.SelectObject(old);
}
