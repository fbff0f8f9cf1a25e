#include "DrawnTestSupport.h"

#include <cmath>

using namespace drawntest;
using namespace Gdiplus;

namespace {

// Exposes the protected shape builders.
struct ShapeMaker : IGDIpHelper
{
    using IGDIpHelper::equilateralRoundTriangle100B;
    using IGDIpHelper::equilateralRoundTriangle100T;
    using IGDIpHelper::roundRect;
};

void fillPath(Canvas& canvas, GraphicsPath& path)
{
    Graphics g(canvas.dc().m_hDC);
    SolidBrush black(Color(0xFF000000));
    g.FillPath(&black, &path);
}

// A pack that draws one plain gradient with nothing else.
IGDIpGradientRectPack gradientOnly(ARGB start, ARGB end, int mode)
{
    IGDIpGradientRectPack pack;
    pack.m_drawFrame = false;
    pack.m_fillBackground = false;
    pack.setMarginFractions(0, 0, 0, 0);
    pack.setCornerFractions(0);
    pack.m_gradientStart = start;
    pack.m_gradientEnd = end;
    pack.m_gradientMode = mode;
    return pack;
}

// A control window with a gradient-control pack bound to it.
class CPackedWnd : public CWnd, public IGDIpGradientCtrl
{
public:
    explicit CPackedWnd(CWnd& parent) : IGDIpGradientCtrl(this)
    {
        Create(nullptr, L"", WS_CHILD | WS_VISIBLE, CRect(10, 10, 110, 60), &parent, 1);
    }
};

} // namespace

TEST(GradientPack, MarginsAndCornersComeFromTheShorterSide)
{
    IGDIpGradientRectPack pack;
    pack.v_recalcData(CRect(5, 5, 45, 25)); // 40 x 20, default fractions
    EXPECT_EQ(1, pack.m_margins[1]);        // 0.075 x 20 = 1.5
    EXPECT_EQ(0, pack.m_margins[0]);
    EXPECT_EQ(0, pack.m_margins[2]);
    EXPECT_EQ(0, pack.m_margins[3]);
    for (int d : pack.m_cornerDiameters)
        EXPECT_EQ(10, d);
    EXPECT_EQ(CRect(5, 5, 45, 25), pack.getRect());

    pack.setMarginFractions(0.01, 0, 0.5, 0.2);
    pack.m_cornerFractions[2] = 0;
    pack.v_recalcData(CRect(0, 0, 30, 30)); // a square takes its width
    EXPECT_EQ(1, pack.m_margins[0]);        // 0.3 rounds down to 0 but the fraction is not 0
    EXPECT_EQ(0, pack.m_margins[1]);
    EXPECT_EQ(15, pack.m_margins[2]);
    EXPECT_EQ(6, pack.m_margins[3]);
    EXPECT_EQ(1, pack.m_cornerDiameters[2]); // a fraction of 0 still gives 1 pixel
    EXPECT_EQ(15, pack.m_cornerDiameters[0]);
}

TEST(GradientPack, PresetsAndCopiesTakeTheLookButNotTheGeometry)
{
    IGDIpGradientRectGrayPack gray;
    EXPECT_EQ(0xFFEAEAEAu, gray.m_gradientStart);
    EXPECT_EQ(0xFF808080u, gray.m_gradientEnd);
    EXPECT_FALSE(gray.m_drawFrame);
    gray.v_recalcData(CRect(0, 0, 200, 100));
    EXPECT_EQ(0, gray.m_margins[1]);
    EXPECT_EQ(1, gray.m_cornerDiameters[0]); // 0.015 x 100

    IGDIpGradientDeepGraphitePack graphite;
    graphite.v_recalcData(CRect(0, 0, 200, 100));
    EXPECT_EQ(0xFF434343u, graphite.m_gradientStart);
    EXPECT_EQ(0xFF0C0C0Cu, graphite.m_gradientEnd);
    for (int d : graphite.m_cornerDiameters)
        EXPECT_EQ(1, d);

    IGDIpGradientRectPack target;
    target.v_recalcData(CRect(1, 2, 41, 22));
    target = gray;
    EXPECT_EQ(0xFF808080u, target.m_gradientEnd);
    EXPECT_DOUBLE_EQ(0.015, target.m_cornerFractions[3]);
    EXPECT_EQ(CRect(1, 2, 41, 22), target.getRect()); // its own geometry stays
    EXPECT_EQ(10, target.m_cornerDiameters[0]);

    IGDIpGradientRectPack copy(gray);
    EXPECT_TRUE(copy.getRect().IsRectNull());
    EXPECT_NE(gray.framePath(), copy.framePath());
}

TEST(GradientPack, PacksKeepTheirGeometryInAGrowingList)
{
    std::vector<IGDIpGradientRectPack> packs;
    for (int i = 0; i < 20; ++i) {
        packs.emplace_back();
        packs.back().v_recalcData(CRect(i, 0, i + 40, 20));
    }
    EXPECT_EQ(CRect(0, 0, 40, 20), packs[0].getRect());
    EXPECT_EQ(10, packs[0].m_cornerDiameters[0]);
}

TEST(GradientPack, GdiplusStartsOnceAndStopsOnlyWhenStarted)
{
    ULONG_PTR token = IGDIpHelper::m_gdiplusToken;
    ASSERT_NE(0u, token); // started by the test program, as by the application
    IGDIpHelper::startupGDIp();
    EXPECT_EQ(token, IGDIpHelper::m_gdiplusToken);

    IGDIpHelper::m_gdiplusToken = 0; // as if never started
    IGDIpHelper::shoutdownGDIp();
    EXPECT_EQ(0u, IGDIpHelper::m_gdiplusToken);
    IGDIpHelper::m_gdiplusToken = token;
}

TEST(GradientPack, GradientRunsInItsMode)
{
    Canvas vertical(40, 100);
    IGDIpGradientRectPack pack = gradientOnly(0xFFFF0000, 0xFF0000FF, LinearGradientModeVertical);
    pack.v_recalcData(CRect(0, 0, 40, 100));
    pack.v_draw(vertical.dc());
    EXPECT_TRUE(rgbNear(0xFF0000, vertical.rgb(20, 0), 8));
    EXPECT_TRUE(rgbNear(0x0000FF, vertical.rgb(20, 99), 8));
    EXPECT_TRUE(rgbNear(vertical.rgb(2, 30), vertical.rgb(37, 30))); // one colour across a row

    Canvas horizontal(100, 40);
    pack.m_gradientMode = LinearGradientModeHorizontal;
    pack.v_recalcData(CRect(0, 0, 100, 40));
    pack.v_draw(horizontal.dc());
    EXPECT_TRUE(rgbNear(0xFF0000, horizontal.rgb(0, 20), 8));
    EXPECT_TRUE(rgbNear(0x0000FF, horizontal.rgb(99, 20), 8));
}

TEST(GradientPack, FillMarginsAndFrameLandWhereTheFlagsSay)
{
    Canvas canvas(100, 50);
    IGDIpGradientRectPack pack = gradientOnly(0xFF0000FF, 0xFF0000FF, LinearGradientModeVertical);
    pack.m_fillBackground = true;
    pack.m_frameColor = 0xFF00FF00;
    pack.setMarginFractions(0, 0.2, 0, 0); // 10 pixels of 50
    pack.v_recalcData(CRect(0, 0, 100, 50));
    pack.v_draw(canvas.dc());
    EXPECT_TRUE(rgbNear(0x00FF00, canvas.rgb(50, 5)));  // the fill shows in the margin
    EXPECT_TRUE(rgbNear(0x0000FF, canvas.rgb(50, 30))); // the gradient inside it

    Canvas framed(100, 50);
    pack.m_fillBackground = false;
    pack.m_drawGradient = false;
    pack.m_drawFrame = true;
    pack.m_frameWidth = 3;
    pack.v_draw(framed.dc());
    EXPECT_TRUE(rgbNear(0x00FF00, framed.rgb(0, 25), 40));
    EXPECT_EQ(0xFFFFFFu, framed.rgb(50, 25));
}

TEST(GradientPack, DisabledLookUsesTheTranslucentColours)
{
    Canvas canvas(40, 40);
    IGDIpGradientRectPack pack = gradientOnly(0xFFFF0000, 0xFFFF0000, LinearGradientModeVertical);
    pack.m_enabledLook = false;
    pack.v_recalcData(CRect(0, 0, 40, 40));
    pack.v_draw(canvas.dc());
    // 0x96434343 over white: 0x43 x 150/255 + 255 x 105/255
    EXPECT_TRUE(rgbNear(0x909090, canvas.rgb(20, 0), 6));
}

TEST(GradientPack, ButtonFlashReachesPastTheOutline)
{
    Canvas canvas(80, 80);
    IGDIpGradientRectPack pack = gradientOnly(0xFF0000FF, 0xFF0000FF, LinearGradientModeVertical);
    pack.v_recalcData(CRect(20, 20, 60, 60));
    pack.v_drawButtonFlash(canvas.dc(), 5);
    EXPECT_TRUE(rgbNear(0x0000FF, canvas.rgb(17, 40)));
    EXPECT_EQ(0xFFFFFFu, canvas.rgb(12, 40));
    pack.m_enabledLook = false; // the flash ignores the disabled look
    Canvas second(80, 80);
    pack.v_drawButtonFlash(second.dc(), 0);
    EXPECT_TRUE(rgbNear(0x0000FF, second.rgb(40, 40)));
}

TEST(GradientPack, NothingIsDrawnForAnEmptyRectangle)
{
    Canvas canvas(20, 20);
    IGDIpGradientRectPack pack;
    pack.v_draw(canvas.dc());
    pack.v_drawButtonFlash(canvas.dc(), 0);
    EXPECT_EQ(0xFFFFFFu, canvas.rgb(0, 0));
}

TEST(Shapes, RoundRectCornersFollowTheirDiameters)
{
    Canvas canvas(40, 40);
    GraphicsPath path;
    const int d[4] = {40, 1, 1, 1}; // only the top-left corner is round
    ShapeMaker::roundRect(path, Rect(0, 0, 39, 39), d);
    fillPath(canvas, path);
    EXPECT_EQ(0xFFFFFFu, canvas.rgb(2, 2));
    EXPECT_EQ(0x000000u, canvas.rgb(37, 2));
    EXPECT_EQ(0x000000u, canvas.rgb(37, 37));
    EXPECT_EQ(0x000000u, canvas.rgb(2, 37));
    EXPECT_EQ(0x000000u, canvas.rgb(20, 20));
}

TEST(Shapes, TrianglesPointDownOrUp)
{
    Canvas down(100, 60);
    GraphicsPath b;
    ShapeMaker::equilateralRoundTriangle100B(b, 5, 50, 30, 1.0, 1.0);
    fillPath(down, b);
    EXPECT_EQ(0x000000u, down.rgb(50, 10)); // the wide side at the top
    EXPECT_EQ(0x000000u, down.rgb(20, 10));
    EXPECT_EQ(0x000000u, down.rgb(50, 45)); // near the apex, below the centre
    EXPECT_EQ(0xFFFFFFu, down.rgb(20, 45));

    Canvas up(100, 60);
    GraphicsPath t;
    ShapeMaker::equilateralRoundTriangle100T(t, 5, 50, 30, 1.0, 1.0);
    fillPath(up, t);
    EXPECT_EQ(0x000000u, up.rgb(20, 50));
    EXPECT_EQ(0x000000u, up.rgb(50, 15));
    EXPECT_EQ(0xFFFFFFu, up.rgb(20, 15));

    Canvas half(100, 60);
    GraphicsPath small;
    ShapeMaker::equilateralRoundTriangle100B(small, 5, 50, 30, 0.5, 0.5);
    fillPath(half, small);
    EXPECT_EQ(0x000000u, half.rgb(50, 22));
    EXPECT_EQ(0xFFFFFFu, half.rgb(20, 22)); // 50 wide now
}

TEST(GradientCtrl, FrameShowsHoverBeforeFocusBeforeThePlainFrame)
{
    HostWindow host;
    CPackedWnd wnd(host);
    wnd.v_recalcData();
    EXPECT_EQ(CRect(0, 0, 100, 50), wnd.getRect());
    wnd.m_frameWidth = 3;
    wnd.m_frameColor = 0xFF0000FF;
    auto frameAt = [&wnd]() {
        Canvas canvas(100, 50);
        Graphics g(canvas.dc().m_hDC);
        wnd.v_drawFrame(g, Rect(0, 0, 99, 49));
        return canvas.rgb(0, 25);
    };
    wnd.m_hovered = true;
    wnd.m_focused = true;
    EXPECT_TRUE(rgbNear(0xFF0000, frameAt(), 40));
    wnd.m_hovered = false;
    EXPECT_TRUE(rgbNear(0x00FF00, frameAt(), 40));
    wnd.m_showFocusFrame = false;
    EXPECT_TRUE(rgbNear(0x0000FF, frameAt(), 40));
    wnd.m_drawFrame = false;
    EXPECT_EQ(0xFFFFFFu, frameAt());
}

TEST(GradientCtrl, DisabledOwnerDrawsTheDisabledColours)
{
    HostWindow host;
    CPackedWnd wnd(host);
    wnd.m_fillBackground = false;
    wnd.setMarginFractions(0, 0, 0, 0);
    wnd.m_gradientStart = wnd.m_gradientEnd = 0xFFFF0000;
    wnd.v_recalcData();
    auto backgroundAt = [&wnd]() {
        Canvas canvas(100, 50);
        Graphics g(canvas.dc().m_hDC);
        wnd.v_drawBackground(g, Rect(0, 0, 100, 50));
        return canvas.rgb(50, 2);
    };
    EXPECT_TRUE(rgbNear(0xFF0000, backgroundAt()));
    wnd.EnableWindow(FALSE);
    EXPECT_TRUE(rgbNear(0x909090, backgroundAt(), 6));
}

TEST(GradientCtrl, HoverLastsFromTheFirstMoveToTheLeave)
{
    HostWindow host;
    CPackedWnd wnd(host);
    pumpPending();
    wnd.mouseMove();
    EXPECT_TRUE(wnd.m_hovered);
    EXPECT_EQ(wnd.m_hWnd, wnd.m_trackMouse.hwndTrack);
    EXPECT_EQ(DWORD(TME_HOVER | TME_LEAVE), wnd.m_trackMouse.dwFlags);
    CRect update;
    EXPECT_TRUE(wnd.GetUpdateRect(&update)); // repainted for the hover frame
    pumpPending();
    wnd.mouseLeave();
    EXPECT_FALSE(wnd.m_hovered);
    EXPECT_TRUE(wnd.GetUpdateRect(&update));

    IGDIpGradientCtrl copy(wnd, &host);
    EXPECT_EQ(&host, copy.m_owner);
    EXPECT_EQ(wnd.m_hoverColor, copy.m_hoverColor);
    EXPECT_FALSE(copy.m_hovered);
}
