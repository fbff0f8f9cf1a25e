#include "WfxTestSupport.h"

#include <gtest/gtest.h>

using namespace wfxtest;

namespace {

// A manager of the dark kind: its constructor changes global colours and
// it keeps them when installed.
class CDarkManager : public CMFCVisualManagerOffice2003
{
    DECLARE_DYNCREATE(CDarkManager)

public:
    static int s_deleted;

    CDarkManager()
    {
        GetGlobalData()->clrBarText = RGB(255, 255, 255);
        GetGlobalData()->clrBtnShadow = RGB(128, 128, 128);
        m_clrBarGradientLight = m_clrBarGradientDark = RGB(0x43, 0x43, 0x43);
    }
    ~CDarkManager() override { ++s_deleted; }
    void OnUpdateSystemColors() override {}
};

int CDarkManager::s_deleted = 0;
IMPLEMENT_DYNCREATE(CDarkManager, CMFCVisualManagerOffice2003)

class CProbeButton : public CMFCButton
{
public:
    UINT m_state = 0;
    BOOL m_pushed = FALSE;
    BOOL m_hot = FALSE;

protected:
    void OnDraw(CDC* pDC, const CRect& rect, UINT uiState) override
    {
        m_state = uiState;
        m_pushed = IsPushed();
        m_hot = IsHighlighted();
        CMFCButton::OnDraw(pDC, rect, uiState);
    }
};

} // namespace

TEST(WfxVisual, InstalledManagerPaintsPanesAndKeepsItsColours)
{
    HostWindow host;
    CPane pane;
    ASSERT_TRUE(pane.CreateEx(0, AfxRegisterWndClass(0), nullptr, WS_CHILD | WS_VISIBLE | CBRS_TOP,
                              CRect(0, 0, 50, 20), &host, 0));
    CMFCVisualManager::SetDefaultManager(RUNTIME_CLASS(CDarkManager));
    CMFCVisualManager* dark = CMFCVisualManager::GetInstance();
    EXPECT_TRUE(dark->IsKindOf(RUNTIME_CLASS(CDarkManager)));
    EXPECT_EQ(RGB(255, 255, 255), GetGlobalData()->clrBarText);
    EXPECT_EQ(RGB(128, 128, 128), GetGlobalData()->clrBtnShadow);
    Canvas canvas(50, 20);
    pane.DoPaint(&canvas.dc());
    EXPECT_EQ(50 * 20, countPixels(canvas, CRect(0, 0, 50, 20), 0x434343));

    // Classes that make no manager change nothing.
    CMFCVisualManager::SetDefaultManager(RUNTIME_CLASS(CWnd));
    CMFCVisualManager::SetDefaultManager(RUNTIME_CLASS(CPane));
    EXPECT_EQ(dark, CMFCVisualManager::GetInstance());

    // The plain manager replaces it and takes the system's colours again.
    CMFCVisualManager::SetDefaultManager(RUNTIME_CLASS(CMFCVisualManager));
    EXPECT_EQ(1, CDarkManager::s_deleted);
    EXPECT_EQ(GetSysColor(COLOR_BTNTEXT), GetGlobalData()->clrBarText);
    pane.DoPaint(&canvas.dc());
    EXPECT_EQ(rgbOfColorref(GetSysColor(COLOR_BTNFACE)), canvas.rgb(25, 10));
}

TEST(WfxVisual, Office2007StyleChosenBeforeInstallingColoursTheBars)
{
    HostWindow host;
    CPane pane;
    ASSERT_TRUE(pane.CreateEx(0, AfxRegisterWndClass(0), nullptr, WS_CHILD | WS_VISIBLE | CBRS_TOP,
                              CRect(0, 0, 50, 20), &host, 0));
    EXPECT_FALSE(CMFCVisualManagerOffice2007::SetStyle(CMFCVisualManagerOffice2007::Style(7)));
    EXPECT_TRUE(CMFCVisualManagerOffice2007::SetStyle(CMFCVisualManagerOffice2007::Office2007_ObsidianBlack));
    EXPECT_EQ(CMFCVisualManagerOffice2007::Office2007_ObsidianBlack, CMFCVisualManagerOffice2007::GetStyle());
    CMFCVisualManager::SetDefaultManager(RUNTIME_CLASS(CMFCVisualManagerOffice2007));
    Canvas canvas(50, 20);
    pane.DoPaint(&canvas.dc());
    EXPECT_EQ(0x535353u, canvas.rgb(25, 0));                        // from light at the top
    EXPECT_GT(canvas.rgb(25, 1) & 0xFF, canvas.rgb(25, 18) & 0xFF); // to dark at the bottom
    CMFCVisualManagerOffice2007::SetStyle(CMFCVisualManagerOffice2007::Office2007_LunaBlue);
    CMFCVisualManager::SetDefaultManager(RUNTIME_CLASS(CMFCVisualManager));
}

TEST(WfxVisual, ButtonKnowsWhetherItIsPushedOrUnderTheMouse)
{
    HostWindow host;
    CProbeButton button;
    ASSERT_TRUE(
        button.Create(L"Go", WS_CHILD | WS_VISIBLE | BS_DEFPUSHBUTTON, CRect(0, 0, 60, 24), &host, 5));
    EXPECT_EQ(UINT(BS_OWNERDRAW), button.GetButtonStyle() & BS_TYPEMASK);

    Canvas canvas(60, 24);
    DRAWITEMSTRUCT item{
        ODT_BUTTON,     5, 0, ODA_DRAWENTIRE, ODS_SELECTED, button.m_hWnd, canvas.dc().GetSafeHdc(),
        {0, 0, 60, 24}, 0};
    host.SendMessage(WM_DRAWITEM, 5, LPARAM(&item));
    EXPECT_TRUE(button.m_pushed);
    EXPECT_TRUE(button.m_state & ODS_SELECTED);

    button.SendMessage(WM_MOUSEMOVE, 0, MAKELPARAM(5, 5));
    item.itemState = 0;
    host.SendMessage(WM_DRAWITEM, 5, LPARAM(&item));
    EXPECT_FALSE(button.m_pushed);
    EXPECT_TRUE(button.m_hot);
    button.SendMessage(WM_MOUSELEAVE);
    EXPECT_FALSE(button.IsHighlighted());

    // A button taken over from a template turns owner-drawn as well.
    HWND plain = CreateWindowW(L"BUTTON", L"plain", WS_CHILD | BS_PUSHBUTTON, 0, 30, 60, 24, host.m_hWnd,
                               nullptr, nullptr, nullptr);
    CMFCButton subclassed;
    ASSERT_TRUE(subclassed.SubclassWindow(plain));
    EXPECT_EQ(UINT(BS_OWNERDRAW), subclassed.GetButtonStyle() & BS_TYPEMASK);
}

TEST(WfxVisual, MenuImagesStayInsideTheirSquare)
{
    EXPECT_EQ(CSize(9, 9), CMenuImages::Size());
    Canvas canvas(40, 40);
    canvas.dc().FillSolidRect(0, 0, 40, 40, RGB(0, 0, 0));
    CMenuImages::Draw(&canvas.dc(), CMenuImages::IdCheck, CPoint(5, 5), CMenuImages::ImageWhite);
    int check = countPixels(canvas, CRect(5, 5, 14, 14), 0xFFFFFF);
    EXPECT_GT(check, 8);
    EXPECT_EQ(check, countPixels(canvas, CRect(0, 0, 40, 40), 0xFFFFFF));

    canvas.dc().FillSolidRect(0, 0, 40, 40, RGB(0, 0, 0));
    CMenuImages::Draw(&canvas.dc(), CMenuImages::IdClose, CRect(0, 0, 40, 40), CMenuImages::ImageGray,
                      CSize(18, 18));
    int cross = countPixels(canvas, CRect(11, 11, 29, 29), 0x808080);
    EXPECT_GT(cross, 18);
    EXPECT_EQ(cross, countPixels(canvas, CRect(0, 0, 40, 40), 0x808080));
}
