#include <CSortRow.h>
#include <CSortTypeDate.h>
#include <CSortTypeDouble.h>
#include <CSortTypeInt.h>
#include <CSortTypeString.h>

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <random>

namespace {

template <class T> T valueOf(const std::wstring& text)
{
    T value;
    value.setStrValue(text);
    return value;
}

template <class T> bool less(const std::wstring& a, const std::wstring& b)
{
    T x = valueOf<T>(a);
    T y = valueOf<T>(b);
    return x < y;
}

// A row of one value in column 0 with a state.
CSortRow rowOf(CSortTypeAny* value, unsigned state = 0)
{
    CSortRow row;
    row.addValue(value);
    row.setState(state);
    return row;
}

CSortRow intRow(int n, unsigned state = 0)
{
    auto* value = new CSortTypeInt;
    value->setValue(&n);
    return rowOf(value, state);
}

} // namespace

TEST(SortValue, EachTypeOrdersItsOwnValuesOnly)
{
    CSortTypeInt number = valueOf<CSortTypeInt>(L"5");
    CSortTypeString text = valueOf<CSortTypeString>(L"5");
    EXPECT_FALSE(number < text);
    EXPECT_FALSE(text < number);

    EXPECT_TRUE(less<CSortTypeString>(L"Abc", L"abc"));
    EXPECT_FALSE(less<CSortTypeString>(L"b", L"a"));
    EXPECT_TRUE(less<CSortTypeInt>(L"-3", L"2"));
    EXPECT_TRUE(less<CSortTypeInt>(L"9", L"10")); // numbers, not texts
    EXPECT_EQ(L"12", valueOf<CSortTypeInt>(L"12abc").getStrValue());
    EXPECT_EQ(L"", valueOf<CSortTypeInt>(L"").getStrValue());
    EXPECT_TRUE(less<CSortTypeInt>(L"", L"1"));
    EXPECT_TRUE(less<CSortTypeInt>(L"-1", L""));
    EXPECT_TRUE(less<CSortTypeDouble>(L"2.5", L"10"));
    EXPECT_EQ(L"2.5", valueOf<CSortTypeDouble>(L"2.5").getStrValue());
    EXPECT_EQ(L"", valueOf<CSortTypeDouble>(L"").getStrValue());
}

TEST(SortValue, DatesOrderByYearMonthDay)
{
    EXPECT_TRUE(less<CSortTypeDate>(L"01/02/2010", L"15/01/2011"));
    EXPECT_FALSE(less<CSortTypeDate>(L"15/01/2011", L"01/02/2010"));
    EXPECT_FALSE(less<CSortTypeDate>(L"31/12/2010", L"01/01/2010"));
    EXPECT_TRUE(less<CSortTypeDate>(L"30/11/2010", L"01/12/2010"));
    EXPECT_FALSE(less<CSortTypeDate>(L"05/05/2010", L"05/05/2010"));
    // An empty date goes first rather than equalling every date.
    EXPECT_TRUE(less<CSortTypeDate>(L"", L"01/01/1990"));
    EXPECT_FALSE(less<CSortTypeDate>(L"01/01/1990", L""));
    EXPECT_FALSE(less<CSortTypeDate>(L"", L""));
}

TEST(SortValue, NotANumberSortsFirst)
{
    CSortTypeDouble nan;
    double value = std::nan("");
    nan.setValue(&value);
    CSortTypeDouble one = valueOf<CSortTypeDouble>(L"1");
    EXPECT_TRUE(nan < one);
    EXPECT_FALSE(one < nan);
    EXPECT_FALSE(nan < nan);
}

TEST(SortRow, CopiesOwnTheirOwnValuesAndChildren)
{
    auto original = std::make_unique<CSortRow>(intRow(7, CSortRow::stateKeptLast));
    original->setBkColorId(200);
    original->addChild(new CSortRow(intRow(8, CSortRow::stateChild)));
    CSortRow copy(*original);
    CSortRow assigned;
    assigned = *original;
    original.reset();
    for (const CSortRow* row : {&copy, &assigned}) {
        EXPECT_EQ(L"7", row->getValue(0)->getStrValue());
        EXPECT_EQ(nullptr, row->getValue(1));
        EXPECT_EQ(200, row->getBkColorId());
        EXPECT_EQ(CSortRow::stateKeptLast, row->getState());
        ASSERT_NE(nullptr, row->getChild(0));
        EXPECT_EQ(L"8", row->getChild(0)->getValue(0)->getStrValue());
        EXPECT_EQ(nullptr, row->getChild(1));
    }
}

TEST(SortRow, KeptLastRowsStayLastInBothDirections)
{
    CSortRow::setSortKey(0, true);
    EXPECT_TRUE(intRow(9) < intRow(1, CSortRow::stateKeptLast));
    EXPECT_FALSE(intRow(1, CSortRow::stateKeptLast) < intRow(9));
    EXPECT_FALSE(intRow(1, CSortRow::stateKeptLast) < intRow(2, CSortRow::stateKeptLast));
    CSortRow::setSortKey(0, false); // the list reverses an ascending sort
    EXPECT_TRUE(intRow(1, CSortRow::stateKeptLast) < intRow(9));
    EXPECT_FALSE(intRow(9) < intRow(1, CSortRow::stateKeptLast));
}

// Rows without the sort column, empty and NaN values: the ordering must
// stay strict and weak, or sorting runs off the ends of the rows.
TEST(SortRow, IsAStrictWeakOrderingForAnySort)
{
    std::mt19937 random(22);
    std::vector<CSortRow> rows;
    for (int i = 0; i < 400; ++i) {
        CSortRow row;
        const int kind = int(random() % 5);
        if (kind != 0) {
            auto* value = new CSortTypeDouble;
            value->setStrValue(kind == 1 ? L"" : std::to_wstring(int(random() % 50)));
            if (kind == 2) {
                double nan = std::nan("");
                value->setValue(&nan);
            }
            row.addValue(value);
        }
        row.setState(random() % 7 == 0 ? unsigned(CSortRow::stateKeptLast) : 0u);
        rows.push_back(row);
    }
    CSortRow::setSortKey(0, true);
    for (const CSortRow& row : rows)
        ASSERT_FALSE(row < row);
    std::sort(rows.begin(), rows.end());
    EXPECT_TRUE(std::is_sorted(rows.begin(), rows.end()));
    for (size_t i = 1; i < rows.size(); ++i)
        EXPECT_FALSE(rows[i] < rows[i - 1]);
    EXPECT_EQ(CSortRow::stateKeptLast, rows.back().getState());
}
