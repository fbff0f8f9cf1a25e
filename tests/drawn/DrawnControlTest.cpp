#include "DrawnTestSupport.h"

#include <TempDir.h>

#include <memory>

using namespace drawntest;

namespace {

const COLORREF kHostColor = RGB(10, 200, 30);

// Columns of a window's client area that hold dark (text) pixels.
std::vector<int> darkColumns(CWnd& wnd)
{
    CRect client;
    wnd.GetClientRect(&client);
    std::vector<int> columns;
    for (int x = 0; x < client.Width(); ++x) {
        for (int y = 0; y < client.Height(); ++y) {
            if ((clientPixel(wnd, x, y) & 0xFFFFFF) < 0x404040) {
                columns.push_back(x);
                break;
            }
        }
    }
    return columns;
}

// A transparent static of 200 x 20 with a short black text.
std::unique_ptr<CTransparentStatic> label(CWnd& host, DWORD style, UINT format = 0)
{
    auto s = std::make_unique<CTransparentStatic>();
    s->m_format = format;
    s->Create(L"WW", WS_CHILD | WS_VISIBLE | style, CRect(0, 0, 200, 20), &host, 1);
    repaintNow(host);
    return s;
}

// A check box of 20 x 20 (or as given) with a caption, on a command host.
struct CheckBoxFixture
{
    CommandHost host{200, 100, kHostColor};
    CImageCheckBox box;
    explicit CheckBoxFixture(const CRect& r = CRect(10, 10, 110, 30))
    {
        box.Create(L"", WS_CHILD | WS_VISIBLE | BS_CHECKBOX, r, &host, 42);
        box.SetWindowTextW(L"Option");
        pumpPending();
    }
    void expectCommands(size_t n)
    {
        pumpPending();
        ASSERT_EQ(n, host.commands.size());
        for (const auto& c : host.commands) {
            EXPECT_EQ(MAKEWPARAM(42, BN_CLICKED), c.wParam);
            EXPECT_EQ(LPARAM(box.m_hWnd), c.lParam);
        }
    }
};

} // namespace

TEST(DrawnStatic, TextFollowsTheAlignmentOfTheStyleUnlessOverridden)
{
    HostWindow host(300, 100);
    auto left = label(host, SS_LEFT);
    auto columns = darkColumns(*left);
    ASSERT_FALSE(columns.empty());
    EXPECT_LT(columns.back(), 60);

    auto right = label(host, SS_RIGHT);
    columns = darkColumns(*right);
    ASSERT_FALSE(columns.empty());
    EXPECT_GT(columns.front(), 140);
    EXPECT_EQ(DWORD(SS_RIGHT), right->m_style & SS_TYPEMASK);
    EXPECT_EQ(DWORD(SS_OWNERDRAW), right->GetStyle() & SS_TYPEMASK);

    auto centred = label(host, SS_CENTER);
    columns = darkColumns(*centred);
    ASSERT_FALSE(columns.empty());
    EXPECT_GT(columns.front(), 60);
    EXPECT_LT(columns.back(), 140);

    auto overridden = label(host, SS_RIGHT, DT_SINGLELINE | DT_VCENTER);
    columns = darkColumns(*overridden);
    ASSERT_FALSE(columns.empty());
    EXPECT_LT(columns.back(), 60);
}

TEST(DrawnStatic, TileStrikeAndCopies)
{
    HostWindow host(300, 100);
    CGDIpStatic tile;
    tile.m_strike = true;
    tile.m_format = DT_CENTER;
    tile.Create(L"", WS_CHILD | WS_VISIBLE, CRect(0, 0, 100, 30), &host, 1);
    EXPECT_TRUE(tile.GetExStyle() & WS_EX_TRANSPARENT);
    repaintNow(host);
    EXPECT_EQ(0x8C0000u, clientPixel(tile, 50, 15));                                      // the strike line
    EXPECT_NE(rgbOfColorref(ITransparentCtrl::clearedColor()), clientPixel(tile, 50, 5)); // the tile

    CGDIpStatic copy;
    copy = tile;
    EXPECT_TRUE(copy.m_strike);
    EXPECT_EQ(UINT(DT_CENTER), copy.m_format);
    EXPECT_EQ(0xFF252525u, copy.m_gradientEnd);
    EXPECT_EQ(0xFFFFFFu, copy.m_textColor);

    pumpPending();
    tile.SetWindowTextW(L"new");
    CString text;
    tile.GetWindowText(text);
    EXPECT_STREQ(L"new", text);
}

// A value shown on every tick: a new text reaches the screen, the same text
// again leaves the control as it is.
TEST(DrawnStatic, ANewTextIsShownAndTheSameTextIsNotPaintedAgain)
{
    HostWindow host(300, 100);
    CGDIpStatic value;
    value.m_fillBackground = value.m_drawGradient = value.m_drawFrame = false;
    value.m_textColor = 0;
    value.Create(L"", WS_CHILD | WS_VISIBLE, CRect(0, 0, 200, 20), &host, 1);
    repaintNow(host);
    EXPECT_TRUE(darkColumns(value).empty());
    value.SetWindowTextW(L"1549");
    pumpPending();
    EXPECT_FALSE(darkColumns(value).empty());
    value.SetWindowTextW(L"1549");
    EXPECT_FALSE(value.GetUpdateRect(nullptr));
    value.SetWindowTextW(L"");
    pumpPending();
    EXPECT_TRUE(darkColumns(value).empty());
    value.ShowWindow(SW_HIDE); // a text set while hidden shows with the control
    value.SetWindowTextW(L"77");
    value.ShowWindow(SW_SHOW);
    pumpPending();
    EXPECT_FALSE(darkColumns(value).empty());
}

TEST(DrawnStatic, TransparentStaticShowsTheParentsBackground)
{
    CTransparentStatic s;
    EXPECT_FALSE(s.m_drawFrame || s.m_fillBackground || s.m_drawGradient);
    EXPECT_EQ(COLORREF(0), s.m_textColor);
    HostWindow host(300, 100);
    CGDIpTransparentCompCtrl panel; // composes its background for its children
    panel.m_transparent = false;
    panel.m_gradientStart = panel.m_gradientEnd = 0xFF3264C8;
    panel.setCornerFractions(0);
    ASSERT_TRUE(panel.Create(0, CRect(0, 0, 300, 100), &host, 3));
    s.Create(L"x", WS_CHILD | WS_VISIBLE, CRect(10, 10, 110, 40), &panel, 4);
    repaintNow(host);
    EXPECT_EQ(0x3264C8u, clientPixel(s, 90, 25));
}

TEST(ImageCheckBox, ClickTogglesAndPostsACommandEachTime)
{
    CheckBoxFixture f;
    f.box.SendMessage(WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(5, 5));
    EXPECT_EQ(BST_CHECKED, f.box.GetCheck());
    EXPECT_EQ(f.box.m_hWnd, ::GetFocus());
    f.box.SendMessage(WM_LBUTTONUP, 0, MAKELPARAM(5, 5));
    f.box.SendMessage(WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(5, 5));
    EXPECT_EQ(BST_UNCHECKED, f.box.GetCheck());
    f.expectCommands(2);

    f.box.SendMessage(WM_LBUTTONDBLCLK, MK_LBUTTON, MAKELPARAM(5, 5));
    EXPECT_EQ(BST_CHECKED, f.box.GetCheck());
    f.expectCommands(3);
}

TEST(ImageCheckBox, SpaceTogglesOtherKeysOnlyTakeTheFocus)
{
    CheckBoxFixture f;
    f.box.SendMessage(WM_KEYDOWN, 'A', 0);
    EXPECT_EQ(BST_UNCHECKED, f.box.GetCheck());
    EXPECT_EQ(f.box.m_hWnd, ::GetFocus());
    f.expectCommands(0);
    f.box.SendMessage(WM_KEYDOWN, VK_SPACE, 0);
    f.box.SendMessage(WM_KEYUP, VK_SPACE, 0);
    EXPECT_EQ(BST_CHECKED, f.box.GetCheck());
    f.expectCommands(1);
}

TEST(ImageCheckBox, ClickLeavesTheRestOfTheQueueAlone)
{
    CheckBoxFixture f;
    f.host.PostMessage(WM_COMMAND, 7, 0); // queued before the click
    f.box.SendMessage(WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(5, 5));
    EXPECT_TRUE(f.host.commands.empty()); // nothing was run from inside the click
    pumpPending();
    ASSERT_EQ(2u, f.host.commands.size());
    EXPECT_EQ(WPARAM(7), f.host.commands[0].wParam);
    EXPECT_EQ(MAKEWPARAM(42, BN_CLICKED), f.host.commands[1].wParam);
}

TEST(ImageCheckBox, ImagesAreScaledToTheBoxAndShowTheState)
{
    kwtest::TempDir dir;
    const std::wstring checkedPath = dir.path() + L"\\checked.tif";
    const std::wstring uncheckedPath = dir.path() + L"\\unchecked.tif";
    ASSERT_TRUE(writeSolidTiff(checkedPath, 40, 40, 0xFF00FF00));
    ASSERT_TRUE(writeSolidTiff(uncheckedPath, 40, 40, 0xFFFF0000));
    CExtImage checked, unchecked;
    ASSERT_TRUE(checked.Load(checkedPath.c_str()));
    ASSERT_TRUE(unchecked.Load(uncheckedPath.c_str()));

    CheckBoxFixture f;
    f.box.setInternalImages(&checked, &unchecked);
    repaintNow(f.host);
    EXPECT_EQ(0xFF0000u, clientPixel(f.box, 10, 10)); // 20 x 20 at x = 2
    EXPECT_NE(0xFF0000u, clientPixel(f.box, 25, 10));
    f.box.SetCheck(BST_CHECKED);
    repaintNow(f.host);
    EXPECT_EQ(0x00FF00u, clientPixel(f.box, 10, 10));

    f.box.SetWindowTextW(L""); // no caption: the image is centred
    repaintNow(f.host);
    EXPECT_EQ(0x00FF00u, clientPixel(f.box, 50, 10));
    EXPECT_NE(0x00FF00u, clientPixel(f.box, 10, 10));

    f.box.MoveWindow(10, 10, 0, 0); // no room: nothing to scale, nothing breaks
    f.box.MoveWindow(10, 10, 100, 20);
    repaintNow(f.host);
    EXPECT_EQ(0x00FF00u, clientPixel(f.box, 50, 10));
}

TEST(ImageCheckBox, SkinFolderIsBesideTheProgram)
{
    wchar_t module[MAX_PATH] = {};
    GetModuleFileNameW(nullptr, module, MAX_PATH);
    std::wstring folder(module);
    folder = folder.substr(0, folder.find_last_of(L'\\'));
    EXPECT_EQ(folder + L"\\Skins\\", CImageCheckBox::getPath());
    EXPECT_EQ(L"\\Skins\\", CImageCheckBox::m_sSkins);
}

TEST(GroupBox, FrameAroundAndNothingPaintedInside)
{
    HostWindow host(300, 200, kHostColor);
    CTransparentGroupBox group;
    group.Create(L"Group", WS_CHILD | WS_VISIBLE | BS_GROUPBOX, CRect(10, 10, 210, 110), &host, 5);
    repaintNow(host);
    EXPECT_EQ(rgbOfColorref(group.m_shadowColor), clientPixel(host, 10, 60)); // left edge
    EXPECT_EQ(rgbOfColorref(kHostColor), clientPixel(host, 110, 60));         // inside
}

TEST(BarDisplay, LedIndexAndColours)
{
    CTransparentBarDisplay bar;
    EXPECT_EQ(5, bar.value2LEDIdx(50));  // 4.5 rounds away from zero
    EXPECT_EQ(5, bar.value2LEDIdx(-50)); // the absolute value counts
    EXPECT_EQ(9, bar.value2LEDIdx(1000));
    EXPECT_EQ(0, bar.value2LEDIdx(0));
    EXPECT_EQ(RGB(255, 255, 255), bar.barHotColor(0, 10));
    EXPECT_EQ(RGB(255, 75, 0), bar.barHotColor(10, 10));
    EXPECT_EQ(RGB(255, 165, 128), bar.barHotColor(5, 10));
    EXPECT_EQ(RGB(102, 147, 255), bar.barColdColor(4, 10));
    bar.m_mode = 2;
    bar.m_reverse = true;
    EXPECT_EQ(RGB(153, 183, 255), bar.barColdColor(4, 10)); // (10 - 4) / 10

    // No range or no segments: nothing to divide by.
    bar.m_range = 0;
    EXPECT_EQ(0, bar.value2LEDIdx(50));
    bar.m_range = 100;
    bar.m_segmentCount = 0;
    EXPECT_EQ(0, bar.value2LEDIdx(50));
    EXPECT_EQ(RGB(255, 75, 0), bar.barHotColor(3, 0));
    EXPECT_EQ(RGB(0, 75, 255), bar.barColdColor(3, 0));
}

TEST(BarDisplay, LightsItsSegmentsForThePosition)
{
    HostWindow host(100, 250);
    CTransparentBarDisplay bar;
    ASSERT_TRUE(bar.Create(CRect(0, 0, 40, 200), &host, 9));
    bar.setPos(50);
    repaintNow(host);
    // Cells of 14 pixels from y = 198 up; segment 5 lit, segment 6 not.
    EXPECT_EQ(0xFFA580u, clientPixel(bar, 5, 115));
    EXPECT_EQ(0xDCDCDCu, clientPixel(bar, 5, 100));
    bar.setPos(-50); // from the far end, in the cold colours
    repaintNow(host);
    EXPECT_EQ(0x6693FFu, clientPixel(bar, 5, 130));
    EXPECT_EQ(0xDCDCDCu, clientPixel(bar, 5, 175));

    bar.m_segmentCount = 0; // an empty bar still paints
    bar.MoveWindow(0, 0, 40, 201);
    repaintNow(host);
    EXPECT_EQ(0xDCDCDCu, clientPixel(bar, 0, 100));
}

TEST(GaugeDisplay, NeedleTurnsWithThePosition)
{
    HostWindow host(250, 250);
    CGDIpGaugeDisplay gauge;
    ASSERT_TRUE(gauge.Create(0, CRect(0, 0, 200, 200), &host, 8));
    ASSERT_NE(nullptr, gauge.m_display.m_hWnd);
    EXPECT_EQ(5000, gauge.m_display.GetDlgCtrlID());
    EXPECT_EQ(5001, gauge.m_title.GetDlgCtrlID());
    EXPECT_EQ(CRect(55, 70, 145, 130), rectInParent(gauge.m_display));
    EXPECT_EQ(CRect(40, 30, 160, 70), rectInParent(gauge.m_title));

    gauge.setPos(250);
    EXPECT_DOUBLE_EQ(90.0, gauge.m_indicatorAngle);
    repaintNow(host);
    const std::uint32_t right = clientPixel(gauge, 160, 100);
    const std::uint32_t left = clientPixel(gauge, 40, 100);
    EXPECT_NE(right, left); // the needle points right
    gauge.setPos(750);
    repaintNow(host);
    EXPECT_EQ(right, clientPixel(gauge, 40, 100));

    gauge.setPos(3000);
    EXPECT_DOUBLE_EQ(360.0, gauge.m_indicatorAngle);
    EXPECT_EQ(3000, gauge.getPos());
    pumpPending();
    gauge.setPos(3000); // unchanged: no repaint
    CRect update;
    EXPECT_FALSE(gauge.GetUpdateRect(&update));
}

TEST(Progress, PositionIsClampedAndDrawn)
{
    HostWindow host(300, 100);
    CProgress progress;
    ASSERT_TRUE(progress.Create(CRect(0, 0, 204, 24), &host, 6));
    progress.setPos(150);
    EXPECT_EQ(100, progress.getPos());
    progress.setPos(-5);
    EXPECT_EQ(0, progress.getPos());
    EXPECT_EQ(2, progress.value2coordinate(0));
    EXPECT_EQ(102, progress.value2coordinate(50));
    EXPECT_EQ(202, progress.value2coordinate(100));
    progress.setPos(40);
    repaintNow(host);
    EXPECT_EQ(0xE14B00u, clientPixel(progress, 50, 12));
    EXPECT_EQ(0xDCDCDCu, clientPixel(progress, 90, 3));
}

TEST(WaitDialog, ShowsItsMessageAtOnce)
{
    CWaitDlg wait(L"Please wait");
    wait.show();
    ASSERT_NE(nullptr, wait.m_hWnd);
    EXPECT_TRUE(wait.IsWindowVisible());
    CString text;
    wait.GetDlgItemText(3000, text);
    EXPECT_STREQ(L"Please wait", text);
    CRect update;
    EXPECT_FALSE(wait.GetUpdateRect(&update)); // painted already
    wait.DestroyWindow();
}
