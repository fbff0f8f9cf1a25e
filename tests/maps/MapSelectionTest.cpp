#include "MapColors.h"
#include "MapSelection.h"

#include <gtest/gtest.h>

namespace {

const unsigned kLeft = 37, kUp = 38, kRight = 39, kDown = 40;

int countSelected(const MapSelection& s)
{
    int n = 0;
    for (int c = 0; c < MapSelection::kColumns; ++c)
        for (int r = 0; r < MapSelection::kRows; ++r)
            n += s.isSel(c, r);
    return n;
}

} // namespace

TEST(MapSelection, ArrowsMoveOneCellAndStopAtTheEdges)
{
    MapSelection s;
    EXPECT_FALSE(s.move(kRight)); // nothing selected
    s.setSel(0, 0, true);
    s.setSel(1, 0, true);
    ASSERT_TRUE(s.move(kLeft));
    EXPECT_EQ(1, countSelected(s));
    EXPECT_TRUE(s.isSel(0, 0));
    s.move(kDown);
    s.move(kRight);
    EXPECT_TRUE(s.isSel(1, 1));
    EXPECT_EQ(1, s.anchorColumn());
    EXPECT_EQ(1, s.anchorRow());
    for (int i = 0; i < 30; ++i)
        s.move(kDown);
    EXPECT_TRUE(s.isSel(1, 18));
}

TEST(MapSelection, ShiftArrowsGrowAwayFromTheAnchorAndShrinkBack)
{
    MapSelection s;
    s.setSel(3, 5, true);
    s.setAnchor(3, 5);
    s.extend(kRight);
    s.extend(kDown);
    s.extend(kDown);
    EXPECT_EQ(6, countSelected(s));
    EXPECT_TRUE(s.isSel(4, 7));
    s.extend(kLeft); // the anchor is on the left: the right column goes
    EXPECT_EQ(3, countSelected(s));
    s.extend(kLeft); // now the block grows to the left
    EXPECT_TRUE(s.isSel(2, 5));
    EXPECT_TRUE(s.isSel(2, 7));
    s.extend(kUp);
    s.extend(kUp);
    EXPECT_EQ(2, countSelected(s));
    s.extend(kUp);
    EXPECT_TRUE(s.isSel(2, 4));
    EXPECT_TRUE(s.isSel(3, 4));

    MapSelection edge;
    edge.setSel(0, 0, true);
    edge.setAnchor(0, 0);
    edge.extend(kLeft);
    edge.extend(kUp);
    EXPECT_EQ(1, countSelected(edge));
    MapSelection noAnchor;
    noAnchor.setSel(2, 2, true);
    EXPECT_FALSE(noAnchor.extend(kRight));
}

TEST(MapColors, ValuesAndTheOperatingPointTrail)
{
    EXPECT_EQ(RGB(255, 255, 255), valueColor(0));
    EXPECT_EQ(RGB(255, 205, 205), valueColor(10));
    EXPECT_EQ(RGB(255, 255, 205), valueColor(-10));
    EXPECT_EQ(RGB(255, 0, 0), valueColor(51));

    COLORREF c = RGB(255, 255, 255);
    for (int i = 0; i < 51; ++i)
        c = darkenTrail(c, 5.0);
    EXPECT_EQ(RGB(255, 255, 0), c); // blue gone: yellow
    c = darkenTrail(c, 5.0);
    EXPECT_EQ(RGB(255, 250, 0), c);
    for (int i = 0; i < 60; ++i)
        c = darkenTrail(c, 5.0);
    EXPECT_EQ(RGB(255, 0, 0), c);
}
