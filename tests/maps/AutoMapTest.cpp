#include <AutoMapMath.h>

#include <gtest/gtest.h>

namespace {
void fill(LoadPointSamples& point, double time)
{
    for (int n = 0; n < 11; ++n)
        point.add(time);
}

TEST(AutoMap, FilterTableClearsCellsThatDoNotRiseLikeTheOthers)
{
    PointTable table;
    uint32_t sums[] = {5000, 5200, 5400, 5600, 6400, 6600};
    for (int i = 0; i < 6; ++i) {
        table.sum[i] = sums[i];
        table.count[i] = 10;
    }
    table.sum[8] = 9000; // above an empty cell
    table.count[8] = 10;
    filterTable(table);
    // Steps 20, 20, 20, 80, 20: median 20, kept from 10 to 30.
    for (int i : {0, 1, 2, 3, 5})
        EXPECT_EQ(sums[i], table.sum[i]) << i;
    EXPECT_EQ(0u, table.sum[4]);
    EXPECT_EQ(0u, table.count[4]);
    for (int i = 6; i <= 30; ++i)
        EXPECT_EQ(0u, table.sum[i]) << i;
}

TEST(AutoMap, TableCellsBecomeLoadPointsOfElevenSamples)
{
    unsigned char bytes[PointTable::kSize] = {};
    bytes[4 * 2] = 0xA8; // cell 2: 25000 x 4 us over 10 injections = 10.0 ms
    bytes[4 * 2 + 1] = 0x61;
    bytes[124 + 2 * 2] = 10;
    bytes[186] = 0x30; // counter 30000
    bytes[187] = 0x75;
    PointTable table;
    EXPECT_FALSE(table.decode(bytes, PointTable::kSize - 1));
    ASSERT_TRUE(table.decode(bytes, PointTable::kSize));
    EXPECT_EQ(1000, collectionProgress(table.progress));

    int k = 0;
    ASSERT_TRUE(cellLoadPoint(2, 0, k)); // raw 77: 101 - 65.5 kPa
    EXPECT_EQ(18, k);
    ASSERT_TRUE(cellLoadPoint(24, 0, k)); // raw 11
    EXPECT_EQ(50, k);
    EXPECT_FALSE(cellLoadPoint(25, 0, k));
    ASSERT_TRUE(cellLoadPoint(2, 0x40, k)); // doubled pressure scale
    EXPECT_EQ(36, k);

    LoadPoints points;
    addTablePoints(table, 0, points);
    EXPECT_EQ(11, points[18].count);
    EXPECT_DOUBLE_EQ(10.0, points[18].mean);
    EXPECT_EQ(0, points[17].count);
}

TEST(AutoMap, CountCorrectionFillsTheEndsAndSmooths)
{
    LoadPoints petrol, gas;
    fill(petrol[10], 3.20);
    fill(gas[10], 3.52); // 8.0 % in row 4
    fill(petrol[30], 10.0);
    fill(gas[30], 12.0);   // 16.0 % in row 18
    fill(petrol[40], 5.0); // no gas mean: no value
    CurveValues s = countCorrection(petrol, gas);
    EXPECT_EQ(0, s[0]);
    EXPECT_NEAR(8.0 * 4 / 5 / 2, s[1], 1e-9); // row 0 is 0, rows 1 to 3 took row 4's value
    EXPECT_NEAR(8.0 * 3 / 5, s[4], 1e-9);     // rows 5 to 17 stay 0 inside
    EXPECT_NEAR(0, s[10], 1e-9);
    EXPECT_NEAR(16.0, s[30], 1e-9);
    EXPECT_NEAR(16.0, s[38], 1e-9);

    LoadPoints single;
    fill(single[30], 12.0);
    CurveValues one = countCorrection(petrol, single);
    EXPECT_NEAR(0.4 * 16, one[1], 1e-9);
    EXPECT_NEAR(0.8 * 16, one[2], 1e-9);
    EXPECT_NEAR(16, one[20], 1e-9);
    EXPECT_NEAR(16, one[37], 1e-9);
    LoadPoints none;
    CurveValues zero = countCorrection(petrol, none);
    for (double v : zero)
        EXPECT_EQ(0, v);
}

TEST(AutoMap, LockedRowsKeepTheirValues)
{
    CurveValues correction;
    correction.fill(10.4);
    CurveValues a{};
    a[38] = 45;
    addCorrection(a, correction, false, 1);
    EXPECT_EQ(10, a[0]);
    EXPECT_EQ(50, a[38]); // limited

    CurveValues locked{};
    for (int r = 0; r < 6; ++r)
        locked[r] = r;
    addCorrection(locked, correction, true, 6);
    EXPECT_EQ(5, locked[5]);
    EXPECT_EQ((5 + 10) / 2.0, locked[6]);
    EXPECT_EQ(10, locked[7]);
    addCorrection(locked, correction, true, 38); // the last row has one neighbour
    EXPECT_EQ(10, locked[37]);
    EXPECT_EQ(10, locked[38]);

    CurveValues curve{};
    for (int r = 0; r < 39; ++r)
        curve[r] = r < 6 ? r * 3 : 30;
    smoothCurve(curve, true, 6);
    EXPECT_EQ(0, curve[0]);
    EXPECT_EQ(3, curve[1]); // mean of rows 0 and 2
    EXPECT_EQ(15, curve[5]);
    EXPECT_EQ(23, curve[6]); // (12 + 15 + 30 + 30 + 30) / 5
    EXPECT_EQ(30, curve[38]);
}

TEST(AutoMap, LockRowFromTheFlagsAndTheLockTime)
{
    EXPECT_EQ(6, lockRowIndex(0x0000, 3.2));
    EXPECT_EQ(2, lockRowIndex(0x0080, 0.8));
    EXPECT_EQ(6, lockRowIndex(0x0080, 3.2));
    EXPECT_EQ(38, lockRowIndex(0x0080, 25));
    EXPECT_EQ(3, lockRowIndex(0x1080, 3.2));
    EXPECT_EQ(3, lockRowIndex(0x1000, 3.2));
    EXPECT_EQ(1, lockRowIndex(0x1080, 0.3));
    // The same answer however often it is asked.
    EXPECT_EQ(lockRowIndex(0x0080, 3.2), lockRowIndex(0x0080, 3.2));
}
} // namespace
