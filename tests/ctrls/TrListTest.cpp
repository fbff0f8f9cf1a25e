#include "ExtListTestSupport.h"

#include <CExtTrListCtrl.h>
#include <trlist/CComboInExtListCtrl.h>
#include <trlist/CEditInExtListCtrl.h>

#include <gtest/gtest.h>

using namespace wfxtest;
using namespace prambletest;
using namespace extlisttest;

namespace {

const COLORREF kParentColour = RGB(0, 120, 200);

class TrList : public ::testing::Test
{
protected:
    void SetUp() override
    {
        ASSERT_TRUE(list.Create(WS_CHILD | WS_VISIBLE, CRect(20, 20, 320, 200), &host, kListId));
        addColumns(list, {L"Name", L"Value"});
    }

    // What the list paints of itself, over a canvas nobody erased.
    std::unique_ptr<Canvas> paintedRows()
    {
        auto canvas = std::make_unique<Canvas>(300, 180, Rendering::kUnpainted);
        list.SendMessage(WM_PRINTCLIENT, WPARAM(canvas->dc().m_hDC), PRF_CLIENT);
        return canvas;
    }

    int rowMiddle(int row)
    {
        CRect r;
        list.GetItemRect(row, &r, LVIR_BOUNDS);
        return r.CenterPoint().y;
    }

    HostWindow host{360, 240, kParentColour};
    CExtTrListCtrl list;
};

} // namespace

TEST_F(TrList, PaintsNoBackgroundOnlyItsTexts)
{
    EXPECT_EQ(1, list.getColorCount());
    EXPECT_EQ(list.GetColor(0), GetSysColor(COLOR_WINDOWTEXT));
    const char red = list.AddColor(RGB(220, 0, 0));
    EXPECT_EQ(1, red);
    list.InsertItem(0, CString(L"WWWW"), red, red);
    list.InsertItem(1, CString(L"b"), 0, 0);
    EXPECT_EQ(0, list.setBkColor(1, red)); // stored, never shown
    EXPECT_EQ(red, list.GetItemBkColorId(1));
    list.SetItemText(0, 1, L"v");
    list.SetItemState(1, LVIS_SELECTED, LVIS_SELECTED);
    list.SetFocus();

    auto canvas = paintedRows();
    const std::uint32_t unpainted = rgbOfColorref(Rendering::kUnpainted);
    for (int row : {0, 1}) {
        EXPECT_EQ(unpainted, canvas->rgb(90, rowMiddle(row))) << "row " << row;  // no band
        EXPECT_EQ(unpainted, canvas->rgb(199, rowMiddle(row))) << "row " << row; // no grid
        EXPECT_EQ(unpainted, canvas->rgb(250, rowMiddle(row))) << "row " << row; // beyond the columns
    }
    EXPECT_GT(
        countPixels(*canvas, CRect(0, rowMiddle(0) - 6, 60, rowMiddle(0) + 6), rgbOfColorref(RGB(220, 0, 0))),
        10);

    Canvas erased(10, 10, Rendering::kUnpainted);
    EXPECT_TRUE(list.SendMessage(WM_ERASEBKGND, WPARAM(erased.dc().m_hDC)));
    EXPECT_EQ(unpainted, erased.rgb(5, 5));
}

TEST_F(TrList, MovingContentHasTheParentRepaintUnderIt)
{
    for (int i = 0; i < 40; ++i)
        list.InsertItem(i, CString(L"row"), 0, 0);
    CRect under; // the list's client area, in the host
    list.GetClientRect(&under);
    list.MapWindowPoints(&host, &under);
    for (UINT message : {UINT(WM_VSCROLL), UINT(WM_MOUSEWHEEL), UINT(WM_LBUTTONDOWN), UINT(WM_HSCROLL)}) {
        repaintNow(host);
        CRect update;
        ASSERT_FALSE(host.GetUpdateRect(&update));
        const WPARAM wParam = message == WM_MOUSEWHEEL ? MAKEWPARAM(0, WORD(-WHEEL_DELTA)) : SB_LINEDOWN;
        list.SendMessage(message, wParam, message == WM_LBUTTONDOWN ? MAKELPARAM(5, 60) : 0);
        list.SendMessage(WM_LBUTTONUP, 0, MAKELPARAM(5, 60));
        ASSERT_TRUE(host.GetUpdateRect(&update)) << message;
        CRect covered;
        covered.IntersectRect(&update, &under);
        EXPECT_EQ(under, covered) << message;
    }
    EXPECT_GT(list.GetTopIndex(), 0);
}

TEST_F(TrList, ItemHeightFollowsTheOwnFont)
{
    MEASUREITEMSTRUCT item{};
    item.itemHeight = 17;
    list.MeasureItem(&item); // no own font: unchanged
    EXPECT_EQ(17u, item.itemHeight);

    CFont cellHeight;
    cellHeight.CreateFont(20, 0, 0, 0, FW_NORMAL, 0, 0, 0, DEFAULT_CHARSET, 0, 0, 0, 0, L"Arial");
    list.m_font = &cellHeight;
    list.MeasureItem(&item);
    EXPECT_EQ(27u, item.itemHeight); // a positive height no longer wraps
    CFont charHeight;
    charHeight.CreateFont(-12, 0, 0, 0, FW_NORMAL, 0, 0, 0, DEFAULT_CHARSET, 0, 0, 0, 0, L"Arial");
    list.m_font = &charHeight;
    list.MeasureItem(&item);
    EXPECT_EQ(19u, item.itemHeight);
    list.m_font = nullptr;
}

TEST_F(TrList, EditorsOfItsOwnFamilyEditCells)
{
    list.InsertItem(0, CString(L"alpha"), 0, 0);
    list.SetItemText(0, 1, L"7");
    auto* edit = new trlist::CEditInExtListCtrl;
    ASSERT_TRUE(edit->Create(WS_CHILD | ES_AUTOHSCROLL, CRect(0, 0, 10, 10), &list, 401));
    list.SetCtrlInCol(edit, 1, useListFont);
    auto* combo = new trlist::CComboInExtListCtrl;
    ASSERT_TRUE(combo->Create(WS_CHILD | CBS_DROPDOWNLIST, CRect(0, 0, 10, 10), &list, 402));
    list.SetCtrlInCol(combo, 0, keepOwnFont);

    rightClick(list, cellPoint(list, 0, 1));
    EXPECT_TRUE(edit->IsWindowVisible());
    EXPECT_EQ(L"7", textOf(*edit));
    edit->SetWindowText(L"8");
    leftClick(list, cellPoint(list, 0, 0));
    EXPECT_FALSE(edit->IsWindowVisible());
    EXPECT_EQ(L"8", list.GetItemText(0, 1).str());

    clickHeader(*list.getHeaderCtrl(), 1);
    EXPECT_EQ(HeaderColAscending, list.GetColHeaderState(1));
}
