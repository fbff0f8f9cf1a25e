#include "MapAxes.h"

#include <CSettingsRecord.h>
#include <SettingsBlocks.h>

#include <gtest/gtest.h>

TEST(MapAxes, OperatingPointFallsIntoTheCellAfterThePointsBelowIt)
{
    CCorrMap map; // RPM 500 .. 7500, load 2 .. 20 ms
    int c, r;
    findAxisIndices(map, 2500, 3.4, c, r);
    EXPECT_EQ(5, c);
    EXPECT_EQ(2, r);
    findAxisIndices(map, 2500, 3.0, c, r); // on a point: the next cell
    EXPECT_EQ(2, r);
    findAxisIndices(map, 9000, 0.5, c, r);
    EXPECT_EQ(14, c);
    EXPECT_EQ(0, r);
    findAxisIndices(map, 0, 99, c, r);
    EXPECT_EQ(0, c);
    EXPECT_EQ(18, r);
}

TEST(MapAxes, HeaderEditsArePulledInsideTheirNeighboursAndRounded)
{
    CSettingsRecord record;
    record.m_advancedSetup.m_advancedFlags3 &= ~0x0400;
    double held = 0;
    ASSERT_TRUE(editRpmPoint(record.m_corrMap, 3, 2.5e3, held));
    EXPECT_EQ(2400, held);
    ASSERT_TRUE(editRpmPoint(record.m_corrMap, 3, 1760, held));
    EXPECT_EQ(1800, held);
    ASSERT_TRUE(editRpmPoint(record.m_corrMap, 0, 100, held)); // below 500
    EXPECT_EQ(500, held);
    ASSERT_TRUE(editLoadPoint(record, 5, 9, held));
    EXPECT_DOUBLE_EQ(7.8, held);
    ASSERT_TRUE(editLoadPoint(record, 5, 5.5, held)); // under row 4: pulled up
    EXPECT_DOUBLE_EQ(6.2, held);
    ASSERT_TRUE(editLoadPoint(record, 18, 70, held));
    EXPECT_DOUBLE_EQ(50, held);
}

TEST(MapAxes, EditsThatWouldBreakTheOrderAreRefused)
{
    CSettingsRecord record;
    record.m_advancedSetup.m_advancedFlags3 &= ~0x0400;
    double held = -1;
    record.m_corrMap.m_rowAxis[0] = 0.0;
    record.m_corrMap.m_rowAxis[1] = 0.2;
    EXPECT_FALSE(editLoadPoint(record, 0, -5, held)); // nothing below 0 fits between
    record.m_corrMap.m_colAxis[4] = 2100;             // 2000 and 2100: no room on the 100 grid
    EXPECT_FALSE(editRpmPoint(record.m_corrMap, 3, 2050, held));

    // Manifold pressure points 0.042 bar apart leave no 0.2 grid point between them.
    record.m_advancedSetup.m_advancedFlags3 |= 0x0400;
    record.m_corrMap.m_rowAxis = defaultLoadAxis(true);
    EXPECT_FALSE(editLoadPoint(record, 5, 0.5, held));
    EXPECT_EQ(-1, held);
}

TEST(MapAxes, MapCoordinatesSpreadTheAxesAsTheControllerHoldsThem)
{
    CSettingsRecord record;
    record.m_advancedSetup.m_advancedFlags3 &= ~0x0400;
    LoadAxis load = spreadLoadAxis(0, 50);
    EXPECT_DOUBLE_EQ(2.63, load[1]);
    EXPECT_DOUBLE_EQ(5.26, load[2]);
    EXPECT_DOUBLE_EQ(44.74, load[17]);
    EXPECT_DOUBLE_EQ(50, load[18]);
    record.m_corrMap.m_rowAxis = load;
    std::vector<uint8_t> bytes = encodeBlock34(record);
    const uint8_t sent[] = {0, 13, 26, 39, 53};
    for (int i = 0; i < 5; ++i)
        EXPECT_EQ(sent[i], bytes[i]) << i;
    EXPECT_EQ(224, bytes[17]);
    EXPECT_EQ(250, bytes[18]);
    ASSERT_TRUE(heldLoadAxis(record, load));
    const double held[] = {0, 2.6, 5.2, 7.8, 10.6};
    for (int i = 0; i < 5; ++i)
        EXPECT_DOUBLE_EQ(held[i], load[i]) << i;
    EXPECT_DOUBLE_EQ(44.8, load[17]);

    RpmAxis rpm = spreadRpmAxis(500, 8000);
    for (int i = 0; i < 14; ++i)
        EXPECT_EQ(500 + 500 * i, rpm[i]) << i;
    EXPECT_EQ(8000, rpm[14]);
    EXPECT_TRUE(heldRpmAxis(rpm));

    LoadAxis flat = spreadLoadAxis(5, 5);
    EXPECT_FALSE(heldLoadAxis(record, flat));
    LoadAxis tight = spreadLoadAxis(0, 1); // points 0.05 apart share bytes
    EXPECT_FALSE(heldLoadAxis(record, tight));
    LoadAxis tooFar = spreadLoadAxis(0, 60); // 300 does not fit a byte
    EXPECT_FALSE(heldLoadAxis(record, tooFar));
    RpmAxis crowded = spreadRpmAxis(500, 1500);
    EXPECT_FALSE(heldRpmAxis(crowded));
}

TEST(MapAxes, DefaultLoadAxesOfBothMapTypes)
{
    LoadAxis ms = defaultLoadAxis(false);
    EXPECT_EQ(2, ms[0]);
    EXPECT_EQ(20, ms[18]);
    LoadAxis bar = defaultLoadAxis(true);
    EXPECT_DOUBLE_EQ(0.2, bar[0]);
    EXPECT_DOUBLE_EQ(0.956, bar[18]);
}
