#include "ControlTestSupport.h"

using namespace drawntest;

namespace {

bool isDark(std::uint32_t rgb)
{
    return ((rgb >> 16) & 0xFF) < 80 && ((rgb >> 8) & 0xFF) < 80 && (rgb & 0xFF) < 80;
}

// A drop-down list of 100 x 21 with three items.
struct ComboOnHost
{
    ComboOnHost() : host(200, 150)
    {
        combo.Create(WS_CHILD | WS_VISIBLE | CBS_DROPDOWNLIST, CRect(0, 0, 100, 120), &host, 10);
        combo.MoveWindow(0, 0, 100, 21);
        for (LPCWSTR item : {L"one", L"two", L"three"})
            combo.AddString(item);
        combo.v_recalcData(CRect(0, 0, 100, 21));
    }
    std::unique_ptr<Canvas> draw() { return drawnOnCanvas(combo, 100, 21); }
    HostWindow host;
    CGDIpGradientComboBox combo;
};

struct SpinOnHost
{
    SpinOnHost() : host(200, 150)
    {
        spin.Create(WS_CHILD | WS_VISIBLE, CRect(0, 0, 20, 40), &host, 11);
        spin.MoveWindow(0, 0, 20, 40); // the control makes itself narrower at creation
        spin.SetRange32(0, 100);
        spin.SetPos(50);
    }
    std::unique_ptr<Canvas> draw() { return drawnOnCanvas(spin, 20, 40); }
    HostWindow host;
    CGDIpGradientSpinButtonCtrl spin;
};

} // namespace

TEST(GradientComboBox, ButtonPartTakesFourFifthsOfTheHeightAtTheRight)
{
    ComboOnHost c;
    auto canvas = c.draw();
    // h = 20: the part is 16 wide from x = 83; upper and lower halves, arrow in the middle.
    EXPECT_TRUE(rgbNear(0xF0F0F0, canvas->rgb(86, 5), 6));
    EXPECT_TRUE(rgbNear(0xBEBEBE, canvas->rgb(86, 16), 6));
    EXPECT_TRUE(rgbNear(0x505050, canvas->rgb(91, 11), 30));
    EXPECT_FALSE(rgbNear(0xBEBEBE, canvas->rgb(78, 16), 6)); // the body's own gradient
}

TEST(GradientComboBox, SelectionIsDrawnAndReplaced)
{
    ComboOnHost c;
    const CRect text(10, 2, 70, 19);
    EXPECT_EQ(0, countPixels(*c.draw(), text, isDark)); // no selection: an empty text area
    EXPECT_EQ(1, c.combo.SetCurSel(1));
    EXPECT_EQ(1, c.combo.GetCurSel());
    EXPECT_GT(countPixels(*c.draw(), text, isDark), 5);
    EXPECT_EQ(-1, c.combo.SetCurSel(-1));
    EXPECT_EQ(-1, c.combo.GetCurSel());
    EXPECT_EQ(0, countPixels(*c.draw(), text, isDark));
}

TEST(GradientComboBox, HoverAndFocusShowTheirFrames)
{
    ComboOnHost c;
    c.combo.m_frameWidth = 3;
    c.combo.m_frameColor = 0xFF0000FF;
    EXPECT_TRUE(rgbNear(0x0000FF, c.draw()->rgb(0, 10), 40));
    c.combo.SendMessage(WM_SETFOCUS);
    EXPECT_TRUE(c.combo.m_focused);
    EXPECT_TRUE(rgbNear(0x00FF00, c.draw()->rgb(0, 10), 40));
    c.combo.SendMessage(WM_MOUSEMOVE, 0, MAKELPARAM(5, 5));
    EXPECT_TRUE(c.combo.m_hovered);
    EXPECT_TRUE(rgbNear(0xFF0000, c.draw()->rgb(0, 10), 40));
    c.combo.SendMessage(WM_MOUSELEAVE);
    c.combo.SendMessage(WM_KILLFOCUS);
    EXPECT_FALSE(c.combo.m_hovered);
    EXPECT_FALSE(c.combo.m_focused);
    EXPECT_TRUE(rgbNear(0x0000FF, c.draw()->rgb(0, 10), 40));
}

TEST(GradientComboBox, ItemsWithoutTextAreNeitherDrawnNorMeasuredFromNothing)
{
    ComboOnHost c;
    Canvas canvas(100, 20);
    DRAWITEMSTRUCT dis{ODT_COMBOBOX,    10, 0, ODA_DRAWENTIRE, 0, c.combo.m_hWnd, canvas.dc().m_hDC,
                       {0, 0, 100, 20}, 0};
    for (ULONG_PTR none : {ULONG_PTR(0), ULONG_PTR(-1)}) {
        dis.itemData = none;
        c.combo.DrawItem(&dis);
        EXPECT_EQ(0xFFFFFFu, canvas.rgb(50, 10));
    }
    const wchar_t item[] = L"item";
    dis.itemData = reinterpret_cast<ULONG_PTR>(item);
    c.combo.DrawItem(&dis);
    EXPECT_TRUE(isRed(canvas.rgb(95, 10)));

    MEASUREITEMSTRUCT mis{ODT_COMBOBOX, 10, 0, 0, 7, 0};
    c.combo.MeasureItem(&mis); // no string: the height of an empty line
    EXPECT_GT(mis.itemHeight, 10u);
    const UINT empty = mis.itemHeight;
    mis.itemData = reinterpret_cast<ULONG_PTR>(item);
    c.combo.MeasureItem(&mis);
    EXPECT_EQ(empty, mis.itemHeight);
    mis.itemID = UINT(-1);
    mis.itemHeight = 7;
    c.combo.MeasureItem(&mis);
    EXPECT_EQ(7u, mis.itemHeight);
}

TEST(GradientSpinButton, TheHalfHeldDownShowsItsArrowRedAndTheFocusFrame)
{
    SpinOnHost s;
    s.spin.m_frameColor = 0xFF0000FF;
    s.spin.m_frameWidth = 1;
    // R = (1, 1, 18, 38): arrows centred at (10, 9) and (10, 28).
    auto idle = s.draw();
    EXPECT_TRUE(rgbNear(0x505050, idle->rgb(10, 9), 30));
    EXPECT_TRUE(rgbNear(0x505050, idle->rgb(10, 28), 30));
    EXPECT_TRUE(rgbNear(0xF0F0F0, idle->rgb(4, 6), 6));
    EXPECT_TRUE(rgbNear(0xBEBEBE, idle->rgb(4, 32), 6));

    s.spin.SendMessage(WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(10, 5));
    EXPECT_TRUE(s.spin.m_upperPressed);
    EXPECT_TRUE(s.spin.m_focused);
    auto upper = s.draw();
    EXPECT_TRUE(rgbNear(0xFF0000, upper->rgb(10, 9), 30));
    EXPECT_TRUE(rgbNear(0x505050, upper->rgb(10, 28), 30));
    EXPECT_TRUE(rgbNear(0x00FF00, upper->rgb(1, 20), 60));
    s.spin.SendMessage(WM_LBUTTONUP, 0, MAKELPARAM(10, 5));
    EXPECT_FALSE(s.spin.m_upperPressed);
    EXPECT_FALSE(s.spin.m_focused);

    s.spin.SendMessage(WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(10, 30));
    EXPECT_TRUE(s.spin.m_lowerPressed);
    auto lower = s.draw();
    EXPECT_TRUE(rgbNear(0x505050, lower->rgb(10, 9), 30));
    EXPECT_TRUE(rgbNear(0xFF0000, lower->rgb(10, 28), 30));
    s.spin.SendMessage(WM_LBUTTONUP, 0, MAKELPARAM(10, 30));
    auto released = s.draw();
    EXPECT_TRUE(rgbNear(0x0000FF, released->rgb(1, 20), 60));
    EXPECT_TRUE(rgbNear(0x505050, released->rgb(10, 28), 30));
}
