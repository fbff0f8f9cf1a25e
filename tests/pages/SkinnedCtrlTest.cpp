#include "CHeaderStatic.h"
#include "COrangeCheckBox.h"
#include "COrangeStatic.h"
#include "COrvoButton.h"
#include "COrvoDescribedDisplay.h"
#include "COrvoEdit.h"
#include "COrvoGradientComboBox.h"
#include "COrvoListCtrlHeaderItem.h"
#include "COrvoMenuButton.h"
#include "COrvoSpinButtonCtrl.h"
#include "CUnitsStatic.h"
#include "CValueStatic.h"
#include "IMultilangGUI.h"
#include "ITimerBasedGUI.h"
#include "UiTestSupport.h"

#include <gtest/gtest.h>

#include <memory>

using namespace uitest;
using wfxtest::clientPixel;
using wfxtest::repaintNow;
using wfxtest::rgbNear;

namespace {

const std::uint32_t kWhite = 0xFFFFFF, kBlack = 0x000000;

bool isDark(std::uint32_t rgb)
{
    return ((rgb >> 16) & 0xFF) < 90 && ((rgb >> 8) & 0xFF) < 90 && (rgb & 0xFF) < 90;
}

int darkPixels(CWnd& wnd, const CRect& r)
{
    int count = 0;
    for (int y = r.top; y < r.bottom; ++y)
        for (int x = r.left; x < r.right; ++x)
            count += isDark(clientPixel(wnd, x, y)) ? 1 : 0;
    return count;
}

// Counts its deletions, to see a delete through any base end the whole object once.
template <class Ctrl> struct Counted : Ctrl
{
    explicit Counted(int& deleted) : m_deleted(deleted) {}
    ~Counted() override { ++m_deleted; }
    int& m_deleted;
};

struct SilentPage : IMultilangGUI, ITimerBasedGUI
{
};

} // namespace

TEST(SkinnedControls, ButtonPaintsTheProgramsLook)
{
    HostWindow host(300, 200, RGB(128, 128, 128));
    COrvoButton button;
    button.Create(L"OK", WS_CHILD | WS_VISIBLE | BS_OWNERDRAW, CRect(10, 10, 130, 50), &host, 100);
    repaintNow(host);

    // White body, black frame, black text: the library's own button is black with white text.
    EXPECT_TRUE(rgbNear(kWhite, clientPixel(button, 10, 20)));
    EXPECT_TRUE(rgbNear(kBlack, clientPixel(button, 60, 0), 60));
    EXPECT_GT(darkPixels(button, CRect(45, 10, 75, 30)), 5);
}

TEST(SkinnedControls, StyleValuesOverTheLibrarysDefaults)
{
    COrvoButton button;
    EXPECT_EQ(0u, button.m_textColor);
    EXPECT_EQ(0xFFFFFFFFu, button.m_pressedStart);
    EXPECT_FALSE(button.m_highlightPack.m_drawGradient);
    EXPECT_FALSE(button.m_pressedHighlightPack.m_drawGradient);

    COrvoMenuButton first;
    EXPECT_EQ(UINT(DT_LEFT | DT_VCENTER | DT_SINGLELINE | DT_END_ELLIPSIS), first.m_textFormat);
    EXPECT_EQ(0.2, first.m_cornerFractions[0]);
    first.m_textFormat = 0x8026;
    first.m_width = 77;
    COrvoMenuButton copy(first); // the view's further tabs
    EXPECT_EQ(0x8026u, copy.m_textFormat);
    EXPECT_EQ(0.06, copy.m_pressShrink);
    EXPECT_EQ(77, copy.m_width);
    EXPECT_EQ(0xFF000000u, copy.m_frameColor);

    COrvoGradientComboBox combo;
    EXPECT_EQ(0xFF00FF00u, combo.m_hoverColor);
    EXPECT_EQ(UINT(DT_SINGLELINE | DT_VCENTER | DT_CENTER), combo.m_textFormat);
    COrvoEdit edit;
    COrvoSpinButtonCtrl spin;
    COrvoListCtrlHeaderItem header;
    for (IGDIpGradientRectPack* pack :
         std::initializer_list<IGDIpGradientRectPack*>{&combo, &edit, &spin, &header}) {
        EXPECT_EQ(0.0, pack->m_marginFractions[1]);
        EXPECT_EQ(0.2, pack->m_cornerFractions[3]);
    }
    CHeaderStatic heading;
    EXPECT_EQ(COLORREF(240), heading.m_textColor);
    CUnitsStatic units;
    EXPECT_TRUE(units.m_fillBackground);
    EXPECT_EQ(0xFF00FF00u, units.m_frameColor);
    EXPECT_EQ(0xFFFFFFFFu, units.m_gradientEnd);
    CValueStatic value;
    EXPECT_TRUE(value.m_drawFrame);
    EXPECT_FALSE(value.m_fillBackground || value.m_drawGradient);
    COrangeCheckBox check;
    EXPECT_FALSE(check.m_fillBackground);
    EXPECT_EQ(0xFF00FF00u, check.m_frameColor);
}

TEST(SkinnedControls, DescribedDisplayKeepsItsLookOnceMade)
{
    HostWindow host(300, 100);
    CStatic place;
    place.Create(L"", WS_CHILD | WS_VISIBLE, CRect(10, 10, 210, 50), &host, 200);
    COrvoDescribedDisplay display;
    display.SubclassDlgItem(200, &host);
    EXPECT_EQ(0xFF00FF00u, display.m_frameColor);
    EXPECT_EQ(0xFFFFFFFFu, display.m_gradientStart);
    EXPECT_EQ(0u, display.m_description.m_textColor);
    EXPECT_EQ(0u, display.m_display.m_textColor);
    EXPECT_EQ(0xFF00FF00u, display.m_display.m_frameColor);
    EXPECT_EQ(0.2, display.m_display.m_cornerFractions[0]);
}

TEST(SkinnedControls, DeletedThroughAnyBaseOnce)
{
    int deleted = 0;
    IOwnFontCtrl* font = new Counted<COrvoButton>(deleted);
    delete font;
    ITransparentCtrl* transparent = new Counted<COrangeStatic>(deleted);
    delete transparent;
    IGDIpGradientRectPack* pack = new Counted<COrvoGradientComboBox>(deleted);
    delete pack;
    IMultiPageButton* tab = new Counted<COrvoMenuButton>(deleted);
    delete tab;
    CWnd* wnd = new Counted<COrvoDescribedDisplay>(deleted);
    delete wnd;
    EXPECT_EQ(5, deleted);

    // The interfaces' own callbacks do nothing.
    SilentPage page;
    IMultilangGUI& lang = page;
    ITimerBasedGUI& timer = page;
    lang.v_translate();
    timer.v_onTimer();
}
