#include "DrawnTestIds.h"
#include "DrawnTestSupport.h"

#include <memory>

using namespace drawntest;

namespace {

// A static that takes a container's font.
class CFontStatic : public CStatic, public IOwnFontCtrl
{
};

// Keeps the item height a container sets for the selection field.
class CRecordingCombo : public CGDIpGradientComboBox
{
public:
    LPARAM m_fieldHeight = -1;
    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override
    {
        if (message == CB_SETITEMHEIGHT && int(wParam) == -1)
            m_fieldHeight = lParam;
        return CGDIpGradientComboBox::WindowProc(message, wParam, lParam);
    }
};

// A composite control with one rescaled child and a combo box that is
// recorded with its closed height.
class CTestComposite : public CGDIpTransparentCompCtrl
{
public:
    int m_sizableCalls = 0;
    int m_ownCalls = 0;
    CBackdropWnd m_child;
    CRecordingCombo m_combo;
    bool m_withCombo = false;

    using ISizableCtrlsContainer::init;
    using ISizableCtrlsContainer::resizeCtrl;
    using ISizableCtrlsContainer::setOrygSize;

protected:
    void v_createSizableCtrls() override
    {
        ++m_sizableCalls;
        m_child.make(this, CRect(10, 10, 60, 30), 101);
        if (m_withCombo) {
            m_combo.m_closedHeight = 21;
            m_combo.Create(WS_CHILD | WS_VISIBLE | CBS_DROPDOWNLIST, CRect(10, 40, 110, 240), this, 102);
        }
    }
    void v_createOwnCtrls() override { ++m_ownCalls; }
};

// A plain container window with its protected operations open.
class CTestContainer : public CWnd, public ISizableCtrlsContainer
{
public:
    explicit CTestContainer(CWnd& parent) : ISizableCtrlsContainer(this)
    {
        Create(nullptr, L"", WS_CHILD | WS_VISIBLE, CRect(0, 0, 200, 100), &parent, 50);
    }
    using ISizableCtrlsContainer::init;
    using ISizableCtrlsContainer::setOrygSize;
};

const COLORREF kHostColor = RGB(10, 200, 30);

} // namespace

TEST(SizableContainer, ChildrenMoveInProportionToTheDesignSize)
{
    HostWindow host;
    CTestComposite comp;
    ASSERT_TRUE(comp.Create(0, CRect(0, 0, 200, 100), &host, 7));
    EXPECT_EQ(200u, comp.getOrygWidth());
    EXPECT_EQ(100u, comp.getOrygHeight());
    EXPECT_EQ(CRect(10, 10, 60, 30), rectInParent(comp.m_child));

    comp.MoveWindow(0, 0, 300, 150);
    EXPECT_EQ(CRect(15, 15, 90, 45), rectInParent(comp.m_child)); // 75 x 30

    comp.resizeCtrl(101, 10, 0); // the design rectangle grows
    comp.MoveWindow(0, 0, 200, 100);
    EXPECT_EQ(CRect(10, 10, 70, 30), rectInParent(comp.m_child));
    comp.resizeCtrl(999, 10, 10); // no such record: nothing
    EXPECT_EQ(1u, comp.getCtrlRecords().size());
}

TEST(SizableContainer, ComboBoxIsRecordedWithItsClosedHeight)
{
    HostWindow host;
    CTestComposite comp;
    comp.m_withCombo = true;
    ASSERT_TRUE(comp.Create(0, CRect(0, 0, 200, 300), &host, 7));
    ASSERT_EQ(2u, comp.getCtrlRecords().size());
    const auto& record = comp.getCtrlRecords()[1];
    EXPECT_EQ(102, record.id);
    EXPECT_EQ(21, record.bottom - record.top);

    comp.MoveWindow(0, 0, 300, 450);
    // top 40 -> 60, bottom int(1.5 x 21 + 60) = 91
    EXPECT_EQ(31, comp.m_combo.m_fieldHeight);
}

TEST(SizableContainer, InitRecordsAfreshAndAZeroDesignSizeMovesNothing)
{
    HostWindow host;
    CTestContainer container(host);
    CWnd child;
    child.Create(nullptr, L"", WS_CHILD | WS_VISIBLE, CRect(10, 10, 60, 30), &container, 3);
    container.recalcControls(); // nothing recorded yet
    container.init();
    container.init();
    EXPECT_EQ(1u, container.getCtrlRecords().size());

    container.MoveWindow(0, 0, 400, 200); // no design size set: no division by zero
    EXPECT_EQ(CRect(10, 10, 60, 30), rectInParent(child));
    container.setOrygSize(200, 0);
    container.recalcControls();
    EXPECT_EQ(CRect(10, 10, 60, 30), rectInParent(child));
    container.setOrygSize(200, 100);
    container.recalcControls();
    EXPECT_EQ(CRect(20, 20, 120, 60), rectInParent(child));
}

TEST(SizableContainer, ChildrenTakeTheContainersFontUnlessTheyKeepTheirOwn)
{
    HostWindow host;
    CTestContainer container(host);
    CFont font;
    font.CreatePointFont(100, L"Arial");
    container.m_font = &font;
    container.setOrygSize(200, 100);
    CFontStatic taking, keeping;
    taking.Create(L"a", WS_CHILD | WS_VISIBLE, CRect(0, 0, 50, 20), &container, 11);
    keeping.Create(L"b", WS_CHILD | WS_VISIBLE, CRect(0, 30, 50, 50), &container, 12);
    container.init();
    EXPECT_EQ(&font, taking.m_font);
    EXPECT_EQ(&font, keeping.m_font);

    CFont own;
    own.CreatePointFont(120, L"Arial");
    keeping.m_font = &own;
    keeping.m_takeContainerFont = 0;
    container.recalcControls();
    EXPECT_EQ(&font, taking.m_font);
    EXPECT_EQ(&own, keeping.m_font);
    EXPECT_EQ(HFONT(font), reinterpret_cast<HFONT>(taking.SendMessage(WM_GETFONT)));

    // Rebuilt in place: the children keep a live font.
    LOGFONTW bigger{};
    font.GetLogFont(&bigger);
    bigger.lfHeight *= 2;
    HGDIOBJ old = font.m_hObject;
    ASSERT_TRUE(IOwnFontCtrl::recreateFont(font, bigger, &container));
    EXPECT_EQ(&font, taking.m_font);
    EXPECT_NE(old, font.m_hObject);
    EXPECT_EQ(0u, GetObjectType(old));
    EXPECT_EQ(HFONT(font), reinterpret_cast<HFONT>(taking.SendMessage(WM_GETFONT)));
    LOGFONTW now{};
    font.GetLogFont(&now);
    EXPECT_EQ(bigger.lfHeight, now.lfHeight);
}

TEST(TransparentPainting, ControlPaintsTheBackgroundItWasGiven)
{
    HostWindow host(200, 100, kHostColor);
    CBackdropWnd first;
    first.make(&host, CRect(10, 10, 50, 50), 1);
    repaintNow(host);
    // Nothing captured yet: a cleared background, not garbage.
    EXPECT_EQ(rgbOfColorref(ITransparentCtrl::clearedColor()), clientPixel(first, 20, 20));

    CBackdropWnd second; // captures the host before it shows itself
    second.Create(nullptr, L"", WS_CHILD, CRect(60, 20, 120, 60), &host, 2);
    second.parentBkChanged();
    second.ShowWindow(SW_SHOWNA);
    repaintNow(second);
    EXPECT_EQ(rgbOfColorref(kHostColor), clientPixel(second, 30, 20));

    second.MoveWindow(60, 20, 80, 60); // the capture is now of another size
    repaintNow(second);
    EXPECT_EQ(rgbOfColorref(ITransparentCtrl::clearedColor()), clientPixel(second, 70, 50));

    second.beginTransparentPaint(nullptr); // compatible with the screen
    second.m_memDC.FillSolidRect(0, 0, 10, 10, RGB(255, 0, 0));
    second.endTransparentPaint(nullptr); // does nothing
    EXPECT_EQ(rgbOfColorref(ITransparentCtrl::clearedColor()), clientPixel(second, 5, 5));
    second.endTransparentPaint(); // no paint context open: nothing
}

TEST(TransparentPainting, OpaqueCompositeHandsItsChildrenTheComposedImage)
{
    HostWindow host(300, 200, kHostColor);
    CTestComposite comp;
    comp.m_transparent = false;
    comp.m_gradientStart = comp.m_gradientEnd = 0xFFC83264;
    comp.setCornerFractions(0);
    ASSERT_TRUE(comp.Create(0, CRect(10, 10, 210, 110), &host, 7));
    repaintNow(host);
    EXPECT_EQ(0xC83264u, clientPixel(comp, 100, 50));
    EXPECT_EQ(0xC83264u, clientPixel(comp.m_child, 20, 10));

    comp.m_transparent = true; // nothing captured: cleared, then the pack
    comp.setCornerFractions(0.5);
    comp.MoveWindow(10, 10, 200, 101);
    repaintNow(host);
    EXPECT_EQ(0xC83264u, clientPixel(comp, 100, 50));
    EXPECT_EQ(rgbOfColorref(ITransparentCtrl::clearedColor()), clientPixel(comp, 1, 1)); // a round corner
}

TEST(CompositeBase, CreatedInPlaceOfAPlaceholderStatic)
{
    CDialog dlg(IDD_PLACEHOLDERS);
    ASSERT_TRUE(dlg.Create(IDD_PLACEHOLDERS));
    CRect placeholder = rectInParent(*dlg.GetDlgItem(IDC_PLACEHOLDER));
    HWND old = ::GetDlgItem(dlg.m_hWnd, IDC_PLACEHOLDER);

    CTestComposite comp;
    ASSERT_TRUE(comp.CreateFromStatic(0, &dlg, IDC_PLACEHOLDER));
    EXPECT_FALSE(::IsWindow(old));
    EXPECT_EQ(comp.m_hWnd, ::GetDlgItem(dlg.m_hWnd, IDC_PLACEHOLDER));
    EXPECT_EQ(placeholder, rectInParent(comp));
    EXPECT_TRUE(comp.GetStyle() & WS_VISIBLE);
    EXPECT_EQ(1, comp.m_sizableCalls);
    EXPECT_EQ(1, comp.m_ownCalls);
    EXPECT_EQ(UINT(placeholder.Width()), comp.getOrygWidth());

    CTestComposite missing;
    EXPECT_FALSE(missing.CreateFromStatic(0, &dlg, 4711));
    EXPECT_EQ(nullptr, missing.m_hWnd);
    dlg.DestroyWindow();
}

TEST(CompositeBase, SubclassedFromATemplateItSetsItselfUpOnce)
{
    CDialog dlg(IDD_PLACEHOLDERS);
    ASSERT_TRUE(dlg.Create(IDD_PLACEHOLDERS));
    CRect client;
    dlg.GetDlgItem(IDC_SUBCLASSED)->GetClientRect(&client);
    CTestComposite comp;
    ASSERT_TRUE(comp.SubclassDlgItem(IDC_SUBCLASSED, &dlg));
    EXPECT_EQ(1, comp.m_sizableCalls);
    EXPECT_EQ(1, comp.m_ownCalls);
    EXPECT_EQ(UINT(client.Width()), comp.getOrygWidth());
    EXPECT_EQ(UINT(client.Height()), comp.getOrygHeight());
    EXPECT_EQ(1u, comp.getCtrlRecords().size());
    dlg.DestroyWindow();
}

TEST(CompositeBase, AssignmentTakesTheLookOnly)
{
    CGDIpTransparentCompCtrl a, b;
    a.m_gradientStart = 0xFF123456;
    a.m_transparent = false;
    a.m_textColor = RGB(1, 2, 3);
    b = a;
    EXPECT_EQ(0xFF123456u, b.m_gradientStart);
    EXPECT_FALSE(b.m_transparent);
    EXPECT_EQ(RGB(1, 2, 3), b.m_textColor);
    EXPECT_EQ(0u, b.getOrygWidth());
    EXPECT_TRUE(b.getRect().IsRectNull()); // the geometry is not the look
}
