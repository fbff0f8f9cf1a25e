#include "WfxDocViewIds.h"
#include "WfxTestSupport.h"

#include <gtest/gtest.h>

using wfxtest::HostWindow;
using wfxtest::pumpPending;

namespace {

class CPlainView : public CView
{
    DECLARE_DYNCREATE(CPlainView)

public:
    void OnDraw(CDC*) override {}
};

IMPLEMENT_DYNCREATE(CPlainView, CView)

// A pane of a fixed size along the edge its creation style names.
class CFixedPane : public CPane
{
public:
    explicit CFixedPane(CSize size) : m_size(size) {}

    BOOL create(CWnd* frame, DWORD alignment)
    {
        return CreateEx(0, AfxRegisterWndClass(0), nullptr, WS_CHILD | WS_VISIBLE | alignment,
                        CRect(0, 0, 0, 0), frame, 0);
    }
    CSize CalcFixedLayout(BOOL, BOOL) override { return m_size; }

private:
    CSize m_size;
};

// A frame of panes with a view and the test menu; deletes itself.
CFrameWndEx* makePaneFrame()
{
    CCreateContext context;
    context.m_pNewViewClass = RUNTIME_CLASS(CPlainView);
    auto* frame = new CFrameWndEx;
    frame->m_bAutoDelete = TRUE;
    if (!frame->Create(nullptr, L"panes", WS_POPUP, CRect(0, 0, 400, 300), nullptr,
                       MAKEINTRESOURCEW(IDR_DOCVIEW), 0, &context))
        return nullptr;
    return frame;
}

CRect placeIn(CWnd& parent, HWND child)
{
    CRect rect;
    ::GetWindowRect(child, &rect);
    parent.ScreenToClient(&rect);
    return rect;
}

class CMenuTarget : public CFrameWnd
{
public:
    int m_counted = 0;
    std::vector<UINT> m_systemCommands;

protected:
    afx_msg void OnCount() { ++m_counted; }
    afx_msg void OnSysCommand(UINT nID, LPARAM) { m_systemCommands.push_back(nID); }

    DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(CMenuTarget, CFrameWnd)
ON_COMMAND(ID_DOC_COUNT, &CMenuTarget::OnCount)
ON_WM_SYSCOMMAND()
END_MESSAGE_MAP()

class CCommandChild : public CWnd
{
public:
    std::vector<UINT> m_commands;
    BOOL OnCommand(WPARAM wParam, LPARAM) override
    {
        m_commands.push_back(LOWORD(wParam));
        return TRUE;
    }
};

// Picks the first item of the menu that is about to be tracked.
void chooseFirstItemSoon(CWnd& anyWindow)
{
    anyWindow.PostMessage(WM_KEYDOWN, VK_DOWN);
    anyWindow.PostMessage(WM_KEYDOWN, VK_RETURN);
}

class CScrollingView : public CScrollView
{
public:
    CPoint m_drawnOrigin{-1, -1};
    void OnDraw(CDC* pDC) override { m_drawnOrigin = pDC->GetViewportOrg(); }
    using CScrollView::OnScrollBy;
};

} // namespace

TEST(WfxFrame, PanesTakeTheirEdgesInOrderAndTheViewTheRest)
{
    CFrameWndEx* frame = makePaneFrame();
    ASSERT_NE(nullptr, frame);
    CRect client;
    frame->GetClientRect(&client);
    CFixedPane top(CSize(32767, 30)), first(CSize(32767, 10)), bottom(CSize(32767, 20)), left(CSize(40, 0));
    ASSERT_TRUE(top.create(frame, CBRS_TOP));
    ASSERT_TRUE(first.create(frame, CBRS_TOP));
    ASSERT_TRUE(bottom.create(frame, CBRS_BOTTOM));
    ASSERT_TRUE(left.create(frame, CBRS_LEFT));
    EXPECT_EQ(DWORD(CBRS_ALIGN_TOP), top.GetCurrentAlignment());
    EXPECT_EQ(0u, top.GetStyle() & 0xFFFF); // the pane bits are not window style
    for (CBasePane* pane :
         {static_cast<CBasePane*>(&top), static_cast<CBasePane*>(&bottom), static_cast<CBasePane*>(&left)})
        ASSERT_TRUE(frame->AddPane(pane));
    ASSERT_TRUE(frame->AddPane(&first, FALSE)); // nearest its edge

    HWND view = ::GetDlgItem(frame->m_hWnd, AFX_IDW_PANE_FIRST);
    ASSERT_NE(nullptr, view);
    EXPECT_EQ(CRect(0, 0, client.right, 10), placeIn(*frame, first.m_hWnd));
    EXPECT_EQ(CRect(0, 10, client.right, 40), placeIn(*frame, top.m_hWnd));
    EXPECT_EQ(CRect(0, client.bottom - 20, client.right, client.bottom), placeIn(*frame, bottom.m_hWnd));
    EXPECT_EQ(CRect(0, 40, 40, client.bottom - 20), placeIn(*frame, left.m_hWnd));
    EXPECT_EQ(CRect(40, 40, client.right, client.bottom - 20), placeIn(*frame, view));

    // A hidden pane gives its room back; a destroyed one drops out.
    top.ShowWindow(SW_HIDE);
    left.DestroyWindow();
    frame->RecalcLayout();
    EXPECT_EQ(CRect(0, 10, client.right, client.bottom - 20), placeIn(*frame, view));

    // The frame keeps its menu off the window.
    EXPECT_EQ(nullptr, ::GetMenu(frame->m_hWnd));
    EXPECT_TRUE(::IsMenu(frame->m_hMenuDefault));
    frame->DestroyWindow();
}

TEST(WfxFrame, MenuBarShowsTheFramesMenuInButtonsOfItsSize)
{
    class CFixedMenuBar : public CMFCMenuBar
    {
    public:
        CSize GetMenuItemSize(BOOL bHorz) override { return bHorz ? CSize(40, 16) : CSize(16, 40); }
    };
    CFrameWndEx* frame = makePaneFrame();
    ASSERT_NE(nullptr, frame);
    CFixedMenuBar bar;
    ASSERT_TRUE(bar.Create(frame));
    EXPECT_EQ(frame->m_hMenuDefault, bar.GetHMenu());
    ASSERT_EQ(1, bar.GetCount());
    bar.SetBorders();
    EXPECT_EQ(CSize(40, 16), bar.CalcFixedLayout(FALSE, TRUE));
    EXPECT_EQ(CSize(16, 40), bar.CalcFixedLayout(FALSE, FALSE));
    ASSERT_TRUE(frame->AddPane(&bar));
    EXPECT_EQ(16, placeIn(*frame, bar.m_hWnd).Height());
    EXPECT_EQ(CRect(0, 0, 40, 16), bar.GetItemRect(0));
    EXPECT_EQ(0, bar.HitTest(CPoint(39, 15)));
    EXPECT_EQ(-1, bar.HitTest(CPoint(41, 5)));
    EXPECT_EQ(CRect(0, 0, 0, 0), bar.GetItemRect(1));

    // Items of the plain bar fit their text, at least the shared menu button high.
    CMFCMenuBar plain;
    ASSERT_TRUE(plain.Create(frame));
    int textHigh = plain.GetMenuItemSize(TRUE).cy;
    CMFCToolBar::SetMenuSizes(CSize(22, 40), CSize(16, 16));
    EXPECT_EQ(40, plain.GetMenuItemSize(TRUE).cy);
    EXPECT_EQ(40, plain.GetMenuItemSize(FALSE).cx);
    CMFCToolBar::SetMenuSizes(CSize(0, 0), CSize(0, 0));
    EXPECT_EQ(textHigh, plain.GetMenuItemSize(TRUE).cy);
    frame->DestroyWindow();
}

TEST(WfxFrame, ContextMenuCommandsGoToTheFrameOrToTheOwner)
{
    auto* frame = new CMenuTarget;
    frame->m_bAutoDelete = TRUE;
    ASSERT_TRUE(frame->Create(nullptr, L"menus", WS_POPUP, CRect(0, 0, 200, 100)));
    frame->ShowWindow(SW_SHOWNA);
    CCommandChild child;
    ASSERT_TRUE(child.Create(nullptr, L"child", WS_CHILD | WS_VISIBLE, CRect(0, 0, 50, 50), frame, 7));
    CMenu menu;
    ASSERT_TRUE(menu.LoadMenu(IDR_DOCVIEW));
    CMenu* popup = menu.GetSubMenu(0);

    CContextMenuManager manager;
    chooseFirstItemSoon(child);
    EXPECT_TRUE(manager.ShowPopupMenu(popup->m_hMenu, 10, 10, &child));
    pumpPending();
    EXPECT_EQ(1, frame->m_counted);
    EXPECT_TRUE(child.m_commands.empty());
    // The frame updated the items before the menu opened.
    EXPECT_TRUE(popup->GetMenuState(ID_NO_HANDLER, MF_BYCOMMAND) & MF_GRAYED);

    chooseFirstItemSoon(child);
    EXPECT_TRUE(manager.ShowPopupMenu(popup->m_hMenu, 10, 10, &child, TRUE));
    pumpPending();
    EXPECT_EQ((std::vector<UINT>{ID_DOC_COUNT}), child.m_commands);
    EXPECT_EQ(1, frame->m_counted);

    // A system command reaches the frame as one.
    CMenu system;
    ASSERT_TRUE(system.CreatePopupMenu());
    system.AppendMenu(MF_STRING, SC_CONTEXTHELP, L"Help");
    chooseFirstItemSoon(child);
    EXPECT_TRUE(manager.ShowPopupMenu(system.m_hMenu, 10, 10, &child));
    pumpPending();
    EXPECT_EQ((std::vector<UINT>{SC_CONTEXTHELP}), frame->m_systemCommands);

    child.PostMessage(WM_KEYDOWN, VK_ESCAPE);
    EXPECT_EQ(0u, manager.TrackPopupMenu(popup->m_hMenu, 10, 10, &child));
    chooseFirstItemSoon(child);
    EXPECT_EQ(UINT(ID_DOC_COUNT), manager.TrackPopupMenu(popup->m_hMenu, 10, 10, &child));
    pumpPending();
    EXPECT_EQ(1u, child.m_commands.size()); // returned, not sent
    frame->DestroyWindow();
}

TEST(WfxFrame, ScrollViewScrollsWithinItsTotalSizeAndShiftsDrawing)
{
    HostWindow host;
    CScrollingView view;
    ASSERT_TRUE(view.Create(nullptr, nullptr, WS_CHILD | WS_VISIBLE, CRect(0, 0, 200, 100), &host, 1));
    view.SetScrollSizes(MM_TEXT, CSize(1000, 800));
    CRect client;
    view.GetClientRect(&client);
    EXPECT_EQ(200 - GetSystemMetrics(SM_CXVSCROLL), client.Width()); // both bars are shown
    EXPECT_EQ(100 - GetSystemMetrics(SM_CYHSCROLL), client.Height());
    EXPECT_EQ(CSize(1000, 800), view.GetTotalSize());

    view.SendMessage(WM_VSCROLL, SB_PAGEDOWN);
    EXPECT_EQ(CPoint(0, 80), view.GetScrollPosition()); // a page is a tenth of the total
    view.SendMessage(WM_VSCROLL, SB_LINEDOWN);
    EXPECT_EQ(CPoint(0, 88), view.GetScrollPosition());
    view.SendMessage(WM_HSCROLL, SB_BOTTOM);
    EXPECT_EQ(1000 - client.Width(), view.GetScrollPosition().x);
    view.ScrollToPosition(CPoint(5000, -3));
    EXPECT_EQ(CPoint(1000 - client.Width(), 0), view.GetScrollPosition());
    EXPECT_FALSE(view.OnScrollBy(CSize(10, 0))); // already at the end

    view.ScrollToPosition(CPoint(30, 40));
    view.RedrawWindow();
    EXPECT_EQ(CPoint(-30, -40), view.m_drawnOrigin);

    // Once everything fits, the position goes back to the origin.
    view.SetScrollSizes(MM_TEXT, CSize(50, 50));
    EXPECT_EQ(CPoint(0, 0), view.GetScrollPosition());
}
