#include "ControlTestSupport.h"

#include <TempDir.h>

#include <memory>

using namespace drawntest;

namespace {

const COLORREF kWhite = RGB(255, 255, 255);

// A gradient button of w x h on a white background.
struct ButtonOnHost
{
    ButtonOnHost(int w, int h, LPCWSTR text = L"") : host(200, 100)
    {
        button.Create(text, WS_CHILD | WS_VISIBLE, CRect(0, 0, w, h), &host, 10);
        giveBackground(button, w, h, kWhite);
    }
    HostWindow host;
    CGDIpGradientButton button;
};

// The skin folder's sub-folder of these tests, removed again at the end.
struct SkinFolder
{
    SkinFolder() : path(CImageButton::getPath() + L"ButtonTest")
    {
        ::CreateDirectoryW(CImageButton::getPath().c_str(), nullptr);
        ::CreateDirectoryW(path.c_str(), nullptr);
    }
    ~SkinFolder() { kwtest::removeTree(path); }
    bool write(const std::wstring& file, std::uint32_t argb) const
    {
        return writeSolidTiff(path + L"\\" + file, 30, 30, argb);
    }
    std::wstring path;
};

} // namespace

TEST(GradientButton, PressedWithoutAnImageIsDrawnOnePixelIn)
{
    ButtonOnHost b(100, 30);
    Canvas normal(100, 30), pressed(100, 30);
    drawItemInto(b.button, normal, 0);
    drawItemInto(b.button, pressed, ODS_SELECTED); // 29 x 0.05 truncates to 1
    // The body's gradient covers x = 0..97 normally and 1..96 pressed.
    EXPECT_TRUE(rgbNear(0x000000, normal.rgb(0, 20)));
    EXPECT_TRUE(rgbNear(0x000000, normal.rgb(97, 20)));
    EXPECT_TRUE(rgbNear(0xFFFFFF, pressed.rgb(0, 20)));
    EXPECT_TRUE(rgbNear(0x000000, pressed.rgb(1, 20)));
    EXPECT_TRUE(rgbNear(0x000000, pressed.rgb(96, 20)));
    EXPECT_TRUE(rgbNear(0xFFFFFF, pressed.rgb(97, 20)));
}

TEST(GradientButton, FocusOrPushDrawsThePressedLookAndRedTextUntilItEnds)
{
    ButtonOnHost b(120, 40, L"WWWW");
    CFont font;
    font.CreateFont(-24, 0, 0, 0, FW_BOLD, 0, 0, 0, 0, 0, 0, NONANTIALIASED_QUALITY, 0, L"Arial");
    b.button.m_font = &font;
    b.button.m_pressedHighlightPack.m_gradientStart = b.button.m_pressedHighlightPack.m_gradientEnd =
        0xFF0000FF;
    b.button.m_pressedStart = b.button.m_pressedEnd = 0xFF00FF00;
    const CRect text(20, 8, 100, 32);

    Canvas focused(120, 40);
    drawItemInto(b.button, focused, ODS_FOCUS);
    EXPECT_TRUE(rgbNear(0x0000FF, focused.rgb(8, 12), 10)); // pressed highlight over the upper half
    EXPECT_TRUE(rgbNear(0x00FF00, focused.rgb(8, 30), 10)); // pressed body colours
    EXPECT_GT(countPixels(focused, text, isRed), 20);

    Canvas plain(120, 40);
    drawItemInto(b.button, plain, 0);
    EXPECT_TRUE(rgbNear(0x000000, plain.rgb(8, 30), 10));
    EXPECT_FALSE(rgbNear(0x0000FF, plain.rgb(8, 12), 60));
    EXPECT_EQ(0, countPixels(plain, text, isRed));
    EXPECT_GT(countPixels(plain, text, isWhite), 20);
    EXPECT_EQ(0xFF000000u, b.button.m_gradientStart); // the saved look is back

    b.button.m_pushed = 1;
    Canvas pushed(120, 40);
    drawItemInto(b.button, pushed, 0);
    EXPECT_TRUE(rgbNear(0x00FF00, pushed.rgb(8, 30), 10));
    b.button.m_font = nullptr;
}

TEST(GradientButton, ImagesAreScaledToTheBodyAndCentred)
{
    kwtest::TempDir dir;
    auto red = solidImage(dir, 64, 64, 0xFFFF0000);
    ButtonOnHost b(40, 30);
    b.button.m_images.push_back(red.get());
    b.button.setImage(3); // beyond the list: nothing changes
    EXPECT_EQ(0, b.button.getImageNo());
    b.button.setImage(0);

    // Normal: 64 / 30 gives 3, a 21 x 21 image at (9, 4).
    Canvas normal(40, 30);
    drawItemInto(b.button, normal, 0);
    EXPECT_TRUE(isRed(normal.rgb(9, 4)));
    EXPECT_TRUE(isRed(normal.rgb(29, 24)));
    EXPECT_TRUE(isWhite(normal.rgb(8, 15)));
    EXPECT_TRUE(isWhite(normal.rgb(30, 15)));

    // Pressed: 64 / 30 + 30 x 0.05 gives 4, a 16 x 16 image at (12, 7).
    Canvas pressed(40, 30);
    drawItemInto(b.button, pressed, ODS_SELECTED);
    EXPECT_TRUE(isRed(pressed.rgb(12, 7)));
    EXPECT_TRUE(isRed(pressed.rgb(27, 22)));
    EXPECT_TRUE(isWhite(pressed.rgb(11, 15)));
    EXPECT_TRUE(isWhite(pressed.rgb(28, 15)));

    // The window draws itself the same way.
    EXPECT_EQ(DWORD(BS_OWNERDRAW), b.button.GetStyle() & BS_TYPEMASK);
    repaintNow(b.host);
    EXPECT_TRUE(isRed(clientPixel(b.button, 9, 4)));
    EXPECT_TRUE(isWhite(clientPixel(b.button, 8, 15)));
}

TEST(GradientButton, AnEmptyButtonTakesItsImageAndScalesItOnceItHasASize)
{
    kwtest::TempDir dir;
    auto red = solidImage(dir, 64, 64, 0xFFFF0000);
    HostWindow host;
    CGDIpGradientButton button;
    ASSERT_TRUE(button.Create(L"", WS_CHILD | WS_VISIBLE, CRect(0, 0, 0, 0), &host, 10));
    button.m_images.push_back(red.get());
    button.setImage(0); // no size to fit: kept as it is
    button.MoveWindow(0, 0, 40, 30);
    giveBackground(button, 40, 30, kWhite);
    Canvas canvas(40, 30);
    drawItemInto(button, canvas, 0);
    EXPECT_TRUE(isRed(canvas.rgb(9, 4)));
    EXPECT_TRUE(isWhite(canvas.rgb(8, 15)));
}

TEST(GradientButton, RotatedTextWithoutAFontUsesTheDefaultFont)
{
    ButtonOnHost b(40, 120, L"Side");
    b.button.m_textAngle = 90;
    b.button.v_recalcData();
    Canvas canvas(40, 120);
    drawItemInto(b.button, canvas, 0);
    EXPECT_GT(countPixels(canvas, CRect(5, 10, 35, 110), isWhite), 5);
}

TEST(GradientButton, CopyTakesTheLookAndImagesForItsOwnWindow)
{
    kwtest::TempDir dir;
    auto red = solidImage(dir, 64, 64, 0xFFFF0000);
    ButtonOnHost b(40, 30);
    b.button.m_images.push_back(red.get());
    b.button.m_textFormat = 0x8024;
    b.button.m_textColor = RGB(1, 2, 3);

    CGDIpGradientButton copy(b.button);
    EXPECT_EQ(b.button.m_images, copy.m_images);
    EXPECT_EQ(0x8024u, copy.m_textFormat);
    EXPECT_EQ(RGB(1, 2, 3), copy.m_textColor);
    ASSERT_TRUE(copy.Create(L"", WS_CHILD | WS_VISIBLE, CRect(50, 0, 90, 30), &b.host, 11));
    copy.setImage(0);
    giveBackground(copy, 40, 30, kWhite);
    Canvas canvas(40, 30);
    drawItemInto(copy, canvas, 0);
    EXPECT_TRUE(isRed(canvas.rgb(9, 4)));
}

TEST(ImageButton, ShowsItsImagesOrElseItsNameInRed)
{
    SkinFolder skins;
    ASSERT_TRUE(skins.write(L"ok_active.tif", 0xFFFF0000));
    ASSERT_TRUE(skins.write(L"ok_selected.tif", 0xFF00FF00));
    HostWindow host;
    CImageButton button;
    ASSERT_TRUE(button.Create(L"", WS_CHILD | WS_VISIBLE, CRect(0, 0, 30, 30), &host, 10));
    giveBackground(button, 30, 30, kWhite);
    EXPECT_FALSE(button.loadImages(L"ButtonTest", L"ok")); // no inactive image

    Canvas active(30, 30), selected(30, 30), disabled(30, 30);
    drawItemInto(button, active, 0);
    drawItemInto(button, selected, ODS_SELECTED);
    drawItemInto(button, disabled, ODS_DISABLED); // falls back to the active image
    EXPECT_TRUE(isRed(active.rgb(15, 15)));
    EXPECT_TRUE(rgbNear(0x00FF00, selected.rgb(15, 15)));
    EXPECT_TRUE(isRed(disabled.rgb(15, 15)));

    CImageButton missing;
    ASSERT_TRUE(missing.Create(L"", WS_CHILD | WS_VISIBLE, CRect(0, 40, 60, 70), &host, 11));
    giveBackground(missing, 60, 30, kWhite);
    EXPECT_FALSE(missing.loadImages(L"ButtonTest", L"none"));
    Canvas named(60, 30);
    drawItemInto(missing, named, 0);
    EXPECT_GT(countPixels(named, CRect(0, 0, 60, 30), isRed), 5);

    EXPECT_FALSE(missing.loadImages(L"ButtonTest", L"")); // shows "err"
    Canvas err(60, 30);
    drawItemInto(missing, err, 0);
    EXPECT_GT(countPixels(err, CRect(0, 0, 60, 30), isRed), 5);
}
