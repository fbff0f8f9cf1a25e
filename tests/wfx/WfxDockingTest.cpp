#include "WfxFrameSupport.h"
#include "WfxTestSupport.h"

#include <gtest/gtest.h>

using wfxtest::placeIn;
using wfxtest::pumpPending;
using wfxtest::viewPlace;

namespace {

// A bar of a fixed size that counts its idle updates.
class CFixedBar : public CControlBar
{
public:
    explicit CFixedBar(CSize size) : m_size(size) {}

    BOOL create(CWnd* parent, UINT id, DWORD barStyle)
    {
        m_dwStyle = barStyle;
        return CreateEx(0, AfxRegisterWndClass(CS_DBLCLKS), nullptr, WS_CHILD | WS_VISIBLE, CRect(0, 0, 0, 0),
                        parent, id);
    }
    CSize CalcFixedLayout(BOOL bStretch, BOOL bHorz) override
    {
        if (bStretch)
            return bHorz ? CSize(32767, m_size.cy) : CSize(m_size.cx, 32767);
        return m_size;
    }
    void OnUpdateCmdUI(CFrameWnd* pTarget, BOOL) override
    {
        ++m_updates;
        m_target = pTarget;
    }

    int m_updates = 0;
    CFrameWnd* m_target = nullptr;

private:
    CSize m_size;
};

const UINT kSwitchCommand = 0x7F00;

// A frame whose one command is enabled as the test says.
class CSwitchFrame : public CFrameWnd
{
public:
    bool m_enabled = true;

protected:
    afx_msg void OnUpdateSwitch(CCmdUI* ui) { ui->Enable(m_enabled); }
    DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(CSwitchFrame, CFrameWnd)
ON_UPDATE_COMMAND_UI(kSwitchCommand, &CSwitchFrame::OnUpdateSwitch)
END_MESSAGE_MAP()

// A bar with a button for that command, updated as bars update their buttons.
class CSwitchBar : public CFixedBar
{
public:
    CSwitchBar() : CFixedBar(CSize(0, 24)) {}
    BOOL create(CWnd* parent, UINT id)
    {
        return CFixedBar::create(parent, id, CBRS_TOP) &&
               m_button.Create(L"Switch", WS_CHILD | WS_VISIBLE, CRect(0, 0, 60, 20), this, kSwitchCommand);
    }
    void OnUpdateCmdUI(CFrameWnd* pTarget, BOOL bDisableIfNoHndler) override
    {
        CFixedBar::OnUpdateCmdUI(pTarget, bDisableIfNoHndler);
        CCmdUI ui;
        ui.m_nID = kSwitchCommand;
        ui.m_pOther = &m_button;
        ui.DoUpdate(pTarget, bDisableIfNoHndler);
    }
    bool enabled() const { return m_button.IsWindowEnabled() != FALSE; }

    CButton m_button;
};

// Drags the bar from a point of its client area to a screen point with
// mouse messages, as the user would.
void dragBar(CControlBar& bar, CPoint from, CPoint toScreen, bool cancel = false)
{
    CPoint to = toScreen;
    bar.ScreenToClient(&to);
    bar.PostMessage(WM_MOUSEMOVE, MK_LBUTTON, MAKELPARAM(to.x, to.y));
    if (cancel)
        bar.PostMessage(WM_KEYDOWN, VK_ESCAPE);
    bar.PostMessage(WM_LBUTTONUP, 0, MAKELPARAM(to.x, to.y));
    bar.SendMessage(WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(from.x, from.y));
    pumpPending();
}

} // namespace

TEST(WfxDocking, StatusBarAndEdgeBarsTakeTheirRoomAndTheViewTheRest)
{
    CFrameWnd* frame = wfxtest::makeViewFrame();
    ASSERT_NE(nullptr, frame);
    CRect client;
    frame->GetClientRect(&client);
    CStatusBar status;
    ASSERT_TRUE(status.Create(frame));
    EXPECT_EQ(0u, status.GetStyle() & CBRS_ALIGN_ANY); // bar bits are not window style
    CFixedBar top(CSize(0, 30));
    ASSERT_TRUE(top.create(frame, 100, CBRS_TOP));
    EXPECT_EQ(&top, frame->GetControlBar(100));
    frame->RecalcLayout();

    int statusHigh = status.CalcFixedLayout(TRUE, TRUE).cy;
    EXPECT_GT(statusHigh, 12);
    EXPECT_EQ(CRect(0, client.bottom - statusHigh, client.right, client.bottom),
              placeIn(*frame, status.m_hWnd));
    EXPECT_EQ(CRect(0, 0, client.right, 30), placeIn(*frame, top.m_hWnd));
    EXPECT_EQ(CRect(0, 30, client.right, client.bottom - statusHigh), viewPlace(*frame));
    CRect rest;
    frame->RepositionBars(0, 0xFFFF, AFX_IDW_PANE_FIRST, CWnd::reposQuery, &rest);
    EXPECT_EQ(viewPlace(*frame), rest);

    // A hidden bar gives its room back and gets no idle updates.
    frame->ShowControlBar(&top, FALSE, FALSE);
    EXPECT_EQ(0, viewPlace(*frame).top);
    frame->SendMessageToDescendants(WM_IDLEUPDATECMDUI, TRUE);
    EXPECT_EQ(0, top.m_updates);
    // A delayed show waits for the next layout.
    frame->ShowControlBar(&top, TRUE, TRUE);
    EXPECT_TRUE(top.IsVisible());
    EXPECT_FALSE(top.GetStyle() & WS_VISIBLE);
    frame->RecalcLayout();
    EXPECT_TRUE(top.GetStyle() & WS_VISIBLE);
    EXPECT_EQ(30, viewPlace(*frame).top);
    frame->SendMessageToDescendants(WM_IDLEUPDATECMDUI, TRUE);
    EXPECT_EQ(1, top.m_updates);
    EXPECT_EQ(frame, top.m_target);
    frame->DestroyWindow();
}

TEST(WfxDocking, BarsDockFloatAndDockAgainThroughTheFrame)
{
    CFrameWnd* frame = wfxtest::makeViewFrame();
    ASSERT_NE(nullptr, frame);
    frame->EnableDocking(CBRS_ALIGN_ANY);
    auto* left = DYNAMIC_DOWNCAST(CDockBar, frame->GetControlBar(AFX_IDW_DOCKBAR_LEFT));
    auto* top = DYNAMIC_DOWNCAST(CDockBar, frame->GetControlBar(AFX_IDW_DOCKBAR_TOP));
    ASSERT_NE(nullptr, left);
    ASSERT_NE(nullptr, top);
    CFixedBar bar(CSize(140, 100)), second(CSize(60, 24));
    ASSERT_TRUE(bar.create(frame, 101, CBRS_TOP));
    ASSERT_TRUE(second.create(frame, 102, CBRS_TOP));
    bar.EnableDocking(CBRS_ALIGN_ANY);
    second.EnableDocking(CBRS_ALIGN_TOP);

    frame->DockControlBar(&bar, AFX_IDW_DOCKBAR_LEFT);
    EXPECT_EQ(left->m_hWnd, ::GetParent(bar.m_hWnd));
    EXPECT_EQ(left, bar.m_pDockBar);
    EXPECT_EQ(DWORD(CBRS_ALIGN_LEFT), bar.GetBarStyle() & CBRS_ALIGN_ANY);
    EXPECT_EQ(140, viewPlace(*frame).left);
    EXPECT_EQ(CRect(0, -2, 140, 98), placeIn(*left, bar.m_hWnd)); // bars overlap their neighbours by 2

    frame->FloatControlBar(&bar, CPoint(500, 400));
    EXPECT_TRUE(bar.IsFloating());
    EXPECT_EQ(0, left->GetDockedCount());
    EXPECT_EQ(0, viewPlace(*frame).left);
    CWnd* floating = bar.GetParent()->GetParent();
    ASSERT_NE(nullptr, DYNAMIC_DOWNCAST(CMiniDockFrameWnd, floating));
    HWND floatingWnd = floating->m_hWnd;
    EXPECT_TRUE(floating->IsWindowVisible());
    CRect floatClient;
    floating->GetClientRect(&floatClient);
    EXPECT_EQ(CSize(140, 100), floatClient.Size());
    CRect floatWindow;
    floating->GetWindowRect(&floatWindow);
    EXPECT_EQ(CPoint(500, 400), floatWindow.TopLeft());
    // Floating bars are not the frame's descendants: the frame passes idle updates on.
    frame->SendMessage(WM_IDLEUPDATECMDUI, TRUE);
    EXPECT_EQ(1, bar.m_updates);
    EXPECT_EQ(frame, bar.m_target);

    // Docked again: its floating frame goes; a bar docked beside it shares the row.
    frame->DockControlBar(&bar, AFX_IDW_DOCKBAR_TOP);
    EXPECT_FALSE(::IsWindow(floatingWnd));
    EXPECT_FALSE(bar.IsFloating());
    EXPECT_EQ(top->m_hWnd, ::GetParent(bar.m_hWnd));
    CRect beside;
    bar.GetWindowRect(&beside);
    beside.OffsetRect(beside.Width(), 0);
    frame->DockControlBar(&second, UINT(0), &beside);
    ASSERT_EQ(4, top->m_arrBars.GetSize());
    EXPECT_EQ(&bar, top->m_arrBars[1]);
    EXPECT_EQ(&second, top->m_arrBars[2]);
    EXPECT_EQ(CRect(136, 0, 196, 24), placeIn(*top, second.m_hWnd));
    EXPECT_EQ(100, viewPlace(*frame).top);
    frame->DestroyWindow();
}

TEST(WfxDocking, DraggingDocksWhereTheMouseLetsGoAndFloatsElsewhere)
{
    CFrameWnd* frame = wfxtest::makeViewFrame();
    ASSERT_NE(nullptr, frame);
    frame->EnableDocking(CBRS_ALIGN_ANY);
    CFixedBar bar(CSize(50, 50));
    ASSERT_TRUE(bar.create(frame, 101, CBRS_TOP));
    bar.EnableDocking(CBRS_ALIGN_ANY);
    frame->DockControlBar(&bar, AFX_IDW_DOCKBAR_TOP);
    CRect client;
    frame->GetClientRect(&client);
    frame->ClientToScreen(&client);

    // Escape gives up the drag.
    dragBar(bar, CPoint(5, 5), CPoint(client.left + 4, client.top + 150), true);
    EXPECT_EQ(frame->GetControlBar(AFX_IDW_DOCKBAR_TOP)->m_hWnd, ::GetParent(bar.m_hWnd));

    dragBar(bar, CPoint(5, 5), CPoint(client.left + 4, client.top + 150));
    EXPECT_EQ(frame->GetControlBar(AFX_IDW_DOCKBAR_LEFT)->m_hWnd, ::GetParent(bar.m_hWnd));

    dragBar(bar, CPoint(5, 5), CPoint(client.right + 200, client.top + 100));
    EXPECT_TRUE(bar.IsFloating());
    CRect place;
    bar.GetParent()->GetParent()->GetWindowRect(&place);
    EXPECT_EQ(client.right + 195, place.left);

    // A double click puts it back where it was docked, another floats it again.
    bar.SendMessage(WM_LBUTTONDBLCLK, 0, MAKELPARAM(5, 5));
    EXPECT_EQ(frame->GetControlBar(AFX_IDW_DOCKBAR_LEFT)->m_hWnd, ::GetParent(bar.m_hWnd));
    bar.SendMessage(WM_LBUTTONDBLCLK, 0, MAKELPARAM(5, 5));
    EXPECT_TRUE(bar.IsFloating());
    frame->DestroyWindow();
}

TEST(WfxDocking, BarsOutlivingTheirFrameHoldNoPointerToIt)
{
    CFixedBar docked(CSize(50, 50)), floating(CSize(50, 50));
    {
        CFrameWnd* frame = wfxtest::makeViewFrame();
        ASSERT_NE(nullptr, frame);
        frame->EnableDocking(CBRS_ALIGN_ANY);
        ASSERT_TRUE(docked.create(frame, 101, CBRS_TOP));
        ASSERT_TRUE(floating.create(frame, 102, CBRS_TOP));
        docked.EnableDocking(CBRS_ALIGN_ANY);
        frame->DockControlBar(&docked, AFX_IDW_DOCKBAR_RIGHT);
        frame->FloatControlBar(&floating, CPoint(600, 100));
        frame->DestroyWindow();
    }
    for (CFixedBar* bar : {&docked, &floating}) {
        EXPECT_EQ(nullptr, bar->m_hWnd);
        EXPECT_EQ(nullptr, bar->m_pDockSite);
        EXPECT_EQ(nullptr, bar->m_pDockBar);
    }
    // A bar deleted before its frame leaves the frame's list.
    CFrameWnd* frame = wfxtest::makeViewFrame();
    ASSERT_NE(nullptr, frame);
    {
        CFixedBar passing(CSize(10, 10));
        ASSERT_TRUE(passing.create(frame, 103, CBRS_BOTTOM));
    }
    EXPECT_EQ(nullptr, frame->GetControlBar(103));
    frame->RecalcLayout();
    frame->DestroyWindow();
}

// Idle time reaches the main window's bars wherever they sit below it, and
// only those: their buttons follow the frame's command state.
TEST(WfxDocking, IdleTimeUpdatesTheBarsBelowTheMainWindow)
{
    auto* frame = new CSwitchFrame;
    frame->m_bAutoDelete = TRUE;
    ASSERT_TRUE(frame->Create(nullptr, L"frame", WS_POPUP | WS_VISIBLE, CRect(0, 0, 400, 300)));
    CSwitchBar docked, nested, hidden, elsewhere;
    ASSERT_TRUE(docked.create(frame, 101));
    CWnd panel;
    ASSERT_TRUE(panel.Create(nullptr, L"", WS_CHILD | WS_VISIBLE, CRect(0, 50, 300, 200), frame, 5));
    ASSERT_TRUE(nested.create(&panel, 102));
    ASSERT_TRUE(hidden.create(frame, 103));
    hidden.ShowWindow(SW_HIDE);
    CFrameWnd* other = wfxtest::makeViewFrame();
    ASSERT_NE(nullptr, other);
    ASSERT_TRUE(elsewhere.create(other, 104));

    CWinThread* thread = AfxGetThread();
    thread->m_pMainWnd = frame;
    frame->m_enabled = false;
    thread->OnIdle(0);
    EXPECT_FALSE(docked.enabled());
    EXPECT_FALSE(nested.enabled());
    EXPECT_EQ(frame, nested.m_target);
    frame->m_enabled = true;
    thread->OnIdle(0);
    EXPECT_TRUE(docked.enabled());
    EXPECT_TRUE(nested.enabled());
    thread->m_pMainWnd = nullptr;
    EXPECT_EQ(2, docked.m_updates);
    EXPECT_EQ(2, nested.m_updates);
    EXPECT_EQ(0, hidden.m_updates);
    EXPECT_EQ(0, elsewhere.m_updates);
    other->DestroyWindow();
    frame->DestroyWindow();
}
