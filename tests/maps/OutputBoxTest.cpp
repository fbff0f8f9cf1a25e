#include <CAutoSetupOutput.h>
#include <CMainCorrInd.h>

#include <WfxTestSupport.h>
#include <gtest/gtest.h>

namespace {
COLORREF colorAt(CRichEditCtrl& edit, long position)
{
    edit.SetSel(position, position + 1);
    CHARFORMATW format{};
    edit.GetSelectionCharFormat(format);
    return format.crTextColor;
}

std::wstring flatText(CRichEditCtrl& edit)
{
    CString text;
    edit.GetWindowText(text);
    text.Remove(L'\r');
    return text.str();
}

TEST(CalibrationOutputBox, ColouredLinesTheLastInViewAndCleared)
{
    ASSERT_TRUE(AfxInitRichEdit2());
    wfxtest::HostWindow host;
    CAutoSetupOutput box;
    ASSERT_TRUE(
        box.Create(WS_CHILD | WS_VISIBLE | ES_MULTILINE | WS_VSCROLL, CRect(0, 0, 300, 60), &host, 1222));
    box.init();
    box.addPlainLine(L"Set engine stable RPM");
    box.addPlainLine(L"");
    box.addAdviceLine(L"advice");
    box.addErrorLine(L"error");
    EXPECT_EQ(L"Set engine stable RPM\n\nadvice\nerror\n", flatText(box));
    EXPECT_EQ(RGB(0, 0, 0), colorAt(box, 0));
    EXPECT_EQ(RGB(0, 160, 0), colorAt(box, 23));
    EXPECT_EQ(RGB(200, 0, 0), colorAt(box, 30));
    for (int i = 0; i < 20; ++i)
        box.addPlainLine(L"line");
    EXPECT_GT(box.GetFirstVisibleLine(), 10); // the box shows only a few lines
    box.clear();
    EXPECT_EQ(L"", flatText(box));
    box.addErrorLine(L"again");
    EXPECT_EQ(RGB(200, 0, 0), colorAt(box, 0));
}
} // namespace

namespace {
TEST(MainCorrectionIndicator, ValueLimitsPointerPlaceAndRepaintOnlyOnChange)
{
    wfxtest::HostWindow host(300, 60);
    CMainCorrInd indicator;
    ASSERT_TRUE(indicator.Create(0, CRect(0, 0, 300, 60), &host, 1119));
    indicator.setValue(1200);
    EXPECT_EQ(1000, indicator.getValue());
    indicator.setValue(-5);
    EXPECT_EQ(0, indicator.getValue());

    indicator.setValue(3); // drawn at 5 %
    wfxtest::repaintNow(indicator);
    EXPECT_EQ(5, indicator.getValue());
    const std::uint32_t pointer = 0x434343;
    EXPECT_TRUE(wfxtest::rgbNear(pointer, wfxtest::clientPixel(indicator, 15, 45), 20));
    EXPECT_FALSE(wfxtest::rgbNear(pointer, wfxtest::clientPixel(indicator, 150, 45), 20));
    // Red at the ends, green in the middle.
    EXPECT_TRUE(wfxtest::rgbNear(0xFF0000, wfxtest::clientPixel(indicator, 8, 18), 60));
    EXPECT_TRUE(wfxtest::rgbNear(0x00FF00, wfxtest::clientPixel(indicator, 150, 18), 30));

    indicator.setValue(99); // drawn at 95 %
    wfxtest::repaintNow(indicator);
    EXPECT_TRUE(wfxtest::rgbNear(pointer, wfxtest::clientPixel(indicator, 285, 45), 20));
    EXPECT_FALSE(wfxtest::rgbNear(pointer, wfxtest::clientPixel(indicator, 15, 45), 20));

    indicator.setValue(95);
    EXPECT_FALSE(::GetUpdateRect(indicator.GetSafeHwnd(), nullptr, FALSE));
}
} // namespace
