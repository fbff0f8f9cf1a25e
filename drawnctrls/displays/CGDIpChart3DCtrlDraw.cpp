// The drawing of CGDIpChart3DCtrl: box, axes with their labels, surface and
// help lines.
#include "CGDIpChart3DCtrl.h"

#include <algorithm>
#include <cmath>
#include <memory>

using namespace Gdiplus;

namespace {

PointF pointOf(const TPoint<double>& p)
{
    return PointF(REAL(p.x), REAL(p.y));
}

// A GDI+ font of the GDI font `source` at `height` (logical units); null
// when there is no such font here.
std::unique_ptr<Font> gdipFont(HDC dc, CFont& source, int height)
{
    LOGFONTW logFont{};
    if (!source.m_hObject || !source.GetLogFont(&logFont))
        return nullptr;
    logFont.lfHeight = height;
    HFONT sized = ::CreateFontIndirectW(&logFont);
    if (!sized)
        return nullptr;
    auto font = std::make_unique<Font>(dc, sized);
    ::DeleteObject(sized);
    if (font->GetLastStatus() != Ok)
        return nullptr;
    return font;
}

int logHeight(CFont& font)
{
    LOGFONTW logFont{};
    return font.m_hObject && font.GetLogFont(&logFont) ? logFont.lfHeight : 0;
}

RectF measure(Graphics& g, const std::wstring& text, const Font& font)
{
    RectF box;
    g.MeasureString(text.c_str(), INT(text.size()), &font, PointF(0, 0), &box);
    return box;
}

void drawText(Graphics& g, const std::wstring& text, const Font& font, const Brush& brush, PointF at)
{
    g.DrawString(text.c_str(), INT(text.size()), &font, at, &brush);
}

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
    const auto font = gdipFont(dc.m_hDC, base, int(std::trunc((logHeight(base) - 10) * m_scale)));
    if (!font)
        return;
    const double w = m_boxWidth, d = m_boxDepth;
    const RectF msBox = measure(g, m_yTitle, *font);
    const double th = msBox.Height;
    SolidBrush red{Color(m_xAxisColor)}, green{Color(m_yAxisColor)}, blue{Color(m_zAxisColor)};

    PointF at = pointOf(mapTo2D(w / 2, d, -4 * th));
    drawText(g, m_xTitle, *font, red, PointF(at.X - msBox.Width, at.Y));
    // The labels run out before a long grid's rows or columns do.
    const size_t rpmCount = std::min(size_t(m_rowCount), m_rpmLabels.size());
    for (size_t i = 0; i < rpmCount; ++i)
        drawText(g, m_rpmLabels[i], *font, red, pointOf(mapTo2D(double(i) * m_rowSpacing, d, -1.5 * th)));

    at = pointOf(mapTo2D(w, d / 2, -4 * th));
    drawText(g, m_yTitle, *font, green, PointF(at.X, at.Y + REAL(th)));
    const size_t msCount = std::min(size_t(m_columnCount), m_msLabels.size());
    for (size_t i = 0; i < msCount; ++i) {
        at = pointOf(mapTo2D(w, double(i) * m_columnSpacing, -1.5 * th));
        drawText(g, m_msLabels[i], *font, green,
                 PointF(at.X - measure(g, m_msLabels[i], *font).Width / 2, at.Y));
    }

    at = pointOf(mapTo2D(w, 0, m_valueOffset));
    const RectF zBox = measure(g, m_zTitle, *font);
    drawText(g, m_zTitle, *font, blue, PointF(at.X + zBox.Width, at.Y - REAL(th / 2)));
    const double count = double(m_percentLabels.size());
    const double shift = std::trunc(m_valueFactor * (count - 1) / 2 * m_percentStep);
    for (size_t i = 0; i < m_percentLabels.size(); ++i) {
        at = pointOf(mapTo2D(w, 0, double(i) * m_percentStep * m_valueFactor + m_valueOffset - shift));
        drawText(g, m_percentLabels[i], *font, blue, PointF(at.X, at.Y - REAL(th / 2)));
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
    Pen gridPen(Color(m_gridColor), 1);
    SolidBrush dot{Color(m_selectedColor)};
    for (int r = 0; r < m_rowCount; ++r)
        for (int c = 0; c < m_columnCount; ++c) {
            if (r >= 1 && c >= 1) {
                const PointF patch[4] = {p[r - 1][c - 1], p[r][c - 1], p[r][c], p[r - 1][c]};
                SolidBrush fill{Color(surfaceColor(m_grid[r][c].z))};
                g.FillPolygon(&fill, patch, 4);
            }
            if (r >= 1)
                g.DrawLine(&gridPen, p[r][c], p[r - 1][c]);
            if (c >= 1)
                g.DrawLine(&gridPen, p[r][c], p[r][c - 1]);
            if (m_grid[r][c].selected)
                g.FillEllipse(&dot, p[r][c].X - 4, p[r][c].Y - 4, REAL(4), REAL(4));
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
    const auto font = gdipFont(dc.m_hDC, base, int(std::trunc((logHeight(base) - 10) * m_scale)));
    if (!font)
        return;
    const ChartNode& node = m_grid[m_marked.row][m_marked.column];
    CString label;
    label.Format(L"%i%s, %.1f%s, %i%s", int(node.data.x), m_xTitle.c_str(), node.data.y, m_yTitle.c_str(),
                 int(node.z), m_zTitle.c_str());
    SolidBrush text{Color(m_valueColor)};
    drawText(g, std::wstring(label), *font, text, PointF(marked.X + 6, marked.Y - 6));
}

void CGDIpChart3DCtrl::v_drawHelp(CDC& dc)
{
    Graphics g(dc.m_hDC);
    g.SetSmoothingMode(SmoothingModeAntiAlias);
    const auto font = gdipFont(dc.m_hDC, m_chartFont, logHeight(m_chartFont));
    if (!font)
        return;
    CRect client;
    GetClientRect(&client);
    REAL widest = 0;
    RectF boxes[3];
    for (int i = 0; i < 3; ++i) {
        boxes[i] = measure(g, std::wstring(m_help[i]), *font);
        widest = std::max(widest, boxes[i].Width);
    }
    // Centred, but a line wider than the chart starts at its left edge so it is cut on one side only.
    const REAL left = std::max(REAL(0), (REAL(client.Width()) - widest) / 2);
    SolidBrush brush{Color(m_helpColor)};
    for (int i = 0; i < 3; ++i)
        drawText(g, std::wstring(m_help[i]), *font, brush,
                 PointF(left, REAL(client.top + 2) + i * (boxes[0].Height + 2)));
}
