#include <CLPGDevice.h>
#include <Conversions.h>

#include <gtest/gtest.h>

#include <cmath>
#include <limits>

namespace {
const double kNaN = std::numeric_limits<double>::quiet_NaN();
const double kInf = std::numeric_limits<double>::infinity();
} // namespace

TEST(Conversions, GasPressureAndItsInverse)
{
    EXPECT_EQ(rawToPressure(0), 0.0);
    EXPECT_EQ(rawToPressure(2), 0.0); // the formula goes negative there
    EXPECT_NEAR(rawToPressure(255), 240.0, 1e-9);
    for (int raw = 11; raw < 256; ++raw)
        EXPECT_NEAR(pressureToRaw(rawToPressure(uint8_t(raw))), raw, 1e-9) << raw;
}

TEST(Conversions, ManifoldPressureBySensorFlags)
{
    for (int raw = 0; raw <= 2; ++raw)
        EXPECT_EQ(rawToManifoldPressure(uint8_t(raw), 0x00), 101.0);
    EXPECT_NEAR(rawToManifoldPressure(100, 0x10), (100 / 255.0 + 0.00842) / 0.002421, 1e-9);
    EXPECT_NEAR(rawToManifoldPressure(100, 0x90), (100 / 255.0 + 0.00842) / 0.002421, 1e-9); // bit 4 first
    EXPECT_NEAR(rawToManifoldPressure(100, 0x80), (100 / 255.0 - 0.01929) / 0.00304, 1e-9);

    for (uint8_t flags : {0x00, 0x10, 0x80}) {
        for (int raw = 20; raw <= 250; ++raw)
            EXPECT_NEAR(manifoldPressureToRaw(rawToManifoldPressure(uint8_t(raw), flags), flags), raw, 1e-6);
        for (double p : {-1e9, -kInf, 1e9, kInf, kNaN, 0.0, 500.0}) {
            double raw = manifoldPressureToRaw(p, flags);
            EXPECT_TRUE(raw >= 0 && raw <= 250) << p << " -> " << raw;
        }
    }
}

TEST(Conversions, TemperatureCurvesKeepTheMeasuredRowsAndFallSteadily)
{
    const int measured[][5] = {
        {0, 209, 203, 203, 255}, {128, 37, 27, 19, 3}, {240, -19, -25, -30, -39}, {255, -36, -40, -41, -47}};
    for (const auto& row : measured)
        for (unsigned t = 0; t < 4; ++t)
            EXPECT_EQ(temperatureCurve(uint8_t(row[0]), t), row[t + 1]);
    EXPECT_EQ(temperatureCurve(8, 0), 174);  // halfway between 209 and 138, rounded up
    EXPECT_EQ(temperatureCurve(152, 3), -5); // halfway between -2 and -7, away from zero
    for (unsigned t = 0; t < 4; ++t)
        for (int raw = 1; raw < 256; ++raw)
            EXPECT_LE(temperatureCurve(uint8_t(raw), t), temperatureCurve(uint8_t(raw - 1), t));
    // An unknown sensor type takes the last curve rather than reading past the table.
    EXPECT_EQ(temperatureCurve(0, 200), 255);
}

TEST(Conversions, CurveIndexFindsTheFirstRowAtOrBelow)
{
    for (unsigned t = 0; t < 4; ++t) {
        EXPECT_EQ(temperatureCurveIndex(300, t), 0);
        EXPECT_EQ(temperatureCurveIndex(-100, t), 0); // no row qualifies
        EXPECT_EQ(temperatureCurveIndex(kNaN, t), 0);
        for (int raw = 0; raw < 256; ++raw) {
            double tempr = temperatureCurve(uint8_t(raw), t);
            int index = temperatureCurveIndex(tempr, t);
            EXPECT_LE(index, raw);
            EXPECT_EQ(temperatureCurve(uint8_t(index), t), tempr);
        }
    }
    EXPECT_EQ(temperatureCurveIndex(35, 2), 84);
}

TEST(Conversions, EqualByCylinders)
{
    const uint8_t a[8] = {0x11, 0x02, 0x00, 0x08, 0xFF, 0xFF, 0xFF, 0xFF};
    const uint8_t b[8] = {0xF1, 0x32, 0x07, 0x08, 0x00, 0x00, 0x00, 0x00};
    EXPECT_TRUE(equalByCylinders(a, b, 4)); // upper four bits ignored, a's 0 matches anything
    EXPECT_FALSE(equalByCylinders(a, b, 6));
    EXPECT_FALSE(equalByCylinders(a, b, 5));
    EXPECT_TRUE(equalByCylinders(a, b, 0));
    EXPECT_TRUE(equalByCylinders(a, b, -3));
    const uint8_t c[8] = {1, 2, 3, 4, 5, 6, 7, 8};
    // A cylinder count beyond the arrays compares the eight entries they hold.
    EXPECT_TRUE(equalByCylinders(c, c, 255));
}

TEST(Conversions, AdcScalesAndTheirInverses)
{
    EXPECT_EQ(convertAdcMidScale(0), 0.0);
    EXPECT_EQ(convertAdcMidScale(512), 0.0);
    EXPECT_EQ(convertAdcMidScale2(100), 0.0);
    EXPECT_NEAR(convertAdcMidScale(1024), 6.6, 1e-12);
    EXPECT_NEAR(convertAdcMidScale2(1024), 3.3, 1e-12);
    EXPECT_NEAR(adcToVolts(1024), 5.0, 1e-12);
    for (unsigned raw = 512; raw < 1024; ++raw) {
        EXPECT_NEAR(adcMidScaleToRaw(convertAdcMidScale(raw)), raw, 1e-9);
        EXPECT_NEAR(adcMidScale2ToRaw(convertAdcMidScale2(raw)), raw, 1e-9);
        EXPECT_NEAR(voltsToAdc(adcToVolts(raw)), raw, 1e-9);
    }
    for (int raw = 0; raw < 256; ++raw)
        EXPECT_NEAR(voltsToRaw6(rawToVolts6(uint8_t(raw))), raw, 1e-9);
    EXPECT_NEAR(rawToVolts(255), 5.0, 1e-12);
}

TEST(Conversions, PerThousandRounded)
{
    EXPECT_EQ(perThousandRounded(1, 3), 333);
    EXPECT_EQ(perThousandRounded(-1, 3), -333);
    EXPECT_EQ(perThousandRounded(1, 2000), 1); // 0.5 away from zero
    EXPECT_EQ(perThousandRounded(-1, 2000), -1);
    EXPECT_EQ(perThousandRounded(5, 0), 0); // no infinity for a bar position
}

TEST(Conversions, CurrentControllerChoosesCurvesAndFormulas)
{
    ASSERT_EQ(g_pDevice, nullptr);
    // Without a controller the record's defaults hold: curves of type 2, bit 7 sensor.
    EXPECT_EQ(sensorCurve(0), 203);
    EXPECT_EQ(curveIndex2(35), 84);
    EXPECT_EQ(getCylinderCount(), 4);
    const uint8_t a[8] = {0x01}, b[8] = {0x21};
    EXPECT_TRUE(equalByCylinders(a, b));
    EXPECT_NEAR(rawToManifoldPressure(100), rawToManifoldPressure(100, 0x80), 1e-12);
    {
        CLPGDevice device;
        CSettingsRecord& s = device.m_settings;
        s.m_sensorsSetup.m_temprEngineSensor = 3;
        s.m_sensorsSetup.m_temprLPGSensor = 0;
        s.m_advancedSetup.m_advancedFlags = 0x10;
        s.m_devInfo.m_injCount = 6;
        EXPECT_EQ(sensorCurve(0), 255);
        EXPECT_EQ(sensorCurve2(0), 209);
        EXPECT_EQ(curveIndex(255), 0);
        EXPECT_EQ(curveIndex2(138), 16);
        EXPECT_EQ(getCylinderCount(), 6);
        EXPECT_FALSE(equalByCylinders(a, b)); // mask 0x3F for six cylinders
        EXPECT_NEAR(rawToManifoldPressure(100), (100 / 255.0 + 0.00842) / 0.002421, 1e-12);
        EXPECT_NEAR(manifoldPressureToRaw(rawToManifoldPressure(100)), 100, 1e-9);
    }
    EXPECT_EQ(g_pDevice, nullptr);
}
