#include "CMapFromOBD.h"

#include <gtest/gtest.h>

TEST(MapFromObd, SamplesGoToTheirCellsAsRoundedMeans)
{
    CCorrMap map;
    CMapFromOBD obd;
    obd.addSample(map, 2500, 3.4, 3, 2, 0, 0); // bank 1 only: 5
    obd.addSample(map, 2500, 3.4, 3, 2, 1, 0); // both banks: 3
    EXPECT_EQ(2u, obd.sampleCount(2, 5));
    EXPECT_EQ(4, obd.result(2, 5));
    obd.addSample(map, 2500, 3.4, 0, 7, 0, 0); // no short-term trim: dropped
    obd.addSample(map, 2500, 0, 3, 7, 0, 0);   // no load: dropped
    EXPECT_EQ(2u, obd.sampleCount(2, 5));

    EXPECT_EQ(3, CMapFromOBD::roundedMean({2.5}));
    EXPECT_EQ(-3, CMapFromOBD::roundedMean({-2.5}));
    EXPECT_EQ(-2, CMapFromOBD::roundedMean({-2, -2.4}));
    obd.clear();
    EXPECT_EQ(0u, obd.sampleCount(2, 5));
    EXPECT_EQ(0, obd.result(2, 5));
}

TEST(MapFromObd, SmoothingAveragesTheNeighboursInsideTheGrid)
{
    CCorrMap map;
    CMapFromOBD obd;
    obd.addSample(map, 0, 0.5, 8, 0, 0, 0); // corner cell: 8
    obd.calculate();
    EXPECT_DOUBLE_EQ(2.0, obd.result(0, 0));
    EXPECT_NEAR(1.333, obd.result(1, 0), 0.001);
    EXPECT_NEAR(0.889, obd.result(1, 1), 0.001);
    EXPECT_EQ(0, obd.result(2, 2));

    obd.clear();
    obd.addSample(map, 3200, 7.5, 9, 0, 0, 0); // column 6, row 6: far from the edges
    obd.calculate();
    map.m_injMapTable[6][6] = 50;
    map.m_injMapTable[0][0] = -3;
    CCorrMap out = obd.corrected(map);
    int changed = 0;
    for (int l = 0; l < CCorrMap::kRows; ++l)
        for (int r = 0; r < CCorrMap::kCols; ++r)
            changed += out.m_injMapTable[l][r] != map.m_injMapTable[l][r];
    EXPECT_EQ(8, changed); // the 9 cells gain 1, the full one stays at 50
    EXPECT_EQ(50, out.m_injMapTable[6][6]);
    EXPECT_EQ(1, out.m_injMapTable[5][7]);
    EXPECT_EQ(-3, out.m_injMapTable[0][0]);
}
