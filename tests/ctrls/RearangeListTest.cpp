#include "ExtListTestSupport.h"

#include <CExtListCtrlRearangeSort.h>
#include <CSortTypeDate.h>
#include <CSortTypeDouble.h>
#include <CSortTypeInt.h>
#include <CSortTypeString.h>

#include <gtest/gtest.h>

using namespace wfxtest;
using namespace prambletest;
using namespace extlisttest;

namespace {

// Values typed by column name, as a program's own list would.
class TypedList : public CExtListCtrlRearangeSort
{
public:
    CSortTypeAny* makeObject(std::wstring name) override
    {
        if (name == L"Count")
            return new CSortTypeInt;
        if (name == L"Price")
            return new CSortTypeDouble;
        if (name == L"Date")
            return new CSortTypeDate;
        if (name == L"Broken")
            return nullptr;
        return new CSortTypeString;
    }
};

struct Row
{
    const wchar_t* name;
    const wchar_t* count;
    const wchar_t* price;
    const wchar_t* date;
    unsigned state;
};

class RearangeList : public ::testing::Test
{
protected:
    void SetUp() override
    {
        ASSERT_TRUE(list.Create(WS_CHILD | WS_VISIBLE, CRect(0, 0, 480, 240), &host, kListId));
        list.SetExtendedStyle(LVS_EX_CHECKBOXES);
        images.Create(16, 16, ILC_COLOR32, 4, 0);
        list.SetImageList(&images, LVSIL_SMALL);
        list.InsertColumn(0, L"Name", LVCFMT_LEFT, 80);
        list.InsertColumn(1, L"Count", LVCFMT_LEFT, 100);
        list.InsertColumn(2, L"Price", LVCFMT_LEFT, 120);
        list.InsertColumn(3, L"Date", LVCFMT_LEFT, 90);
    }

    void fill(const std::vector<Row>& rows)
    {
        for (const Row& r : rows) {
            const int i = list.GetItemCount();
            list.InsertItem(LVIF_TEXT | LVIF_IMAGE | LVIF_PARAM, i, r.name, 0, 0, 10 + i, LPARAM(1000 + i));
            list.SetItemText(i, 1, r.count);
            list.SetItemText(i, 2, r.price);
            list.SetItemText(i, 3, r.date);
            list.setRowSortState(i, r.state);
            list.setBkColor(i, char(2 + i));
        }
    }

    // The name of each row, with "*" after a checked row and "!" after a
    // selected one.
    std::vector<std::wstring> rows()
    {
        std::vector<std::wstring> out;
        for (int i = 0; i < list.GetItemCount(); ++i) {
            std::wstring name = list.GetItemText(i, 0).str();
            if (list.GetCheck(i))
                name += L"*";
            if (list.GetItemState(i, LVIS_SELECTED))
                name += L"!";
            out.push_back(name);
        }
        return out;
    }

    int rowNamed(const std::wstring& name)
    {
        for (int i = 0; i < list.GetItemCount(); ++i)
            if (list.GetItemText(i, 0).str() == name)
                return i;
        return -1;
    }

    HostWindow host{500, 300};
    TypedList list;
    CImageList images;
};

const std::vector<Row> kRows = {
    {L"Oil", L"12", L"3.5", L"01/02/2010", 0},
    {L"Filter", L"3", L"10.25", L"15/01/2011", 0},
    {L"Gasket", L"1", L"0.5", L"31/12/2009", CSortRow::stateChild},
    {L"Total", L"0", L"", L"", CSortRow::stateKeptLast},
    {L"Belt", L"7", L"", L"", 0},
    {L"Plug", L"20", L"2", L"05/05/2010", 0},
};

} // namespace

TEST_F(RearangeList, SortsByTypedValuesCarryingEverythingOfARow)
{
    fill(kRows);
    list.SetCheck(rowNamed(L"Plug"));
    list.SetItemState(rowNamed(L"Filter"), LVIS_SELECTED, LVIS_SELECTED);
    CSortRow::setSortKey(0, true);

    clickHeader(*list.getHeaderCtrl(), 1); // Count, ascending
    EXPECT_EQ((std::vector<std::wstring>{L"Filter!", L"Gasket", L"Belt", L"Oil", L"Plug*", L"Total"}),
              rows());
    const int plug = rowNamed(L"Plug");
    EXPECT_EQ(DWORD_PTR(1005), list.GetItemData(plug));
    LVITEMW item{};
    item.mask = LVIF_IMAGE;
    item.iItem = plug;
    list.GetItem(&item);
    EXPECT_EQ(15, item.iImage);
    EXPECT_EQ(char(7), list.GetItemBkColorId(plug));
    EXPECT_EQ(L"20", list.GetItemText(plug, 1).str());
    EXPECT_EQ(L"05/05/2010", list.GetItemText(plug, 3).str());
    EXPECT_EQ(CSortRow::stateChild, list.getRowSortState(rowNamed(L"Gasket")));
    EXPECT_EQ(CSortRow::stateKeptLast, list.getRowSortState(rowNamed(L"Total")));

    clickHeader(*list.getHeaderCtrl(), 1); // again: descending
    EXPECT_EQ((std::vector<std::wstring>{L"Plug*", L"Oil", L"Belt", L"Filter!", L"Gasket", L"Total"}),
              rows());
    EXPECT_EQ(DWORD_PTR(1005), list.GetItemData(0));
}

TEST_F(RearangeList, SortsDatesAndNumbersNotTexts)
{
    fill(kRows);
    clickHeader(*list.getHeaderCtrl(), 3);
    EXPECT_EQ((std::vector<std::wstring>{L"Belt", L"Oil", L"Plug", L"Filter", L"Gasket", L"Total"}), rows());
    clickHeader(*list.getHeaderCtrl(), 2);
    EXPECT_EQ((std::vector<std::wstring>{L"Belt", L"Plug", L"Oil", L"Filter", L"Gasket", L"Total"}), rows());
    // Price is a double: the empty price of Belt sorts as 0, 2 before 3.5 before 10.25.
    EXPECT_EQ(L"", list.GetItemText(0, 2).str());
    EXPECT_EQ(L"10.25", list.GetItemText(3, 2).str());
}

TEST_F(RearangeList, AColumnWithoutAValueTypeLeavesTheListAlone)
{
    fill(kRows);
    list.InsertColumn(4, L"Broken", LVCFMT_LEFT, 50);
    const auto before = rows();
    clickHeader(*list.getHeaderCtrl(), 0);
    EXPECT_EQ(before, rows());
    list.setSortOff();
    list.DeleteColumn(4);
    clickHeader(*list.getHeaderCtrl(), 0);
    EXPECT_EQ(before, rows());
}

TEST_F(RearangeList, RowStatesFollowInsertsAndDeletes)
{
    fill(kRows);
    EXPECT_EQ(-1, list.InsertItem(-3, L"nowhere"));
    EXPECT_EQ(CSortRow::stateChild, list.getRowSortState(2));
    EXPECT_EQ(6, list.InsertItem(99, L"end")); // appended: its state at its own index
    EXPECT_EQ(0u, list.getRowSortState(6));
    EXPECT_EQ(0, list.InsertItem(0, L"first"));
    EXPECT_EQ(CSortRow::stateChild, list.getRowSortState(3));
    EXPECT_TRUE(list.DeleteItem(0));
    EXPECT_FALSE(list.DeleteItem(40));
    EXPECT_EQ(CSortRow::stateKeptLast, list.getRowSortState(3));
    list.setRowSortState(3, CSortRow::stateChild);
    EXPECT_EQ(CSortRow::stateChild | CSortRow::stateKeptLast, list.getRowSortState(3));
    list.DeleteAllItems();
    EXPECT_EQ(0u, list.getRowSortState(3));
}

TEST_F(RearangeList, ColumnsByNameHideAndShow)
{
    EXPECT_EQ(2, list.findColumn(std::wstring(L"Price")));
    EXPECT_EQ(-1, list.findColumn(std::wstring(L"price")));
    EXPECT_EQ(L"Date", list.findColumn(3));
    EXPECT_EQ(L"", list.findColumn(9));
    const std::wstring longName(300, L'n');
    list.InsertColumn(4, longName.c_str(), LVCFMT_LEFT, 40);
    EXPECT_EQ(longName, list.findColumn(4));
    EXPECT_EQ(4, list.findColumn(longName));

    list.hideCol(L"Price");
    EXPECT_EQ(0, list.getColWidth(L"Price"));
    list.hideCol(L"Price"); // already hidden: the width stays remembered
    list.showCol(L"Price");
    EXPECT_EQ(120, list.getColWidth(L"Price"));
    list.SetColumnWidth(1, 0);
    list.showCol(L"Count");
    EXPECT_EQ(100, list.getColWidth(L"Count"));
    EXPECT_EQ(-1, list.getColWidth(L"Nothing"));
    list.setColWidth(L"Nothing", 50);
    list.showCol(L"Nothing");
    EXPECT_EQ(5, list.getHeaderCtrl()->GetItemCount());
}

namespace {

// Drags a header item from the middle of one column to x.
void dragHeader(CHeaderCtrl& header, int fromCol, int toX, bool release = true)
{
    CRect item;
    header.GetItemRect(fromCol, &item);
    const CPoint start = item.CenterPoint();
    header.SendMessage(WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(start.x, start.y));
    header.SendMessage(WM_MOUSEMOVE, MK_LBUTTON, MAKELPARAM(start.x + 2, start.y));
    header.SendMessage(WM_MOUSEMOVE, MK_LBUTTON, MAKELPARAM(toX, start.y));
    if (release)
        header.SendMessage(WM_LBUTTONUP, 0, MAKELPARAM(toX, start.y));
}

std::vector<std::wstring> headers(CExtListCtrlRearange& list)
{
    std::vector<std::wstring> names;
    for (int i = 0; i < list.getHeaderCtrl()->GetItemCount(); ++i)
        names.push_back(list.findColumn(i) + L"/" + std::to_wstring(list.GetColumnWidth(i)));
    return names;
}

} // namespace

TEST_F(RearangeList, DraggingAHeaderMovesTheColumnWithItsTextsAndWidth)
{
    fill(kRows);
    list.setSortOff();
    dragHeader(*list.getHeaderCtrl(), 0, 200); // onto column 2 (Price)
    EXPECT_EQ((std::vector<std::wstring>{L"Count/100", L"Name/80", L"Price/120", L"Date/90"}), headers(list));
    EXPECT_EQ((std::vector<std::wstring>{L"12", L"3", L"1", L"0", L"7", L"20"}), column(list, 0));
    EXPECT_EQ((std::vector<std::wstring>{L"Oil", L"Filter", L"Gasket", L"Total", L"Belt", L"Plug"}),
              column(list, 1));

    dragHeader(*list.getHeaderCtrl(), 3, 440); // beyond the last column: to the end stays
    dragHeader(*list.getHeaderCtrl(), 3, 320); // onto itself
    dragHeader(*list.getHeaderCtrl(), 1, 200); // onto the next column
    EXPECT_EQ((std::vector<std::wstring>{L"Count/100", L"Name/80", L"Price/120", L"Date/90"}), headers(list));

    dragHeader(*list.getHeaderCtrl(), 3, 10); // Date to the front
    EXPECT_EQ((std::vector<std::wstring>{L"Date/90", L"Count/100", L"Name/80", L"Price/120"}), headers(list));
    EXPECT_EQ(L"01/02/2010", list.GetItemText(0, 0).str());
    EXPECT_EQ(L"12", list.GetItemText(0, 1).str());
    EXPECT_EQ(L"Oil", list.GetItemText(0, 2).str());
}

TEST_F(RearangeList, LosingTheMouseEndsTheDragWithoutADrop)
{
    list.setSortOff();
    CRearangeHeaderCtrl& header = *list.getHeaderCtrl();
    dragHeader(header, 0, 200, false);
    EXPECT_TRUE(header.isDragging());
    host.SetCapture();
    EXPECT_FALSE(header.isDragging());
    header.SendMessage(WM_LBUTTONUP, 0, MAKELPARAM(200, 5));
    ::ReleaseCapture();
    EXPECT_EQ(L"Name", list.findColumn(0));
}
