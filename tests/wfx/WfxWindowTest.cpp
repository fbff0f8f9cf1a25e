#include "WfxTestIds.h"
#include "WfxTestLib.h"
#include "WfxTestSupport.h"

#include <gtest/gtest.h>

#include <stdexcept>

using namespace wfxtest;

int TestError::s_deleted = 0;

namespace {

struct ITestMixin
{
    virtual ~ITestMixin() = default;
    virtual int mixinValue() const = 0;
};

// Derived in the program from the library's class, with a mix-in.
class CExeDerivedWnd : public CLibBaseWnd, public ITestMixin
{
    DECLARE_DYNCREATE(CExeDerivedWnd)

public:
    int mixinValue() const override { return 42; }

protected:
    afx_msg void OnLButtonDown(UINT nFlags, CPoint point)
    {
        m_log.push_back(L"derived click");
        CLibBaseWnd::OnLButtonDown(nFlags, point);
    }
    DECLARE_MESSAGE_MAP()
};

IMPLEMENT_DYNCREATE(CExeDerivedWnd, CLibBaseWnd)

BEGIN_MESSAGE_MAP(CExeDerivedWnd, CLibBaseWnd)
ON_WM_LBUTTONDOWN()
END_MESSAGE_MAP()

std::vector<std::wstring> g_events;

// Throws from its handlers, and ends itself from inside them.
class CFailingWnd : public CWnd
{
public:
    bool m_heap = false;
    int m_after = 0;

protected:
    afx_msg void OnTimer(UINT_PTR nIDEvent)
    {
        if (nIDEvent == 1)
            throw new TestError;
        if (nIDEvent == 2)
            throw std::runtime_error("runtime trouble");
        if (nIDEvent == 3)
            throw 42;
        g_events.push_back(L"timer " + std::to_wstring(nIDEvent));
    }
    afx_msg void OnClose()
    {
        DestroyWindow();
        g_events.push_back(L"after destroy");
        ++m_after;
    }
    afx_msg void OnRButtonDown(UINT, CPoint)
    {
        g_events.push_back(L"deleting");
        delete this;
    }
    afx_msg void OnPaint()
    {
        ++s_paints;
        throw new TestError;
    }
    afx_msg int OnCreate(LPCREATESTRUCT cs)
    {
        if (cs->lpszName && wcscmp(cs->lpszName, L"fail") == 0)
            throw new TestError;
        return CWnd::OnCreate(cs);
    }
    void PostNcDestroy() override
    {
        g_events.push_back(L"post nc destroy");
        if (m_heap)
            delete this;
    }
    DECLARE_MESSAGE_MAP()

public:
    static int s_paints;
};

int CFailingWnd::s_paints = 0;

BEGIN_MESSAGE_MAP(CFailingWnd, CWnd)
ON_WM_TIMER()
ON_WM_CLOSE()
ON_WM_RBUTTONDOWN()
ON_WM_PAINT()
ON_WM_CREATE()
END_MESSAGE_MAP()

// Keeps command state in update handlers; counts commands and idle updates.
class CMenuOwner : public CWnd
{
public:
    int m_plain = 0;
    int m_disabled = 0;
    int m_idle = 0;

protected:
    afx_msg void OnUpdateDisabled(CCmdUI* ui) { ui->Enable(FALSE); }
    afx_msg void OnUpdateChecked(CCmdUI* ui) { ui->SetCheck(1); }
    afx_msg void OnPlain() { ++m_plain; }
    afx_msg void OnDisabled() { ++m_disabled; }
    afx_msg LRESULT OnIdleUpdate(WPARAM, LPARAM)
    {
        ++m_idle;
        return 0;
    }
    DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(CMenuOwner, CWnd)
ON_UPDATE_COMMAND_UI(ID_CMD_DISABLED, &CMenuOwner::OnUpdateDisabled)
ON_UPDATE_COMMAND_UI(ID_CMD_CHECKED, &CMenuOwner::OnUpdateChecked)
ON_COMMAND(ID_CMD_PLAIN, &CMenuOwner::OnPlain)
ON_COMMAND(ID_CMD_DISABLED, &CMenuOwner::OnDisabled)
ON_MESSAGE(WM_IDLEUPDATECMDUI, &CMenuOwner::OnIdleUpdate)
END_MESSAGE_MAP()

// An owner-drawn menu that records what it was asked.
class COwnerMenu : public CMenu
{
public:
    ULONG_PTR m_measured = 0;
    ULONG_PTR m_drawn = 0;
    void MeasureItem(LPMEASUREITEMSTRUCT item) override
    {
        m_measured = item->itemData;
        item->itemHeight = 5;
    }
    void DrawItem(LPDRAWITEMSTRUCT item) override { m_drawn = item->itemData; }
};

// A slider that handles its own scrolling; a window with a tooltip.
class CReflectingSlider : public CSliderCtrl
{
public:
    UINT m_code = 0;

protected:
    afx_msg void HScroll(UINT nSBCode, UINT) { m_code = nSBCode; }
    DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(CReflectingSlider, CSliderCtrl)
ON_WM_HSCROLL_REFLECT()
END_MESSAGE_MAP()

class CTipWnd : public CWnd
{
public:
    mutable int m_asked = 0;
    INT_PTR OnToolHitTest(CPoint, TOOLINFOW* ti) const override
    {
        ++m_asked;
        ti->hwnd = m_hWnd;
        ti->uId = 1;
        ti->lpszText = _wcsdup(L"tip text");
        GetClientRect(&ti->rect);
        return 1;
    }
};

// Leaves its tooltip text to the notification.
class CCallbackTipWnd : public CWnd
{
public:
    int m_needText = 0;
    INT_PTR OnToolHitTest(CPoint, TOOLINFOW* ti) const override
    {
        ti->hwnd = m_hWnd;
        ti->uId = 0;
        ti->lpszText = LPSTR_TEXTCALLBACKW;
        GetClientRect(&ti->rect);
        return 1;
    }

protected:
    afx_msg BOOL OnToolNeedText(UINT, NMHDR* hdr, LRESULT*)
    {
        ++m_needText;
        wcscpy(reinterpret_cast<NMTTDISPINFOW*>(hdr)->szText, L"asked for");
        return TRUE;
    }
    DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(CCallbackTipWnd, CWnd)
ON_NOTIFY_EX_RANGE(TTN_NEEDTEXTW, 0, 0xFFFF, &CCallbackTipWnd::OnToolNeedText)
END_MESSAGE_MAP()

// Changes its styles while it is being taken over.
class CRestyledWnd : public CWnd
{
public:
    DWORD m_exStyleAtCreate = 0;

protected:
    void PreSubclassWindow() override
    {
        ModifyStyle(WS_TABSTOP, WS_GROUP);
        ModifyStyleEx(0, WS_EX_TRANSPARENT);
        CWnd::PreSubclassWindow();
    }
    afx_msg int OnCreate(LPCREATESTRUCT cs)
    {
        m_exStyleAtCreate = GetExStyle();
        return CWnd::OnCreate(cs);
    }
    DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(CRestyledWnd, CWnd)
ON_WM_CREATE()
END_MESSAGE_MAP()

BOOL createChild(CWnd& wnd, CWnd& parent, LPCWSTR name = L"child")
{
    return wnd.Create(nullptr, name, WS_CHILD | WS_VISIBLE, CRect(0, 0, 80, 40), &parent, 7);
}

} // namespace

TEST(WfxRuntimeClass, RecordsAreSharedAcrossModules)
{
    CRuntimeClass* lib = RUNTIME_CLASS(CLibBaseWnd);
    EXPECT_STREQ("CLibBaseWnd", lib->m_lpszClassName);
    EXPECT_EQ(RUNTIME_CLASS(CWnd), lib->GetBaseClass());
    EXPECT_TRUE(lib->IsDerivedFrom(RUNTIME_CLASS(CCmdTarget)));
    EXPECT_FALSE(lib->IsDerivedFrom(RUNTIME_CLASS(CDialog)));
    EXPECT_NE(nullptr, lib->m_hModule);
    EXPECT_NE(GetModuleHandleW(nullptr), lib->m_hModule);

    CObject* made = lib->CreateObject();
    ASSERT_NE(nullptr, made);
    EXPECT_EQ(lib, made->GetRuntimeClass());
    EXPECT_NE(nullptr, DYNAMIC_DOWNCAST(CWnd, made));
    EXPECT_EQ(nullptr, DYNAMIC_DOWNCAST(CDialog, made));
    delete made;

    // A class without dynamic creation makes nothing.
    EXPECT_EQ(nullptr, RUNTIME_CLASS(CLibDialog)->CreateObject());
    EXPECT_EQ(nullptr, DYNAMIC_DOWNCAST(CWnd, static_cast<CObject*>(nullptr)));
}

TEST(WfxWindow, ClassDerivedAcrossModulesChainsItsHandlers)
{
    HostWindow host;
    CObject* made = RUNTIME_CLASS(CExeDerivedWnd)->CreateObject();
    auto* wnd = DYNAMIC_DOWNCAST(CLibBaseWnd, made);
    ASSERT_NE(nullptr, wnd);
    ASSERT_TRUE(wnd->CreateChild(&host, 9));

    wnd->SendMessage(WM_LBUTTONDOWN, 0, MAKELPARAM(5, 6)); // the program's entry, then the library's
    wnd->SendMessage(WM_TIMER, 17);                        // only the library's table has it
    host.SendMessage(WM_COMMAND, MAKEWPARAM(9, BN_CLICKED), LPARAM(wnd->m_hWnd)); // not the child's command
    wnd->SendMessage(WM_COMMAND, ID_LIB_COMMAND);
    std::vector<std::wstring> expected{L"derived click", L"base click 5", L"base timer 17", L"base command"};
    EXPECT_EQ(expected, wnd->m_log);

    CWnd* found = CWnd::FromHandlePermanent(wnd->m_hWnd);
    EXPECT_EQ(static_cast<CWnd*>(wnd), found);
    ITestMixin* mixin = dynamic_cast<ITestMixin*>(found);
    ASSERT_NE(nullptr, mixin);
    EXPECT_EQ(42, mixin->mixinValue());
    EXPECT_TRUE(found->IsKindOf(RUNTIME_CLASS(CLibBaseWnd)));
    EXPECT_STREQ("CExeDerivedWnd", found->GetRuntimeClass()->m_lpszClassName);
    delete made;
}

TEST(WfxWindow, HandleMapKnowsOwnedWindowsOnly)
{
    HostWindow host;
    CWnd child;
    ASSERT_TRUE(createChild(child, host));
    EXPECT_EQ(&child, CWnd::FromHandlePermanent(child.m_hWnd));
    HWND foreign =
        CreateWindowExW(0, L"STATIC", L"x", WS_CHILD, 0, 0, 5, 5, host.m_hWnd, nullptr, nullptr, nullptr);
    EXPECT_EQ(nullptr, CWnd::FromHandlePermanent(foreign));
    CWnd* temp = CWnd::FromHandle(foreign);
    ASSERT_NE(nullptr, temp);
    EXPECT_EQ(foreign, temp->m_hWnd);
    EXPECT_EQ(temp, CWnd::FromHandle(foreign));
    CWnd::DeleteTempMap();
    EXPECT_TRUE(IsWindow(foreign)); // temporary objects leave their windows alone

    CStatic owner;
    ASSERT_TRUE(owner.SubclassWindow(foreign));
    CStatic second;
    EXPECT_FALSE(second.SubclassWindow(foreign));
    EXPECT_EQ(foreign, owner.UnsubclassWindow());
    EXPECT_EQ(nullptr, CWnd::FromHandlePermanent(foreign));
    EXPECT_NE(0, SendMessageW(foreign, WM_SETTEXT, 0, LPARAM(L"still works")));
    EXPECT_EQ(nullptr, CWnd::FromHandle(nullptr));
}

TEST(WfxWindow, ErrorFromHandlerIsReportedAndDeleted)
{
    HostWindow host;
    CFailingWnd wnd;
    ASSERT_TRUE(createChild(wnd, host));
    MessageBoxRecorder boxes;
    int deleted = TestError::s_deleted;
    g_events.clear();

    wnd.SendMessage(WM_TIMER, 1);
    EXPECT_EQ(deleted + 1, TestError::s_deleted);
    ASSERT_EQ(1u, boxes.texts.size());
    EXPECT_NE(std::wstring::npos, boxes.texts[0].find(L"TestError"));
    EXPECT_NE(std::wstring::npos, boxes.texts[0].find(L"Test failure."));

    wnd.SendMessage(WM_TIMER, 2);
    wnd.SendMessage(WM_TIMER, 3);
    ASSERT_EQ(3u, boxes.texts.size());
    EXPECT_NE(std::wstring::npos, boxes.texts[1].find(L"runtime trouble"));

    wnd.SendMessage(WM_TIMER, 4); // the window goes on
    EXPECT_EQ(std::vector<std::wstring>{L"timer 4"}, g_events);
    EXPECT_TRUE(IsWindow(wnd.m_hWnd));
}

TEST(WfxWindow, FailingPaintDoesNotRepeatAndFailingCreateFails)
{
    HostWindow host;
    MessageBoxRecorder boxes;
    CFailingWnd painter;
    ASSERT_TRUE(createChild(painter, host));
    CFailingWnd::s_paints = 0;
    painter.Invalidate();
    pumpPending();
    EXPECT_EQ(1, CFailingWnd::s_paints);
    EXPECT_FALSE(GetUpdateRect(painter.m_hWnd, nullptr, FALSE));

    CFailingWnd failing;
    EXPECT_FALSE(createChild(failing, host, L"fail"));
    EXPECT_EQ(nullptr, failing.m_hWnd);
}

TEST(WfxWindow, DestroyingFromOwnHandlerIsSafe)
{
    HostWindow host;
    g_events.clear();
    auto* wnd = new CFailingWnd;
    wnd->m_heap = true;
    ASSERT_TRUE(createChild(*wnd, host));
    HWND hWnd = wnd->m_hWnd;
    SendMessageW(hWnd, WM_CLOSE, 0, 0);
    // The object is deleted only once its handler has returned.
    std::vector<std::wstring> expected{L"after destroy", L"post nc destroy"};
    EXPECT_EQ(expected, g_events);
    EXPECT_FALSE(IsWindow(hWnd));
    EXPECT_EQ(nullptr, CWnd::FromHandlePermanent(hWnd));

    g_events.clear();
    auto* doomed = new CFailingWnd;
    ASSERT_TRUE(createChild(*doomed, host));
    hWnd = doomed->m_hWnd;
    SendMessageW(hWnd, WM_RBUTTONDOWN, 0, 0); // the handler deletes its own object
    EXPECT_FALSE(IsWindow(hWnd));
    EXPECT_EQ(L"deleting", g_events.front());
}

TEST(WfxWindow, StylesChangedWhileTakenOverAtCreationLast)
{
    HostWindow host;
    CRestyledWnd wnd;
    ASSERT_TRUE(wnd.Create(nullptr, L"", WS_CHILD | WS_VISIBLE | WS_TABSTOP, CRect(0, 0, 20, 20), &host, 3));
    EXPECT_TRUE(wnd.m_exStyleAtCreate & WS_EX_TRANSPARENT);
    EXPECT_TRUE(wnd.GetExStyle() & WS_EX_TRANSPARENT);
    EXPECT_TRUE(wnd.GetStyle() & WS_GROUP);
    EXPECT_FALSE(wnd.GetStyle() & WS_TABSTOP);
}

TEST(WfxWindow, UpdateUiDrivesMenusAndDisabledCommandsDoNotRun)
{
    HostWindow host;
    CMenuOwner owner;
    ASSERT_TRUE(createChild(owner, host));
    CMenu menu;
    ASSERT_TRUE(menu.LoadMenu(IDR_TEST_MENU));
    CMenu* popup = menu.GetSubMenu(0);
    ASSERT_NE(nullptr, popup);
    owner.SendMessage(WM_INITMENUPOPUP, WPARAM(popup->m_hMenu), 0);
    EXPECT_TRUE(popup->GetMenuState(ID_CMD_DISABLED, MF_BYCOMMAND) & MF_GRAYED);
    EXPECT_TRUE(popup->GetMenuState(ID_CMD_CHECKED, MF_BYCOMMAND) & MF_CHECKED);
    EXPECT_FALSE(popup->GetMenuState(ID_CMD_PLAIN, MF_BYCOMMAND) & (MF_GRAYED | MF_CHECKED));

    owner.SendMessage(WM_COMMAND, ID_CMD_PLAIN);
    owner.SendMessage(WM_COMMAND, ID_CMD_DISABLED);
    EXPECT_EQ(1, owner.m_plain);
    EXPECT_EQ(0, owner.m_disabled);

    // Idle time asks the main window's children for their command state.
    AfxGetThread()->m_pMainWnd = &host;
    AfxGetThread()->OnIdle(0);
    AfxGetThread()->m_pMainWnd = nullptr;
    EXPECT_EQ(1, owner.m_idle);
    EXPECT_FALSE(AfxGetThread()->OnIdle(1)); // frees temporary objects, wants no more idle time
}

TEST(WfxWindow, PopupMenusAskForCommandStateWhileTracked)
{
    HostWindow host;
    CMenuOwner owner;
    ASSERT_TRUE(createChild(owner, host));
    CMenu menu;
    ASSERT_TRUE(menu.LoadMenu(IDR_LIB_MENU)); // held by the library only
    CMenu* popup = menu.GetSubMenu(0);
    ASSERT_NE(nullptr, popup);
    EXPECT_EQ(UINT(ID_LIB_MENU_ITEM), popup->GetMenuItemID(0));

    CMenu tracked;
    ASSERT_TRUE(tracked.LoadMenu(IDR_TEST_MENU));
    owner.PostMessage(WM_CANCELMODE); // closes the menu as soon as it runs
    EXPECT_EQ(0, tracked.GetSubMenu(0)->TrackPopupMenu(TPM_RETURNCMD, 10, 10, &owner));
    EXPECT_TRUE(tracked.GetSubMenu(0)->GetMenuState(ID_CMD_DISABLED, MF_BYCOMMAND) & MF_GRAYED);
}

TEST(WfxWindow, OwnerDrawnMenuItemsReachTheirMenu)
{
    HostWindow host;
    COwnerMenu menu;
    ASSERT_TRUE(menu.CreatePopupMenu());
    ASSERT_TRUE(menu.AppendMenu(MF_OWNERDRAW, 77, reinterpret_cast<LPCWSTR>(0x1234)));
    MEASUREITEMSTRUCT measure{ODT_MENU, 0, 77, 0, 0, 0x1234};
    host.SendMessage(WM_MEASUREITEM, 0, LPARAM(&measure));
    EXPECT_EQ(0x1234u, menu.m_measured);
    EXPECT_EQ(5u, measure.itemHeight);
    DRAWITEMSTRUCT draw{};
    draw.CtlType = ODT_MENU;
    draw.itemID = 77;
    draw.hwndItem = reinterpret_cast<HWND>(menu.m_hMenu);
    draw.itemData = 0x1234;
    host.SendMessage(WM_DRAWITEM, 0, LPARAM(&draw));
    EXPECT_EQ(0x1234u, menu.m_drawn);
}

TEST(WfxWindow, ScrollMessagesAreReflectedToTheControl)
{
    HostWindow host;
    CReflectingSlider slider;
    ASSERT_TRUE(slider.Create(WS_CHILD | WS_VISIBLE, CRect(0, 0, 100, 30), &host, 12));
    host.SendMessage(WM_HSCROLL, SB_PAGERIGHT, LPARAM(slider.m_hWnd));
    EXPECT_EQ(UINT(SB_PAGERIGHT), slider.m_code);
    slider.SetRange(0, 50);
    slider.SetPos(20);
    EXPECT_EQ(20, slider.GetPos());
}

TEST(WfxWindow, ToolTipsAskTheWindowAndTakeItsText)
{
    HostWindow host;
    CTipWnd wnd;
    ASSERT_TRUE(createChild(wnd, host));
    wnd.PostMessage(WM_MOUSEMOVE, 0, MAKELPARAM(5, 5));
    pumpPending();
    EXPECT_EQ(0, wnd.m_asked); // tooltips are off until enabled

    wnd.EnableToolTips(TRUE);
    wnd.PostMessage(WM_MOUSEMOVE, 0, MAKELPARAM(5, 5));
    pumpPending();
    EXPECT_EQ(1, wnd.m_asked);
    HWND tip = findToolTip();
    ASSERT_NE(nullptr, tip);
    ASSERT_EQ(1, SendMessageW(tip, TTM_GETTOOLCOUNT, 0, 0));
    wchar_t text[80] = {};
    TOOLINFOW ti{};
    ti.cbSize = sizeof(ti);
    ti.lpszText = text;
    SendMessageW(tip, TTM_ENUMTOOLSW, 0, LPARAM(&ti));
    EXPECT_STREQ(L"tip text", text);
}

TEST(WfxWindow, WaitCursorTellsTheHookOncePerNesting)
{
    std::vector<bool> calls;
    WfxSetWaitCursorHook([&calls](bool shown) { calls.push_back(shown); });
    {
        CWaitCursor outer;
        CWaitCursor inner;
    }
    WfxSetWaitCursorHook(nullptr);
    EXPECT_EQ((std::vector<bool>{true, false}), calls);
}

TEST(WfxWindow, ToolTipTextCanBeAskedForByNotification)
{
    HostWindow host;
    CCallbackTipWnd wnd;
    ASSERT_TRUE(createChild(wnd, host));
    wnd.EnableToolTips(TRUE);
    wnd.PostMessage(WM_MOUSEMOVE, 0, MAKELPARAM(3, 3));
    pumpPending();
    HWND tip = findToolTip();
    ASSERT_NE(nullptr, tip);
    // On a slow machine the tip may already have shown, and asked, on its timer.
    const int before = wnd.m_needText;
    EXPECT_EQ(L"asked for", toolTipText(tip, wnd.m_hWnd));
    EXPECT_EQ(before + 1, wnd.m_needText);
}

namespace {

class CPlacedWnd : public CWnd
{
public:
    std::vector<std::wstring> m_log;

protected:
    afx_msg UINT OnGetDlgCode()
    {
        m_log.push_back(L"dlgcode");
        return DLGC_WANTARROWS;
    }
    afx_msg void OnGetMinMaxInfo(MINMAXINFO* info)
    {
        m_log.push_back(L"minmax");
        info->ptMinTrackSize = CPoint(77, 66);
    }
    afx_msg void OnWindowPosChanging(WINDOWPOS* pos)
    {
        m_log.push_back(L"changing");
        pos->cx = 123; // a handler may change the coming size
        CWnd::OnWindowPosChanging(pos);
    }
    afx_msg void OnWindowPosChanged(WINDOWPOS* pos)
    {
        m_log.push_back(L"changed " + std::to_wstring(pos->cx));
        CWnd::OnWindowPosChanged(pos);
    }
    DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(CPlacedWnd, CWnd)
ON_WM_GETDLGCODE()
ON_WM_GETMINMAXINFO()
ON_WM_WINDOWPOSCHANGING()
ON_WM_WINDOWPOSCHANGED()
END_MESSAGE_MAP()

} // namespace

TEST(WfxWindow, PlacementAndDialogCodeMessagesReachTheirHandlers)
{
    HostWindow host;
    CPlacedWnd wnd;
    ASSERT_TRUE(createChild(wnd, host));
    wnd.m_log.clear();
    EXPECT_EQ(LRESULT(DLGC_WANTARROWS), wnd.SendMessage(WM_GETDLGCODE));
    MINMAXINFO info{};
    wnd.SendMessage(WM_GETMINMAXINFO, 0, LPARAM(&info));
    EXPECT_EQ(77, info.ptMinTrackSize.x);
    wnd.SetWindowPos(nullptr, 0, 0, 50, 20, SWP_NOZORDER | SWP_NOACTIVATE | SWP_NOMOVE);
    CRect rect;
    wnd.GetWindowRect(&rect);
    EXPECT_EQ(123, rect.Width());
    EXPECT_EQ((std::vector<std::wstring>{L"dlgcode", L"minmax", L"changing", L"changed 123"}), wnd.m_log);
}
