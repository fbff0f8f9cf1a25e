#include "Conversions.h"

#include "CLPGDevice.h"

#include <array>
#include <cmath>
#include <iterator>

namespace {

constexpr int kCurveTypes = 4;
constexpr int kCurveRows = 256;

// The curves as measured every 16 readings; the rows between are interpolated.
struct CurvePoint
{
    int raw;
    int tempr[kCurveTypes];
};
constexpr CurvePoint kCurvePoints[] = {
    {0, {209, 203, 203, 255}},   {16, {138, 104, 91, 91}},    {32, {100, 79, 68, 55}},
    {48, {81, 65, 54, 39}},      {64, {68, 54, 45, 29}},      {80, {59, 46, 37, 21}},
    {96, {51, 39, 30, 15}},      {112, {44, 33, 24, 9}},      {128, {37, 27, 19, 3}},
    {144, {31, 21, 13, -2}},     {160, {24, 15, 8, -7}},      {176, {18, 10, 2, -12}},
    {192, {11, 3, -4, -18}},     {208, {4, -4, -11, -24}},    {224, {-6, -13, -19, -31}},
    {240, {-19, -25, -30, -39}}, {255, {-36, -40, -41, -47}},
};

using CurveTable = std::array<std::array<int, kCurveTypes>, kCurveRows>;

// Linear interpolation rounded half away from zero keeps each column
// non-increasing, since the measured points are.
CurveTable buildCurveTable()
{
    CurveTable table{};
    for (size_t i = 0; i + 1 < std::size(kCurvePoints); ++i) {
        const CurvePoint& lo = kCurvePoints[i];
        const CurvePoint& hi = kCurvePoints[i + 1];
        for (int raw = lo.raw; raw <= hi.raw; ++raw)
            for (int t = 0; t < kCurveTypes; ++t) {
                double f = double(raw - lo.raw) / (hi.raw - lo.raw);
                table[raw][t] = int(std::round(lo.tempr[t] + f * (hi.tempr[t] - lo.tempr[t])));
            }
    }
    return table;
}

const CurveTable& curveTable()
{
    static const CurveTable table = buildCurveTable();
    return table;
}

// A sensor type the table does not know takes the last curve.
unsigned curveColumn(unsigned sensorType)
{
    return sensorType < kCurveTypes ? sensorType : kCurveTypes - 1;
}

uint8_t cylinderMask(int cylinderCount)
{
    if (cylinderCount == 4)
        return 0x0F;
    if (cylinderCount == 6)
        return 0x3F;
    return 0xFF;
}

constexpr double kMidScale = 512.0;
constexpr double kMidScaleVolts = 1.65;
constexpr double kMidScaleGain = 50.0;

double midScaleToValue(unsigned raw, double shunt)
{
    double above = raw > kMidScale ? raw - kMidScale : 0.0;
    return above / kMidScale * kMidScaleVolts / kMidScaleGain / shunt;
}

double valueToMidScale(double value, double shunt)
{
    return kMidScale + value * shunt * kMidScaleGain * kMidScale / kMidScaleVolts;
}

// Settings of the current controller; the defaults before there is one.
const CSettingsRecord& currentSettings()
{
    static const CSettingsRecord defaults;
    return g_pDevice ? g_pDevice->m_settings : defaults;
}

} // namespace

int getCylinderCount()
{
    return currentSettings().m_devInfo.m_injCount;
}

bool equalByCylinders(const uint8_t* a, const uint8_t* b)
{
    return equalByCylinders(a, b, getCylinderCount());
}

bool equalByCylinders(const uint8_t* a, const uint8_t* b, int cylinderCount)
{
    uint8_t mask = cylinderMask(cylinderCount);
    int n = cylinderCount < kMaxCylinders ? cylinderCount : kMaxCylinders;
    for (int i = 0; i < n; ++i) {
        uint8_t ai = a[i] & mask;
        if (ai != 0 && ai != (b[i] & mask))
            return false;
    }
    return true;
}

double rawToVolts6(uint8_t raw)
{
    return raw * kAdcStep * 6;
}

double rawToVolts(uint8_t raw)
{
    return raw * kAdcStep;
}

double voltsToRaw6(double volts)
{
    return volts / 6 / kAdcStep;
}

double rawToPressure(uint8_t raw)
{
    double kPa = (raw * kAdcStep / 5 - 0.04) / 0.004;
    return kPa > 0 ? kPa : 0.0;
}

double pressureToRaw(double kPa)
{
    return (0.004 * kPa + 0.04) * 5 / kAdcStep;
}

double rawToManifoldPressure(uint8_t raw, uint8_t advancedFlags)
{
    if (advancedFlags & 0x10)
        return (raw / 255.0 + 0.00842) / 0.002421;
    if (advancedFlags & 0x80)
        return (raw / 255.0 - 0.01929) / 0.00304;
    return 101 - rawToPressure(raw);
}

double rawToManifoldPressure(uint8_t raw)
{
    return rawToManifoldPressure(raw, currentSettings().m_advancedSetup.m_advancedFlags);
}

double manifoldPressureToRaw(double kPa)
{
    return manifoldPressureToRaw(kPa, currentSettings().m_advancedSetup.m_advancedFlags);
}

double manifoldPressureToRaw(double kPa, uint8_t advancedFlags)
{
    double raw;
    if (advancedFlags & 0x10)
        raw = (kPa * 0.002421 - 0.00842) * 255;
    else if (advancedFlags & 0x80)
        raw = (kPa * 0.00304 + 0.01929) * 255;
    else
        raw = pressureToRaw(101 - kPa);
    if (!(raw > 0)) // also NaN
        return 0.0;
    return raw < 250 ? raw : 250.0;
}

double sensorCurve(uint8_t raw)
{
    return temperatureCurve(raw, currentSettings().m_sensorsSetup.m_temprEngineSensor);
}

double sensorCurve2(uint8_t raw)
{
    return temperatureCurve(raw, currentSettings().m_sensorsSetup.m_temprLPGSensor);
}

int curveIndex(double tempr)
{
    return temperatureCurveIndex(tempr, currentSettings().m_sensorsSetup.m_temprEngineSensor);
}

int curveIndex2(double tempr)
{
    return temperatureCurveIndex(tempr, currentSettings().m_sensorsSetup.m_temprLPGSensor);
}

double temperatureCurve(uint8_t raw, unsigned sensorType)
{
    return curveTable()[raw][curveColumn(sensorType)];
}

int temperatureCurveIndex(double tempr, unsigned sensorType)
{
    unsigned column = curveColumn(sensorType);
    const CurveTable& table = curveTable();
    for (int raw = 0; raw < kCurveRows; ++raw)
        if (table[raw][column] <= tempr)
            return raw;
    return 0;
}

double convertAdcMidScale(unsigned raw)
{
    return midScaleToValue(raw, 0.005);
}

double adcMidScaleToRaw(double value)
{
    return valueToMidScale(value, 0.005);
}

double convertAdcMidScale2(unsigned raw)
{
    return midScaleToValue(raw, 0.01);
}

double adcMidScale2ToRaw(double value)
{
    return valueToMidScale(value, 0.01);
}

double adcToVolts(unsigned raw)
{
    return raw * 5.0 / 1024;
}

double voltsToAdc(double volts)
{
    return volts / 5 * 1024;
}

double perThousandRounded(double a, double b)
{
    if (b == 0)
        return 0.0;
    double x = a * 1000 / b;
    if (!std::isfinite(x))
        return 0.0;
    return std::round(x); // half away from zero
}
