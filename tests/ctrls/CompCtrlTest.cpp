#include "PrambleTestIds.h"
#include "PrambleTestSupport.h"

#include <Pramble.h>

#include <gtest/gtest.h>

#include <string>
#include <vector>

using namespace wfxtest;
using namespace prambletest;

namespace {

using Log = std::vector<std::string>;

// A parent that notes the commands and double clicks it gets.
class CParentWnd : public HostWindow
{
public:
    explicit CParentWnd(Log& log) : m_log(log) {}

    Log& m_log;
    std::vector<std::pair<UINT, CPoint>> m_dblClicks;

protected:
    afx_msg void OnMenuCommand(UINT id) { m_log.push_back("parent " + std::to_string(id)); }
    afx_msg void OnLButtonDblClk(UINT nFlags, CPoint point) { m_dblClicks.emplace_back(nFlags, point); }
    DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(CParentWnd, HostWindow)
ON_COMMAND_RANGE(ID_COMP_FIRST, ID_COMP_SECOND, &CParentWnd::OnMenuCommand)
ON_WM_LBUTTONDBLCLK()
END_MESSAGE_MAP()

// A composite control of another module, with its features switched on by
// the test. While its context menu is open it notes where, then picks the
// first item or closes the menu.
class CTestComp : public CCompCtrl
{
public:
    explicit CTestComp(Log& log) : m_log(log) {}

    using CCompCtrl::m_bDblClkToParent;
    using CCompCtrl::m_bPopupMenu;
    using CCompCtrl::m_bToolTip;
    using CCompCtrl::m_nMenuID;
    using CCompCtrl::m_strToolTip;

    BOOL Create(CRect rect, CWnd* parent, UINT id) override
    {
        ++m_created;
        return CCompCtrl::Create(rect, parent, id);
    }

    Log& m_log;
    int m_created = 0;
    int m_menusShown = 0;
    CPoint m_menuAt;
    bool m_pickFirst = true;

protected:
    afx_msg void OnMenuCommand(UINT id) { m_log.push_back("control " + std::to_string(id)); }
    afx_msg LRESULT OnEnterIdle(WPARAM wParam, LPARAM lParam)
    {
        if (wParam != MSGF_MENU)
            return 0;
        ++m_menusShown;
        CRect menu;
        ::GetWindowRect(reinterpret_cast<HWND>(lParam), &menu);
        m_menuAt = menu.TopLeft();
        if (m_pickFirst) {
            PostMessage(WM_KEYDOWN, VK_DOWN);
            PostMessage(WM_KEYDOWN, VK_RETURN);
        } else {
            PostMessage(WM_CANCELMODE);
        }
        return 0;
    }
    DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(CTestComp, CCompCtrl)
ON_COMMAND_RANGE(ID_COMP_FIRST, ID_COMP_SECOND, &CTestComp::OnMenuCommand)
ON_MESSAGE(WM_ENTERIDLE, &CTestComp::OnEnterIdle)
END_MESSAGE_MAP()

class CompCtrl : public ::testing::Test
{
protected:
    Log log;
    CParentWnd parent{log};
    CTestComp comp{log};
};

// The text the tooltip shows for the control after the mouse moved over it.
std::wstring hoverText(CWnd& wnd)
{
    wnd.PostMessage(WM_MOUSEMOVE, 0, MAKELPARAM(4, 4));
    pumpPending();
    HWND tip = findToolTip();
    if (!tip || SendMessageW(tip, TTM_GETTOOLCOUNT, 0, 0) == 0)
        return L"<none>";
    return toolTipText(tip, wnd.m_hWnd);
}

} // namespace

TEST_F(CompCtrl, CreatesAVisibleChildOfItsOwnClass)
{
    ASSERT_TRUE(comp.Create(CRect(10, 20, 110, 70), &parent, 42));
    EXPECT_EQ(DWORD(WS_CHILD | WS_VISIBLE), comp.GetStyle() & 0xFFFF0000);
    EXPECT_EQ(ULONG_PTR(0x2B), GetClassLongPtrW(comp.m_hWnd, GCL_STYLE) & ~ULONG_PTR(CS_GLOBALCLASS));
    EXPECT_EQ(0, comp.GetWindowTextLength());
    EXPECT_EQ(42, comp.GetDlgCtrlID());
    EXPECT_TRUE(comp.m_nFlags & WF_TOOLTIPS);
    EXPECT_TRUE(comp.IsKindOf(RUNTIME_CLASS(CCompCtrl)));
    EXPECT_TRUE(comp.IsKindOf(RUNTIME_CLASS(CWnd)));
}

TEST_F(CompCtrl, FailedCreationLeavesTooltipsOff)
{
    EXPECT_FALSE(comp.Create(CRect(0, 0, 10, 10), nullptr, 1)); // a child needs a parent
    EXPECT_EQ(nullptr, comp.m_hWnd);
    EXPECT_FALSE(comp.m_nFlags & WF_TOOLTIPS);
}

TEST_F(CompCtrl, TakesOverTheStaticPlaceholder)
{
    HWND placeholder = CreateWindowExW(0, L"STATIC", L"placeholder", WS_CHILD | WS_VISIBLE | SS_SUNKEN, 30,
                                       40, 120, 60, parent.m_hWnd, HMENU(UINT_PTR(1072)), nullptr, nullptr);
    ASSERT_NE(nullptr, placeholder);

    ASSERT_TRUE(comp.CreateFromStatic(1072, &parent));
    EXPECT_EQ(1, comp.m_created); // through the virtual Create
    EXPECT_FALSE(IsWindow(placeholder));
    EXPECT_EQ(CRect(30, 40, 150, 100), rectInParent(comp));
    EXPECT_EQ(comp.m_hWnd, ::GetDlgItem(parent.m_hWnd, 1072));
    EXPECT_EQ(0, comp.GetWindowTextLength());
    EXPECT_FALSE(comp.GetStyle() & SS_SUNKEN);
}

TEST_F(CompCtrl, MissingPlaceholderCreatesNothing)
{
    EXPECT_FALSE(comp.CreateFromStatic(999, &parent));
    EXPECT_FALSE(comp.CreateFromStatic(999, nullptr));
    EXPECT_EQ(0, comp.m_created);
    EXPECT_EQ(nullptr, comp.m_hWnd);
    EXPECT_EQ(nullptr, ::GetWindow(parent.m_hWnd, GW_CHILD));
}

TEST_F(CompCtrl, CommandsReachTheParentFirst)
{
    ASSERT_TRUE(comp.Create(CRect(0, 0, 50, 50), &parent, 5));
    comp.SendMessage(WM_COMMAND, ID_COMP_SECOND);
    EXPECT_EQ((Log{"parent 301", "control 301"}), log);
}

TEST_F(CompCtrl, RightClickShowsTheContextMenuAtTheClick)
{
    ASSERT_TRUE(comp.Create(CRect(20, 30, 120, 130), &parent, 5));
    comp.m_bPopupMenu = TRUE;
    comp.m_nMenuID = IDR_COMP_MENU;
    comp.SendMessage(WM_RBUTTONDOWN, MK_RBUTTON, MAKELPARAM(10, 12));
    pumpPending();
    EXPECT_EQ(1, comp.m_menusShown);
    CPoint click(10, 12);
    comp.ClientToScreen(&click);
    EXPECT_EQ(click, comp.m_menuAt);
    EXPECT_EQ((Log{"parent 300", "control 300"}), log);
}

TEST_F(CompCtrl, NoMenuWithoutTheFlagOrTheResource)
{
    ASSERT_TRUE(comp.Create(CRect(0, 0, 100, 100), &parent, 5));
    comp.m_pickFirst = false;
    comp.m_nMenuID = IDR_COMP_MENU;
    comp.SendMessage(WM_RBUTTONDOWN, MK_RBUTTON, MAKELPARAM(10, 10));
    comp.m_bPopupMenu = TRUE;
    comp.m_nMenuID = 0; // a control that never named its menu
    comp.SendMessage(WM_RBUTTONDOWN, MK_RBUTTON, MAKELPARAM(10, 10));
    comp.m_nMenuID = 4711; // no such resource
    comp.SendMessage(WM_RBUTTONDOWN, MK_RBUTTON, MAKELPARAM(10, 10));
    pumpPending();
    EXPECT_EQ(0, comp.m_menusShown);
    EXPECT_TRUE(log.empty());
}

TEST_F(CompCtrl, DoubleClicksGoToTheParentInControlCoordinates)
{
    ASSERT_TRUE(comp.Create(CRect(30, 40, 130, 140), &parent, 5));
    comp.SendMessage(WM_LBUTTONDBLCLK, MK_LBUTTON, MAKELPARAM(7, 9));
    EXPECT_TRUE(parent.m_dblClicks.empty());

    comp.m_bDblClkToParent = TRUE;
    comp.SendMessage(WM_LBUTTONDBLCLK, MK_LBUTTON | MK_SHIFT, MAKELPARAM(7, 9));
    ASSERT_EQ(1u, parent.m_dblClicks.size());
    EXPECT_EQ(UINT(MK_LBUTTON | MK_SHIFT), parent.m_dblClicks[0].first);
    EXPECT_EQ(CPoint(7, 9), parent.m_dblClicks[0].second);
}

TEST_F(CompCtrl, TooltipShowsOnlyWhenSwitchedOn)
{
    ASSERT_TRUE(comp.Create(CRect(0, 0, 100, 60), &parent, 5));
    EXPECT_EQ(L"<none>", hoverText(comp));
    comp.m_bToolTip = TRUE;
    EXPECT_EQ(L"CCompCtrl", hoverText(comp));
    comp.m_bToolTip = FALSE;
    EXPECT_EQ(L"<none>", hoverText(comp));
    comp.m_strToolTip.Empty();
    comp.m_bToolTip = TRUE;
    EXPECT_EQ(L"CCompCtrl -> OnToolNeedText", hoverText(comp));
}

TEST(ColorStatic, ShowsYellowTextOnBlack)
{
    HostWindow host;
    CColorStatic text;
    ASSERT_TRUE(text.Create(L"WWWW", WS_CHILD | WS_VISIBLE, CRect(0, 0, 80, 24), &host, 9));
    EXPECT_TRUE(text.IsKindOf(RUNTIME_CLASS(CStatic)));
    Rendering image(text);
    EXPECT_EQ(RGB(0, 0, 0), image.at(image.width() - 1, image.height() - 1));
    int yellow = 0;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x) {
            COLORREF c = image.at(x, y);
            yellow += GetRValue(c) > 160 && GetGValue(c) > 160 && GetBValue(c) < 60;
        }
    EXPECT_GT(yellow, 10);
    EXPECT_EQ(0, image.count(0, 0, image.width(), image.height(), Rendering::kUnpainted));
}
