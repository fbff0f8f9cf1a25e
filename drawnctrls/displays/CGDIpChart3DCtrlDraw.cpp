// The drawing of CGDIpChart3DCtrl: box, axes with their labels, surface and
// help lines.
#include "CGDIpChart3DCtrl.h"

#include <TransparentPaint.h>

#include <algorithm>
#include <array>
#include <cmath>
#include <memory>

using namespace Gdiplus;

namespace {

PointF pointOf(const TPoint<double>& p)
{
    return PointF(REAL(p.x), REAL(p.y));
}

int logHeight(CFont& font)
{
    LOGFONTW logFont{};
    return font.m_hObject && font.GetLogFont(&logFont) ? logFont.lfHeight : 0;
}

// Titles, labels and help lines through GDI in the GDI font `source` at
// `height` (logical units): forty GDI+ strings cost some five milliseconds a
// paint under Wine. Nothing is written when there is no such font here.
class LabelWriter
{
public:
    LabelWriter(CDC& dc, CFont& source, int height) : m_dc(dc), m_saved(dc.SaveDC())
    {
        LOGFONTW logFont{};
        if (!source.m_hObject || !source.GetLogFont(&logFont))
            return;
        logFont.lfHeight = height;
        if (!m_font.CreateFontIndirect(&logFont))
            return;
        ::SelectObject(dc.m_hDC, m_font);
        ::SetBkMode(dc.m_hDC, TRANSPARENT);
    }
    ~LabelWriter() { m_dc.RestoreDC(m_saved); }
    LabelWriter(const LabelWriter&) = delete;
    LabelWriter& operator=(const LabelWriter&) = delete;

    bool ready() const { return m_font.m_hObject != nullptr; }
    SizeF measure(const std::wstring& text) const
    {
        SIZE size{};
        ::GetTextExtentPoint32W(m_dc.m_hDC, text.c_str(), int(text.size()), &size);
        return SizeF(REAL(size.cx), REAL(size.cy));
    }
    void write(const std::wstring& text, ARGB color, PointF at) const
    {
        ::SetTextColor(m_dc.m_hDC, colorrefOf(color));
        ::TextOutW(m_dc.m_hDC, int(std::lround(at.X)), int(std::lround(at.Y)), text.c_str(),
                   int(text.size()));
    }

private:
    CDC& m_dc;
    CFont m_font;
    int m_saved;
};

// The surface's quadrilaterals and grid lines, in the order drawn, through
// GDI: hundreds of small GDI+ shapes cost some forty milliseconds a paint
// under Wine, which a chart turned by the mouse paints at every move.
class SurfacePainter
{
public:
    SurfacePainter(CDC& dc, ARGB gridColor)
        : m_dc(dc), m_grid(PS_SOLID, 1, colorrefOf(gridColor)), m_saved(dc.SaveDC())
    {
        ::SelectObject(dc.m_hDC, ::GetStockObject(DC_BRUSH));
    }
    ~SurfacePainter() { m_dc.RestoreDC(m_saved); }
    SurfacePainter(const SurfacePainter&) = delete;
    SurfacePainter& operator=(const SurfacePainter&) = delete;

    void fill(const std::array<PointF, 4>& corners, ARGB color)
    {
        POINT points[4];
        for (size_t i = 0; i < 4; ++i)
            points[i] = pixel(corners[i]);
        ::SetDCBrushColor(m_dc.m_hDC, colorrefOf(color));
        ::SelectObject(m_dc.m_hDC, ::GetStockObject(NULL_PEN));
        ::Polygon(m_dc.m_hDC, points, 4);
    }
    void line(PointF from, PointF to)
    {
        ::SelectObject(m_dc.m_hDC, m_grid);
        const POINT a = pixel(from), b = pixel(to);
        ::MoveToEx(m_dc.m_hDC, a.x, a.y, nullptr);
        ::LineTo(m_dc.m_hDC, b.x, b.y);
    }

private:
    static POINT pixel(PointF p) { return POINT{LONG(std::lround(p.X)), LONG(std::lround(p.Y))}; }

    CDC& m_dc;
    CPen m_grid;
    int m_saved;
};

} // namespace

void CGDIpChart3DCtrl::v_draw(CDC& dc)
{
    if (m_hWnd && ::GetFocus() == m_hWnd) {
        Graphics g(dc.m_hDC);
        g.SetSmoothingMode(SmoothingModeAntiAlias);
        Pen focus(Color(0xFF00FF00), REAL(m_frameWidth));
        g.DrawPath(&focus, framePath());
    }
    v_drawAxis(dc);
    v_drawChart(dc);
    if (m_helpVisible)
        v_drawHelp(dc);
}

void CGDIpChart3DCtrl::v_drawAxis(CDC& dc)
{
    Graphics g(dc.m_hDC);
    g.SetSmoothingMode(SmoothingModeAntiAlias);
    const int order[] = {0, 2, 3, 1, 0, 5, 6, 4, 0, 7, 8, 9, 0};
    PointF walls[13];
    for (int i = 0; i < 13; ++i)
        walls[i] = pointOf(m_corners[order[i]]);
    GraphicsPath path;
    path.AddLines(walls, 13);
    path.CloseFigure();
    SolidBrush wallBrush{Color(m_wallColor)};
    g.FillPath(&wallBrush, &path);
    const ARGB axisColors[3] = {m_xAxisColor, m_yAxisColor, m_zAxisColor};
    for (int i = 0; i < 3; ++i) {
        Pen pen(Color(axisColors[i]), REAL(m_axisPenWidth));
        g.DrawLine(&pen, pointOf(m_axes[i].start), pointOf(m_axes[i].end));
    }

    CFont& base = m_font ? *m_font : m_chartFont;
    const LabelWriter labels(dc, base, int(std::trunc((logHeight(base) - 10) * m_scale)));
    if (!labels.ready())
        return;
    const double w = m_boxWidth, d = m_boxDepth;
    const SizeF msBox = labels.measure(m_yTitle);
    const double th = msBox.Height;

    PointF at = pointOf(mapTo2D(w / 2, d, -4 * th));
    labels.write(m_xTitle, m_xAxisColor, PointF(at.X - msBox.Width, at.Y));
    // The labels run out before a long grid's rows or columns do.
    const size_t rpmCount = std::min(size_t(m_rowCount), m_rpmLabels.size());
    for (size_t i = 0; i < rpmCount; ++i)
        labels.write(m_rpmLabels[i], m_xAxisColor, pointOf(mapTo2D(double(i) * m_rowSpacing, d, -1.5 * th)));

    at = pointOf(mapTo2D(w, d / 2, -4 * th));
    labels.write(m_yTitle, m_yAxisColor, PointF(at.X, at.Y + REAL(th)));
    const size_t msCount = std::min(size_t(m_columnCount), m_msLabels.size());
    for (size_t i = 0; i < msCount; ++i) {
        at = pointOf(mapTo2D(w, double(i) * m_columnSpacing, -1.5 * th));
        labels.write(m_msLabels[i], m_yAxisColor,
                     PointF(at.X - labels.measure(m_msLabels[i]).Width / 2, at.Y));
    }

    at = pointOf(mapTo2D(w, 0, m_valueOffset));
    const SizeF zBox = labels.measure(m_zTitle);
    labels.write(m_zTitle, m_zAxisColor, PointF(at.X + zBox.Width, at.Y - REAL(th / 2)));
    const double count = double(m_percentLabels.size());
    const double shift = std::trunc(m_valueFactor * (count - 1) / 2 * m_percentStep);
    for (size_t i = 0; i < m_percentLabels.size(); ++i) {
        at = pointOf(mapTo2D(w, 0, double(i) * m_percentStep * m_valueFactor + m_valueOffset - shift));
        labels.write(m_percentLabels[i], m_zAxisColor, PointF(at.X, at.Y - REAL(th / 2)));
    }
}

void CGDIpChart3DCtrl::v_drawChart(CDC& dc)
{
    if (m_rowCount < 1)
        return;
    Graphics g(dc.m_hDC);
    g.SetSmoothingMode(SmoothingModeAntiAlias);
    // Each node is projected once per paint.
    std::vector<std::vector<PointF>> p(size_t(m_rowCount), std::vector<PointF>{size_t(m_columnCount)});
    bool anySelected = false;
    for (int r = 0; r < m_rowCount; ++r)
        for (int c = 0; c < m_columnCount; ++c) {
            p[r][c] = pointOf(mapTo2D(m_grid[r][c].model, heightOf(m_grid[r][c].z)));
            anySelected = anySelected || m_grid[r][c].selected;
        }
    SurfacePainter surface(dc, m_gridColor);
    SolidBrush dot{Color(m_selectedColor)};
    for (int r = 0; r < m_rowCount; ++r)
        for (int c = 0; c < m_columnCount; ++c) {
            if (r >= 1 && c >= 1)
                surface.fill({p[r - 1][c - 1], p[r][c - 1], p[r][c], p[r - 1][c]},
                             surfaceColor(m_grid[r][c].z));
            if (r >= 1)
                surface.line(p[r][c], p[r - 1][c]);
            if (c >= 1)
                surface.line(p[r][c], p[r][c - 1]);
            if (m_grid[r][c].selected) {
                g.FillEllipse(&dot, p[r][c].X - 4, p[r][c].Y - 4, REAL(4), REAL(4));
                g.Flush(FlushIntentionSync);
            }
        }
    if (m_marked.row < 0 || m_marked.row >= m_rowCount || m_marked.column < 0 ||
        m_marked.column >= m_columnCount)
        return;
    const PointF marked = p[m_marked.row][m_marked.column];
    SolidBrush markBrush{Color(m_markedColor)};
    g.FillEllipse(&markBrush, marked.X - 6, marked.Y - 6, REAL(6), REAL(6));
    if (!anySelected)
        return;
    CFont& base = m_font ? *m_font : m_chartFont;
    const LabelWriter labels(dc, base, int(std::trunc((logHeight(base) - 10) * m_scale)));
    if (!labels.ready())
        return;
    const ChartNode& node = m_grid[m_marked.row][m_marked.column];
    CString label;
    label.Format(L"%i%s, %.1f%s, %i%s", int(node.data.x), m_xTitle.c_str(), node.data.y, m_yTitle.c_str(),
                 int(node.z), m_zTitle.c_str());
    labels.write(std::wstring(label), m_valueColor, PointF(marked.X + 6, marked.Y - 6));
}

void CGDIpChart3DCtrl::v_drawHelp(CDC& dc)
{
    const LabelWriter lines(dc, m_chartFont, logHeight(m_chartFont));
    if (!lines.ready())
        return;
    CRect client;
    GetClientRect(&client);
    REAL widest = 0;
    SizeF boxes[3];
    for (int i = 0; i < 3; ++i) {
        boxes[i] = lines.measure(std::wstring(m_help[i]));
        widest = std::max(widest, boxes[i].Width);
    }
    // Centred, but a line wider than the chart starts at its left edge so it is cut on one side only.
    const REAL left = std::max(REAL(0), (REAL(client.Width()) - widest) / 2);
    for (int i = 0; i < 3; ++i)
        lines.write(std::wstring(m_help[i]), m_helpColor,
                    PointF(left, REAL(client.top + 2) + i * (boxes[0].Height + 2)));
}
