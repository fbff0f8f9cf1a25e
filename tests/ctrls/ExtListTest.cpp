#include "ExtListTestSupport.h"

#include <CComboInExtListCtrl.h>
#include <CEditInExtListCtrl.h>
#include <CIntEditInExtListCtrl.h>
#include <ExtListRowPainter.h>

#include <gtest/gtest.h>

using namespace wfxtest;
using namespace prambletest;
using namespace extlisttest;

namespace {

const COLORREF kGreen = RGB(0, 160, 0);
const COLORREF kBlue = RGB(0, 0, 200);

class ExtList : public ::testing::Test
{
protected:
    void SetUp() override
    {
        ASSERT_TRUE(list.Create(WS_CHILD | WS_VISIBLE | WS_BORDER, CRect(0, 0, 380, 200), &host, kListId));
        addColumns(list, {L"Name", L"Value"});
    }

    CRect rowRect(int row)
    {
        CRect r;
        list.GetItemRect(row, &r, LVIR_BOUNDS);
        return r;
    }
    // A pixel of the row in column 0, well right of its short text.
    COLORREF rowPixel(const Rendering& image, int row, int x = 80)
    {
        return image.at(x, rowRect(row).CenterPoint().y);
    }

    HostWindow host{400, 260};
    CExtListCtrl list;
};

} // namespace

TEST_F(ExtList, IsAnOwnerDrawnReportWithItsSortHeader)
{
    EXPECT_EQ(DWORD(LVS_REPORT), list.GetStyle() & LVS_TYPEMASK);
    EXPECT_TRUE(list.GetStyle() & LVS_OWNERDRAWFIXED);
    EXPECT_TRUE(list.GetFullRowSel());
    ASSERT_NE(nullptr, list.getHeaderCtrl());
    EXPECT_TRUE(list.getHeaderCtrl()->IsKindOf(RUNTIME_CLASS(CSortHeaderCtrl)));

    EXPECT_TRUE(list.SetFullRowSel(FALSE));
    EXPECT_FALSE(list.GetStyle() & LVS_OWNERDRAWFIXED);
    EXPECT_FALSE(list.SetFullRowSel(FALSE));
    EXPECT_TRUE(list.SetFullRowSel(TRUE));
}

TEST_F(ExtList, PaintsEachRowInItsColoursWithTheGrid)
{
    const char green = list.AddColor(kGreen);
    const char blue = list.AddColor(kBlue);
    EXPECT_EQ(2, green);
    EXPECT_EQ(3, blue);
    list.SetGridColor(RGB(255, 0, 255));
    list.InsertItem(0, CString(L"a"), green, 0);
    list.InsertItem(1, CString(L"WWWWWW"), 1, blue);
    list.InsertItem(2, CString(L"c"), char(77), char(99)); // ids beyond the palette: the list's own colours
    CListCtrl& plain = list;
    plain.InsertItem(3, L"no ids"); // straight to the control: no ids at all
    list.SetItemText(0, 1, L"v");

    Rendering image(list);
    const COLORREF window = GetSysColor(COLOR_WINDOW);
    EXPECT_EQ(kGreen, rowPixel(image, 0));
    EXPECT_EQ(kGreen, rowPixel(image, 0, 150)); // the band covers the sub-item cells
    EXPECT_EQ(window, rowPixel(image, 1));
    EXPECT_EQ(window, rowPixel(image, 2));
    EXPECT_EQ(window, rowPixel(image, 3));
    const CRect second = rowRect(1);
    EXPECT_GT(image.count(0, second.top, 100, second.bottom, kBlue), 10);
    const CRect third = rowRect(2);
    EXPECT_GT(image.count(0, third.top, 100, third.bottom, GetSysColor(COLOR_WINDOWTEXT)), 0);
    // Every cell is framed in the grid colour.
    const CRect first = rowRect(0);
    EXPECT_EQ(RGB(255, 0, 255), image.at(50, first.bottom - 1));
    EXPECT_EQ(RGB(255, 0, 255), image.at(150, first.bottom - 1));
    EXPECT_EQ(RGB(255, 0, 255), image.at(199, first.CenterPoint().y));
}

TEST_F(ExtList, FullRowSelectionReachesTheClientWidth)
{
    list.InsertItem(0, CString(L"a"), 1, 0);
    list.InsertItem(1, CString(L"b"), 1, 0);
    list.SetItemState(1, LVIS_SELECTED | LVIS_FOCUSED, LVIS_SELECTED | LVIS_FOCUSED);
    list.SetFocus();
    Rendering image(list);
    const COLORREF highlight = GetSysColor(COLOR_HIGHLIGHT);
    EXPECT_EQ(highlight, rowPixel(image, 1));
    EXPECT_EQ(highlight, rowPixel(image, 1, 300)); // beyond the last column
    EXPECT_EQ(GetSysColor(COLOR_WINDOW), rowPixel(image, 0, 300));
}

TEST_F(ExtList, ColourIdsAreBytesWithABoundedPalette)
{
    for (int i = 2; i < 200; ++i)
        EXPECT_EQ(i, static_cast<unsigned char>(list.AddColor(RGB(i, 0, 0))));
    EXPECT_EQ(RGB(150, 0, 0), list.GetColor(char(150))); // not a negative index
    EXPECT_EQ(COLORREF(0), list.GetColor(char(230)));
    while (list.getColorCount() < kExtListMaxColors)
        list.AddColor(RGB(0, 0, 1));
    EXPECT_EQ(kExtListNoColor, list.AddColor(RGB(1, 1, 1)));
    EXPECT_EQ(kExtListMaxColors, list.getColorCount());

    list.InsertItem(0, CString(L"a"), char(150), char(200));
    EXPECT_EQ(char(150), list.GetItemBkColorId(0));
    EXPECT_EQ(char(150), list.setBkColor(0, char(151)));
    EXPECT_EQ(char(151), list.GetItemBkColorId(0));
    EXPECT_EQ(char(200), list.setTextColor(0, 4));
    EXPECT_EQ(kExtListNoColor, list.setBkColor(-1, 2));
    EXPECT_EQ(kExtListNoColor, list.setBkColor(1, 2)); // the row count
    EXPECT_EQ(kExtListNoColor, list.GetItemTextColorId(1));
    Rendering image(list);
    EXPECT_EQ(RGB(151, 0, 0), rowPixel(image, 0));
}

TEST_F(ExtList, IdsFollowTheIndexTheControlChose)
{
    list.InsertItem(0, CString(L"a"), 2, 3);
    EXPECT_EQ(1, list.InsertItem(50, CString(L"b"), 4, 5)); // appended
    EXPECT_EQ(char(4), list.GetItemBkColorId(1));
    EXPECT_EQ(char(5), list.GetItemTextColorId(1));
    EXPECT_EQ(-1, list.InsertItem(-7, CString(L"x"), 6, 6));
    EXPECT_EQ(2, list.GetItemCount());
    EXPECT_EQ(kExtListNoColor, list.GetItemBkColorId(2));

    CListCtrl& plain = list;
    plain.InsertItem(2, L"plain");
    EXPECT_EQ(3, list.InsertItem(3, CString(L"d"), 7, 8)); // past rows that have no ids
    EXPECT_EQ(char(7), list.GetItemBkColorId(3));
    EXPECT_EQ(char(1), list.GetItemBkColorId(2));

    EXPECT_FALSE(list.DeleteItem(9));
    EXPECT_TRUE(list.DeleteItem(0));
    EXPECT_EQ(char(4), list.GetItemBkColorId(0));
    EXPECT_EQ(char(7), list.GetItemBkColorId(2));
    list.DeleteAllItems();
    EXPECT_EQ(kExtListNoColor, list.GetItemBkColorId(0));
}

TEST_F(ExtList, GridBrushSetTwiceStaysAlive)
{
    list.InsertItem(0, CString(L"a"), 1, 0);
    auto* brush = new CBrush(RGB(0, 200, 200));
    list.SetGridBrush(brush);
    list.SetGridBrush(brush);
    Rendering image(list);
    EXPECT_EQ(RGB(0, 200, 200), image.at(50, rowRect(0).bottom - 1));
}

TEST_F(ExtList, ColumnClicksInvertStateAndKeepAHistory)
{
    list.InsertItem(0, CString(L"a"), 1, 0);
    CSortHeaderCtrl& header = *list.getHeaderCtrl();
    clickHeader(header, 1);
    EXPECT_EQ(HeaderColAscending, list.GetColHeaderState(1));
    HDITEMW item{};
    item.mask = HDI_FORMAT;
    header.GetItem(1, &item);
    EXPECT_TRUE(item.fmt & HDF_OWNERDRAW);
    clickHeader(header, 0);
    clickHeader(header, 1);
    EXPECT_EQ(HeaderColDescending, list.GetColHeaderState(1));
    EXPECT_EQ(HeaderColAscending, list.GetColHeaderState(0));
    int n = 0;
    EXPECT_EQ(1, list.getClickedCol(n));
    n = 1;
    EXPECT_EQ(0, list.getClickedCol(n));
    n = 2;
    EXPECT_EQ(-1, list.getClickedCol(n));

    int x = 120;
    list.OnHeaderLButtonDown(x);
    EXPECT_EQ(HeaderColAscending, list.GetColHeaderState(1));
}

TEST_F(ExtList, FindsTheCellAtAPoint)
{
    list.InsertItem(0, CString(L"a"), 1, 0);
    list.InsertItem(1, CString(L"b"), 1, 0);
    int col = -1, row = -1;
    CPoint inCell = cellPoint(list, 1, 1);
    EXPECT_TRUE(list.GetCellAtPoint(inCell, col, row));
    EXPECT_EQ(1, col);
    EXPECT_EQ(1, row);
    CPoint beyondColumns(300, inCell.y);
    EXPECT_FALSE(list.GetCellAtPoint(beyondColumns, col, row));
    list.GetColumnAtX(300, col);
    EXPECT_EQ(-1, col);
    list.GetColumnAtX(100, col);
    EXPECT_EQ(0, col); // the first column whose span holds x
    CPoint belowRows(50, 190);
    EXPECT_FALSE(list.GetCellAtPoint(belowRows, col, row));
    EXPECT_EQ(0, col);
}

TEST_F(ExtList, ShortensTextsThatDoNotFit)
{
    CClientDC dc(&list);
    EXPECT_EQ(L"short", ExtListRowPainter::MakeShortString(&dc, L"short", 100, 4).str());
    const CString cut = ExtListRowPainter::MakeShortString(&dc, CString(L'W', 60), 100, 12);
    EXPECT_EQ(L"...", cut.Right(3).str());
    EXPECT_LE(dc.GetTextExtent(cut).cx + 12, 100);
    EXPECT_EQ(L"W...", ExtListRowPainter::MakeShortString(&dc, CString(L'W', 60), 2, 12).str());
}

namespace {

// A list with an edit editor in column 1 and a combo in column 0.
class ExtListEditors : public ExtList
{
protected:
    void SetUp() override
    {
        ExtList::SetUp();
        list.InsertItem(0, CString(L"alpha"), 1, 0);
        list.InsertItem(1, CString(L"beta"), 1, 0);
        list.SetItemText(0, 1, L"a very much longer text");
        list.SetItemText(1, 1, L"12");
        edit = new CEditInExtListCtrl;
        ASSERT_TRUE(edit->Create(WS_CHILD | ES_AUTOHSCROLL, CRect(0, 0, 10, 10), &list, 401));
        edit->SetWindowText(L"previous");
        list.SetCtrlInCol(edit, 1, useListFont);
        combo = new CComboInExtListCtrl;
        ASSERT_TRUE(combo->Create(WS_CHILD | CBS_DROPDOWNLIST, CRect(0, 0, 10, 10), &list, 402));
        combo->AddString(L"gamma");
        combo->AddString(L"delta");
        list.SetCtrlInCol(combo, 0, keepOwnFont);
    }

    CEditInExtListCtrl* edit = nullptr;
    CComboInExtListCtrl* combo = nullptr;
};

} // namespace

TEST_F(ExtListEditors, RightClickOpensTheEditorOverTheCell)
{
    rightClick(list, cellPoint(list, 1, 1));
    EXPECT_TRUE(edit->IsWindowVisible());
    EXPECT_EQ(L"12", textOf(*edit));
    EXPECT_EQ(CPoint(1, 1), list.GetPosCtrlToDisp());
    EXPECT_EQ(edit->m_hWnd, ::GetFocus());
    const CRect placed = rectInParent(*edit);
    EXPECT_EQ(100, placed.left);
    EXPECT_EQ(199, placed.right);
    EXPECT_EQ(list.GetFont()->m_hObject, edit->GetFont()->m_hObject);

    edit->SetWindowText(L"34");
    leftClick(list, cellPoint(list, 0, 0));
    EXPECT_FALSE(edit->IsWindowVisible());
    EXPECT_EQ(L"34", list.GetItemText(1, 1).str());
}

TEST_F(ExtListEditors, EditShowsOnlyTheCellText)
{
    rightClick(list, cellPoint(list, 1, 1));
    rightClick(list, cellPoint(list, 0, 1)); // closes the first, opens the second
    EXPECT_EQ(L"a very much longer text", textOf(*edit));
    edit->SetWindowText(L"x");
    list.SetFocus(); // focus leaving the editor closes it
    EXPECT_FALSE(edit->IsWindowVisible());
    EXPECT_EQ(L"x", list.GetItemText(0, 1).str());
    EXPECT_EQ(L"12", list.GetItemText(1, 1).str());
}

TEST_F(ExtListEditors, ComboWritesOnlyASelectedEntry)
{
    rightClick(list, cellPoint(list, 1, 0));
    EXPECT_TRUE(combo->IsWindowVisible());
    list.DeleteItem(0); // a row deletion closes the editor
    EXPECT_FALSE(combo->IsWindowVisible());
    EXPECT_EQ(L"beta", list.GetItemText(0, 0).str());

    rightClick(list, cellPoint(list, 0, 0));
    combo->SetCurSel(1);
    rightClick(list, CPoint(50, 190)); // no row: nothing opens
    EXPECT_FALSE(combo->IsWindowVisible());
    EXPECT_FALSE(edit->IsWindowVisible());
    EXPECT_EQ(L"delta", list.GetItemText(0, 0).str());
}

TEST_F(ExtListEditors, ReplacingAnEditorKeepsTheListConsistent)
{
    list.SetCtrlInCol(edit, 1, useListFont); // the same editor again is kept
    EXPECT_EQ(edit, list.GetCtrlInCol(1));
    rightClick(list, cellPoint(list, 1, 1));
    EXPECT_TRUE(edit->IsWindowVisible());

    auto* number = new CIntEditInExtListCtrl;
    ASSERT_TRUE(number->Create(WS_CHILD | ES_AUTOHSCROLL, CRect(0, 0, 10, 10), &list, 403));
    list.SetCtrlInCol(number, 1, useListFont); // the old one closes and goes
    EXPECT_EQ(number, list.GetCtrlInCol(1));
    EXPECT_TRUE(number->IsKindOf(RUNTIME_CLASS(CIntEdit)));
    rightClick(list, cellPoint(list, 0, 1));
    typeText(*number, L"x7");
    leftClick(list, cellPoint(list, 1, 0));
    EXPECT_EQ(L"a very much longer text7", list.GetItemText(0, 1).str());

    list.SetCtrlInCol(nullptr, 1, useListFont);
    EXPECT_EQ(nullptr, list.GetCtrlInCol(1));
    rightClick(list, cellPoint(list, 0, 1));
    EXPECT_EQ(CPoint(1, 0), list.GetPosCtrlToDisp());
}

// The page holding the list was switched away while an editor was open.
TEST_F(ExtListEditors, AnEditorOnAHiddenPageStillEndsAndCanBeReplaced)
{
    rightClick(list, cellPoint(list, 1, 1));
    edit->SetWindowText(L"56");
    host.ShowWindow(SW_HIDE);
    list.InsertItem(0, CString(L"first"), 1, 0); // ends the editing of beta's cell
    EXPECT_FALSE(edit->GetStyle() & WS_VISIBLE);
    EXPECT_EQ(L"56", list.GetItemText(2, 1).str());

    host.ShowWindow(SW_SHOW);
    rightClick(list, cellPoint(list, 2, 1));
    host.ShowWindow(SW_HIDE);
    auto* number = new CIntEditInExtListCtrl;
    ASSERT_TRUE(number->Create(WS_CHILD | ES_AUTOHSCROLL, CRect(0, 0, 10, 10), &list, 403));
    list.SetCtrlInCol(number, 1, useListFont); // the open editor goes
    list.DeleteItem(0);
    host.ShowWindow(SW_SHOW);
    EXPECT_EQ((std::vector<std::wstring>{L"a very much longer text", L"56"}), column(list, 1));
    rightClick(list, cellPoint(list, 1, 1));
    EXPECT_TRUE(number->IsWindowVisible());
}
