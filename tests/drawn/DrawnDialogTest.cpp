#include "DrawnTestIds.h"
#include "DrawnTestSupport.h"

#include <memory>

using namespace drawntest;

namespace {

// A dialog holding one of every drawn control of the library.
template <class Base> class CAllControlsDlg : public Base
{
public:
    CAllControlsDlg() : Base(IDD_ALL_CONTROLS, nullptr) {}

    CGDIpStatic m_static;
    CTransparentStatic m_transparentStatic;
    CImageCheckBox m_check;
    CTransparentGroupBox m_group;
    CTransparentBarDisplay m_bar;
    CGDIpGaugeDisplay m_gauge;
    CProgress m_progress;
    CGDIpTransparentCompCtrl m_composite;
    CGDIpGradientButton m_button;
    CImageButton m_imageButton;
    CGDIpGradientComboBox m_combo;
    CGDIpGradientSpinButtonCtrl m_spin;
    CGDIpGradientEdit m_edit;
    CGDIpSliderControl m_slider;
    CGDIpProgressBar m_progressBar;
    CGDIpPanelDisplay m_panel;

    // The controls that keep their recorded shape (a combo box keeps its
    // closed height).
    std::vector<CWnd*> controls()
    {
        return {&m_static,   &m_transparentStatic, &m_check,  &m_group,       &m_bar,  &m_gauge,
                &m_progress, &m_composite,         &m_button, &m_imageButton, &m_spin, &m_edit,
                &m_slider,   &m_progressBar,       &m_panel};
    }
    bool make()
    {
        if (!this->Create(IDD_ALL_CONTROLS, nullptr))
            return false;
        this->ShowWindow(SW_SHOWNA);
        return true;
    }

protected:
    void DoDataExchange(CDataExchange* pDX) override
    {
        Base::DoDataExchange(pDX);
        DDX_Control(pDX, IDC_A_STATIC, m_static);
        DDX_Control(pDX, IDC_A_TSTATIC, m_transparentStatic);
        DDX_Control(pDX, IDC_A_CHECK, m_check);
        DDX_Control(pDX, IDC_A_GROUP, m_group);
        DDX_Control(pDX, IDC_A_BUTTON, m_button);
        DDX_Control(pDX, IDC_A_IMAGEBUTTON, m_imageButton);
        DDX_Control(pDX, IDC_A_COMBO, m_combo);
        DDX_Control(pDX, IDC_A_SPIN, m_spin);
        DDX_Control(pDX, IDC_A_EDIT, m_edit);
        DDX_Control(pDX, IDC_A_SLIDER, m_slider);
    }
    BOOL OnInitDialog() override
    {
        Base::OnInitDialog();
        m_bar.CreateFromStatic(IDC_A_BAR, this);
        m_gauge.CreateFromStatic(0, this, IDC_A_GAUGE);
        m_progress.CreateFromStatic(IDC_A_PROGRESS, this);
        m_progress.setPos(40);
        m_composite.CreateFromStatic(0, this, IDC_A_COMPOSITE);
        m_progressBar.CreateFromStatic(0, this, IDC_A_PROGRESSBAR);
        m_progressBar.setPos(600);
        m_panel.m_title = L"Panel";
        m_panel.CreateFromStatic(0, this, IDC_A_PANEL);
        Gdiplus::Color white(0xFFFFFFFF);
        CString one(L"1"), two(L"2");
        m_panel.insertPos(white, one, white, true, white, nullptr);
        m_panel.insertPos(white, two, white, false, white, nullptr);
        m_combo.AddString(L"item");
        m_combo.SetCurSel(0);
        m_edit.SetWindowTextW(L"edit");
        return TRUE;
    }
};

// A gradient dialog whose lists and underline drawing the test reaches.
class COpenGradientDialog : public CGDIpGradientDialog
{
public:
    COpenGradientDialog() : CGDIpGradientDialog(IDD_PLACEHOLDERS, nullptr) {}
    using CGDIpGradientDialog::m_extraPacks;
    using CGDIpGradientDialog::m_underlines;
    using CGDIpGradientDialog::UnderlineCtrl3D;
};

// A skin dialog that keeps the title drags instead of starting them.
class CTestSkinDlg : public CSkinDlg
{
public:
    explicit CTestSkinDlg(bool layered = false, int opacity = 85) : CSkinDlg(IDD_PLACEHOLDERS, nullptr)
    {
        m_layered = layered;
        m_opacity = opacity;
    }
    int m_drags = 0;
    using CSkinDlg::m_normalFont;
    using CSkinDlg::m_titleFont;
    using CSkinDlg::m_titleHeight;
    using CSkinDlg::m_titleStatic;

protected:
    afx_msg void OnNcLButtonDown(UINT nHitTest, CPoint)
    {
        if (nHitTest == HTCAPTION)
            ++m_drags;
    }
    DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(CTestSkinDlg, CSkinDlg)
ON_WM_NCLBUTTONDOWN()
END_MESSAGE_MAP()

CSize clientSize(CWnd& wnd)
{
    CRect r;
    wnd.GetClientRect(&r);
    return r.Size();
}

// Doubles the dialog and checks every recorded child doubled with it.
template <class Dialog> void expectRescaledWhenDoubled(Dialog& dlg)
{
    std::vector<CRect> before;
    for (CWnd* control : dlg.controls())
        before.push_back(rectInParent(*control));
    CRect window;
    dlg.GetWindowRect(&window);
    dlg.SetWindowPos(nullptr, 0, 0, window.Width() * 2, window.Height() * 2,
                     SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
    for (size_t i = 0; i < before.size(); ++i) {
        const CRect& b = before[i];
        EXPECT_EQ(CRect(b.left * 2, b.top * 2, b.right * 2, b.bottom * 2), rectInParent(*dlg.controls()[i]))
            << "control " << i;
    }
}

} // namespace

TEST(GradientDialog, HoldsEveryDrawnControlAndRescalesThem)
{
    MessageBoxRecorder errors;
    CAllControlsDlg<CGDIpGradientDialog> dlg;
    ASSERT_TRUE(dlg.make());
    CRect window;
    dlg.GetWindowRect(&window);
    EXPECT_EQ(UINT(window.Width()), dlg.getOrygWidth()); // the window size at creation
    repaintNow(dlg);
    // The default background: graphite from top to bottom.
    const CSize size = clientSize(dlg);
    EXPECT_TRUE(rgbNear(0x434343, clientPixel(dlg, 2, 0), 6));
    EXPECT_TRUE(rgbNear(0x0C0C0C, clientPixel(dlg, 2, size.cy - 1), 6));
    // The transparent static shows the dialog's gradient around its text.
    CRect tstatic = rectInParent(dlg.m_transparentStatic);
    EXPECT_TRUE(rgbNear(clientPixel(dlg, tstatic.left - 2, tstatic.bottom - 1),
                        clientPixel(dlg.m_transparentStatic, tstatic.Width() - 1, tstatic.Height() - 1)));

    expectRescaledWhenDoubled(dlg);
    repaintNow(dlg);
    EXPECT_TRUE(rgbNear(0x0C0C0C, clientPixel(dlg, 2, 2 * size.cy - 1), 6));
    EXPECT_TRUE(errors.texts.empty());
    dlg.DestroyWindow();
}

TEST(GradientDialog, UnderlinesSpanTheDialogOrTheControl)
{
    COpenGradientDialog dlg;
    ASSERT_TRUE(dlg.Create(IDD_PLACEHOLDERS));
    dlg.SetWindowPos(nullptr, 0, 0, 500, 200, SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
    CWnd& ctrl = *dlg.GetDlgItem(IDC_PLACEHOLDER);
    ctrl.MoveWindow(100, 20, 50, 30);
    dlg.m_underlines.push_back({&ctrl, true, 0.1, 0.1, false, RGB(255, 0, 0), RGB(0, 0, 255)});
    Canvas whole(500, 200);
    dlg.UnderlineCtrl3D(&whole.dc());
    EXPECT_EQ(0xFF0000u, whole.rgb(50, 50)); // first line at the control's bottom
    EXPECT_EQ(0x0000FFu, whole.rgb(50, 51)); // second line just below
    EXPECT_EQ(0xFF0000u, whole.rgb(449, 50));
    EXPECT_EQ(0xFFFFFFu, whole.rgb(49, 50));
    EXPECT_EQ(0xFFFFFFu, whole.rgb(451, 50));

    dlg.m_underlines[0] = {&ctrl, false, 0.2, 0.2, true, 0, 0};
    Canvas extended(500, 200);
    dlg.UnderlineCtrl3D(&extended.dc());
    EXPECT_EQ(rgbOfColorref(GetSysColor(COLOR_BTNSHADOW)), extended.rgb(90, 50));     // 100 - 0.2 x 50
    EXPECT_EQ(rgbOfColorref(GetSysColor(COLOR_BTNHIGHLIGHT)), extended.rgb(159, 51)); // 100 + 50 + 10
    EXPECT_EQ(0xFFFFFFu, extended.rgb(89, 50));
    EXPECT_EQ(0xFFFFFFu, extended.rgb(161, 50));
    dlg.DestroyWindow();
}

TEST(GradientDialog, UnderlinesOnlyUnderTransparentChildrenInTransparentMode)
{
    COpenGradientDialog dlg;
    ASSERT_TRUE(dlg.Create(IDD_PLACEHOLDERS));
    dlg.ShowWindow(SW_SHOWNA);
    dlg.m_gradientStart = dlg.m_gradientEnd = 0xFF000000;
    CWnd& ctrl = *dlg.GetDlgItem(IDC_PLACEHOLDER);
    const CRect under = rectInParent(ctrl);
    ctrl.ShowWindow(SW_HIDE);
    dlg.m_underlines.push_back({&ctrl, true, 0, 0, false, RGB(255, 0, 0), RGB(255, 0, 0)});
    repaintNow(dlg);
    EXPECT_EQ(0x000000u, clientPixel(dlg, 5, under.bottom)); // no transparent child: no line

    CTransparentStatic label; // now there is one
    label.Create(L"", WS_CHILD | WS_VISIBLE, CRect(0, 0, 4, 4), &dlg, 77);
    repaintNow(dlg);
    EXPECT_EQ(0xFF0000u, clientPixel(dlg, 5, under.bottom));

    dlg.m_transparent = false;
    dlg.m_extraPacks.emplace_back();
    dlg.m_extraPacks[0].m_gradientStart = dlg.m_extraPacks[0].m_gradientEnd = 0xFF00FF00;
    dlg.m_extraPacks[0].setMarginFractions(0, 0, 0, 0);
    dlg.m_extraPacks[0].setCornerFractions(0);
    dlg.m_extraPacks[0].m_drawFrame = dlg.m_extraPacks[0].m_fillBackground = false;
    dlg.m_extraPacks[0].v_recalcData(CRect(0, 0, 20, 20));
    repaintNow(dlg);
    EXPECT_EQ(0x000000u, clientPixel(dlg, 30, under.bottom)); // opaque: no underline
    EXPECT_EQ(0x00FF00u, clientPixel(dlg, 10, 10));           // the extra pack over the dialog's own
    EXPECT_EQ(0x00FF00u, clientPixel(label, 1, 1));           // and handed to the child
    dlg.DestroyWindow();
}

TEST(SkinDialog, StartsGreyWithItsFontsAndTitle)
{
    CTestSkinDlg dlg;
    EXPECT_EQ(0xFF646464u, dlg.m_gradientStart);
    EXPECT_EQ(0xFF646464u, dlg.m_gradientEnd);
    EXPECT_DOUBLE_EQ(0.015, dlg.m_cornerFractions[0]);
    EXPECT_FALSE(dlg.m_drawFrame);
    EXPECT_EQ(&dlg.m_normalFont, dlg.m_font);
    LOGFONTW normal{}, title{};
    dlg.m_normalFont.GetLogFont(&normal);
    dlg.m_titleFont.GetLogFont(&title);
    EXPECT_STREQ(L"Arial", normal.lfFaceName);
    EXPECT_EQ(-18, normal.lfHeight);
    EXPECT_EQ(FW_NORMAL, normal.lfWeight);
    EXPECT_EQ(FW_BOLD, title.lfWeight);

    dlg.SetWindowTextW(L"Settings");
    ASSERT_TRUE(dlg.Create(IDD_PLACEHOLDERS));
    EXPECT_DOUBLE_EQ(0, dlg.m_cornerFractions[0]); // square once shown
    EXPECT_DOUBLE_EQ(0, dlg.m_marginFractions[1]);
    ASSERT_NE(nullptr, dlg.m_titleStatic.m_hWnd);
    EXPECT_EQ(5000, dlg.m_titleStatic.GetDlgCtrlID());
    CString text;
    dlg.m_titleStatic.GetWindowText(text);
    EXPECT_STREQ(L"Settings", text);
    EXPECT_EQ(RGB(255, 0, 0), dlg.m_titleStatic.m_textColor);
    EXPECT_EQ(&dlg.m_titleFont, dlg.m_titleStatic.m_font);
    EXPECT_EQ(CRect(0, 0, clientSize(dlg).cx, 32), rectInParent(dlg.m_titleStatic));

    dlg.SetWindowTextW(L"Other");
    dlg.m_titleStatic.GetWindowText(text);
    EXPECT_STREQ(L"Other", text);
    dlg.DestroyWindow();
}

TEST(SkinDialog, LayeredWithItsOpacityClamped)
{
    CTestSkinDlg plain;
    ASSERT_TRUE(plain.Create(IDD_PLACEHOLDERS));
    EXPECT_FALSE(plain.GetExStyle() & WS_EX_LAYERED);
    plain.DestroyWindow();

    CTestSkinDlg layered(true);
    ASSERT_TRUE(layered.Create(IDD_PLACEHOLDERS));
    EXPECT_TRUE(layered.GetExStyle() & WS_EX_LAYERED);
    BYTE alpha = 0;
    DWORD flags = 0;
    ASSERT_TRUE(GetLayeredWindowAttributes(layered.m_hWnd, nullptr, &alpha, &flags));
    EXPECT_EQ(216, alpha);
    EXPECT_EQ(DWORD(LWA_ALPHA), flags);
    layered.DestroyWindow();

    EXPECT_EQ(255, CSkinDlg::opacityAlpha(150));
    EXPECT_EQ(0, CSkinDlg::opacityAlpha(-20));
    EXPECT_EQ(127, CSkinDlg::opacityAlpha(50));
}

TEST(SkinDialog, BackgroundColourAndTitleFollowTheWindow)
{
    CTestSkinDlg dlg;
    ASSERT_TRUE(dlg.Create(IDD_PLACEHOLDERS));
    dlg.ShowWindow(SW_SHOWNA);
    dlg.SetBackgroundColor(RGB(200, 200, 200));
    EXPECT_EQ(0xFFC8C8C8u, dlg.m_gradientStart);
    EXPECT_EQ(0xFFC8C8C8u, dlg.m_gradientEnd);
    repaintNow(dlg);
    EXPECT_TRUE(rgbNear(0xC8C8C8, clientPixel(dlg, 5, 60)));

    dlg.SetWindowPos(nullptr, 0, 0, 420, 260, SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
    EXPECT_EQ(CRect(0, 0, 420, 32), rectInParent(dlg.m_titleStatic));
    dlg.DestroyWindow();
}

TEST(SkinDialog, DraggedOnlyByItsTitle)
{
    CTestSkinDlg dlg;
    ASSERT_TRUE(dlg.Create(IDD_PLACEHOLDERS));
    dlg.ShowWindow(SW_SHOWNA);
    dlg.SendMessage(WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(20, 60));
    EXPECT_EQ(0, dlg.m_drags);
    dlg.SendMessage(WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(20, 10));
    EXPECT_EQ(1, dlg.m_drags);
    HWND focus = ::GetFocus(); // a dialog passes its focus on to its first control
    EXPECT_TRUE(focus == dlg.m_hWnd || ::IsChild(dlg.m_hWnd, focus));
    dlg.DestroyWindow();
}

TEST(SkinDialog, HoldsEveryDrawnControlAndRescalesThem)
{
    MessageBoxRecorder errors;
    CAllControlsDlg<CSkinDlg> dlg;
    ASSERT_TRUE(dlg.make());
    repaintNow(dlg);
    EXPECT_TRUE(rgbNear(0x646464, clientPixel(dlg, 2, 40)));
    expectRescaledWhenDoubled(dlg);
    repaintNow(dlg);
    EXPECT_TRUE(rgbNear(0x646464, clientPixel(dlg, 2, 80)));
    EXPECT_TRUE(errors.texts.empty());
    dlg.DestroyWindow();
}

TEST(GradientDialog, ComboBoxGrowsByItsClosedHeightWhateverItsDroppedHeight)
{
    CAllControlsDlg<CGDIpGradientDialog> dlg;
    dlg.m_combo.m_closedHeight = 21;
    ASSERT_TRUE(dlg.make());
    const CRect before = rectInParent(dlg.m_combo);
    EXPECT_EQ(0, dlg.m_combo.GetCurSel());
    expectRescaledWhenDoubled(dlg);
    const CRect after = rectInParent(dlg.m_combo);
    EXPECT_EQ(before.left * 2, after.left);
    EXPECT_EQ(before.top * 2, after.top);
    EXPECT_EQ(before.Width() * 2, after.Width());
    EXPECT_EQ(before.Height() + 21, after.Height()); // the selection field doubled, not the list
    EXPECT_EQ(0, dlg.m_combo.GetCurSel());
    dlg.DestroyWindow();
}
