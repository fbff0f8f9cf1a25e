#pragma once

#include "PrambleGDIpApi.h"

// GDI+ start for the whole process and the rounded shapes the drawn controls
// are made of.
class PRAMBLEGDIP_API IGDIpHelper
{
public:
    IGDIpHelper() = default;
    IGDIpHelper(const IGDIpHelper&) = default;
    IGDIpHelper& operator=(const IGDIpHelper&) = default;
    virtual ~IGDIpHelper();

    virtual void v_recalcData() {}
    virtual void v_draw(CDC&) {}

    // The program starts GDI+ once, before any drawn window paints; it stays
    // up until the process ends.
    static void startupGDIp();
    static void shoutdownGDIp();

    static ULONG_PTR m_gdiplusToken; // 0 while GDI+ is not started

protected:
    // A rectangle with four quarter-circle corners; d holds the corner
    // diameters: top-left, top-right, bottom-right, bottom-left.
    static void roundRect(Gdiplus::GraphicsPath& path, const Gdiplus::Rect& r, const int* d);
    // A rounded triangle 100 wide and 50 high with its apex down (B) or up
    // (T), scaled by (sx, sy) and centred on (x, y); r is the rounding.
    static void equilateralRoundTriangle100B(Gdiplus::GraphicsPath& path, int r, int x, int y, double sx,
                                             double sy);
    static void equilateralRoundTriangle100T(Gdiplus::GraphicsPath& path, int r, int x, int y, double sx,
                                             double sy);

private:
    static void roundTriangle(Gdiplus::GraphicsPath& path, int r, float angle, float shift, int x, int y,
                              double sx, double sy);
};
