#include "CInjTimesBarDisplay.h"

#include "BarColumns.h"
#include "DcTextLook.h"

#include <TransparentPaint.h>

#include <algorithm>

IMPLEMENT_DYNAMIC(CInjTimesBarDisplay, CCompCtrl)

BEGIN_MESSAGE_MAP(CInjTimesBarDisplay, CCompCtrl)
ON_WM_PAINT()
ON_WM_SIZE()
ON_WM_ERASEBKGND()
END_MESSAGE_MAP()

namespace {

const UINT kTextFormat = DT_CENTER | DT_VCENTER | DT_SINGLELINE | DT_END_ELLIPSIS;

CString valueText(double value)
{
    CString text;
    if (value != 0)
        text.Format(L"%.2f", value);
    return text;
}

} // namespace

CInjTimesBarDisplay::CInjTimesBarDisplay() : ITransparentCtrl(this)
{
    m_textColor = 0x646464;
}

CInjTimesBarDisplay::~CInjTimesBarDisplay() = default;

void CInjTimesBarDisplay::init()
{
    m_data.assign(size_t(std::max(0, m_barCount)), CInjBarsDrawjData());
    layoutBars();
    invalidateAll();
}

void CInjTimesBarDisplay::layoutBars()
{
    if (m_data.empty() || !m_hWnd)
        return;
    CRect client;
    GetClientRect(&client);
    const int band = barcolumns::fontHeight(m_font) + 2 * m_padding;
    const auto columns = barcolumns::layout(client, int(m_data.size()), m_gap, m_margin, band);
    for (size_t i = 0; i < m_data.size(); ++i) {
        m_data[i].m_barRect = columns[i].bar;
        m_data[i].m_textRect = columns[i].text;
        m_data[i].m_nameRect = columns[i].name;
    }
}

void CInjTimesBarDisplay::invalidateAll()
{
    if (m_hWnd)
        Invalidate(FALSE);
}

void CInjTimesBarDisplay::setPos(int index, double first, double second)
{
    if (index < 0 || size_t(index) >= m_data.size())
        return;
    m_data[size_t(index)].m_first = first;
    m_data[size_t(index)].m_second = second;
    invalidateAll();
}

void CInjTimesBarDisplay::setWorkState(BYTE mask)
{
    bool changed = false;
    for (size_t i = 0; i < m_data.size(); ++i) {
        const bool working = i < 8 && (mask & (1 << i)) != 0;
        changed = changed || working != m_data[i].m_working;
        m_data[i].m_working = working;
    }
    if (changed)
        invalidateAll();
}

int CInjTimesBarDisplay::value2coordinate(int index, double value)
{
    if (index < 0 || size_t(index) >= m_data.size())
        return 0;
    const RECT& r = m_data[size_t(index)].m_barRect;
    return barcolumns::valueRow(value, m_min, m_max, r.top, r.bottom, m_gridStep);
}

void CInjTimesBarDisplay::drawLines(CDC& dc, const CRect& r, int top, int step, COLORREF color) const
{
    for (int y = r.bottom - m_lineHeight; step > 0 && y >= top; y -= step)
        dc.FillSolidRect(r.left, y, r.Width(), m_lineHeight, color);
}

void CInjTimesBarDisplay::drawGrid(CDC* dc)
{
    DcTextLook look(*dc, m_font, 0x646464);
    for (CInjBarsDrawjData& bar : m_data) {
        const CRect area(bar.m_barRect);
        if (m_flags & kScaleLines)
            drawLines(*dc, area, area.top, m_lineSpacing, bar.m_working ? m_workColor : m_idleColor);
        dc->DrawText(bar.m_name, &bar.m_nameRect, kTextFormat);
    }
}

void CInjTimesBarDisplay::drawBars(CDC* dc)
{
    for (size_t i = 0; i < m_data.size(); ++i) {
        const CInjBarsDrawjData& bar = m_data[i];
        const CRect area(bar.m_barRect);
        const int half = area.Width() / 2;
        const CRect halves[2] = {CRect(area.left, area.top, area.left + half - 1, area.bottom),
                                 CRect(area.left + half, area.top, area.right, area.bottom)};
        const double values[2] = {bar.m_first, bar.m_second};
        const COLORREF colors[2] = {bar.m_firstColor, bar.m_secondColor};
        for (int k = 0; k < 2; ++k) {
            const int top = value2coordinate(int(i), std::clamp(values[k], m_min, m_max));
            const CRect& r = halves[k];
            if (m_flags & kSolidBars)
                dc->FillSolidRect(r.left, top, r.Width(), r.bottom - top, colors[k]);
            else
                drawLines(*dc, r, top, m_gridStep, colors[k]);
        }
    }
}

void CInjTimesBarDisplay::drawTexts(CDC* dc)
{
    DcTextLook look(*dc, m_font, m_textColor);
    for (CInjBarsDrawjData& bar : m_data) {
        const CRect r(bar.m_textRect);
        CRect left(r.left, r.top, r.left + r.Width() / 2, r.bottom);
        CRect right(left.right, r.top, r.right, r.bottom);
        dc->SetTextColor(bar.m_firstColor);
        dc->DrawText(valueText(bar.m_first), &left, kTextFormat);
        dc->SetTextColor(bar.m_secondColor);
        dc->DrawText(valueText(bar.m_second), &right, kTextFormat);
    }
}

void CInjTimesBarDisplay::OnPaint()
{
    CPaintDC dc(this);
    paintTransparent(*this, dc, m_memDC, [this](CDC& mem) {
        barcolumns::fillBackground(mem, *this, (m_flags & kNoBackground) == 0, m_bkColor);
        drawGrid(&mem);
        drawTexts(&mem);
        drawBars(&mem);
    });
}

void CInjTimesBarDisplay::OnSize(UINT, int, int)
{
    Default();
    layoutBars();
}

BOOL CInjTimesBarDisplay::OnEraseBkgnd(CDC*)
{
    return TRUE;
}
