#include "ControlTestSupport.h"

using namespace drawntest;

namespace {

class CGreenBars : public CMultiBarDisplay
{
public:
    COLORREF barColor(int, int) override { return RGB(0, 200, 0); }
    std::vector<SMultiBarRecord>& records() { return m_bars; }
};

// Four bars over 200 x 146: text bands of 15 + 3 + 2, bars from 23 to 123.
class MultiBars : public ::testing::Test
{
protected:
    void SetUp() override
    {
        ASSERT_TRUE(bars.Create(CRect(0, 0, 200, 146), &host, 3));
        bars.init(4, 0, 100);
    }
    double value(int i) { return bars.bars()[size_t(i)].m_value; }

    HostWindow host;
    CGreenBars bars;
};

bool isGreen(std::uint32_t rgb)
{
    return ((rgb >> 8) & 0xFF) > 150 && ((rgb >> 16) & 0xFF) < 60;
}

} // namespace

TEST_F(MultiBars, ValuesSnapToTheGridStep)
{
    EXPECT_EQ(CRect(53, 23, 98, 123), CRect(bars.bars()[1].m_barRect)); // 45 wide, 4 apart
    EXPECT_EQ(CRect(53, 126, 98, 143), CRect(bars.bars()[1].m_textRect));
    EXPECT_EQ(73, bars.value2coordinate(1, 50));
    EXPECT_EQ(73, bars.value2coordinate(1, 51));
    EXPECT_EQ(123, bars.value2coordinate(1, 0));
    EXPECT_EQ(23, bars.value2coordinate(1, 100));
}

TEST_F(MultiBars, SetPosKeepsTwoDecimalsWithinTheRange)
{
    bars.setPos(0, 12.345);
    EXPECT_DOUBLE_EQ(12.35, value(0));
    bars.ValidateRect(nullptr);
    bars.setPos(0, 12.35); // the stored value again: nothing to repaint
    EXPECT_FALSE(::GetUpdateRect(bars.m_hWnd, nullptr, FALSE));
    bars.setPos(0, 150);
    EXPECT_EQ(100.0, value(0));
    EXPECT_TRUE(::GetUpdateRect(bars.m_hWnd, nullptr, FALSE));
    bars.setPos(1, -5);
    EXPECT_EQ(0.0, value(1));
    bars.setPos(4, 10); // no such bar
    bars.setPos(-1, 10);

    bars.init(2, -50, 50);
    bars.setPos(0, -12.341); // half away from zero below 0 too
    EXPECT_DOUBLE_EQ(-12.34, value(0));
    bars.setPos(1, -12.345);
    EXPECT_DOUBLE_EQ(-12.35, value(1));
}

TEST_F(MultiBars, AResizeResetsTheValues)
{
    bars.setPos(0, 40);
    bars.setPos(3, 60);
    bars.MoveWindow(0, 0, 220, 146);
    for (int i = 0; i < 4; ++i)
        EXPECT_EQ(0.0, value(i));
}

TEST_F(MultiBars, DegenerateRangesAndCounts)
{
    bars.init(0, 0, 100);
    EXPECT_TRUE(bars.bars().empty());
    bars.init(-3, 0, 100);
    EXPECT_TRUE(bars.bars().empty());
    bars.setPos(0, 5);
    bars.MoveWindow(0, 0, 210, 146);
    repaintNow(host);

    bars.init(2, 5, 5); // no range: the bars stay empty
    bars.setPos(0, 9);
    EXPECT_EQ(5.0, value(0));
    EXPECT_EQ(123, bars.value2coordinate(0, 5));
    repaintNow(host);
}

TEST_F(MultiBars, PaintedManyTimesTheBarsStillShow)
{
    bars.m_flags |= CMultiBarDisplay::kSolidBars;
    bars.setPos(0, 100);
    bars.setPos(1, 50);
    for (int i = 0; i < 200; ++i)
        repaintNow(host);
    EXPECT_TRUE(isGreen(clientPixel(bars, 20, 30)));
    EXPECT_TRUE(isGreen(clientPixel(bars, 70, 100)));
    EXPECT_FALSE(isGreen(clientPixel(bars, 70, 60)));
    bars.m_flags &= ~CMultiBarDisplay::kSolidBars; // as lines every other row
    repaintNow(host);
    EXPECT_TRUE(isGreen(clientPixel(bars, 20, 25)) != isGreen(clientPixel(bars, 20, 26)));
}

TEST(InjTimesBars, WorkStatePositionsAndPainting)
{
    HostWindow host;
    CInjTimesBarDisplay bars;
    ASSERT_TRUE(bars.Create(CRect(0, 0, 205, 150), &host, 3));
    bars.init();
    ASSERT_EQ(8u, bars.m_data.size());
    // 8 bars of (205 - 45) / 8 = 20, bands of 15 + 4.
    EXPECT_EQ(CRect(30, 24, 50, 126), CRect(bars.m_data[1].m_barRect));
    bars.setWorkState(0x01);
    EXPECT_TRUE(bars.m_data[0].m_working);
    for (size_t i = 1; i < 8; ++i)
        EXPECT_FALSE(bars.m_data[i].m_working);

    bars.setPos(8, 1, 2); // no such injector
    bars.setPos(1, 50, 150);
    EXPECT_EQ(50.0, bars.m_data[1].m_first);
    bars.m_flags |= CInjTimesBarDisplay::kSolidBars;
    for (int i = 0; i < 200; ++i)
        repaintNow(host);
    // The second value is clamped to the top of the area.
    EXPECT_EQ(0x005A00u, clientPixel(bars, 45, 30));
    EXPECT_EQ(0x5A0000u, clientPixel(bars, 33, 120));
    EXPECT_NE(0x5A0000u, clientPixel(bars, 33, 30));
}

namespace {

// Five lines of 23 (a 20-pixel font) in 200 x 130.
class TextList : public ::testing::Test
{
protected:
    void SetUp() override
    {
        LOGFONTW lf{};
        lf.lfHeight = -20;
        wcscpy(lf.lfFaceName, L"Arial");
        font.CreateFontIndirect(&lf);
        list.m_font = &font;
        ASSERT_TRUE(list.Create(0, CRect(0, 0, 200, 130), &host, 4));
    }
    void fill(int n)
    {
        for (int i = 0; i < n; ++i) {
            CString text;
            text.Format(L"P%04d", i);
            list.m_textLines.push_back(text);
        }
    }
    void press(int y) { list.SendMessage(WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(100, y)); }
    void tick() { list.SendMessage(WM_TIMER, CGDIpTextListCtrl::kScrollTimer); }

    HostWindow host;
    CFont font;
    CGDIpTextListCtrl list;
};

} // namespace

TEST_F(TextList, BandPressesScrollUpToTheLimit)
{
    EXPECT_EQ(23, list.m_lineHeight);
    EXPECT_EQ(5, list.m_visibleLines);
    fill(20);
    for (int i = 0; i < 20; ++i)
        EXPECT_TRUE(list.scroll(CPoint(100, 120)));
    EXPECT_EQ(14, list.m_firstOffset); // texts 5 down to 0
    EXPECT_TRUE(list.scroll(CPoint(100, 5)));
    EXPECT_EQ(13, list.m_firstOffset);
    EXPECT_FALSE(list.scroll(CPoint(100, 60)));
    EXPECT_EQ(13, list.m_firstOffset);
    repaintNow(host);

    list.m_textLines.resize(3);
    list.m_newestAtTop = false;
    list.m_firstOffset = 0;
    EXPECT_FALSE(list.scroll(CPoint(100, 120))); // all 3 shown
    EXPECT_EQ(0, list.m_firstOffset);
}

// The ticks and the leave are sent by hand: leave tracking follows the real
// pointer, which other test programs on the display move.
TEST_F(TextList, TheTimerRunsOnlyAfterAScrollingPressUntilThePointerLeaves)
{
    fill(3);
    list.m_newestAtTop = false;
    press(120); // nothing to scroll: no timer
    EXPECT_FALSE(list.KillTimer(CGDIpTextListCtrl::kScrollTimer));

    fill(20);
    press(120);
    EXPECT_EQ(1, list.m_firstOffset);
    tick();
    tick();
    EXPECT_EQ(3, list.m_firstOffset);
    list.SendMessage(WM_MOUSEMOVE, 0, MAKELPARAM(100, 60)); // out of the bands
    tick();
    EXPECT_EQ(3, list.m_firstOffset);
    EXPECT_TRUE(list.KillTimer(CGDIpTextListCtrl::kScrollTimer)); // it was running

    press(120);
    EXPECT_EQ(4, list.m_firstOffset);
    list.SendMessage(WM_MOUSELEAVE);
    EXPECT_FALSE(list.m_pressed);
    EXPECT_FALSE(list.KillTimer(CGDIpTextListCtrl::kScrollTimer)); // stopped

    list.m_firstOffset = 0;
    press(5); // the top band at 0: repaints, keeps the timer, stays
    EXPECT_EQ(0, list.m_firstOffset);
    EXPECT_TRUE(list.KillTimer(CGDIpTextListCtrl::kScrollTimer));
}

TEST_F(TextList, FontsWithoutACharacterHeightGiveNoLines)
{
    LOGFONTW lf{};
    lf.lfHeight = 0;
    CFont noHeight;
    noHeight.CreateFontIndirect(&lf);
    list.m_font = &noHeight;
    list.MoveWindow(0, 0, 210, 130);
    EXPECT_EQ(0, list.m_lineHeight);
    EXPECT_EQ(0, list.m_visibleLines);
    fill(4);
    repaintNow(host);
    list.m_font = &font;
}
