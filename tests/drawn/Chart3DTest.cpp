#include "DrawnTestSupport.h"

#include <CGDIpChart3DCtrl.h>

#include <memory>

using namespace drawntest;

namespace {

// The chart's state opened for the tests, counting its hooks.
class ChartProbe : public CGDIpChart3DCtrl
{
public:
    using CGDIpChart3DCtrl::m_a1;
    using CGDIpChart3DCtrl::m_a3;
    using CGDIpChart3DCtrl::m_grid;
    using CGDIpChart3DCtrl::m_helpVisible;
    using CGDIpChart3DCtrl::m_marked;
    using CGDIpChart3DCtrl::m_originX;
    using CGDIpChart3DCtrl::m_originY;
    using CGDIpChart3DCtrl::m_scale;
    using CGDIpChart3DCtrl::m_selEnd;
    using CGDIpChart3DCtrl::m_selStart;
    using CGDIpChart3DCtrl::mapTo2D;
    using CGDIpChart3DCtrl::surfaceColor;

    void v_dataChanged(bool up) override { (up ? ups : downs)++; }
    void v_selectionChanged() override { ++selectionChanges; }

    int ups = 0;
    int downs = 0;
    int selectionChanges = 0;
};

// The error a call raised, or null.
template <class F> std::unique_ptr<IError> errorOf(F call)
{
    try {
        call();
    } catch (IError* e) {
        return std::unique_ptr<IError>(e);
    }
    return nullptr;
}

void setCtrl(bool down)
{
    BYTE keys[256];
    ::GetKeyboardState(keys);
    keys[VK_CONTROL] = keys[VK_LCONTROL] = down ? 0x80 : 0;
    ::SetKeyboardState(keys);
}

BOOL keyDown(CGDIpChart3DCtrl& chart, UINT vk)
{
    MSG msg{chart.m_hWnd, WM_KEYDOWN, vk, 0, 0, {0, 0}};
    return chart.PreTranslateMessage(&msg);
}

LPARAM at(int x, int y)
{
    return MAKELPARAM(x, y);
}

} // namespace

TEST(Chart3D, GridIsBuiltAndAddressedWithinItsBounds)
{
    ChartProbe chart;
    chart.createGrid(0, 16, 20);
    EXPECT_EQ(17, chart.getRowCount());
    EXPECT_EQ(21, chart.getColumnCount());
    EXPECT_EQ(0, chart.getData(16, 20));
    EXPECT_EQ(16 * 85.0, chart.m_grid[16][20].model.x);
    EXPECT_EQ(20 * 75.0, chart.m_grid[16][20].model.y);
    chart.setData(7, 3, 4, 2500, 3.5);
    EXPECT_EQ(7, chart.getData(3, 4));
    EXPECT_EQ(2500.0, chart.m_grid[3][4].data.x);

    auto error = errorOf([&] { chart.setData(1, 17, 0, 0, 0); });
    ASSERT_TRUE(error);
    EXPECT_EQ(0u, error->code());
    EXPECT_EQ(L"setData(\n17\n, 0 )", error->where());
    EXPECT_EQ(162, error->line());
    EXPECT_EQ(L"CGDIpChart3DCtrl", error->file());
    error = errorOf([&] { chart.getData(-1, 0); });
    ASSERT_TRUE(error);
    EXPECT_EQ(L"getData(\n-1\n, 0 )", error->where());
    EXPECT_EQ(216, error->line());
    EXPECT_TRUE(errorOf([&] { chart.getData(0, 21); }));

    error = errorOf([&] { chart.createGrid(0, 0, 5); });
    ASSERT_TRUE(error);
    EXPECT_EQ(L"createGrid(\n0\n0\n, 5 )", error->where());
    EXPECT_EQ(178, error->line());
    EXPECT_EQ(0, chart.getRowCount());
    EXPECT_TRUE(errorOf([&] { chart.createGrid(3, -4, 5); }));
    EXPECT_TRUE(errorOf([&] { chart.getData(0, 0); }));
}

TEST(Chart3D, ProjectionWithTheAnglesAtZero)
{
    HostWindow host(1000, 700);
    ChartProbe chart;
    ASSERT_TRUE(chart.Create(0, CRect(0, 0, 916, 600), &host, 1));
    EXPECT_EQ(183, chart.m_originX); // width / 5
    EXPECT_EQ(200, chart.m_originY); // height / 3
    EXPECT_EQ(0.5, chart.m_scale);   // 916 / 1832
    // A1 and A3 enter as 25 and 150 degrees, A2 as 0.
    TPoint<double> p = chart.mapTo2D(100, 0, 0);
    EXPECT_NEAR(228.3154, p.x, 1e-3);
    EXPECT_NEAR(210.5655, p.y, 1e-3);
    p = chart.mapTo2D(0, 100, 0);
    EXPECT_NEAR(161.8691, p.x, 1e-3);
    EXPECT_NEAR(222.6577, p.y, 1e-3);
    p = chart.mapTo2D(TPoint<double>(0, 0), 100);
    EXPECT_NEAR(183.0, p.x, 1e-9);
    EXPECT_NEAR(156.6987, p.y, 1e-3);
}

TEST(Chart3D, WheelAndRightDragStopAtTheirLimits)
{
    HostWindow host(1000, 700);
    ChartProbe chart;
    ASSERT_TRUE(chart.Create(0, CRect(0, 0, 916, 600), &host, 1));
    chart.SendMessage(WM_MOUSEWHEEL, MAKEWPARAM(MK_CONTROL, -120), at(10, 10));
    EXPECT_EQ(171, chart.m_originX);
    chart.SendMessage(WM_MOUSEWHEEL, MAKEWPARAM(MK_CONTROL, -30000), at(10, 10));
    EXPECT_EQ(-100, chart.m_originX);
    chart.SendMessage(WM_MOUSEWHEEL, MAKEWPARAM(MK_SHIFT, -30000), at(10, 10));
    EXPECT_EQ(-100, chart.m_originY);
    chart.SendMessage(WM_MOUSEWHEEL, MAKEWPARAM(0, 120), at(10, 10));
    EXPECT_DOUBLE_EQ(0.62, chart.m_scale);
    chart.SendMessage(WM_MOUSEWHEEL, MAKEWPARAM(0, 3000), at(10, 10));
    EXPECT_EQ(1.0, chart.m_scale);
    chart.SendMessage(WM_MOUSEWHEEL, MAKEWPARAM(0, -3000), at(10, 10));
    EXPECT_EQ(0.2, chart.m_scale);

    chart.SendMessage(WM_RBUTTONDOWN, MK_RBUTTON, at(400, 300));
    chart.SendMessage(WM_MOUSEMOVE, MK_RBUTTON, at(100, 300)); // 300 to the left
    EXPECT_EQ(200.0, chart.m_a1);
    EXPECT_EQ(0.0, chart.m_a3);
    chart.SendMessage(WM_MOUSEMOVE, MK_RBUTTON, at(500, 500));
    EXPECT_EQ(-78.0, chart.m_a1);
    EXPECT_EQ(-180.0, chart.m_a3);
    chart.SendMessage(WM_MOUSEMOVE, MK_RBUTTON, at(390, 100));
    EXPECT_EQ(10.0, chart.m_a1);
    EXPECT_EQ(90.0, chart.m_a3);
    chart.SendMessage(WM_RBUTTONUP, 0, at(390, 100));
    chart.SendMessage(WM_MOUSEMOVE, 0, at(0, 0));
    EXPECT_EQ(10.0, chart.m_a1);
    // A button let go outside the window: leaving ends the rotation.
    chart.SendMessage(WM_RBUTTONDOWN, MK_RBUTTON, at(400, 300));
    chart.SendMessage(WM_MOUSELEAVE);
    chart.SendMessage(WM_MOUSEMOVE, 0, at(380, 300));
    EXPECT_EQ(10.0, chart.m_a1);
    chart.v_restoreDefaults();
    EXPECT_EQ(0.0, chart.m_a1);
    EXPECT_EQ(183, chart.m_originX);
}

TEST(Chart3D, LeftDragSelectsARangeOfNodes)
{
    HostWindow host(1000, 700);
    ChartProbe chart;
    ASSERT_TRUE(chart.Create(0, CRect(0, 0, 916, 600), &host, 1));
    chart.createGrid(0, 16, 20);
    chart.SendMessage(WM_LBUTTONDOWN, MK_LBUTTON, at(5, 5)); // the first click only takes the focus
    EXPECT_EQ(chart.m_hWnd, ::GetFocus());
    EXPECT_EQ(0, chart.selectionChanges);
    chart.SendMessage(WM_LBUTTONUP, 0, at(5, 5));

    chart.SendMessage(WM_LBUTTONDOWN, MK_LBUTTON, at(5, 5));
    EXPECT_EQ(0, chart.m_selStart.row);
    EXPECT_EQ(0, chart.m_selStart.column);
    EXPECT_TRUE(chart.m_grid[0][0].selected);
    EXPECT_EQ(1, chart.selectionChanges);
    const TPoint<double> target = chart.mapTo2D(chart.m_grid[5][8].model, 250);
    chart.SendMessage(WM_MOUSEMOVE, MK_LBUTTON, at(int(target.x) - 1, int(target.y) - 1));
    EXPECT_EQ(2, chart.selectionChanges);
    const int endRow = chart.m_selEnd.row, endColumn = chart.m_selEnd.column;
    ASSERT_GT(endRow, 0);
    ASSERT_GT(endColumn, 0);
    for (int r = 0; r < 17; ++r)
        for (int c = 0; c < 21; ++c)
            EXPECT_EQ(r < endRow && c < endColumn, chart.m_grid[r][c].selected) << r << "," << c;
    chart.SendMessage(WM_LBUTTONUP, 0, at(0, 0));

    // The move paints at once and leaves other messages queued for their loop.
    chart.PostMessage(WM_NULL);
    chart.PostMessage(WM_QUIT);
    chart.SendMessage(WM_MOUSEMOVE, 0, at(50, 50));
    MSG msg;
    EXPECT_TRUE(::PeekMessageW(&msg, nullptr, WM_QUIT, WM_QUIT, PM_REMOVE));
    pumpPending();
}

TEST(Chart3D, CtrlArrowsReportOneChangeOfTheSelection)
{
    HostWindow host(1000, 700);
    ChartProbe chart;
    ASSERT_TRUE(chart.Create(0, CRect(0, 0, 916, 600), &host, 1));
    EXPECT_TRUE(keyDown(chart, 'A')); // no grid: every key is taken

    chart.createGrid(0, 16, 20);
    setCtrl(true);
    EXPECT_TRUE(keyDown(chart, VK_UP)); // nothing selected: only a repaint
    EXPECT_EQ(0, chart.ups);
    chart.m_grid[2][3].selected = chart.m_grid[2][4].selected = chart.m_grid[3][3].selected = true;
    EXPECT_TRUE(keyDown(chart, VK_UP));
    EXPECT_EQ(1, chart.ups);
    // Through the message loop, as the user's key arrives.
    chart.PostMessage(WM_KEYDOWN, VK_DOWN);
    pumpPending();
    EXPECT_EQ(1, chart.downs);
    setCtrl(false);
    EXPECT_FALSE(keyDown(chart, VK_UP));
    EXPECT_EQ(1, chart.ups);
}

TEST(Chart3D, SurfaceColoursFollowTheValue)
{
    ChartProbe chart;
    EXPECT_EQ(0xFFFFFFFFu, chart.surfaceColor(0.5));
    EXPECT_EQ(0xFFFFFFFFu, chart.surfaceColor(0));
    EXPECT_EQ(0xFFFFCDCDu, chart.surfaceColor(10));
    EXPECT_EQ(0xFFCDFFCDu, chart.surfaceColor(-10));
    EXPECT_EQ(0xFFFF6565u, chart.surfaceColor(100)); // only the low 8 bits of 245 - 400
}

TEST(Chart3D, PaintsWithAndWithoutAGrid)
{
    HostWindow host(1000, 700);
    ChartProbe chart;
    ASSERT_TRUE(chart.Create(0, CRect(0, 0, 916, 600), &host, 1));
    repaintNow(host); // box, axes and help only
    chart.createGrid(0, 16, 20);
    for (int r = 0; r < 17; ++r)
        for (int c = 0; c < 21; ++c)
            chart.setData(r * 3 - c * 2, r, c, r * 500, c * 1.5);
    chart.m_marked = {4, 5};
    chart.m_grid[4][5].selected = true;
    chart.SetFocus();
    repaintNow(host);
    chart.m_helpVisible = false;
    chart.m_marked = {40, 50}; // beyond the grid: no mark
    repaintNow(host);
    // The surface lies over the box's floor: some of its red and green patches show.
    int tinted = 0;
    for (int x = 200; x < 900; x += 7)
        for (int y = 100; y < 600; y += 7) {
            const std::uint32_t c = clientPixel(chart, x, y);
            const int r = int(c >> 16 & 0xFF), g = int(c >> 8 & 0xFF), b = int(c & 0xFF);
            tinted += (r > g + 20 && r > b + 20) || (g > r + 20 && g > b + 20) ? 1 : 0;
        }
    EXPECT_GT(tinted, 50);
}
