#include "CMultiBarDisplay.h"

#include "BarColumns.h"
#include "DcTextLook.h"
#include "GdiSelection.h"

#include <TransparentPaint.h>

#include <algorithm>
#include <cmath>

IMPLEMENT_DYNAMIC(CMultiBarDisplay, CCompCtrl)

BEGIN_MESSAGE_MAP(CMultiBarDisplay, CCompCtrl)
ON_WM_PAINT()
ON_WM_SIZE()
ON_WM_ERASEBKGND()
END_MESSAGE_MAP()

namespace {
const UINT kCaptionFormat = DT_CENTER | DT_VCENTER | DT_SINGLELINE | DT_END_ELLIPSIS;
} // namespace

CMultiBarDisplay::CMultiBarDisplay() : ITransparentCtrl(this)
{
    m_textColor = 0x646464;
}

CMultiBarDisplay::~CMultiBarDisplay() = default;

void CMultiBarDisplay::init(int n, double min, double max)
{
    m_min = std::min(min, max);
    m_max = std::max(min, max);
    m_bars.assign(size_t(std::max(0, n)), SMultiBarRecord());
    layoutBars();
    if (m_hWnd)
        Invalidate(FALSE);
}

void CMultiBarDisplay::layoutBars()
{
    if (m_bars.empty() || !m_hWnd)
        return;
    CRect client;
    GetClientRect(&client);
    const int band = barcolumns::fontHeight(m_font) + m_margin + 2 * m_padding;
    const auto columns = barcolumns::layout(client, int(m_bars.size()), m_gap, m_margin, band);
    for (size_t i = 0; i < m_bars.size(); ++i) {
        m_bars[i].m_barRect = columns[i].bar;
        m_bars[i].m_textRect = columns[i].text;
        m_bars[i].m_idRect = columns[i].name;
        m_bars[i].m_value = 0.0;
    }
}

void CMultiBarDisplay::setPos(int index, double value)
{
    if (!valid(index))
        return;
    SMultiBarRecord& bar = m_bars[size_t(index)];
    value = std::clamp(value, m_min, m_max);
    if (value == bar.m_value)
        return;
    const int oldRow = value2coordinate(index, bar.m_value);
    // Half away from zero for negative values too.
    const double sign = value < 0 ? -1.0 : 1.0;
    bar.m_value = std::trunc((value + 0.005 * sign) * 100) / 100;
    if (!m_hWnd)
        return;
    const int newRow = value2coordinate(index, bar.m_value);
    const CRect strip(bar.m_barRect.left - 1, std::min(oldRow, newRow) - 1, bar.m_barRect.right + 1,
                      std::max(oldRow, newRow) + 1);
    InvalidateRect(&strip, FALSE);
    InvalidateRect(&bar.m_textRect, FALSE);
}

void CMultiBarDisplay::setId(int index, CString id)
{
    if (!valid(index))
        return;
    m_bars[size_t(index)].m_id = id;
    if (m_hWnd)
        InvalidateRect(&m_bars[size_t(index)].m_idRect, FALSE);
}

int CMultiBarDisplay::value2coordinate(int index, double value)
{
    if (!valid(index))
        return 0;
    const RECT& r = m_bars[size_t(index)].m_barRect;
    return barcolumns::valueRow(value, m_min, m_max, r.top, r.bottom, m_gridStep);
}

CString CMultiBarDisplay::formatValue(double value)
{
    CString text;
    text.Format(L"%.0f", value);
    return text;
}

void CMultiBarDisplay::drawGrid(CDC* dc)
{
    CPen pen(PS_INSIDEFRAME, m_penWidth, m_gridColor);
    GdiSelection usePen(*dc, pen);
    DcTextLook look(*dc, m_font, m_textColor);
    for (SMultiBarRecord& bar : m_bars) {
        const RECT& r = bar.m_barRect;
        for (int y = r.bottom - m_gridStep; m_gridStep > 0 && y >= r.top; y -= m_gridStep) {
            dc->MoveTo(r.left, y);
            dc->LineTo(r.right, y);
        }
        dc->DrawText(bar.m_id, &bar.m_idRect, kCaptionFormat);
    }
}

void CMultiBarDisplay::draw(CDC* dc)
{
    for (size_t i = 0; i < m_bars.size(); ++i) {
        SMultiBarRecord& bar = m_bars[i];
        const int index = int(i);
        const RECT& r = bar.m_barRect;
        const int top = value2coordinate(index, bar.m_value);
        if (m_flags & kSolidBars) {
            dc->FillSolidRect(r.left, top, r.right - r.left, r.bottom - top, barColor(index, 0));
        } else {
            for (int y = top; m_gridStep > 0 && y < r.bottom; y += m_gridStep) {
                CPen pen(PS_SOLID, 1, barColor(index, y));
                GdiSelection usePen(*dc, pen);
                dc->MoveTo(r.left, y);
                dc->LineTo(r.right, y);
            }
        }
        DcTextLook look(*dc, m_font, 0x646464);
        dc->DrawText(formatValue(bar.m_value), &bar.m_textRect, DT_CENTER);
    }
}

void CMultiBarDisplay::OnPaint()
{
    CPaintDC dc(this);
    paintTransparent(*this, dc, m_memDC, [this](CDC& mem) {
        barcolumns::fillBackground(mem, *this, (m_flags & kNoBackground) == 0, m_bkColor);
        drawGrid(&mem);
        draw(&mem);
    });
}

void CMultiBarDisplay::OnSize(UINT, int, int)
{
    Default();
    layoutBars();
}

BOOL CMultiBarDisplay::OnEraseBkgnd(CDC*)
{
    return TRUE;
}
