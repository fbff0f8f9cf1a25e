#include "PrambleTestSupport.h"

#include <Pramble.h>

#include <gtest/gtest.h>

using namespace wfxtest;
using namespace prambletest;

namespace {

// Two columns of 100 pixels in a header 20 pixels high.
class SortHeader : public ::testing::Test
{
protected:
    void SetUp() override
    {
        ASSERT_TRUE(header.Create(WS_CHILD | WS_VISIBLE | HDS_HORZ, CRect(0, 0, 300, 20), &host, 50));
        for (int i = 0; i < 2; ++i) {
            wchar_t text[] = L"Col";
            HDITEMW item{};
            item.mask = HDI_TEXT | HDI_WIDTH | HDI_FORMAT;
            item.cxy = 100;
            item.fmt = HDF_LEFT | HDF_STRING;
            item.pszText = text;
            header.InsertItem(i, &item);
        }
    }

    int format(int column)
    {
        HDITEMW item{};
        item.mask = HDI_FORMAT;
        header.GetItem(column, &item);
        return item.fmt;
    }

    HostWindow host;
    CSortHeaderCtrl header;
};

// Pixels that are not the button face in each row of the arrow's area at
// the right of column 1 (right edge 200, quarter height 5).
std::vector<int> arrowRows(const Rendering& image)
{
    const COLORREF face = GetSysColor(COLOR_BTNFACE);
    std::vector<int> rows;
    for (int y = 0; y < 20; ++y)
        rows.push_back(20 - image.count(180, y, 200, y + 1, face));
    return rows;
}

// The arrow keeps a quarter of the height clear above and below it.
void expectClearMargins(const std::vector<int>& rows)
{
    for (int y : {0, 1, 2, 3, 4, 16, 17, 18, 19})
        EXPECT_EQ(0, rows[size_t(y)]) << "row " << y;
}

} // namespace

TEST_F(SortHeader, MarksTheSortedColumnOwnerDrawn)
{
    EXPECT_TRUE(header.IsKindOf(RUNTIME_CLASS(CHeaderCtrl)));
    header.SetSortArrow(1, TRUE);
    EXPECT_TRUE(format(1) & HDF_OWNERDRAW);
    EXPECT_FALSE(format(0) & HDF_OWNERDRAW);
    header.SetSortArrow(0, FALSE);
    EXPECT_TRUE(format(0) & HDF_OWNERDRAW);
    EXPECT_TRUE(format(1) & HDF_OWNERDRAW); // stays owner-drawn
}

TEST_F(SortHeader, ColumnItDoesNotHaveChangesNoItem)
{
    header.SetSortArrow(1, TRUE);
    Rendering before(header);
    header.SetSortArrow(7, TRUE);
    header.SetSortArrow(-1, TRUE);
    EXPECT_FALSE(format(0) & HDF_OWNERDRAW);
    EXPECT_TRUE(format(1) & HDF_OWNERDRAW);
    Rendering after(header);
    EXPECT_EQ(std::vector<int>(20, 0), arrowRows(after)); // no column is sorted any more
    EXPECT_NE(arrowRows(before), arrowRows(after));
}

TEST_F(SortHeader, AscendingArrowPointsUp)
{
    header.SetSortArrow(1, TRUE);
    Rendering image(header);
    std::vector<int> rows = arrowRows(image);
    expectClearMargins(rows);
    EXPECT_LE(rows[5], 3);  // the apex
    EXPECT_GE(rows[14], 9); // the base
    EXPECT_GT(image.count(180, 0, 200, 20, GetSysColor(COLOR_BTNHIGHLIGHT)), 10);
    EXPECT_GT(image.count(180, 0, 200, 20, GetSysColor(COLOR_BTNSHADOW)), 5);
}

TEST_F(SortHeader, DescendingArrowPointsDown)
{
    header.SetSortArrow(1, FALSE);
    Rendering image(header);
    std::vector<int> rows = arrowRows(image);
    expectClearMargins(rows);
    EXPECT_GE(rows[5], 9);  // the base
    EXPECT_LE(rows[14], 3); // towards the apex
    EXPECT_GT(image.count(180, 0, 200, 20, GetSysColor(COLOR_BTNHIGHLIGHT)), 5);
    EXPECT_GT(image.count(180, 0, 200, 20, GetSysColor(COLOR_BTNSHADOW)), 10);
}

TEST_F(SortHeader, TextStaysLeftOfTheArrow)
{
    header.SetSortArrow(1, TRUE);
    Rendering image(header);
    const COLORREF face = GetSysColor(COLOR_BTNFACE);
    const int textPixels = 20 * 80 - image.count(105, 0, 185, 20, face);
    EXPECT_GT(textPixels, 5); // "Col" drawn from 105 on
    EXPECT_EQ(20 * 5, image.count(100, 0, 105, 20, face));
}
