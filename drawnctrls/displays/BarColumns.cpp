#include "BarColumns.h"

#include <cmath>
#include <cstdlib>

namespace barcolumns {

std::vector<Column> layout(const CRect& client, int n, int gap, int margin, int band)
{
    std::vector<Column> columns;
    if (n <= 0)
        return columns;
    const int w = int(std::round(double(client.Width() - (n + 1) * gap) / n));
    for (int i = 0; i < n; ++i) {
        const int left = gap * (i + 1) + i * w;
        columns.push_back({CRect(left, client.top + band + margin, left + w, client.bottom - band - margin),
                           CRect(left, client.bottom - band, left + w, client.bottom - margin),
                           CRect(left, client.top, left + w, client.top + band + margin - 2)});
    }
    return columns;
}

int fontHeight(CFont* font)
{
    LOGFONTW lf{};
    if (font && font->GetLogFont(&lf))
        return std::abs(int(lf.lfHeight));
    return 15;
}

int valueRow(double value, double min, double max, int top, int bottom, int step)
{
    if (max <= min)
        return bottom;
    const int h = int(std::round((value - min) * (bottom - top) / (max - min)));
    return bottom - (step > 0 ? h / step * step : h);
}

void fillBackground(CDC& dc, CWnd& wnd, bool fill, COLORREF color)
{
    if (!fill)
        return;
    CRect client;
    wnd.GetClientRect(&client);
    dc.FillSolidRect(&client, color);
}

} // namespace barcolumns
