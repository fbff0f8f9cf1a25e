#include <CSettingsRecord.h>
#include <Conversions.h>
#include <SettingsBlocks.h>

#include "RecordImage.h"

#include <gtest/gtest.h>

#include <limits>
#include <vector>

using Bytes = std::vector<uint8_t>;

namespace {

const double kNaN = std::numeric_limits<double>::quiet_NaN();
const double kInf = std::numeric_limits<double>::infinity();

template <class Decode, class Target> void decodeInto(Decode decode, const Bytes& bytes, Target& target)
{
    ASSERT_TRUE(decode(bytes.data(), bytes.size(), target));
}

CBaseSettings sampleBase()
{
    CBaseSettings b;
    b.m_switchRPM = 1500;
    b.m_switchMinGasTime = 1.5;
    b.m_sparkDivider = 2;
    b.m_switchPressure = 80;
    b.m_switchTempr = 45;
    b.m_switchDelay = 7;
    b.m_maxRPMHigh = 6000;
    b.m_maxRPMLow = 5500;
    b.m_flags = 0x5A;
    b.m_pressureRef = 100;
    b.m_pressureGain = -1.2;
    b.m_pressAverageCount = 1.4;
    b.m_temprRef = 30;
    b.m_temprGain = 0.5;
    b.m_temprBottom = 8;
    b.m_temprUpper = 68;
    b.m_emulatorDelay = 1.5;
    b.m_rpmSignalLevel = 3.5;
    b.m_minVCC = 11.5;
    b.m_extraValue = 2.5;
    return b;
}

void expectSameBase(const CBaseSettings& a, const CBaseSettings& b)
{
    const double CBaseSettings::*fields[] = {
        &CBaseSettings::m_switchRPM,      &CBaseSettings::m_switchMinGasTime,
        &CBaseSettings::m_switchPressure, &CBaseSettings::m_switchTempr,
        &CBaseSettings::m_switchDelay,    &CBaseSettings::m_maxRPMHigh,
        &CBaseSettings::m_maxRPMLow,      &CBaseSettings::m_pressureRef,
        &CBaseSettings::m_pressureGain,   &CBaseSettings::m_pressAverageCount,
        &CBaseSettings::m_temprRef,       &CBaseSettings::m_temprGain,
        &CBaseSettings::m_temprBottom,    &CBaseSettings::m_temprUpper,
        &CBaseSettings::m_emulatorDelay,  &CBaseSettings::m_rpmSignalLevel,
        &CBaseSettings::m_minVCC,         &CBaseSettings::m_extraValue};
    for (auto f : fields)
        EXPECT_NEAR(a.*f, b.*f, 1e-9);
    EXPECT_EQ(a.m_sparkDivider, b.m_sparkDivider);
    EXPECT_EQ(a.m_flags, b.m_flags);
}

} // namespace

TEST(SettingsBlocks, BaseSettingsBytesOfTheDefaults)
{
    CSettingsRecord r; // sensor curves of type 2
    const Bytes expected = {0xA0, 0x0F, 0x00, 0x00, 0x01, 0x47, 0x54, 0x0A, 0x58, 0x02,
                            0xAE, 0x02, 0x80, 0x85, 0x0A, 0x04, 0xB5, 0x03, 0xB5, 0x18,
                            0x28, 0x32, 0x55, 0x50, 0x00, 0x00, 0x00, 0x00};
    EXPECT_EQ(encodeBlock31(r), expected);
}

TEST(SettingsBlocks, BaseSettingsRoundTrip)
{
    CSettingsRecord r;
    r.m_base = sampleBase();
    r.m_keptBytes.m_pcCode = {0xDE, 0xAD, 0xBE, 0xEF};
    Bytes wire = encodeBlock31(r);
    ASSERT_EQ(wire.size(), kBlock31Size);
    EXPECT_EQ(Bytes(wire.begin() + 24, wire.end()), (Bytes{0xDE, 0xAD, 0xBE, 0xEF}));

    CSettingsRecord back;
    decodeInto(decodeBlock31, wire, back);
    expectSameBase(back.m_base, r.m_base);
    EXPECT_EQ(back.m_keptBytes.m_pcCode, r.m_keptBytes.m_pcCode);
    EXPECT_EQ(encodeBlock31(back), wire);
}

TEST(SettingsBlocks, BaseSettingsReadRules)
{
    CSettingsRecord r;
    Bytes wire = encodeBlock31(r);
    wire[0] = 0xC0; // 4800
    wire[1] = 0x12;
    wire[7] = 7; // halved as an integer
    decodeInto(decodeBlock31, wire, r);
    EXPECT_EQ(r.m_base.m_switchRPM, 1000);
    EXPECT_EQ(r.m_base.m_switchDelay, 3);
    Bytes again = encodeBlock31(r);
    EXPECT_EQ(again[0] | again[1] << 8, 4800);
    EXPECT_EQ(again[7], 6);
}

TEST(SettingsBlocks, AdditionalSettingsRoundTrip)
{
    CSettingsRecord r;
    CAdvSettings& a = r.m_adv;
    a = {3.0, 60, 1.5, 20, 45, 3, 2.5, 1.0, 1, 0xA5, 150, 0.5, 2.5, {3, 0, 4, 8, 16, 32, 64, 128}};
    Bytes wire = encodeBlock4(r);
    ASSERT_EQ(wire.size(), kBlock4Size);
    EXPECT_EQ(wire[1], 120);
    EXPECT_EQ(wire[18], 163); // 150 kPa
    EXPECT_EQ(wire[20], 5);
    CSettingsRecord back;
    decodeInto(decodeBlock4, wire, back);
    EXPECT_EQ(back.m_adv.m_injConfMap, a.m_injConfMap);
    EXPECT_EQ(encodeBlock4(back), wire);
    EXPECT_NEAR(back.m_adv.m_cutOffExitDelay, 2.5, 1e-12);
    EXPECT_NEAR(back.m_adv.m_warmingUpperTempr, 45, 1e-12);

    wire[4] = 7;
    decodeInto(decodeBlock4, wire, back);
    EXPECT_EQ(back.m_adv.m_warmingTime, 3);
    EXPECT_EQ(encodeBlock4(back)[4], 6);
}

TEST(SettingsBlocks, AdvancedSetupRoundTrip)
{
    CSettingsRecord r;
    CAdvancedSetup& s = r.m_advancedSetup;
    s.m_inspectionEnd = 0x12345678;
    s.m_advancedFlags3 = 0x0451;
    s.m_minimalLPGRPM = 800;
    s.m_switchCorr = -5;
    s.m_switchCorrTime = 10;
    s.m_advancedFlags = 0x90;
    s.m_maxLoadTime = 2.5;
    s.m_rpmForFuelEmulator = 3000;
    s.m_idleTime = 2.5;
    s.m_points2D = {1, 2, 3, 4, 5};
    s.m_maxLpgInjTime = 20.4;
    s.m_minLpgTempr = 30;
    s.m_fuelEmulator = 7;
    Bytes wire = encodeBlock26(r);
    ASSERT_EQ(wire.size(), kBlock26Size);
    EXPECT_EQ(Bytes(wire.begin(), wire.begin() + 12),
              (Bytes{0x78, 0x56, 0x34, 0x12, 0x51, 0x04, 0, 0, 0x70, 0x17, 0xFB, 20}));
    EXPECT_EQ(wire[14] | wire[15] << 8, 625);
    EXPECT_EQ(wire[24], 102);

    CSettingsRecord back;
    decodeInto(decodeBlock26, wire, back);
    EXPECT_EQ(back.m_advancedSetup.m_switchCorr, -5);
    EXPECT_NEAR(back.m_advancedSetup.m_maxLpgInjTime, 20.4, 1e-12);
    EXPECT_EQ(back.m_advancedSetup.m_rpmForFuelEmulator, 3000);
    EXPECT_EQ(encodeBlock26(back), wire);
}

TEST(SettingsBlocks, TipInAndCircuitLimitsRoundTrip)
{
    CSettingsRecord r;
    CAdvancedSetup& s = r.m_advancedSetup;
    s.m_vCppLitersToTank = 40;
    s.m_tipInCorr = 5;
    s.m_tipInRpmMax = 3020;
    s.m_tipInDeltaMap = 20;
    s.m_tipInCycleCount = 8;
    s.m_injAdvanceOrder = {7, 6, 5, 4, 3, 2, 1, 0};
    s.m_circuitFlags = 0x15;
    Bytes wire = encodeBlock35(r);
    ASSERT_EQ(wire.size(), kBlock35Size);
    EXPECT_EQ(wire[14] | wire[15] << 8, 1016); // 6.5 A
    CSettingsRecord back;
    decodeInto(decodeBlock35, wire, back);
    EXPECT_EQ(back.m_advancedSetup.m_tipInRpmMax, 3020); // RPM steps of 20 here
    EXPECT_EQ(back.m_advancedSetup.m_injAdvanceOrder, s.m_injAdvanceOrder);
    for (int i = 0; i < 4; ++i)
        EXPECT_NEAR(back.m_advancedSetup.m_circuitLimits[i], s.m_circuitLimits[i], 0.013);
    EXPECT_EQ(encodeBlock35(back), wire);
}

TEST(SettingsBlocks, CircuitLimitsSurviveEveryReadAndWriteBack)
{
    // Truncating the inverse conversion must not lose a count to rounding noise.
    CSettingsRecord r;
    Bytes wire(kBlock35Size, 0);
    for (unsigned raw = 0; raw < 1024; ++raw) {
        for (size_t off : {14, 16, 18, 20}) {
            wire[off] = uint8_t(raw);
            wire[off + 1] = uint8_t(raw >> 8);
        }
        decodeInto(decodeBlock35, wire, r);
        Bytes again = encodeBlock35(r);
        unsigned midScale = raw < 512 ? 512 : raw;
        EXPECT_EQ(again[14] | again[15] << 8, int(midScale)) << raw;
        EXPECT_EQ(again[16] | again[17] << 8, int(midScale)) << raw;
        EXPECT_EQ(again[20] | again[21] << 8, int(raw)) << raw;
    }
}

TEST(SettingsBlocks, MainCorrectionsAreSignedWords)
{
    CSettingsRecord r;
    r.m_mainCorr.m_mainCorr = {1.0, -0.5, 1.2, 0.0, 2.0, 1.1, 0.96, -1.0};
    Bytes wire = encodeBlock15(r);
    ASSERT_EQ(wire.size(), kBlock15Size);
    EXPECT_EQ(Bytes(wire.begin(), wire.begin() + 4), (Bytes{0xFA, 0x00, 0x83, 0xFF}));
    CSettingsRecord back;
    decodeInto(decodeBlock15, wire, back);
    for (int i = 0; i < 8; ++i)
        EXPECT_NEAR(back.m_mainCorr.m_mainCorr[i], r.m_mainCorr.m_mainCorr[i], 1e-12);
    wire[0] = 251; // 1.004 shows as 1.00
    decodeInto(decodeBlock15, wire, back);
    EXPECT_EQ(back.m_mainCorr.m_mainCorr[0], 1.0);
}

TEST(SettingsBlocks, SensorsSetupInvertsLevelsOfFuelTypeOne)
{
    CSettingsRecord r;
    Bytes wire = encodeBlock30(r);
    Bytes expected = {0xA5, 0x69, 0x3C, 0x11, 1, 1, 1, 0, 2, 2};
    expected.resize(kBlock30Size, 100);
    EXPECT_EQ(wire, expected);

    wire[0] = 0x0F;
    decodeInto(decodeBlock30, wire, r);
    EXPECT_EQ(r.m_sensorsSetup.m_fuelFull, 0xF0);
    wire[4] = 0; // another gauge type travels as it is
    decodeInto(decodeBlock30, wire, r);
    EXPECT_EQ(r.m_sensorsSetup.m_fuelFull, 0x0F);
    EXPECT_EQ(r.m_sensorsSetup.m_fuelHgw, 0x69);
    EXPECT_EQ(encodeBlock30(r), wire);
}

TEST(SettingsBlocks, SetupTimesOffsetByHundred)
{
    CSettingsRecord r;
    for (int i = 0; i < 39; ++i) {
        r.m_setupTimes1[i / 3][i % 3] = i - 20;
        r.m_setupTimes2[i / 3][i % 3] = 20 - i;
    }
    r.m_tableMask = 0x3C;
    Bytes t7 = encodeBlock7(r), t9 = encodeBlock9(r);
    ASSERT_EQ(t7.size(), kBlock7Size);
    EXPECT_EQ(t7[0], 80);
    EXPECT_EQ(t7[38], 118);
    EXPECT_EQ(t7[39], 0);
    EXPECT_EQ(t9[0], 120);
    EXPECT_EQ(t9[39], 0x3C);

    CSettingsRecord back;
    t9[39] = 0x99; // not taken on reading
    decodeInto(decodeBlock7, t7, back);
    decodeInto(decodeBlock9, t9, back);
    EXPECT_EQ(back.m_setupTimes1, r.m_setupTimes1);
    EXPECT_EQ(back.m_setupTimes2, r.m_setupTimes2);
    EXPECT_EQ(back.m_tableMask, 0);
}

TEST(SettingsBlocks, AutoMappingAndAxes)
{
    CSettingsRecord r;
    r.m_autoMap = {2, 1500, 123456};
    Bytes wire = encodeBlock33(r);
    EXPECT_EQ(wire, (Bytes{0x40, 0xE2, 0x01, 0x00, 30, 0, 2, 0}));
    CSettingsRecord back;
    decodeInto(decodeBlock33, wire, back);
    EXPECT_EQ(back.m_autoMap.m_autoMapParam16, 1500);
    EXPECT_EQ(back.m_autoMap.m_autoMapParam32, 123456);
    EXPECT_EQ(back.m_autoMap.m_autoMapMode, 2);
    // A late next-mapping time goes out as it stands, not one step later.
    r.m_autoMap.m_autoMapParam32 = 4000000000.0;
    decodeInto(decodeBlock33, encodeBlock33(r), back);
    EXPECT_EQ(back.m_autoMap.m_autoMapParam32, 4000000000.0);

    Bytes axes = encodeBlock34(r);
    ASSERT_EQ(axes.size(), kBlock34Size);
    EXPECT_EQ(axes[0], 10);
    EXPECT_EQ(axes[18], 100);
    EXPECT_EQ(axes[19], 5);
    EXPECT_EQ(axes[33], 75);
    EXPECT_EQ(Bytes(axes.begin() + 34, axes.end()), Bytes(4, 0));
    axes.resize(kBlock34ReadSize); // the reply carries 34 bytes
    r.m_corrMap.m_rowAxis.fill(0);
    decodeInto(decodeBlock34, axes, r);
    EXPECT_EQ(r.m_corrMap.m_rowAxis, CCorrMap().m_rowAxis);
    EXPECT_EQ(r.m_corrMap.m_colAxis, CCorrMap().m_colAxis);
}

TEST(SettingsBlocks, ManifoldPressureAxisInBar)
{
    CSettingsRecord r;
    r.m_advancedSetup.m_advancedFlags3 |= 0x0400; // bit 7 of the flags picks the sensor
    r.m_corrMap.m_rowAxis[0] = 1.0;
    Bytes axes = encodeBlock34(r);
    EXPECT_EQ(axes[0], 82); // (100 * 0.00304 + 0.01929) * 255
    decodeInto(decodeBlock34, axes, r);
    EXPECT_NEAR(r.m_corrMap.m_rowAxis[0], (82 / 255.0 - 0.01929) / 0.00304 / 100, 1e-12);
    EXPECT_EQ(encodeBlock34(r), axes);
}

TEST(SettingsBlocks, DeviceInformation)
{
    Bytes wire(kBlock8Size, 0);
    wire[0] = 0x01;
    wire[5] = 0x80;
    wire[8] = 0x6D; // 365 days after 1 April 2004
    wire[9] = 0x01;
    wire[10] = 0x25; // version 805
    wire[11] = 0x03;
    wire[28] = 6;
    wire[29] = '0';
    CSettingsRecord r;
    decodeInto(decodeBlock8, wire, r);
    EXPECT_EQ(r.m_devInfo.m_flags1, 1u);
    EXPECT_EQ(r.m_devInfo.m_flags2, 0x8000u);
    EXPECT_EQ(r.m_devInfo.m_prodDate, L"01/04/2005");
    EXPECT_EQ(r.m_devInfo.m_version, 805);
    EXPECT_EQ(r.m_devInfo.m_injCount, 6);
    EXPECT_EQ(r.m_devInfo.m_deviceID, '0');
    EXPECT_EQ(dayCountToDateText(0), L"01/04/2004");
    EXPECT_EQ(dayCountToDateText(1), L"02/04/2004");
    EXPECT_EQ(dayCountToDateText(334), L"01/03/2005");
    EXPECT_EQ(dayCountToDateText(65535), L"05/09/2183");

    uint8_t name[16] = {'A', 'B', 'A', '1', '2', '3', '4'};
    std::wstring text;
    EXPECT_TRUE(plainDeviceName(name, text));
    EXPECT_EQ(text, L"ABA1234");
    name[3] = 'B';
    EXPECT_FALSE(plainDeviceName(name, text));
    name[3] = '1';
    name[15] = 'x';
    EXPECT_FALSE(plainDeviceName(name, text));
}

TEST(SettingsBlocks, CopiedBlocks)
{
    CSettingsRecord r;
    Bytes stats = {1, 0, 0, 0, 0x10, 0x20, 0x30, 0x40, 0x34, 0x12, 0xEE, 0xEE};
    decodeInto(decodeBlock12, stats, r);
    EXPECT_EQ(r.m_devInfo.m_statistic.gas, 1u);
    EXPECT_EQ(r.m_devInfo.m_statistic.lpg, 0x40302010u);
    EXPECT_EQ(r.m_devInfo.m_statistic.modify, 0x1234);

    Bytes lock(kBlock3Size);
    for (size_t i = 0; i < lock.size(); ++i)
        lock[i] = uint8_t(i * 7);
    decodeInto(decodeBlock3, lock, r);
    EXPECT_EQ(encodeBlock3(r), lock);

    r.m_devInfo.m_version = 784;
    Bytes log(84, 0x11);
    EXPECT_FALSE(decodeBlock19(log.data(), log.size(), r)); // too long for this firmware
    log.resize(44);
    decodeInto(decodeBlock19, log, r);
    EXPECT_EQ(encodeBlock19(r), log);
    EXPECT_EQ(r.m_devInfo.m_pcConnections[44], 0);
    r.m_devInfo.m_version = 785;
    EXPECT_EQ(encodeBlock19(r).size(), 84u);
    EXPECT_FALSE(decodeBlock19(log.data(), log.size(), r));
}

TEST(SettingsBlocks, ObdSetupBlocks)
{
    COBDSetup obd;
    Bytes wire = encodeBlock18(obd);
    EXPECT_EQ(wire, (Bytes{0xDF, 0x07, 0, 0, 0xE0, 0x07, 0, 0, 0, 2, 8, 3}));
    obd.ecu_id_req = 0x18DB33F1;
    decodeInto(decodeBlock18, encodeBlock18(obd), obd);
    EXPECT_EQ(obd.ecu_id_req, 0x18DB33F1u);

    COBDAdvSetup adv;
    adv.err_to_clear[0] = 0x0420;
    adv.reserved = 0x5A;
    adv.obd_adv_flag = 3;
    wire = encodeBlock27(adv);
    EXPECT_EQ(wire, (Bytes{0, 10, 15, 0, 100, 100, 0x80, 0x25, 0x20, 0x04, 0, 0, 0, 0, 0, 0, 0x5A, 3}));
    COBDAdvSetup back;
    wire[6] = 0xFF; // 4800000 / 0x25FF = 493.5 RPM, read in steps of 20
    decodeInto(decodeBlock27, wire, back);
    EXPECT_EQ(back.rpm_for_corr, 500);
    EXPECT_EQ(back.err_to_clear, adv.err_to_clear);
    EXPECT_EQ(back.reserved, 0x5A);
    EXPECT_EQ(back.obd_adv_flag, 3);
}

TEST(SettingsBlocks, PeriodZeroMeansRpmZeroBothWays)
{
    CSettingsRecord r;
    Bytes base(kBlock31Size, 0), adv(kBlock26Size, 0), tip(kBlock35Size, 0), obd(kBlock27Size, 0);
    decodeInto(decodeBlock31, base, r);
    decodeInto(decodeBlock26, adv, r);
    decodeInto(decodeBlock35, tip, r);
    decodeInto(decodeBlock27, obd, r.m_obdAdvSetup);
    EXPECT_EQ(r.m_base.m_switchRPM, 0);
    EXPECT_EQ(r.m_base.m_maxRPMHigh, 0);
    EXPECT_EQ(r.m_base.m_maxRPMLow, 0);
    EXPECT_EQ(r.m_advancedSetup.m_minimalLPGRPM, 0);
    EXPECT_EQ(r.m_advancedSetup.m_rpmForFuelEmulator, 0);
    EXPECT_EQ(r.m_advancedSetup.m_tipInRpmMax, 0);
    EXPECT_EQ(r.m_obdAdvSetup.rpm_for_corr, 0);
    base = encodeBlock31(r);
    EXPECT_EQ(base[0] | base[1] << 8 | base[8] | base[9] << 8 | base[10] | base[11] << 8, 0);
    adv = encodeBlock26(r);
    EXPECT_EQ(adv[8] | adv[9] << 8 | adv[16] | adv[17] << 8, 0);
    EXPECT_EQ(encodeBlock35(r)[2], 0);
    EXPECT_EQ(encodeBlock27(r.m_obdAdvSetup)[6], 0);

    // Period words too short for a 16-bit RPM field stay within it.
    obd[6] = 1;
    decodeInto(decodeBlock27, obd, r.m_obdAdvSetup);
    EXPECT_EQ(r.m_obdAdvSetup.rpm_for_corr, 65535);
}

TEST(SettingsBlocks, ValuesOutOfRangeAreClampedToTheField)
{
    CSettingsRecord r;
    r.m_base.m_switchRPM = 10;    // period above 65535
    r.m_base.m_maxRPMHigh = -500; // no such RPM: word 0
    r.m_base.m_maxRPMLow = kNaN;
    r.m_base.m_switchDelay = 1e9;
    r.m_base.m_pressureGain = -kInf;
    r.m_base.m_minVCC = kNaN;
    r.m_mainCorr.m_mainCorr = {1e9, -1e9, kInf, -kInf, kNaN, 131.068, -131.072, 0};
    r.m_setupTimes1[0] = {kNaN, 200, -300};
    r.m_autoMap.m_autoMapParam32 = 1e12;
    r.m_autoMap.m_autoMapParam16 = -1;
    r.m_advancedSetup.m_circuitLimits = {kInf, -kInf, kNaN, 1e9};
    r.m_corrMap.m_colAxis[0] = kInf;

    Bytes base = encodeBlock31(r);
    EXPECT_EQ(base[0] | base[1] << 8, 65535);
    EXPECT_EQ(base[8] | base[9] << 8, 0);
    EXPECT_EQ(base[10] | base[11] << 8, 0);
    EXPECT_EQ(base[7], 255);
    EXPECT_EQ(base[14], 0x80); // -128
    EXPECT_EQ(base[22], 0);
    Bytes corr = encodeBlock15(r);
    EXPECT_EQ(corr,
              (Bytes{0xFF, 0x7F, 0x00, 0x80, 0xFF, 0x7F, 0x00, 0x80, 0, 0, 0xFF, 0x7F, 0x00, 0x80, 0, 0}));
    Bytes times = encodeBlock7(r);
    EXPECT_EQ(Bytes(times.begin(), times.begin() + 3), (Bytes{0, 255, 0}));
    EXPECT_EQ(encodeBlock33(r), (Bytes{0xFF, 0xFF, 0xFF, 0xFF, 0, 0, 0, 0}));
    Bytes tip = encodeBlock35(r);
    EXPECT_EQ(Bytes(tip.begin() + 14, tip.begin() + 22), (Bytes{0xFF, 0xFF, 0, 0, 0, 0, 0xFF, 0xFF}));
    EXPECT_EQ(encodeBlock34(r)[19], 255);
}

TEST(SettingsBlocks, UnmappedBytesOfBlocks30And32GoBackAsRead)
{
    Bytes sensors(kBlock30Size), extra(kBlock32Size);
    for (size_t i = 0; i < sensors.size(); ++i)
        sensors[i] = uint8_t(3 * i + 1);
    for (size_t i = 0; i < extra.size(); ++i)
        extra[i] = uint8_t(200 - i);
    sensors[4] = 0;
    CSettingsRecord live;
    decodeInto(decodeBlock30, sensors, live);
    decodeInto(decodeBlock32, extra, live);

    // A settings file fills a fresh record; its groups are then copied in.
    CSettingsRecord loaded;
    live.m_sensorsSetup.copy(loaded.m_sensorsSetup);
    Bytes again = encodeBlock30(live);
    EXPECT_EQ(Bytes(again.begin() + 10, again.end()), Bytes(sensors.begin() + 10, sensors.end()));
    EXPECT_EQ(encodeBlock32(live), extra);
    EXPECT_EQ(encodeBlock32(CSettingsRecord(live)), extra);
}

// The temperature curve has flat runs: every byte a controller holds must
// survive a read and a write back, whatever the sensor column.
TEST(SettingsBlocks, UntouchedTemperaturesGoBackAsRead)
{
    struct Field
    {
        std::vector<uint8_t> (*encode)(const CSettingsRecord&);
        bool (*decode)(const uint8_t*, size_t, CSettingsRecord&);
        size_t size;
        size_t offset;
    };
    const Field fields[] = {
        {encodeBlock31, decodeBlock31, kBlock31Size, 6},  {encodeBlock31, decodeBlock31, kBlock31Size, 16},
        {encodeBlock31, decodeBlock31, kBlock31Size, 18}, {encodeBlock31, decodeBlock31, kBlock31Size, 19},
        {encodeBlock4, decodeBlock4, kBlock4Size, 5},     {encodeBlock26, decodeBlock26, kBlock26Size, 28}};
    for (unsigned sensor = 0; sensor < 4; ++sensor) {
        for (const Field& field : fields) {
            for (int raw = 0; raw < 256; ++raw) {
                CSettingsRecord r;
                r.m_sensorsSetup.m_temprEngineSensor = r.m_sensorsSetup.m_temprLPGSensor = sensor;
                Bytes wire(field.size, 0);
                wire[field.offset] = uint8_t(raw);
                decodeInto(field.decode, wire, r);
                ASSERT_EQ(field.encode(r)[field.offset], raw)
                    << "sensor " << sensor << " offset " << field.offset;
            }
        }
    }

    // A changed temperature goes as the first row at or below it.
    CSettingsRecord r;
    Bytes wire(kBlock31Size, 0);
    wire[6] = 120;
    decodeInto(decodeBlock31, wire, r);
    r.m_base.m_switchTempr += 5;
    EXPECT_EQ(encodeBlock31(r)[6],
              temperatureCurveIndex(r.m_base.m_switchTempr, r.m_sensorsSetup.m_temprEngineSensor));
}

TEST(SettingsBlocks, RpmForFuelEmulatorReadInItsOwnSteps)
{
    CSettingsRecord r;
    r.m_advancedSetup.m_rpmForFuelEmulator = 520;
    Bytes wire = encodeBlock26(r);
    CSettingsRecord back;
    decodeInto(decodeBlock26, wire, back);
    EXPECT_EQ(back.m_advancedSetup.m_rpmForFuelEmulator, 520);
    EXPECT_EQ(encodeBlock26(back), wire);
}

TEST(SettingsBlocks, ShortPayloadsChangeNothing)
{
    using Decode = bool (*)(const uint8_t*, size_t, CSettingsRecord&);
    const struct
    {
        Decode decode;
        size_t size;
    } blocks[] = {
        {decodeBlock31, kBlock31Size}, {decodeBlock4, kBlock4Size},       {decodeBlock26, kBlock26Size},
        {decodeBlock35, kBlock35Size}, {decodeBlock15, kBlock15Size},     {decodeBlock30, kBlock30Size},
        {decodeBlock7, kBlock7Size},   {decodeBlock9, kBlock9Size},       {decodeBlock32, kBlock32Size},
        {decodeBlock33, kBlock33Size}, {decodeBlock34, kBlock34ReadSize}, {decodeBlock8, kBlock8Size},
        {decodeBlock12, kBlock12Size}, {decodeBlock3, kBlock3Size},       {decodeBlock19, 44}};
    const Bytes image = recordImage(CSettingsRecord());
    const Bytes ones(100, 0x01);
    for (const auto& b : blocks) {
        CSettingsRecord r;
        EXPECT_FALSE(b.decode(ones.data(), b.size - 1, r)) << b.size;
        EXPECT_FALSE(b.decode(nullptr, b.size, r)) << b.size;
        EXPECT_EQ(recordImage(r), image) << b.size;
    }
    COBDSetup obd;
    COBDAdvSetup adv;
    EXPECT_FALSE(decodeBlock18(ones.data(), kBlock18Size - 1, obd));
    EXPECT_FALSE(decodeBlock27(ones.data(), kBlock27Size - 1, adv));
    EXPECT_EQ(encodeBlock18(obd), encodeBlock18(COBDSetup()));
    EXPECT_EQ(encodeBlock27(adv), encodeBlock27(COBDAdvSetup()));
}
