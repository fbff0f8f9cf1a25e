#include "PageTestSupport.h"

#include <cmath>
#include <cstdlib>

using namespace drawntest;

namespace {

MENUITEMINFOW itemInfo(HMENU menu, int pos)
{
    MENUITEMINFOW info{};
    info.cbSize = sizeof(info);
    info.fMask = MIIM_FTYPE | MIIM_ID | MIIM_STATE | MIIM_SUBMENU | MIIM_DATA;
    ::GetMenuItemInfoW(menu, UINT(pos), TRUE, &info);
    return info;
}

const CGDIpMenu::ItemRecord* recordOf(HMENU menu, int pos)
{
    return reinterpret_cast<const CGDIpMenu::ItemRecord*>(itemInfo(menu, pos).dwItemData);
}

// The scrollable control with its numbers in reach.
class TestScrollCtrl : public CGDIpScrollTrCompCtrl
{
public:
    using CGDIpScrollTrCompCtrl::deltaCheckAndApply;
    using CGDIpScrollTrCompCtrl::m_contentSize;
    using CGDIpScrollTrCompCtrl::m_margin;
    using CGDIpScrollTrCompCtrl::m_scale;
    using CGDIpScrollTrCompCtrl::m_scrollPos;
    int wheelStarts = 0;
    int wheelEnds = 0;

protected:
    void v_scaleWheelStart() override { ++wheelStarts; }
    void v_scaleWheelEnd() override { ++wheelEnds; }
};

// A control whose view is 400 x 300 once both scroll bars show.
struct ScrollBed
{
    ScrollBed() : host(600, 500)
    {
        const int w = 400 + ::GetSystemMetrics(SM_CXVSCROLL);
        const int h = 300 + ::GetSystemMetrics(SM_CYHSCROLL);
        ctrl.Create(0, CRect(10, 10, 10 + w, 10 + h), &host, 77);
        ctrl.m_transparent = false;
    }
    int wheel(int turns, bool control)
    {
        for (int i = 0; i < turns; ++i)
            ctrl.SendMessage(WM_MOUSEWHEEL, MAKEWPARAM(control ? MK_CONTROL : 0, WHEEL_DELTA), 0);
        return notifications();
    }
    int notifications() const
    {
        int count = 0;
        for (const auto& c : host.commands)
            count += LOWORD(c.wParam) == CGDIpScrollTrCompCtrl::scaleChangedCommand &&
                     HWND(c.lParam) == ctrl.m_hWnd;
        return count;
    }
    void waitForTimer()
    {
        for (int i = 0; i < 30; ++i) {
            ::Sleep(10);
            pumpPending();
        }
    }

    CommandHost host;
    TestScrollCtrl ctrl;
};

} // namespace

TEST(OwnerDrawnMenu, ConversionKeepsIdsStatesAndSubMenus)
{
    CGDIpMenu menu;
    ASSERT_TRUE(menu.LoadMenu(IDR_CAPTION_MENU));
    HMENU file = ::GetSubMenu(menu.m_hMenu, 0);
    ::CheckMenuItem(file, ID_FILE_CONNECT, MF_BYCOMMAND | MF_CHECKED);
    ::EnableMenuItem(file, ID_FILE_LOAD, MF_BYCOMMAND | MF_GRAYED);
    menu.toOwnerDraw(&menu);

    for (int pos = 0; pos < 2; ++pos) {
        const MENUITEMINFOW top = itemInfo(menu.m_hMenu, pos);
        EXPECT_TRUE(top.fType & MFT_OWNERDRAW);
        EXPECT_NE(top.hSubMenu, nullptr);
    }
    EXPECT_EQ(::GetSubMenu(menu.m_hMenu, 0), file);
    EXPECT_EQ(recordOf(menu.m_hMenu, 0)->text, CString(L"&File"));
    const UINT ids[4] = {ID_FILE_CONNECT, 0, ID_FILE_LOAD, ID_FILE_EXIT};
    for (int pos = 0; pos < 4; ++pos) {
        const MENUITEMINFOW info = itemInfo(file, pos);
        EXPECT_TRUE(info.fType & MFT_OWNERDRAW) << pos;
        EXPECT_EQ(info.wID, ids[pos]) << pos;
        ASSERT_NE(info.dwItemData, 0u) << pos;
    }
    EXPECT_TRUE(itemInfo(file, 1).fType & MFT_SEPARATOR);
    EXPECT_EQ(recordOf(file, 1)->separator, 1);
    EXPECT_EQ(recordOf(file, 3)->text, CString(L"E&xit"));
    EXPECT_TRUE(itemInfo(file, 0).fState & MFS_CHECKED);
    EXPECT_TRUE(itemInfo(file, 2).fState & MFS_GRAYED);
    EXPECT_TRUE(itemInfo(::GetSubMenu(menu.m_hMenu, 1), 0).fType & MFT_OWNERDRAW);
}

TEST(OwnerDrawnMenu, MeasuresAndDrawsItsItems)
{
    CMFCVisualManager::SetDefaultManager(RUNTIME_CLASS(CGDIpVisualManager));
    CGDIpMenu menu;
    ASSERT_TRUE(menu.LoadMenu(IDR_CAPTION_MENU));
    menu.toOwnerDraw(&menu);
    HMENU file = ::GetSubMenu(menu.m_hMenu, 0);
    const int image = CMenuImages::Size().cx;

    MEASUREITEMSTRUCT separator{ODT_MENU, 0, 0, 0, 0, itemInfo(file, 1).dwItemData};
    menu.MeasureItem(&separator);
    EXPECT_EQ(separator.itemHeight, 5u);
    EXPECT_EQ(separator.itemWidth, UINT(2 * image));
    MEASUREITEMSTRUCT connect{ODT_MENU, 0, ID_FILE_CONNECT, 0, 0, itemInfo(file, 0).dwItemData};
    menu.MeasureItem(&connect);
    LOGFONTW font{};
    GetGlobalData()->fontRegular.GetLogFont(&font);
    EXPECT_EQ(connect.itemHeight, UINT(1.75 * std::abs(font.lfHeight)));
    EXPECT_GT(connect.itemWidth, UINT(2 * image));

    // A checked, disabled item: gray background, white mark, gray text.
    Canvas canvas(200, 24);
    DRAWITEMSTRUCT dis{ODT_MENU,
                       0,
                       ID_FILE_CONNECT,
                       ODA_DRAWENTIRE,
                       ODS_CHECKED | ODS_GRAYED,
                       nullptr,
                       canvas.dc().GetSafeHdc(),
                       {0, 0, 200, 24},
                       itemInfo(file, 0).dwItemData};
    menu.DrawItem(&dis);
    EXPECT_EQ(canvas.rgb(199, 0), 0x434343u);
    EXPECT_GT(countPixels(canvas, CRect(0, 0, 2 * image, 24), 0xFFFFFF), 0);
    EXPECT_GT(countPixels(canvas, CRect(2 * image, 0, 200, 24), 0x808080), 0);
    EXPECT_EQ(countPixels(canvas, CRect(2 * image, 0, 200, 24), 0xFFFFFF), 0);

    // A selected item gets the red frame; nothing is drawn without data.
    dis.itemState = ODS_SELECTED;
    menu.DrawItem(&dis);
    EXPECT_EQ(canvas.rgb(1, 1), 0xFF0000u);
    Canvas blank(20, 20);
    dis.itemData = 0;
    dis.hDC = blank.dc().GetSafeHdc();
    menu.DrawItem(&dis);
    EXPECT_EQ(blank.rgb(10, 10), 0xFFFFFFu);

    // Under the framework's manager it still draws.
    CMFCVisualManager::SetDefaultManager(RUNTIME_CLASS(CMFCVisualManager));
    dis.itemData = itemInfo(file, 0).dwItemData;
    menu.DrawItem(&dis);
}

TEST(ScrollZoom, ScrollingStaysWithinTheContent)
{
    ScrollBed bed;
    ASSERT_EQ(bed.ctrl.getRect().Width(), 400);
    ASSERT_EQ(bed.ctrl.getRect().Height(), 300);
    bed.ctrl.centerScrollPos(false);
    EXPECT_EQ(bed.ctrl.m_scrollPos, TSize<int>(212, 262));

    bed.ctrl.scrollToPosition(TPoint<int>(10000, 10000), true);
    EXPECT_EQ(bed.ctrl.m_scrollPos, TSize<int>(425, 525));
    SCROLLINFO info{};
    info.cbSize = sizeof(info);
    bed.ctrl.GetScrollInfo(SB_VERT, &info, SIF_ALL);
    EXPECT_EQ(info.nMax, 825);
    EXPECT_EQ(info.nPage, 300u);
    EXPECT_EQ(info.nPos, 525);
    bed.ctrl.scrollToPosition(POINT{-20000, -20000}, true);
    EXPECT_EQ(bed.ctrl.m_scrollPos, TSize<int>(0, 0));

    bed.ctrl.SendMessage(WM_VSCROLL, SB_LINEDOWN);
    EXPECT_EQ(bed.ctrl.m_scrollPos.cy, 60);
    bed.ctrl.SendMessage(WM_HSCROLL, SB_PAGEDOWN);
    EXPECT_EQ(bed.ctrl.m_scrollPos.cx, 400);
    bed.ctrl.SendMessage(WM_HSCROLL, SB_PAGEDOWN);
    EXPECT_EQ(bed.ctrl.m_scrollPos.cx, 425);
    bed.ctrl.SendMessage(WM_VSCROLL, SB_LINEUP);
    bed.ctrl.SendMessage(WM_VSCROLL, SB_LINEUP);
    EXPECT_EQ(bed.ctrl.m_scrollPos.cy, 0);

    // Content no larger than the view does not scroll, also not when centred.
    bed.ctrl.m_contentSize = TSize<int>(100, 100);
    bed.ctrl.m_scrollPos = TSize<int>(0, 0);
    EXPECT_FALSE(bed.ctrl.deltaCheckAndApply(50, 50));
    bed.ctrl.centerScrollPos(false);
    EXPECT_EQ(bed.ctrl.m_scrollPos, TSize<int>(0, 0));
}

TEST(ScrollZoom, DraggingMovesTheViewUntilReleased)
{
    ScrollBed bed;
    bed.ctrl.SendMessage(WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(200, 200));
    EXPECT_EQ(::GetCapture(), bed.ctrl.m_hWnd);
    bed.ctrl.SendMessage(WM_MOUSEMOVE, MK_LBUTTON, MAKELPARAM(150, 170));
    EXPECT_EQ(bed.ctrl.m_scrollPos, TSize<int>(50, 30));
    // Released outside the window: the capture brings the release here.
    bed.ctrl.SendMessage(WM_LBUTTONUP, 0, MAKELPARAM(-300, -300));
    EXPECT_EQ(::GetCapture(), nullptr);
    bed.ctrl.SendMessage(WM_MOUSEMOVE, 0, MAKELPARAM(100, 100));
    EXPECT_EQ(bed.ctrl.m_scrollPos, TSize<int>(50, 30));

    // A capture taken away ends the drag as well.
    bed.ctrl.SendMessage(WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(200, 200));
    ::ReleaseCapture();
    bed.ctrl.SendMessage(WM_MOUSEMOVE, MK_LBUTTON, MAKELPARAM(100, 100));
    EXPECT_EQ(bed.ctrl.m_scrollPos, TSize<int>(50, 30));
}

TEST(ScrollZoom, ControlWheelZoomsAndTellsTheParentOnce)
{
    ScrollBed bed;
    EXPECT_EQ(bed.wheel(1, false), 0);
    EXPECT_DOUBLE_EQ(bed.ctrl.m_scale, 1.0);
    EXPECT_EQ(bed.wheel(5, true), 0);
    EXPECT_NEAR(bed.ctrl.m_scale, 1.25, 1e-9);
    bed.waitForTimer();
    EXPECT_EQ(bed.notifications(), 1);
    EXPECT_EQ(bed.ctrl.wheelStarts, 5);
    EXPECT_EQ(bed.ctrl.wheelEnds, 1);

    bed.ctrl.m_scale = 0.27;
    for (int i = 0; i < 3; ++i)
        bed.ctrl.SendMessage(WM_MOUSEWHEEL, MAKEWPARAM(MK_CONTROL, WORD(-WHEEL_DELTA)), 0);
    EXPECT_DOUBLE_EQ(bed.ctrl.m_scale, 0.25);
    bed.ctrl.m_scale = 5.0;
    bed.wheel(1, true);
    EXPECT_DOUBLE_EQ(bed.ctrl.m_scale, 5.0);
}

TEST(ScrollZoom, ScaleToFit)
{
    ScrollBed bed;
    bed.ctrl.setScaleToFitSize(false);
    CRect client;
    bed.ctrl.GetClientRect(&client);
    EXPECT_NEAR(bed.ctrl.m_scale, double(client.Height()) / 825, 1e-9);
    EXPECT_EQ(bed.notifications(), 1);

    // Nothing to fit: the scale stays and nobody is told.
    bed.ctrl.m_contentSize = TSize<int>(0, 0);
    bed.ctrl.m_scale = 2.0;
    bed.ctrl.setScaleToFitSize(false);
    EXPECT_DOUBLE_EQ(bed.ctrl.m_scale, 2.0);
    EXPECT_EQ(bed.notifications(), 1);
}
