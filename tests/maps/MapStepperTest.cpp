#include "MapStepper.h"

#include <gtest/gtest.h>

#include <vector>

namespace {

using Record = std::array<uint8_t, 6>;

MapSelection block(int c0, int r0, int c1, int r1)
{
    MapSelection s;
    for (int c = c0; c <= c1; ++c)
        for (int r = r0; r <= r1; ++r)
            s.setSel(c, r, true);
    return s;
}

int regionSize(const MapStep& step)
{
    int n = 0;
    for (int c = 0; c < MapSelection::kColumns; ++c)
        for (int r = 0; r < MapSelection::kRows; ++r)
            n += step.region.isSel(c, r);
    return n;
}

} // namespace

TEST(MapStepper, RepeatedPressesWithNeighboursWidenAndNarrowTheRings)
{
    MapStepper stepper;
    stepper.m_neighbours = true;
    MapSelection sel = block(3, 5, 4, 6);
    const std::vector<Record> expected = {
        {5, 3, 2, 2, 2, 1}, {4, 2, 4, 4, 2, 1}, {3, 1, 6, 6, 2, 1}, {4, 2, 4, 4, 2, 1}, {5, 3, 2, 2, 2, 1}};
    const int sizes[] = {4, 16, 36, 16, 4};
    MapStep step;
    for (size_t i = 0; i < expected.size(); ++i) {
        ASSERT_TRUE(stepper.press(sel, +1, step));
        EXPECT_EQ(expected[i], step.record) << i;
        EXPECT_EQ(sizes[i], regionSize(step)) << i;
    }
    ASSERT_TRUE(stepper.press(sel, -5, step)); // a new direction starts over
    EXPECT_EQ((Record{5, 3, 2, 2, 3, 5}), step.record);
    EXPECT_EQ(1, stepper.m_repeatCount);
}

TEST(MapStepper, RingsStopAtTheGridEdges)
{
    MapStepper stepper;
    stepper.m_neighbours = true;
    MapSelection corner = block(0, 0, 1, 1);
    MapStep step;
    stepper.press(corner, 2, step);
    stepper.press(corner, 2, step);
    EXPECT_EQ((Record{0, 0, 3, 3, 2, 2}), step.record);
    stepper.press(corner, 2, step);
    EXPECT_EQ((Record{0, 0, 4, 4, 2, 2}), step.record);
    EXPECT_EQ(16, regionSize(step));

    MapStepper far;
    far.m_neighbours = true;
    MapSelection last = block(14, 18, 14, 18);
    far.press(last, -1, step);
    far.press(last, -1, step);
    EXPECT_EQ((Record{17, 13, 2, 2, 3, 1}), step.record);
    EXPECT_EQ(4, regionSize(step));
}

TEST(MapStepper, WithoutNeighboursOnlyTheSelectionAndNothingWithoutOne)
{
    MapStepper stepper;
    MapSelection sel = block(7, 2, 7, 4);
    MapStep step;
    for (int i = 0; i < 3; ++i) {
        ASSERT_TRUE(stepper.press(sel, 5, step));
        EXPECT_EQ((Record{2, 7, 3, 1, 2, 5}), step.record);
    }
    MapStepper idle;
    EXPECT_FALSE(idle.press(MapSelection(), 1, step));
    EXPECT_EQ(0, idle.m_repeatCount);

    EXPECT_EQ(50, MapStepper::stepped(50, 5));
    EXPECT_EQ(-50, MapStepper::stepped(-48, -5));
    EXPECT_EQ(3, MapStepper::stepped(1, 2));
}
