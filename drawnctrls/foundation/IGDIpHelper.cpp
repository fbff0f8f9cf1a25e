#include "IGDIpHelper.h"

#include <cmath>

using namespace Gdiplus;

ULONG_PTR IGDIpHelper::m_gdiplusToken = 0;

IGDIpHelper::~IGDIpHelper() = default;

void IGDIpHelper::startupGDIp()
{
    if (m_gdiplusToken)
        return;
    GdiplusStartupInput input(nullptr, FALSE, FALSE);
    GdiplusStartup(&m_gdiplusToken, &input, nullptr);
}

void IGDIpHelper::shoutdownGDIp()
{
    if (!m_gdiplusToken)
        return;
    GdiplusShutdown(m_gdiplusToken);
    m_gdiplusToken = 0;
}

void IGDIpHelper::roundRect(GraphicsPath& path, const Rect& r, const int* d)
{
    path.StartFigure();
    path.AddArc(r.X, r.Y, d[0], d[0], 180, 90);
    path.AddArc(r.X + r.Width - d[1], r.Y, d[1], d[1], 270, 90);
    path.AddArc(r.X + r.Width - d[2], r.Y + r.Height - d[2], d[2], d[2], 0, 90);
    path.AddArc(r.X, r.Y + r.Height - d[3], d[3], d[3], 90, 90);
    path.CloseFigure();
}

void IGDIpHelper::equilateralRoundTriangle100B(GraphicsPath& path, int r, int x, int y, double sx, double sy)
{
    roundTriangle(path, r, -45.0f, -25.0f, x, y, sx, sy);
}

void IGDIpHelper::equilateralRoundTriangle100T(GraphicsPath& path, int r, int x, int y, double sx, double sy)
{
    roundTriangle(path, r, 135.0f, 25.0f, x, y, sx, sy);
}

// A right isosceles triangle with rounded corners in the square -50..50,
// its right angle at the lower left, turned so that the right angle becomes
// the apex and brought to 100 x 50.
void IGDIpHelper::roundTriangle(GraphicsPath& path, int r, float angle, float shift, int x, int y, double sx,
                                double sy)
{
    const int a = 2 * r;
    const int c = 4 * r;
    path.StartFigure();
    path.AddArc(-50, 50 - c, c, c, 90, 90);
    path.AddLine(-50, 50 - c, -50, r + a - 50);
    path.AddArc(-50, r - 50, a, a, 180, 135);
    path.AddLine(r - 50, r - 50, 50 - r, 50 - r);
    path.AddArc(50 - r - a, 50 - a, a, a, 315, 135);
    path.AddLine(50 - r - a, 50, c - 50, 50);
    path.CloseFigure();

    Matrix m;
    auto apply = [&path, &m]() {
        path.Transform(&m);
        m.Reset();
    };
    m.Rotate(angle);
    apply();
    const float toHalf = float(100.0 / (std::sqrt(2.0) * 100.0));
    m.Scale(toHalf, toHalf);
    apply();
    m.Translate(0, shift);
    apply();
    m.Scale(float(sx), float(sy));
    apply();
    m.Translate(float(x), float(y));
    apply();
}
