#include "ControlTestSupport.h"

#include <utility>
#include <vector>

using namespace drawntest;

namespace {

bool isGreenish(std::uint32_t rgb)
{
    return int((rgb >> 8) & 0xFF) > int((rgb >> 16) & 0xFF) + 60;
}

bool isGrey(std::uint32_t rgb)
{
    const int r = int((rgb >> 16) & 0xFF), g = int((rgb >> 8) & 0xFF), b = int(rgb & 0xFF);
    return std::abs(r - g) < 12 && std::abs(g - b) < 12;
}

std::vector<std::pair<int, bool>> g_ticks;

void noteTick(int index, bool checked)
{
    g_ticks.emplace_back(index, checked);
}

} // namespace

TEST(ProgressBar, BarRunsWithThePositionInsideItsMargins)
{
    HostWindow host(300, 100);
    CGDIpProgressBar bar;
    ASSERT_TRUE(bar.Create(0, CRect(0, 0, 200, 20), &host, 1));
    EXPECT_EQ(0, bar.getPos());
    EXPECT_EQ(0, bar.m_barPack.getRect().Width()); // empty at 0

    bar.setPos(500); // margins 0.05 x 20 = 1
    EXPECT_EQ(CRect(1, 1, 100, 19), bar.m_barPack.getRect());
    for (int m : bar.m_barPack.m_margins)
        EXPECT_EQ(0, m);
    EXPECT_EQ(4, bar.m_barPack.m_cornerDiameters[0]); // 0.25 x 18
    repaintNow(host);
    EXPECT_TRUE(isGrey(clientPixel(bar, 190, 10)));
    // A position of the same length in pixels leaves the window as it is.
    bar.setPos(502);
    EXPECT_EQ(502, bar.getPos());
    EXPECT_FALSE(::GetUpdateRect(bar.m_hWnd, nullptr, FALSE));

    bar.setPos(1500);
    EXPECT_EQ(1000, bar.getPos());
    EXPECT_EQ(CRect(1, 1, 199, 19), bar.m_barPack.getRect());
    repaintNow(host);
    EXPECT_TRUE(isGreenish(clientPixel(bar, 190, 10)));

    bar.setPos(-5);
    EXPECT_EQ(0, bar.getPos());
    EXPECT_EQ(0, bar.m_barPack.getRect().Width());
    repaintNow(host);
    EXPECT_TRUE(isGrey(clientPixel(bar, 190, 10)));
}

TEST(ProgressBar, VerticalBarFillsFromTheBottom)
{
    HostWindow host(100, 300);
    CGDIpProgressBar bar;
    bar.m_gradientMode = Gdiplus::LinearGradientModeVertical;
    ASSERT_TRUE(bar.Create(0, CRect(0, 0, 20, 200), &host, 1));
    bar.setPos(500);
    EXPECT_EQ(CRect(1, 100, 19, 199), bar.m_barPack.getRect()); // the lower half of 1..199
    bar.MoveWindow(0, 0, 40, 200);                              // margins follow the width
    EXPECT_EQ(CRect(2, 100, 38, 198), bar.m_barPack.getRect());
}

// A vertical bar below its top is copied from a full bar drawn once: every
// position still shows what drawing the bar whole over its background shows
// (drawn in a context like the control's own, as pens differ on a DIB).
TEST(ProgressBar, VerticalBarShowsWhatDrawingItWholeShows)
{
    const int w = 42, h = 300;
    HostWindow host(100, 400);
    CGDIpProgressBar bar;
    bar.m_gradientMode = Gdiplus::LinearGradientModeVertical;
    bar.m_barPack.m_drawFrame = true;
    bar.m_barPack.m_gradientStart = 0xFF3060E0;
    ASSERT_TRUE(bar.Create(0, CRect(10, 10, 10 + w, 10 + h), &host, 1));
    CClientDC client(&bar);
    repaintNow(host);
    CDC background, whole;
    CBitmap backgroundBits, wholeBits;
    for (auto [dc, bits] : {std::pair{&background, &backgroundBits}, std::pair{&whole, &wholeBits}}) {
        dc->CreateCompatibleDC(&client);
        bits->CreateCompatibleBitmap(&client, w, h);
        dc->SelectObject(bits);
    }
    background.BitBlt(0, 0, w, h, &client, 0, 0, SRCCOPY); // empty at 0
    const auto expectDrawnWhole = [&](int pos) {
        bar.setPos(pos);
        repaintNow(host);
        whole.BitBlt(0, 0, w, h, &background, 0, 0, SRCCOPY);
        bar.m_barPack.v_draw(whole);
        Canvas shown(w, h), expected(w, h);
        shown.dc().BitBlt(0, 0, w, h, &client, 0, 0, SRCCOPY);
        expected.dc().BitBlt(0, 0, w, h, &whole, 0, 0, SRCCOPY);
        EXPECT_TRUE(sameImage(expected, shown)) << "at " << pos;
    };
    for (int pos : {1000, 730, 500, 140, 60, 20, 0, 999, 10})
        expectDrawnWhole(pos);
    bar.m_barPack.m_gradientStart = 0xFFE03030; // a new look, a new full bar
    expectDrawnWhole(640);
}

TEST(ProgressBar, AssignmentTakesTheLookOfBothPacks)
{
    CGDIpProgressBar a, b;
    a.m_barPack.m_gradientEnd = 0xFF112233;
    a.m_gradientStart = 0xFF445566;
    b = a;
    EXPECT_EQ(0xFF112233u, b.m_barPack.m_gradientEnd);
    EXPECT_EQ(0xFF445566u, b.m_gradientStart);
}

TEST(Slider, FrameOnlyWhileItHasTheFocus)
{
    HostWindow host(300, 100);
    CEdit other;
    other.Create(WS_CHILD | WS_VISIBLE, CRect(0, 60, 50, 80), &host, 2);
    CGDIpSliderControl slider;
    slider.m_frameColor = 0xFFFF0000;
    ASSERT_TRUE(slider.Create(WS_CHILD | WS_VISIBLE | TBS_HORZ, CRect(0, 0, 200, 40), &host, 1));
    EXPECT_EQ(CRect(1, 1, 199, 39), slider.getRect());

    other.SetFocus();
    slider.Invalidate();
    repaintNow(slider);
    EXPECT_FALSE(isRed(clientPixel(slider, 1, 20)));
    EXPECT_TRUE(slider.IsWindowEnabled());

    slider.SetFocus();
    slider.Invalidate(); // keeps the focus
    ASSERT_EQ(slider.m_hWnd, ::GetFocus());
    repaintNow(slider);
    EXPECT_TRUE(isRed(clientPixel(slider, 1, 20)));

    slider.EnableWindow(FALSE);
    slider.Invalidate(); // repaints, and stays disabled
    EXPECT_FALSE(slider.IsWindowEnabled());
}

TEST(Slider, SetColorsSetsThumbChannelAndWidth)
{
    CGDIpSliderControl slider;
    slider.setColors(Gdiplus::Color(0xFF010203), Gdiplus::Color(0xFF040506), 3);
    EXPECT_EQ(0xFF010203u, slider.m_channelColor);
    EXPECT_EQ(0xFF040506u, slider.m_thumbColor);
    EXPECT_EQ(3, slider.m_thumbInset);
    EXPECT_EQ(1, slider.m_channelInset);
    EXPECT_EQ(3, slider.m_thumbPenWidth);
    EXPECT_EQ(3, slider.m_channelPenWidth);
}

TEST(PanelDisplay, TitleAboveThenTextsThenCells)
{
    HostWindow host(400, 200);
    CGDIpPanelDisplay panel;
    panel.m_titleBeside = false;
    panel.m_title = L"Panel";
    ASSERT_TRUE(panel.Create(0, CRect(0, 0, 300, 90), &host, 1));
    Gdiplus::Color black(0xFF000000), red(0xFFFF0000);
    CString a(L"A"), b(L"B");
    panel.insertPos(black, a, black, true, red, nullptr);
    panel.insertPos(black, b, black, false, red, nullptr);

    const CGDIpPanelPos& first = panel.positions()[0];
    const CGDIpPanelPos& second = panel.positions()[1];
    CClientDC dc(&panel);
    LOGFONTW lf{};
    lf.lfHeight = -int(90 / 2.25);
    lf.lfWeight = FW_BOLD;
    wcscpy(lf.lfFaceName, L"Arial");
    CFont title;
    title.CreateFontIndirect(&lf);
    dc.SelectObject(&title);
    TEXTMETRICW tm{};
    dc.GetTextMetrics(&tm);
    const int f = tm.tmHeight;
    EXPECT_EQ(5 + f - f / 4 + 2, first.m_textRect.top); // 2 below the title band
    EXPECT_EQ(0, first.m_cellRect.left);
    EXPECT_EQ(150, second.m_cellRect.left); // equal widths
    EXPECT_EQ(300, second.m_cellRect.right);
    EXPECT_EQ(first.m_textRect.bottom, first.m_cellRect.top);
    EXPECT_EQ(88, first.m_cellRect.bottom);
    EXPECT_EQ(first.m_markRect.right, first.m_textRect.left); // the text follows the mark
    EXPECT_TRUE(second.m_markRect.IsRectEmpty());
    EXPECT_EQ(first.m_markRect.Width(), first.m_markRect.Height());
}

TEST(PanelDisplay, ClickOnAMarkTicksItAndTellsTheCallback)
{
    HostWindow host(400, 200);
    CGDIpPanelDisplay panel;
    panel.m_callback = noteTick;
    ASSERT_TRUE(panel.Create(0, CRect(0, 0, 300, 90), &host, 1));
    Gdiplus::Color black(0xFF000000), red(0xFFFF0000);
    CString a(L"A"), b(L"B");
    panel.insertPos(black, a, black, false, red, nullptr);
    panel.insertPos(black, b, black, true, red, nullptr);
    g_ticks.clear();

    const CRect mark = panel.positions()[1].m_markRect;
    ASSERT_FALSE(mark.IsRectEmpty());
    const CPoint centre = mark.CenterPoint();
    panel.SendMessage(WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(centre.x, centre.y));
    EXPECT_TRUE(panel.positions()[1].m_checked);
    repaintNow(host);
    EXPECT_TRUE(isRed(clientPixel(panel, centre.x, centre.y)));
    panel.SendMessage(WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(centre.x, centre.y));
    EXPECT_FALSE(panel.positions()[1].m_checked);

    const CPoint text = panel.positions()[0].m_textRect.CenterPoint(); // not checkable
    panel.SendMessage(WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(text.x, text.y));
    EXPECT_FALSE(panel.positions()[0].m_checked);
    EXPECT_EQ((std::vector<std::pair<int, bool>>{{1, true}, {1, false}}), g_ticks);
}
