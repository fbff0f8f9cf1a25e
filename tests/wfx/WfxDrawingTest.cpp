#include "WfxTestSupport.h"

#include <gtest/gtest.h>

using namespace wfxtest;

namespace {

class CPaintingWnd : public CWnd
{
public:
    int m_paints = 0;
    CRect m_paintRect;

protected:
    afx_msg void OnPaint()
    {
        CPaintDC dc(this);
        ++m_paints;
        m_paintRect = dc.m_ps.rcPaint;
        dc.FillSolidRect(&m_paintRect, RGB(0, 0, 255));
    }
    DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(CPaintingWnd, CWnd)
ON_WM_PAINT()
END_MESSAGE_MAP()

} // namespace

TEST(WfxDrawing, ShapesLandOnTheirPixels)
{
    Canvas canvas(20, 20);
    CDC& dc = canvas.dc();
    dc.FillSolidRect(0, 0, 20, 20, RGB(255, 255, 255));
    dc.Draw3dRect(CRect(2, 2, 12, 12), RGB(255, 0, 0), RGB(0, 255, 0));
    EXPECT_EQ(0xFF0000u, canvas.rgb(2, 2)); // top-left edges
    EXPECT_EQ(0xFF0000u, canvas.rgb(10, 2));
    EXPECT_EQ(0x00FF00u, canvas.rgb(11, 2));  // right edge
    EXPECT_EQ(0x00FF00u, canvas.rgb(5, 11));  // bottom edge
    EXPECT_EQ(0xFFFFFFu, canvas.rgb(5, 5));   // inside untouched
    EXPECT_EQ(0xFFFFFFu, canvas.rgb(12, 12)); // outside untouched

    CPen pen(PS_SOLID, 1, RGB(0, 0, 255));
    CPen* oldPen = dc.SelectObject(&pen);
    ASSERT_NE(nullptr, oldPen);
    EXPECT_TRUE(oldPen->IsKindOf(RUNTIME_CLASS(CPen))); // the stock pen, wrapped as a pen
    dc.MoveTo(0, 15);
    dc.LineTo(20, 15);
    EXPECT_EQ(CPoint(20, 15), dc.GetCurrentPosition());
    CPen* ours = dc.SelectObject(oldPen);
    EXPECT_EQ(pen.m_hObject, ours->m_hObject);
    EXPECT_EQ(0x0000FFu, canvas.rgb(7, 15));

    CBrush brush(RGB(10, 20, 30));
    dc.FillRect(CRect(14, 0, 18, 4), &brush);
    EXPECT_EQ(0x0A141Eu, canvas.rgb(15, 1));
}

TEST(WfxDrawing, TextAndClippingFollowTheContext)
{
    Canvas canvas(60, 20);
    CDC& dc = canvas.dc();
    dc.FillSolidRect(0, 0, 60, 20, RGB(255, 255, 255));
    CFont font;
    ASSERT_TRUE(font.CreatePointFont(100, L"Arial"));
    LOGFONTW lf{};
    ASSERT_NE(0, font.GetLogFont(&lf));
    EXPECT_LT(lf.lfHeight, 0);
    CFont* oldFont = dc.SelectObject(&font);
    CSize extent = dc.GetTextExtent(CString(L"MMMM"));
    EXPECT_GT(extent.cx, 0);
    EXPECT_GT(extent.cy, 0);

    int saved = dc.SaveDC();
    dc.IntersectClipRect(0, 0, 10, 20);
    dc.FillSolidRect(0, 0, 60, 20, RGB(0, 0, 0));
    dc.RestoreDC(saved);
    EXPECT_EQ(0u, canvas.rgb(5, 5));
    EXPECT_EQ(0xFFFFFFu, canvas.rgb(30, 5)); // clipped away
    dc.SelectObject(oldFont);
}

TEST(WfxDrawing, RegionsCombine)
{
    CRgn a, b, both;
    ASSERT_TRUE(a.CreateRectRgn(0, 0, 10, 10));
    ASSERT_TRUE(b.CreateRectRgn(5, 5, 15, 15));
    ASSERT_TRUE(both.CreateRectRgn(0, 0, 0, 0));
    EXPECT_EQ(COMPLEXREGION, both.CombineRgn(&a, &b, RGN_XOR));
    EXPECT_TRUE(both.PtInRegion(2, 2));
    EXPECT_FALSE(both.PtInRegion(7, 7)); // in both, so not in the XOR
    CRect box;
    both.GetRgnBox(&box);
    EXPECT_EQ(CRect(0, 0, 15, 15), box);
}

TEST(WfxDrawing, TemporaryWrappersLeaveTheirHandlesAlive)
{
    HBRUSH brush = CreateSolidBrush(RGB(1, 2, 3));
    CBrush* temp = CBrush::FromHandle(brush);
    ASSERT_NE(nullptr, temp);
    EXPECT_TRUE(temp->IsKindOf(RUNTIME_CLASS(CBrush)));
    EXPECT_EQ(temp, CGdiObject::FromHandle(brush));
    CGdiObject::DeleteTempMap();
    LOGBRUSH lb{};
    EXPECT_NE(0, GetObjectW(brush, sizeof(lb), &lb)); // still there
    DeleteObject(brush);

    CBrush owned(RGB(1, 1, 1));
    HGDIOBJ handle = owned.Detach();
    EXPECT_EQ(nullptr, owned.m_hObject);
    EXPECT_NE(0, GetObjectW(handle, sizeof(lb), &lb));
    DeleteObject(handle);
}

TEST(WfxDrawing, PaintContextPaintsTheUpdateRegionOnce)
{
    HostWindow host;
    CPaintingWnd wnd;
    ASSERT_TRUE(wnd.Create(nullptr, L"paint", WS_CHILD | WS_VISIBLE, CRect(0, 0, 40, 30), &host, 3));
    wnd.UpdateWindow();
    int before = wnd.m_paints;
    wnd.InvalidateRect(CRect(5, 5, 10, 10), FALSE);
    wnd.UpdateWindow();
    EXPECT_EQ(before + 1, wnd.m_paints);
    EXPECT_EQ(CRect(5, 5, 10, 10), wnd.m_paintRect);
    EXPECT_FALSE(wnd.GetUpdateRect(nullptr));
    CClientDC client(&wnd);
    EXPECT_EQ(RGB(0, 0, 255), client.GetPixel(6, 6));
}
