#include "CScrollChart.h"

#include <PlaceholderStatic.h>

#include <algorithm>
#include <cmath>
#include <iterator>

IMPLEMENT_DYNAMIC(CScrollChart, CWnd)

BEGIN_MESSAGE_MAP(CScrollChart, CWnd)
ON_WM_SIZE()
ON_WM_PAINT()
ON_WM_ERASEBKGND()
ON_WM_HSCROLL()
ON_WM_MOUSEMOVE()
END_MESSAGE_MAP()

namespace {

constexpr int kLabelWidth = 33;
constexpr int kLabelHeight = 25;
// Far outside any window, yet safe for GDI's coordinate space.
constexpr double kPixelLimit = 1 << 26;

// trunc(v) as an int, with non-finite values as 0 and huge ones held at
// +-limit.
int clampedTrunc(double v, double limit = 2147483647.0)
{
    if (!std::isfinite(v))
        return 0;
    return int(std::trunc(std::clamp(v, -limit, limit)));
}

int clampedPixel(double v)
{
    return clampedTrunc(v, kPixelLimit);
}

CString defaultFormat(double y)
{
    CString text;
    text.Format(L"%.1f", y);
    return text;
}

} // namespace

CScrollChart::CScrollChart() : ITransparentCtrl(this)
{
    setMarginFractions(0, 0, 0, 0);
    setCornerFractions(0.1);
    m_gradientMode = Gdiplus::LinearGradientModeHorizontal;
    m_gradientStart = 0xFF9A9A9A;
    m_gradientEnd = 0xFFFAFAFA;
    m_fillBackground = false;
    m_drawFrame = false;
    m_drawGradient = true;
}

CScrollChart::~CScrollChart() = default;

int CScrollChart::Create(unsigned long style, const RECT& rect, CWnd* parent, UINT id)
{
    m_notifyParent = int(style & 1);
    LPCWSTR windowClass = AfxRegisterWndClass(CS_HREDRAW | CS_VREDRAW, ::LoadCursorW(nullptr, IDC_ARROW));
    const int made = CWnd::Create(windowClass, L"", (style & ~1UL) | WS_CHILD, rect, parent, id);
    if (made && (style & WS_HSCROLL))
        UpdateScrollInfo();
    return made;
}

int CScrollChart::CreateFromStatic(unsigned long style, CWnd* parent, UINT id)
{
    CRect rect;
    return takePlaceholderStatic(id, parent, rect) ? Create(style, rect, parent, id) : 0;
}

ChartLine* CScrollChart::findLine(unsigned id)
{
    if (!m_lineIds.count(id))
        return nullptr;
    auto found = m_lines.find(id);
    return found == m_lines.end() ? nullptr : &found->second;
}

const ChartLine* CScrollChart::findLine(unsigned id) const
{
    return const_cast<CScrollChart*>(this)->findLine(id);
}

void CScrollChart::repaint()
{
    if (m_hWnd)
        Invalidate(FALSE);
}

int CScrollChart::AddLine(unsigned id, ChartValueFormatter formatter, unsigned long color,
                          unsigned long flags, int width, int showLine, int autoincStep)
{
    if (!m_lineIds.insert(id).second)
        return 0;
    ChartLine line;
    line.color = COLORREF(color);
    line.penStyle = int(flags & 0xFFFF);
    line.autoinc = int((flags >> 16) & 1);
    line.showPoints = int((flags >> 17) & 1);
    line.width = width;
    line.showLine = showLine;
    line.autoincStep = double(autoincStep);
    line.formatter = formatter;
    m_lines[id] = line;
    return 1;
}

int CScrollChart::bIsFirstPoint() const
{
    for (const auto& entry : m_lines)
        if (!entry.second.points.empty())
            return 0;
    return 1;
}

// Follows the data with the view, or widens the x range; true on a change.
bool CScrollChart::applyRangeRule(const ChartLine& line, double x)
{
    const double viewEnd = m_viewStart + m_viewRange;
    if (!line.points.empty()) {
        const double lastX = line.points.rbegin()->first;
        if (m_viewStart <= lastX && lastX <= viewEnd && x > m_viewStart + 0.9 * m_viewRange) {
            m_viewStart = x - 0.9 * m_viewRange;
            return true;
        }
    }
    if (x > m_xMax && x > m_viewRange) {
        m_xMax = x + 0.1 * m_viewRange;
        return true;
    }
    if (x < m_xMin) {
        m_xMin = x;
        return true;
    }
    return false;
}

int CScrollChart::AddData(unsigned id, double x, double y, int redraw)
{
    ChartLine* line = findLine(id);
    // A point without a place on the x axis can't be ordered among the others.
    if (!line || !std::isfinite(x))
        return 0;
    bool changed = false;
    if (!bIsFirstPoint()) {
        changed = applyRangeRule(*line, x);
        y = std::max(std::min(y, m_yMax), m_yMin);
    }
    line->points[x] = y;
    if (ErasePoints())
        changed = true;
    if (changed)
        Normalize();
    if (redraw)
        repaint();
    if (changed && m_hWnd && (GetStyle() & WS_HSCROLL))
        UpdateScrollInfo();
    return 1;
}

int CScrollChart::AddData(unsigned id, double y, int redraw)
{
    const ChartLine* line = findLine(id);
    if (!line || !line->autoinc)
        return 0;
    const double x = line->points.empty() ? 0.0 : line->points.rbegin()->first + line->autoincStep;
    return AddData(id, x, y, redraw);
}

// Sets one field of a line and gives back its previous value (a default
// value for a missing id).
template <class T> T CScrollChart::setLineField(unsigned id, T ChartLine::*field, T value, bool redraw)
{
    ChartLine* line = findLine(id);
    if (!line)
        return T();
    const T previous = std::exchange(line->*field, value);
    if (redraw)
        repaint();
    return previous;
}

template <class T> T CScrollChart::lineField(unsigned id, T ChartLine::*field) const
{
    const ChartLine* line = findLine(id);
    return line ? line->*field : T();
}

unsigned long CScrollChart::SetLineColor(unsigned id, unsigned long color)
{
    return setLineField(id, &ChartLine::color, COLORREF(color), true);
}

unsigned long CScrollChart::GetLineColor(unsigned id) const
{
    return lineField(id, &ChartLine::color);
}

int CScrollChart::SetLineStyle(unsigned id, int style, int redraw)
{
    return setLineField(id, &ChartLine::penStyle, style, redraw != 0);
}

int CScrollChart::GetLineStyle(unsigned id) const
{
    return lineField(id, &ChartLine::penStyle);
}

int CScrollChart::SetLineWidth(unsigned id, int width, int redraw)
{
    return setLineField(id, &ChartLine::width, width, redraw != 0);
}

int CScrollChart::GetLineWidth(unsigned id) const
{
    return lineField(id, &ChartLine::width);
}

double CScrollChart::SetAutoinc(unsigned id, double step)
{
    return setLineField(id, &ChartLine::autoincStep, step, false);
}

void CScrollChart::ShowLine(unsigned id, int show, int redraw)
{
    setLineField(id, &ChartLine::showLine, show, redraw != 0);
}

void CScrollChart::ShowPoints(unsigned id, int show, int redraw)
{
    setLineField(id, &ChartLine::showPoints, show, redraw != 0);
}

double CScrollChart::SetHorzRange(double range)
{
    const double previous = m_viewRange;
    // A view of no width maps every x to a division by zero.
    if (!(range > 0.0) || !std::isfinite(range))
        return previous;
    m_viewRange = range;
    if (range > m_xMax)
        m_xMax = range * 1.1;
    UpdateScrollInfo();
    return previous;
}

void CScrollChart::SetGrid(int grid)
{
    m_grid = grid;
    repaint();
}

unsigned CScrollChart::SetHorzDiv(unsigned n, int redraw)
{
    const unsigned previous = std::exchange(m_horzDiv, n);
    if (redraw)
        repaint();
    return previous;
}

unsigned CScrollChart::SetVertDiv(unsigned n, int redraw)
{
    const unsigned previous = std::exchange(m_vertDiv, n);
    if (redraw)
        repaint();
    return previous;
}

unsigned CScrollChart::SetMaxPoints(unsigned n)
{
    const unsigned previous = m_maxPoints;
    if (n != previous) {
        m_maxPoints = n;
        ErasePoints();
        repaint();
    }
    return previous;
}

int CScrollChart::Clear()
{
    for (auto& entry : m_lines)
        entry.second.points.clear();
    m_xMin = 0.0;
    m_viewStart = 0.0;
    repaint();
    UpdateScrollInfo();
    return 1;
}

int CScrollChart::ErasePoints()
{
    if (m_maxPoints == 0)
        return 0;
    bool removed = false;
    for (auto& entry : m_lines) {
        auto& points = entry.second.points;
        if (points.size() > m_maxPoints) {
            points.erase(points.begin(), std::next(points.begin(), long(points.size() - m_maxPoints)));
            removed = true;
        }
    }
    if (!removed)
        return 0;
    bool found = false;
    double smallest = 0.0;
    for (const auto& entry : m_lines) {
        if (entry.second.points.empty())
            continue;
        const double first = entry.second.points.begin()->first;
        smallest = found ? std::min(smallest, first) : first;
        found = true;
    }
    if (found)
        m_xMin = smallest;
    return 1;
}

void CScrollChart::Normalize()
{
    if (m_xMin > m_viewStart)
        m_viewStart = m_xMin;
    if (m_viewStart + m_viewRange > m_xMax)
        m_xMax = m_viewStart + m_viewRange;
}

void CScrollChart::UpdateScrollInfo()
{
    if (!m_hWnd)
        return;
    const double span = m_xMax - m_xMin;
    SCROLLINFO info{sizeof(SCROLLINFO), SIF_RANGE | SIF_PAGE | SIF_POS | SIF_TRACKPOS, 0, 1000, 1000, 0, 0};
    if (span > 0.0) {
        info.nPage = UINT(std::max(0, clampedTrunc(m_viewRange / span * 1000.0, 1000000.0)));
        info.nPos = clampedTrunc((m_viewStart - m_xMin) / span * 1000.0, 1000000.0);
    }
    SetScrollInfo(SB_HORZ, &info, TRUE);
    SendNewLimits();
}

void CScrollChart::SendNewLimits()
{
    if (!m_notifyParent || !m_hWnd)
        return;
    CWnd* parent = GetParent();
    if (!parent)
        return;
    parent->PostMessage(WM_CHART_XLIMITS, WPARAM(INT_PTR(clampedTrunc(m_viewStart))),
                        LPARAM(clampedTrunc(m_viewStart + m_viewRange)));
    parent->PostMessage(WM_CHART_YLIMITS, WPARAM(INT_PTR(clampedTrunc(m_yMin))),
                        LPARAM(clampedTrunc(m_yMax)));
}

CSize CScrollChart::clientSize() const
{
    CRect client;
    if (m_hWnd)
        GetClientRect(&client);
    return CSize(client.Width(), client.Height());
}

CPoint CScrollChart::toDevice(const CSize& client, double x, double y) const
{
    const int px = m_viewRange > 0.0 ? clampedPixel((x - m_viewStart) * client.cx / m_viewRange) : 0;
    const int rise = m_yMax != 0.0 ? clampedPixel(client.cy * y * 0.999 / m_yMax) : 0;
    return CPoint(px, client.cy - rise);
}

CPoint CScrollChart::LPtoDP(double x, double y)
{
    return toDevice(clientSize(), x, y);
}

void CScrollChart::DPtoLP(CPoint point, double& x, double& y)
{
    const CSize client = clientSize();
    x = client.cx > 0 ? point.x * m_viewRange / client.cx + m_viewStart : m_viewStart;
    y = client.cy > 0 ? (client.cy - point.y) * m_yMax / client.cy : 0.0;
}

std::vector<int> CScrollChart::gridRows(int height) const
{
    std::vector<int> rows;
    if (m_vertDiv == 0 || height <= 0)
        return rows;
    // Below one pixel per division there is no step to take.
    const int step = int(unsigned(height) / m_vertDiv);
    if (step == 0)
        return rows;
    for (int y = step; y < height - step; y += step)
        rows.push_back(y);
    return rows;
}

std::vector<double> CScrollChart::gridColumns() const
{
    std::vector<double> columns;
    if (m_horzDiv == 0 || !(m_viewRange > 0.0) || !std::isfinite(m_viewStart))
        return columns;
    const double step = m_viewRange / m_horzDiv;
    const double viewEnd = m_viewStart + m_viewRange;
    // Whole-number positions: a step below 1 must still move on, and no view
    // holds more than twice the divisions of them (or 1 where x + 1 == x).
    const size_t most = size_t(m_horzDiv) * 2 + 2;
    double x = std::trunc(m_viewStart + step - std::fmod(m_viewStart, m_viewRange));
    for (; x < viewEnd && columns.size() < most; x = std::max(std::trunc(x + step), x + 1.0))
        columns.push_back(x);
    return columns;
}

void CScrollChart::v_drawGrid(CDC& dc)
{
    if (!m_grid)
        return;
    const CSize client = clientSize();
    CPen pen(PS_SOLID, 1, m_gridColor);
    CPen* old = dc.SelectObject(&pen);
    for (int y : gridRows(client.cy)) {
        dc.MoveTo(5, y);
        dc.LineTo(client.cx - 5, y);
    }
    for (double x : gridColumns()) {
        const int px = clampedPixel((x - m_viewStart) * client.cx / m_viewRange);
        dc.MoveTo(px, 0);
        dc.LineTo(px, client.cy);
    }
    dc.SelectObject(old);
}

void CScrollChart::OnSize(UINT, int, int)
{
    Default();
    CRect client;
    GetClientRect(&client);
    v_recalcData(client);
}

BOOL CScrollChart::OnEraseBkgnd(CDC*)
{
    return TRUE; // the paint covers everything
}

void CScrollChart::OnPaint()
{
    CPaintDC dc(this);
    m_backdrop.paint(*this, dc, m_memDC, [this](CDC& mem) { drawContent(mem); });
}

void CScrollChart::drawContent(CDC& mem)
{
    const CSize client = clientSize();
    const int saved = mem.SaveDC();
    v_drawGrid(mem);
    mem.SetBkMode(OPAQUE);
    drawLines(mem, client);
    if (!m_readMode)
        drawLabels(mem, client);
    else
        drawCursor(mem, client);
    mem.RestoreDC(saved);
}

void CScrollChart::drawLines(CDC& dc, const CSize& client)
{
    std::vector<POINT> buffer;
    for (const auto& entry : m_lines)
        if (entry.second.showLine && !entry.second.points.empty())
            drawLine(dc, client, entry.second, buffer);
}

// From the last point before the view to the first one after it; the
// points are found by a search, not a walk from the start.
void CScrollChart::drawLine(CDC& dc, const CSize& client, const ChartLine& line, std::vector<POINT>& buffer)
{
    const auto& points = line.points;
    auto it = points.lower_bound(m_viewStart);
    if (it != points.begin())
        --it;
    const double viewEnd = m_viewStart + m_viewRange;
    buffer.clear();
    for (; it != points.end(); ++it) {
        buffer.push_back(toDevice(client, it->first, it->second));
        if (it->first > viewEnd)
            break;
    }
    strokeLine(dc, line, buffer);
    if (line.showPoints) {
        CPen pen(line.penStyle, line.width, line.color);
        CBrush brush(line.color);
        CPen* oldPen = dc.SelectObject(&pen);
        CBrush* oldBrush = dc.SelectObject(&brush);
        const int r = line.width + 2;
        for (const POINT& p : buffer)
            dc.Ellipse(p.x - r, p.y - r, p.x + r, p.y + r);
        dc.SelectObject(oldPen);
        dc.SelectObject(oldBrush);
    }
}

// Wine draws a pen wider than one pixel through a region a segment, some
// twenty times slower than a thin one: a line a few pixels wide is drawn as
// thin lines side by side, the same picture. Wider pens draw solid anyway.
void CScrollChart::strokeLine(CDC& dc, const ChartLine& line, const std::vector<POINT>& points)
{
    const int width = line.width;
    if (width <= 1 || width > 4 || line.penStyle == PS_NULL) {
        CPen pen(line.penStyle, width, line.color);
        CPen* old = dc.SelectObject(&pen);
        dc.Polyline(points.data(), int(points.size()));
        dc.SelectObject(old);
        return;
    }
    CPen pen(PS_SOLID, 1, line.color);
    CPen* old = dc.SelectObject(&pen);
    const CPoint origin = dc.GetViewportOrg();
    const int first = -(width / 2);
    for (int dx = first; dx < first + width; ++dx)
        for (int dy = first; dy < first + width; ++dy) {
            dc.SetViewportOrg(origin.x + dx, origin.y + dy);
            dc.Polyline(points.data(), int(points.size()));
        }
    dc.SetViewportOrg(origin.x, origin.y);
    dc.SelectObject(old);
}

CRect CScrollChart::placeLabel(std::vector<CRect>& placed, CRect label)
{
    for (const CRect& other : placed) {
        CRect common;
        if (common.IntersectRect(&label, &other))
            label.OffsetRect(-label.Width(), 0);
    }
    placed.push_back(label);
    return label;
}

void CScrollChart::drawLabel(CDC& dc, const CSize& client, const ChartLine& line,
                             const std::pair<double, double>& point, std::vector<CRect>* placed)
{
    const CPoint p = toDevice(client, point.first, point.second);
    CRect rect(p.x, p.y - kLabelHeight, p.x + kLabelWidth, p.y);
    if (placed)
        rect = placeLabel(*placed, rect);
    const CString text = (line.formatter ? line.formatter : defaultFormat)(point.second);
    dc.SetTextColor(line.color);
    dc.DrawText(text, &rect, DT_CENTER | DT_VCENTER | DT_SINGLELINE | DT_NOCLIP);
}

void CScrollChart::drawLabels(CDC& dc, const CSize& client)
{
    const int mode = dc.SetBkMode(TRANSPARENT);
    CFont* oldFont = m_font ? dc.SelectObject(m_font) : nullptr;
    std::vector<CRect> placed;
    const double viewEnd = m_viewStart + m_viewRange;
    for (const auto& entry : m_lines) {
        const ChartLine& line = entry.second;
        if (!line.showLine || line.points.empty())
            continue;
        auto last = line.points.upper_bound(viewEnd);
        if (last == line.points.begin())
            continue;
        --last;
        if (last->first >= m_viewStart)
            drawLabel(dc, client, line, *last, &placed);
    }
    if (oldFont)
        dc.SelectObject(oldFont);
    dc.SetBkMode(mode);
}

bool CScrollChart::cursorPoint(const CSize& client, unsigned& id, std::pair<double, double>& point) const
{
    if (client.cx <= 0 || client.cy <= 0)
        return false;
    const double xc =
        std::trunc(std::clamp(m_cursorX * m_viewRange / client.cx + m_viewStart, -1e300, 1e300));
    const double yc = (client.cy - m_cursorY) * m_yMax / client.cy;
    double best = 10000000.0;
    bool found = false;
    for (const auto& entry : m_lines) {
        const ChartLine& line = entry.second;
        if (!line.showLine)
            continue;
        auto candidate = line.points.lower_bound(xc);
        if (candidate == line.points.end())
            continue;
        const double d = std::fabs(yc - candidate->second);
        if (d < best && d < 0.2 * candidate->second) {
            best = d;
            id = entry.first;
            point = *candidate;
            found = true;
        }
    }
    return found;
}

void CScrollChart::drawCursor(CDC& dc, const CSize& client)
{
    if (m_cursorX <= 0 || m_cursorY <= 0)
        return;
    CPen pen(PS_DOT, 1, RGB(0xC8, 0x28, 0x28));
    CPen* old = dc.SelectObject(&pen);
    dc.MoveTo(m_cursorX, 0);
    dc.LineTo(m_cursorX, client.cy);
    dc.MoveTo(0, m_cursorY);
    dc.LineTo(client.cx, m_cursorY);
    dc.SelectObject(old);
    unsigned id = 0;
    std::pair<double, double> point;
    if (!cursorPoint(client, id, point))
        return;
    const int mode = dc.SetBkMode(TRANSPARENT);
    CFont* oldFont = m_font ? dc.SelectObject(m_font) : nullptr;
    drawLabel(dc, client, m_lines.at(id), point, nullptr);
    if (oldFont)
        dc.SelectObject(oldFont);
    dc.SetBkMode(mode);
}

void CScrollChart::OnHScroll(UINT nSBCode, UINT nPos, CScrollBar*)
{
    switch (nSBCode) {
    case SB_LINELEFT:
        if (m_viewStart < 1.0)
            return;
        m_viewStart -= 0.01 * m_viewRange;
        break;
    case SB_LINERIGHT:
        m_viewStart += 0.01 * m_viewRange;
        break;
    case SB_PAGELEFT:
        m_viewStart = std::max(0.0, m_viewStart - 0.5 * m_viewRange);
        break;
    case SB_PAGERIGHT:
        m_viewStart += 0.5 * m_viewRange;
        break;
    case SB_THUMBTRACK:
        m_viewStart = m_xMin + (m_xMax - m_xMin) * nPos / 1000.0;
        break;
    default:
        return;
    }
    if (m_viewStart > m_xMax - m_viewRange)
        m_viewStart = m_xMax - m_viewRange;
    if (m_viewStart < m_xMin)
        m_viewStart = m_xMin;
    repaint();
    UpdateScrollInfo();
}

void CScrollChart::OnMouseMove(UINT, CPoint point)
{
    if (!m_readMode)
        return;
    m_cursorX = point.x;
    m_cursorY = point.y;
    repaint();
}

void CScrollChart::releasePictures(bool background)
{
    ITransparentCtrl::releasePictures(background);
    m_backdrop.clear();
}
