#include "WfxFrameSupport.h"
#include "WfxTestSupport.h"

#include <CCtrlContainerBar.h>
#include <CSizingControlBar.h>
#include <CStatusBarEx.h>

#include <gtest/gtest.h>

using wfxtest::makeViewFrame;
using wfxtest::placeIn;
using wfxtest::pumpPending;
using wfxtest::viewPlace;

namespace {

// A sizing bar whose sizes and state the test reads.
class CTestSizingBar : public CSizingControlBar
{
public:
    explicit CTestSizingBar(CSize minimum = CSize(33, 32)) { m_szMin = minimum; }

    BOOL create(CWnd* frame, UINT id, CSize size, BOOL gripper = TRUE)
    {
        if (!Create(L"bar", frame, size, gripper, id))
            return FALSE;
        EnableDocking(CBRS_ALIGN_ANY);
        return TRUE;
    }
    CSize horz() const { return m_szHorz; }
    CSize vert() const { return m_szVert; }
    CSize floating() const { return m_szFloat; }
    DWORD edges() const { return m_dwSCBStyle & SCBS_EDGEALL; }
    BOOL tracking() const { return m_bTracking; }
    // Instead of the system setting, which the tests running beside share.
    void dragFullWindows(BOOL on) { m_bDragShowContent = on; }
    const CSCBButton& button() const { return m_biHide; }
    static bool isLive(CSizingControlBar* bar) { return FindSizingBar(bar) >= 0; }
    static int liveCount() { return int(m_arrBars.GetSize()); }
};

// A frame that docks sizing bars on every side.
CFrameWnd* makeDockingFrame()
{
    CFrameWnd* frame = makeViewFrame();
    if (frame)
        frame->EnableDocking(CBRS_ALIGN_ANY);
    return frame;
}

CPoint screenCentre(CWnd& wnd, const CRect& windowRect)
{
    CRect bar;
    wnd.GetWindowRect(&bar);
    CPoint centre = windowRect.CenterPoint();
    return CPoint(bar.left + centre.x, bar.top + centre.y);
}

// Presses the left button on an edge (screen point), moves by `by` and lets go.
void dragEdge(CWnd& bar, UINT edge, CPoint pressed, CSize by, bool release = true)
{
    bar.SendMessage(WM_NCLBUTTONDOWN, edge, MAKELPARAM(pressed.x, pressed.y));
    CPoint to = pressed + by;
    bar.ScreenToClient(&to);
    bar.SendMessage(WM_MOUSEMOVE, MK_LBUTTON, MAKELPARAM(to.x, to.y));
    if (release)
        bar.SendMessage(WM_LBUTTONUP, 0, MAKELPARAM(to.x, to.y));
}

// The screen point at the middle of one of the bar's 5 pixel edges.
CPoint edgePoint(CWnd& bar, UINT edge)
{
    CRect rect;
    bar.GetWindowRect(&rect);
    switch (edge) {
    case HTRIGHT:
        rect.left = rect.right - 5;
        break;
    case HTLEFT:
        rect.right = rect.left + 5;
        break;
    case HTBOTTOM:
        rect.top = rect.bottom - 5;
        break;
    default:
        rect.bottom = rect.top + 5;
        break;
    }
    return rect.CenterPoint();
}

// An application whose profile is a registry key of the test's own.
class ProfileApp : public CWinApp
{
public:
    ProfileApp() : CWinApp(L"Frames Test") { SetRegistryKey(L"KestrelwaveTest"); }
    ~ProfileApp() override { RegDeleteTreeW(HKEY_CURRENT_USER, L"Software\\KestrelwaveTest\\Frames Test"); }
};

} // namespace

TEST(StatusBarEx, ProgressControlSitsNearTheRightEnd)
{
    CFrameWnd* frame = makeViewFrame(CRect(0, 0, 500, 200));
    ASSERT_NE(nullptr, frame);
    CStatusBarEx status;
    ASSERT_TRUE(status.Create(frame, 4711, 0, WS_CHILD | WS_VISIBLE | CBRS_BOTTOM, AFX_IDW_STATUS_BAR, L""));
    frame->RecalcLayout();
    ASSERT_NE(nullptr, status.m_progress.m_hWnd);
    EXPECT_EQ(status.m_progress.m_hWnd, ::GetDlgItem(status.m_hWnd, 4711));
    EXPECT_TRUE(status.m_progress.IsWindowVisible());
    CRect client;
    status.GetClientRect(&client);
    EXPECT_EQ(CRect(client.right - 123 - 115, 2, client.right - 123, client.bottom),
              placeIn(status, status.m_progress.m_hWnd));

    // A narrow bar keeps it at 147..262.
    frame->SetWindowPos(nullptr, 0, 0, 300, 200, SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
    status.GetClientRect(&client);
    ASSERT_LT(client.Width(), 385);
    EXPECT_EQ(CRect(147, 2, 262, client.bottom), placeIn(status, status.m_progress.m_hWnd));
    frame->DestroyWindow();
}

TEST(SizingControlBar, DocksFloatsAndDocksAgainTakingTheRowsLength)
{
    CFrameWnd* frame = makeDockingFrame();
    ASSERT_NE(nullptr, frame);
    CRect client;
    frame->GetClientRect(&client);
    CTestSizingBar bar;
    ASSERT_TRUE(bar.create(frame, 201, CSize(120, 80)));
    EXPECT_TRUE(CTestSizingBar::isLive(&bar));

    frame->DockControlBar(&bar, AFX_IDW_DOCKBAR_TOP);
    frame->RecalcLayout();
    EXPECT_TRUE(bar.IsHorzDocked());
    // Alone in its row it takes the row's whole length (hidden 2 pixels past each end).
    EXPECT_EQ(CSize(client.Width() + 4, 80), bar.horz());
    EXPECT_EQ(CRect(-2, 0, client.right + 2, 80), placeIn(*bar.GetParent(), bar.m_hWnd));
    EXPECT_EQ(80, viewPlace(*frame).top);
    EXPECT_EQ(DWORD(SCBS_EDGEBOTTOM), bar.edges());

    frame->FloatControlBar(&bar, CPoint(500, 300));
    EXPECT_TRUE(bar.IsFloating());
    CRect window;
    bar.GetWindowRect(&window);
    EXPECT_EQ(CSize(120, 80), window.Size());
    EXPECT_EQ(0, viewPlace(*frame).top);

    frame->DockControlBar(&bar, AFX_IDW_DOCKBAR_LEFT);
    frame->RecalcLayout();
    EXPECT_TRUE(bar.IsVertDocked());
    EXPECT_EQ(120, viewPlace(*frame).left);
    EXPECT_EQ(client.Height(), bar.vert().cy);
    EXPECT_EQ(DWORD(SCBS_EDGERIGHT), bar.edges());
    frame->DestroyWindow();
}

TEST(SizingControlBar, EdgeDraggingResizesAndTradesLengthInTheRow)
{
    CFrameWnd* frame = makeDockingFrame();
    ASSERT_NE(nullptr, frame);
    CTestSizingBar first, second;
    ASSERT_TRUE(first.create(frame, 201, CSize(150, 60)));
    ASSERT_TRUE(second.create(frame, 202, CSize(150, 80)));
    first.dragFullWindows(FALSE);
    second.dragFullWindows(FALSE);
    frame->DockControlBar(&first, AFX_IDW_DOCKBAR_TOP);
    CRect beside;
    first.GetWindowRect(&beside);
    beside.OffsetRect(beside.Width(), 0);
    frame->DockControlBar(&second, AFX_IDW_DOCKBAR_TOP, &beside);
    frame->RecalcLayout();
    frame->RecalcLayout();
    CRect client;
    frame->GetClientRect(&client);
    int rowLength = client.Width() + 2;
    // One thickness for the row; the length shared out a pixel at a time.
    EXPECT_EQ(80, first.horz().cy);
    EXPECT_EQ(80, second.horz().cy);
    EXPECT_EQ(rowLength, first.horz().cx - 2 + second.horz().cx - 2);
    // Inner ends have sizing edges, outer ends none.
    EXPECT_EQ(DWORD(SCBS_EDGEBOTTOM | SCBS_EDGERIGHT), first.edges());
    EXPECT_EQ(DWORD(SCBS_EDGEBOTTOM | SCBS_EDGELEFT), second.edges());

    CSize before = first.horz();
    EXPECT_EQ(LRESULT(HTRIGHT),
              first.SendMessage(WM_NCHITTEST, 0,
                                MAKELPARAM(edgePoint(first, HTRIGHT).x, edgePoint(first, HTRIGHT).y)));
    dragEdge(first, HTRIGHT, edgePoint(first, HTRIGHT), CSize(30, 0));
    EXPECT_FALSE(first.tracking());
    EXPECT_EQ(before.cx + 30, first.horz().cx);
    EXPECT_EQ(rowLength, first.horz().cx - 2 + second.horz().cx - 2);
    CRect window;
    first.GetWindowRect(&window);
    EXPECT_EQ(first.horz().cx, window.Width());

    // The neighbour gives no more than down to its minimum.
    dragEdge(second, HTLEFT, edgePoint(second, HTLEFT), CSize(1000, 0));
    EXPECT_EQ(33, second.horz().cx);
    EXPECT_EQ(rowLength, first.horz().cx - 2 + second.horz().cx - 2);

    // The outer edge changes the thickness of the whole row.
    dragEdge(second, HTBOTTOM, edgePoint(second, HTBOTTOM), CSize(0, 25));
    EXPECT_EQ(105, first.horz().cy);
    EXPECT_EQ(105, second.horz().cy);
    EXPECT_EQ(105, viewPlace(*frame).top);

    // A right click ends the drag; so does losing the mouse.
    dragEdge(second, HTBOTTOM, edgePoint(second, HTBOTTOM), CSize(0, 5), false);
    EXPECT_TRUE(second.tracking());
    second.SendMessage(WM_RBUTTONDOWN, MK_RBUTTON, 0);
    EXPECT_FALSE(second.tracking());
    dragEdge(second, HTBOTTOM, edgePoint(second, HTBOTTOM), CSize(0, 5), false);
    ::ReleaseCapture();
    EXPECT_FALSE(second.tracking());
    frame->DestroyWindow();
}

TEST(SizingControlBar, WithFullWindowDraggingTheLayoutFollowsTheMouse)
{
    CFrameWnd* frame = makeDockingFrame();
    ASSERT_NE(nullptr, frame);
    CTestSizingBar bar;
    ASSERT_TRUE(bar.create(frame, 201, CSize(100, 100)));
    bar.dragFullWindows(TRUE);
    frame->DockControlBar(&bar, AFX_IDW_DOCKBAR_LEFT);
    frame->RecalcLayout();
    dragEdge(bar, HTRIGHT, edgePoint(bar, HTRIGHT), CSize(40, 0), false);
    EXPECT_TRUE(bar.tracking());
    EXPECT_EQ(140, viewPlace(*frame).left); // before the button is let go
    bar.SendMessage(WM_LBUTTONUP);
    EXPECT_EQ(140, bar.vert().cx);
    frame->DestroyWindow();
}

TEST(SizingControlBar, RowTooShortForItsBarsMovesTheAskingBarToARowOfItsOwn)
{
    CFrameWnd* frame = makeDockingFrame();
    ASSERT_NE(nullptr, frame);
    CTestSizingBar bars[3] = {CTestSizingBar(CSize(150, 32)), CTestSizingBar(CSize(150, 32)),
                              CTestSizingBar(CSize(150, 32))};
    CRect place(0, 0, 0, 0);
    for (int i = 0; i < 3; ++i) {
        ASSERT_TRUE(bars[i].create(frame, 201 + i, CSize(150, 40)));
        frame->DockControlBar(&bars[i], AFX_IDW_DOCKBAR_TOP, i ? &place : nullptr);
        bars[i].GetWindowRect(&place);
        place.OffsetRect(place.Width() - 10, 0);
    }
    auto* dock = DYNAMIC_DOWNCAST(CDockBar, frame->GetControlBar(AFX_IDW_DOCKBAR_TOP));
    frame->RecalcLayout();
    ASSERT_EQ(6, dock->m_arrBars.GetSize());
    EXPECT_EQ(&bars[1], dock->m_arrBars[1]);
    EXPECT_EQ(&bars[2], dock->m_arrBars[2]);
    EXPECT_EQ(nullptr, dock->m_arrBars[3]);
    EXPECT_EQ(&bars[0], dock->m_arrBars[4]);
    EXPECT_EQ(80, viewPlace(*frame).top); // two rows of 40
    frame->DestroyWindow();
}

TEST(SizingControlBar, SizesAreSavedInTheProfileAndRestoredAtLeastAtTheMinimum)
{
    ProfileApp app;
    CFrameWnd* frame = makeDockingFrame();
    ASSERT_NE(nullptr, frame);
    CTestSizingBar bar;
    ASSERT_TRUE(bar.create(frame, 201, CSize(120, 90)));
    CSizingControlBar::GlobalSaveState(L"Layout");
    EXPECT_EQ(120u, app.GetProfileInt(L"Layout-SCBar-201", L"sizeHorzCX", 0));
    EXPECT_EQ(90u, app.GetProfileInt(L"Layout-SCBar-201", L"sizeFloatCY", 0));

    app.WriteProfileInt(L"Layout-SCBar-201", L"sizeHorzCX", 10);
    app.WriteProfileInt(L"Layout-SCBar-201", L"sizeHorzCY", 10);
    app.WriteProfileInt(L"Layout-SCBar-201", L"sizeVertCX", 250);
    app.WriteProfileInt(L"Layout-SCBar-201", L"sizeFloatCY", 300);
    CSizingControlBar::GlobalLoadState(L"Layout");
    EXPECT_EQ(CSize(33, 32), bar.horz());
    EXPECT_EQ(CSize(250, 90), bar.vert());
    EXPECT_EQ(CSize(120, 300), bar.floating());
    frame->DestroyWindow();
}

TEST(SizingControlBar, CloseButtonLightsUnderTheMouseAndHidesTheBar)
{
    CFrameWnd* frame = makeDockingFrame();
    ASSERT_NE(nullptr, frame);
    CTestSizingBar bar, plain;
    ASSERT_TRUE(bar.create(frame, 201, CSize(120, 80)));
    ASSERT_TRUE(plain.create(frame, 202, CSize(120, 80), FALSE));
    frame->DockControlBar(&bar, AFX_IDW_DOCKBAR_TOP);
    frame->DockControlBar(&plain, AFX_IDW_DOCKBAR_LEFT);
    frame->RecalcLayout();

    // Without a gripper no room is kept for it, but the button is there.
    CRect window, clientRect;
    plain.GetWindowRect(&window);
    plain.GetClientRect(&clientRect);
    EXPECT_EQ(window.Height() - 10, clientRect.Height());
    CPoint plainButton = screenCentre(plain, plain.button().GetRect());
    EXPECT_EQ(LRESULT(HTCLOSE), plain.SendMessage(WM_NCHITTEST, 0, MAKELPARAM(plainButton.x, plainButton.y)));
    bar.GetWindowRect(&window);
    bar.GetClientRect(&clientRect);
    EXPECT_EQ(window.Width() - 10 - 12, clientRect.Width());

    CPoint button = screenCentre(bar, bar.button().GetRect());
    EXPECT_EQ(LRESULT(HTCLOSE), bar.SendMessage(WM_NCHITTEST, 0, MAKELPARAM(button.x, button.y)));
    ASSERT_TRUE(::SetCursorPos(button.x, button.y));
    bar.SendMessage(WM_IDLEUPDATECMDUI, TRUE);
    EXPECT_TRUE(bar.button().m_bRaised);
    EXPECT_FALSE(bar.button().m_bPushed);
    ::SetCursorPos(button.x, button.y + 100);
    bar.SendMessage(WM_IDLEUPDATECMDUI, TRUE);
    EXPECT_FALSE(bar.button().m_bRaised);

    bar.SendMessage(WM_NCLBUTTONUP, HTCLOSE, MAKELPARAM(button.x, button.y));
    EXPECT_FALSE(bar.IsWindowVisible());
    EXPECT_EQ(0, viewPlace(*frame).top);
    // Shown again docked, it keeps its size when the row is shared out.
    frame->ShowControlBar(&bar, TRUE, FALSE);
    EXPECT_EQ(80, viewPlace(*frame).top);
    frame->DestroyWindow();
}

TEST(SizingControlBar, BarsLeaveTheListHoweverTheirWindowGoes)
{
    int before = CTestSizingBar::liveCount();
    CFrameWnd* frame = makeDockingFrame();
    ASSERT_NE(nullptr, frame);
    CTestSizingBar withFrame, destroyed;
    auto* deleted = new CTestSizingBar;
    ASSERT_TRUE(withFrame.create(frame, 201, CSize(100, 100)));
    ASSERT_TRUE(destroyed.create(frame, 202, CSize(100, 100)));
    ASSERT_TRUE(deleted->create(frame, 203, CSize(100, 100)));
    frame->DockControlBar(&withFrame, AFX_IDW_DOCKBAR_TOP);
    frame->FloatControlBar(&destroyed, CPoint(600, 100));
    EXPECT_EQ(before + 3, CTestSizingBar::liveCount());

    destroyed.DestroyWindow();
    EXPECT_FALSE(CTestSizingBar::isLive(&destroyed));
    delete deleted;
    EXPECT_EQ(before + 1, CTestSizingBar::liveCount());
    frame->DestroyWindow();
    EXPECT_FALSE(CTestSizingBar::isLive(&withFrame));
    EXPECT_EQ(before, CTestSizingBar::liveCount());
    ProfileApp app;
    CSizingControlBar::GlobalSaveState(L"Gone"); // reaches no dead bar
}

namespace {

// A container bar holding an edit that fills it.
class CEditBar : public CCtrlContainerBar
{
public:
    CEdit m_edit;
    bool m_initBeforeDocking = false;

    void onInit() override
    {
        m_initBeforeDocking = m_pDockBar == nullptr;
        m_edit.Create(WS_CHILD | WS_VISIBLE, CRect(0, 0, 0, 0), this, 1);
    }
    void onSize(int cx, int cy) override
    {
        if (m_edit.m_hWnd)
            m_edit.MoveWindow(0, 0, cx, cy);
    }
};

} // namespace

namespace {

LRESULT CALLBACK refusingProcedure(HWND hWnd, UINT message, WPARAM wParam, LPARAM lParam)
{
    return message == WM_CREATE ? -1 : ::DefWindowProcW(hWnd, message, wParam, lParam);
}

// A container bar whose window class refuses the window at WM_CREATE.
class CRefusedEditBar : public CEditBar
{
public:
    BOOL PreCreateWindow(CREATESTRUCTW& cs) override
    {
        WNDCLASSW refusing{};
        refusing.lpfnWndProc = refusingProcedure;
        refusing.hInstance = ::GetModuleHandleW(nullptr);
        refusing.lpszClassName = L"KwRefusingBar";
        ::RegisterClassW(&refusing); // already there on a second run
        cs.lpszClass = refusing.lpszClassName;
        return CEditBar::PreCreateWindow(cs);
    }
};

} // namespace

TEST(CtrlContainerBar, FailedCreationMakesNoControlAndLeavesNoBar)
{
    CFrameWnd* frame = makeDockingFrame();
    ASSERT_NE(nullptr, frame);
    int before = CTestSizingBar::liveCount();
    {
        CRefusedEditBar bar;
        EXPECT_FALSE(bar.Create(L"edit", frame, CSize(150, 70), TRUE, 202));
        EXPECT_EQ(nullptr, bar.m_hWnd);
        EXPECT_EQ(nullptr, bar.m_edit.m_hWnd);
        EXPECT_EQ(before, CTestSizingBar::liveCount());
    }
    EXPECT_EQ(nullptr, frame->GetControlBar(202));
    frame->DestroyWindow();
}

TEST(CtrlContainerBar, MakesItsControlAtCreationAndFitsItToTheBar)
{
    CFrameWnd* frame = makeDockingFrame();
    ASSERT_NE(nullptr, frame);
    CEditBar bar;
    ASSERT_TRUE(bar.Create(L"edit", frame, CSize(150, 70), TRUE, 201));
    EXPECT_TRUE(bar.m_initBeforeDocking);
    ASSERT_NE(nullptr, bar.m_edit.m_hWnd);
    bar.EnableDocking(CBRS_ALIGN_ANY);
    frame->DockControlBar(&bar, AFX_IDW_DOCKBAR_LEFT);
    frame->RecalcLayout();
    CRect client;
    bar.GetClientRect(&client);
    EXPECT_EQ(client, placeIn(bar, bar.m_edit.m_hWnd));
    EXPECT_GT(client.Height(), 100);
    frame->DestroyWindow();
}
