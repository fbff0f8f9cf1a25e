#include <CSettingsRecord.h>

#include <gtest/gtest.h>

#include <array>

TEST(SettingsRecord, DefaultsAreThoseTheControllerAndPagesExpect)
{
    CSettingsRecord r;
    EXPECT_EQ(r.m_advancedSetup.m_advancedFlags, 0x88); // marks CNG
    EXPECT_EQ(r.m_advancedSetup.m_advancedFlags3, 0x0051);
    EXPECT_EQ(r.m_adv.m_injConfMap, (std::array<uint8_t, 8>{1, 2, 4, 8, 16, 32, 64, 128}));
    EXPECT_EQ(r.m_advancedSetup.m_injAdvanceOrder, (std::array<uint8_t, 8>{0, 1, 2, 3, 4, 5, 6, 7}));
    for (int i = 0; i < CCorrMap::kRows; ++i)
        EXPECT_DOUBLE_EQ(r.m_corrMap.m_rowAxis[i], 2.0 + i);
    for (int i = 0; i < CCorrMap::kCols; ++i)
        EXPECT_DOUBLE_EQ(r.m_corrMap.m_colAxis[i], 500.0 * (i + 1));
    EXPECT_EQ(r.m_corrMap.m_colAxis.back(), 7500.0);
    for (double c : r.m_mainCorr.m_mainCorr)
        EXPECT_EQ(c, 1.0);
    EXPECT_EQ(r.m_devInfo.m_deviceName, L"KESTRELWAVE");
    EXPECT_EQ(r.m_devInfo.m_injCount, 4);
    EXPECT_EQ(r.m_base.m_switchRPM, 1200.0);
    EXPECT_EQ(r.m_base.m_flags, 0x80);
    EXPECT_EQ(r.m_sensorsSetup.m_fuelQuarter, 238);
    EXPECT_EQ(r.m_sensorsSetup.m_temprEngineSensor, 2);
    EXPECT_EQ(r.m_obdSetup.ecu_id_req, 0x7DFu);
    EXPECT_EQ(r.m_obdSetup.ecu_id_resp, 0x7E0u);
    EXPECT_EQ(r.m_obdAdvSetup.rpm_for_corr, 500);
    EXPECT_EQ(r.m_obdAdvSetup.reserved, 0);
    EXPECT_EQ(r.m_autoMap.m_autoMapParam16, 1000.0);
    EXPECT_EQ(r.m_advancedSetup.m_circuitLimits, (std::array<double, 4>{6.5, 0.5, 3.0, 4.5}));
    // Never-read controller bytes stand for value 0, not -100.
    for (uint8_t b : r.m_keptBytes.m_sensorsCorr)
        EXPECT_EQ(b, 100);
    for (uint8_t b : r.m_keptBytes.m_block32)
        EXPECT_EQ(b, 100);
}

TEST(SettingsRecord, CopiesAreIndependent)
{
    CSettingsRecord a;
    a.m_carInfo.m_vendor = L"Vendor";
    CSettingsRecord b = a;
    b.m_carInfo.m_vendor += L" changed";
    b.m_corrMap.m_injMapTable[3][4] = 7;
    EXPECT_EQ(a.m_carInfo.m_vendor, L"Vendor");
    EXPECT_EQ(a.m_corrMap.m_injMapTable[3][4], 0.0);
}

TEST(SettingsRecord, FillCorrectionsTouchesOnlyTheCorrections)
{
    CSettingsRecord r;
    r.fillCorrections(0.9);
    for (double c : r.m_mainCorr.m_mainCorr)
        EXPECT_EQ(c, 0.9);
    CSettingsRecord fresh;
    EXPECT_EQ(r.m_setupTimes1, fresh.m_setupTimes1);
    EXPECT_EQ(r.m_base.m_switchRPM, fresh.m_base.m_switchRPM);
}

TEST(SettingsRecord, GroupCopiesTakeTheirGroupOnly)
{
    CSettingsRecord from;
    from.m_setupTimes1[12][2] = 5;
    from.m_setupTimes2[0][0] = -7;
    from.m_tableMask = 0x3C;
    from.m_mainCorr.m_mainCorr[7] = 1.25;
    from.m_base.m_switchRPM = 1500;
    from.m_corrMap.m_rowAxis[0] = 1.5;
    from.m_autoMap.m_autoMapMode = 2;
    from.m_keptBytes.m_block32[0] = 1;

    CSettingsRecord to;
    copySetupTimes(from, to);
    EXPECT_EQ(to.m_setupTimes1[12][2], 5);
    EXPECT_EQ(to.m_setupTimes2[0][0], -7);
    EXPECT_EQ(to.m_tableMask, 0x3C);
    EXPECT_EQ(to.m_mainCorr.m_mainCorr[7], 1.0);

    to.copyCorrections(from);
    EXPECT_EQ(to.m_mainCorr.m_mainCorr[7], 1.25);
    to.m_base.copy(from.m_base);
    to.m_corrMap.copy(from.m_corrMap);
    to.m_autoMap.copy(from.m_autoMap);
    EXPECT_EQ(to.m_base.m_switchRPM, 1500);
    EXPECT_EQ(to.m_corrMap.m_rowAxis[0], 1.5);
    EXPECT_EQ(to.m_autoMap.m_autoMapMode, 2);
    // Loading a file copies groups: the controller's own bytes stay.
    EXPECT_EQ(to.m_keptBytes.m_block32[0], 100);
}
