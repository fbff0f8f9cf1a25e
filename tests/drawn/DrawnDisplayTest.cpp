#include "ControlTestSupport.h"
#include "DrawnDisplayTestIds.h"

using namespace drawntest;

namespace {

CString textOf(CWnd& wnd)
{
    CString text;
    wnd.GetWindowText(text);
    return text;
}

void expectLabel(CGDIpStatic& label, const CRect& r, int id, const wchar_t* text, DWORD style, CFont* font)
{
    EXPECT_EQ(r, rectInParent(label));
    EXPECT_EQ(id, label.GetDlgCtrlID());
    EXPECT_EQ(CString(text), textOf(label));
    // The style as created; the window shows once made.
    EXPECT_EQ(style & ~WS_VISIBLE, label.m_style & ~WS_VISIBLE);
    EXPECT_TRUE(label.GetStyle() & WS_VISIBLE);
    EXPECT_EQ(font, label.m_font);
}

// A 200 x 40 tile at ratio 0.5, however it was made.
void expectDescribedLayout(CGDIpDescribedDisplay& display, CFont* font)
{
    expectLabel(display.m_description, CRect(10, 4, 90, 36), 5000, L"m_description", 0x50000200, font);
    expectLabel(display.m_display, CRect(110, 4, 198, 36), 5001, L"m_display", 0x50000201, font);
    EXPECT_EQ(0xFFFFFFu, display.m_description.m_textColor);
    EXPECT_EQ(0u, display.m_display.m_textColor);
    const IGDIpGradientRectPack plain;
    EXPECT_EQ(plain.m_gradientStart, display.m_display.m_gradientStart);
    EXPECT_EQ(plain.m_gradientEnd, display.m_display.m_gradientEnd);
    EXPECT_EQ(plain.m_frameColor, display.m_display.m_frameColor);
    EXPECT_EQ(0xFF434343u, display.m_gradientStart);
    EXPECT_EQ(0xFF252525u, display.m_gradientEnd);
    EXPECT_EQ(0xFF8B8881u, display.m_frameColor);
}

// A dialog whose described display is taken over from the template, its
// placeholder first made 200 x 40 pixels.
class CDescribedDialog : public CDialog
{
public:
    CDescribedDialog() : CDialog(IDD_DISPLAYS) {}
    CGDIpDescribedDisplay m_display;
    CFont* m_font = nullptr;

protected:
    void DoDataExchange(CDataExchange* pDX) override { DDX_Control(pDX, IDC_D_DESCRIBED, m_display); }
    BOOL OnInitDialog() override
    {
        GetDlgItem(IDC_D_DESCRIBED)->MoveWindow(5, 5, 200, 40);
        m_display.m_font = m_font;
        return CDialog::OnInitDialog();
    }
};

} // namespace

TEST(DescribedDisplay, CreatedItLaysOutBothLabelsAtTheRatio)
{
    HostWindow host;
    CFont font;
    font.CreatePointFont(90, L"Arial");
    CGDIpDescribedDisplay display;
    display.m_font = &font;
    ASSERT_TRUE(display.Create(0, CRect(0, 0, 200, 40), &host, 7));
    expectDescribedLayout(display, &font);

    repaintNow(host); // the value on its light tile, the tile itself dark
    EXPECT_TRUE(isWhite(clientPixel(display, 115, 20)));
    EXPECT_FALSE(isWhite(clientPixel(display, 5, 20)));

    display.m_display.SetWindowTextW(L"12.5");
    EXPECT_EQ(CString(L"12.5"), textOf(display.m_display));
    display.MoveWindow(0, 0, 400, 80); // the labels follow in proportion
    EXPECT_EQ(CRect(220, 8, 396, 72), rectInParent(display.m_display));
}

TEST(DescribedDisplay, TakenOverFromATemplateItLaysOutTheSame)
{
    CFont font;
    font.CreatePointFont(90, L"Arial");
    CDescribedDialog dlg;
    dlg.m_font = &font;
    ASSERT_TRUE(dlg.Create(IDD_DISPLAYS));
    expectDescribedLayout(dlg.m_display, &font);
    dlg.DestroyWindow();
}

TEST(DescribedDisplay, AssignmentTakesTheRatioAndTheLooks)
{
    CGDIpDescribedDisplay a, b;
    a.m_ratio = 0.3;
    a.m_gradientStart = 0xFF010203;
    a.m_display.m_frameColor = 0xFF00FF00;
    a.m_description.m_textColor = 0x123456;
    b = a;
    EXPECT_EQ(0.3, b.m_ratio);
    EXPECT_EQ(0xFF010203u, b.m_gradientStart);
    EXPECT_EQ(0xFF00FF00u, b.m_display.m_frameColor);
    EXPECT_EQ(0x123456u, b.m_description.m_textColor);
}

namespace {

struct StateDisplayOnHost
{
    StateDisplayOnHost() { display.Create(0, CRect(0, 0, 200, 40), &host, 7); }
    std::uint32_t imagePixel()
    {
        repaintNow(host);
        return clientPixel(display, 74, 19);
    }
    HostWindow host;
    CGDIpInjectorStateDisplay display;
};

} // namespace

TEST(InjectorStateDisplay, LabelsAndTheStateImageBesideTheName)
{
    StateDisplayOnHost tile;
    CGDIpInjectorStateDisplay& display = tile.display;
    const DWORD style = 0x50000201;
    expectLabel(display.m_name, CRect(20, 2, 40, 36), 5000, L"B1", style, nullptr);
    expectLabel(display.m_value, CRect(100, 2, 198, 36), 5001, L"8.56", style, nullptr);
    EXPECT_TRUE(display.m_nameCreated);
    EXPECT_TRUE(display.m_valueCreated);

    const std::uint32_t bare = tile.imagePixel(); // no images: nothing drawn
    EXPECT_FALSE(isRed(bare));

    kwtest::TempDir dir;
    auto red = solidImage(dir, 68, 68, 0xFFFF0000, L"red.tif");
    auto white = solidImage(dir, 68, 68, 0xFFFFFFFF, L"white.tif");
    auto green = solidImage(dir, 68, 68, 0xFF00FF00, L"green.tif");
    display.setInternalImages(red.get(), white.get(), green.get());
    display.Invalidate(0);
    // The name is 34 high: the image halves to 34 x 34, half that right of it.
    EXPECT_EQ(CRect(57, 2, 91, 36), display.m_imageRect);
    EXPECT_TRUE(isRed(tile.imagePixel()));

    display.m_state = 1;
    display.Invalidate(0);
    EXPECT_TRUE(isWhite(tile.imagePixel()));
    display.m_state = 3; // not a state: the image stays
    display.Invalidate(0);
    EXPECT_TRUE(isWhite(tile.imagePixel()));
    EXPECT_EQ(CRect(57, 2, 91, 36), display.m_imageRect);
    display.m_state = -1;
    display.Invalidate(0);
    EXPECT_TRUE(isWhite(tile.imagePixel()));
}

namespace {
class CPlainBars : public CMultiBarDisplay
{
public:
    COLORREF barColor(int, int) override { return 0; }
};
} // namespace

// The owners may set values before the windows are made: nothing of a null
// window is invalidated (that would repaint the whole screen).
TEST(DisplaysWithoutWindows, SettersKeepTheirValues)
{
    CGDIpInjectorStateDisplay state;
    state.Invalidate(0);
    EXPECT_TRUE(state.m_imageRect.IsRectNull());
    EXPECT_EQ(CGDIpInjectorStateDisplay::getPath(), CImageCheckBox::getPath());

    CInjConfigMap map;
    map.init(4);
    BYTE groups[8] = {0x01, 0x02, 0, 0, 0, 0, 0, 0};
    map.setInjConfigMap(groups);
    BYTE out[8] = {};
    map.getInjConfigMap(out);
    EXPECT_EQ(0x02, out[1]);

    CPlainBars bars;
    bars.init(2, 0, 10);
    bars.setPos(1, 4.5);
    EXPECT_EQ(4.5, bars.bars()[1].m_value);
    CInjTimesBarDisplay times;
    times.init();
    times.setPos(0, 1, 2);
    times.setWorkState(0x03);
    EXPECT_TRUE(times.m_data[1].m_working);

    CGDIpListCtrl list;
    list.insertHeaderColumn(new CGDIpListCtrlHeaderItem);
    list.invalidate();
    list.deleteItems();
    CGDIpTextListCtrl texts;
    EXPECT_FALSE(texts.scroll(CPoint(0, 0)));
}
