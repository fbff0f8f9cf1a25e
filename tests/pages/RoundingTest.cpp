#include "RoundFunctions.h"

#include <gtest/gtest.h>

TEST(Rounding, WholeNumbersRoundHalvesAwayFromZero)
{
    EXPECT_EQ(1.0, round0(0.5));
    EXPECT_EQ(-1.0, round0(-0.5));
    EXPECT_EQ(0.0, round0(-0.49));
    EXPECT_EQ(3.0, round0(2.5));
    EXPECT_EQ(-3.0, round0(-2.5));
    EXPECT_EQ(2.0, round0(2.49));
    EXPECT_EQ(0.0, round0(0.0));
    EXPECT_EQ(4e12, round0(4e12 + 0.4)); // beyond 32 bits, no wrap
}

TEST(Rounding, DecimalsAddTheHalfStepBeforeScaling)
{
    EXPECT_DOUBLE_EQ(1.3, round1(1.25));
    EXPECT_DOUBLE_EQ(-1.3, round1(-1.25));
    EXPECT_DOUBLE_EQ(-1.2, round1(-1.21));
    EXPECT_DOUBLE_EQ(0.3, round1(0.30000000000000004));
    EXPECT_DOUBLE_EQ(1.99, round2(1.994));
    EXPECT_DOUBLE_EQ(2.0, round2(1.995));
    EXPECT_DOUBLE_EQ(-2.0, round2(-1.995));
    EXPECT_DOUBLE_EQ(-1.235, round3(-1.2346));
    EXPECT_DOUBLE_EQ(-0.001, round3(-0.0005));
    EXPECT_DOUBLE_EQ(-1.234, round3(-1.2344));
    EXPECT_DOUBLE_EQ(0.001, round3(0.0005));
}

TEST(Rounding, SteppedValuesComeOutExact)
{
    // 0.0 to 5.1 in steps of 0.1, as a page builds its list.
    double v = 0.0;
    for (int i = 0; i <= 51; ++i, v += 0.1)
        EXPECT_EQ(i / 10.0, round1(v)) << i;
}
