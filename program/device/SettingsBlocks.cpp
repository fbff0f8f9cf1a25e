#include "SettingsBlocks.h"

#include "BlockWire.h"
#include "CSettingsRecord.h"
#include "Conversions.h"

using namespace blockwire;

namespace {

// Pressures travel as sensor readings, shown as whole kPa.
double pressureFromWire(uint8_t raw)
{
    return roundHalfAway(rawToPressure(raw));
}

double pressureToWire(double kPa)
{
    return roundHalfAway(pressureToRaw(kPa));
}

// Delays in seconds travel in steps of 25 ms.
double delayFromWire(uint8_t raw)
{
    return roundTo001(raw * 25 / 1000.0);
}

double delayToWire(double seconds)
{
    return roundHalfAway(seconds * 1000 / 25);
}

// Temperatures travel as the reading of the chosen sensor curve.
struct Curves
{
    unsigned engine;
    unsigned gas;
    explicit Curves(const CSettingsRecord& r)
        : engine(r.m_sensorsSetup.m_temprEngineSensor), gas(r.m_sensorsSetup.m_temprLPGSensor)
    {
    }
};

// A temperature read keeps its byte; written unchanged, it goes back as that byte.
double temperatureFromWire(uint8_t raw, unsigned sensor, CKeptBlockBytes& kept, KeptTemperature which)
{
    kept.m_temperatures[which] = raw;
    return temperatureCurve(raw, sensor);
}

double temperatureToWire(double tempr, unsigned sensor, const CKeptBlockBytes& kept, KeptTemperature which)
{
    const int16_t raw = kept.m_temperatures[which];
    if (raw >= 0 && raw <= 255 && temperatureCurve(uint8_t(raw), sensor) == tempr)
        return raw;
    return temperatureCurveIndex(tempr, sensor);
}

void readBase(const PayloadReader& in, const Curves& curves, CBaseSettings& b, CKeptBlockBytes& kept)
{
    b.m_switchRPM = periodToRpm(in.u16(0), 100);
    b.m_switchMinGasTime = ticksToTime(in.u16(2));
    b.m_sparkDivider = in.u8(4);
    b.m_switchPressure = pressureFromWire(in.u8(5));
    b.m_switchTempr = temperatureFromWire(in.u8(6), curves.engine, kept, kKeptSwitchTempr);
    b.m_switchDelay = in.u8(7) / 2;
    b.m_maxRPMHigh = periodToRpm(in.u16(8), 100);
    b.m_maxRPMLow = periodToRpm(in.u16(10), 100);
    b.m_flags = in.u8(12);
    b.m_pressureRef = pressureFromWire(in.u8(13));
    b.m_pressureGain = in.s8(14) / 10.0;
    b.m_pressAverageCount = roundTo01(in.u8(15) / 5.0);
    b.m_temprRef = temperatureFromWire(in.u8(16), curves.gas, kept, kKeptTemprRef);
    b.m_temprGain = in.u8(17) / 10.0;
    b.m_temprBottom = temperatureFromWire(in.u8(18), curves.gas, kept, kKeptTemprBottom);
    b.m_temprUpper = temperatureFromWire(in.u8(19), curves.gas, kept, kKeptTemprUpper);
    b.m_emulatorDelay = delayFromWire(in.u8(20));
    b.m_rpmSignalLevel = roundTo01(in.u8(21) / 10.0);
    b.m_minVCC = roundTo01(rawToVolts6(in.u8(22)));
    b.m_extraValue = ticksToTime(in.u8(23));
    in.copy(24, kept.m_pcCode);
}

void readAdv(const PayloadReader& in, const Curves& curves, CAdvSettings& a, CKeptBlockBytes& kept)
{
    a.m_injectorType = in.u8(0);
    a.m_pwmOffset = ticksToTime(in.u8(1));
    a.m_pwm = in.u8(2);
    a.m_injectorWarmingImpulse = ticksToTime(in.u8(3));
    a.m_warmingTime = in.u8(4) / 2;
    a.m_warmingUpperTempr = temperatureFromWire(in.u8(5), curves.engine, kept, kKeptWarmingUpperTempr);
    a.m_minLPGTime = ticksToTime(in.u8(6));
    a.m_ignoreLPGTime = ticksToTime(in.u8(7));
    in.copy(8, a.m_injConfMap);
    a.m_engineSignalBehavior = in.u8(16);
    a.m_flags = in.u8(17);
    a.m_cutOffPressSwitch = pressureFromWire(in.u8(18));
    a.m_cutOffExitEmulatorDelay = delayFromWire(in.u8(19));
    a.m_cutOffExitDelay = in.u8(20) * 0.5;
}

void readAdvanced(const PayloadReader& in, const Curves& curves, CAdvancedSetup& s, CKeptBlockBytes& kept)
{
    s.m_inspectionEnd = in.u32(0);
    s.m_advancedFlags3 = in.u16(4);
    s.m_minimalLPGRPM = periodToRpm(in.u16(8), 100);
    s.m_switchCorr = in.s8(10);
    s.m_switchCorrTime = in.u8(11) / 2;
    s.m_advancedFlags = in.u8(12);
    s.m_advancedFlags2 = in.u8(13);
    s.m_maxLoadTime = roundTo001(in.u16(14) * 0.004);
    s.m_rpmForFuelEmulator = periodToRpm(in.u16(16), 20);
    s.m_idleTime = in.u8(18) / 10.0;
    in.copy(19, s.m_points2D);
    s.m_maxLpgInjTime = in.u8(24) / 5.0;
    s.m_minLpgTempr = temperatureFromWire(in.u8(28), curves.gas, kept, kKeptMinLpgTempr);
    s.m_fuelEmulator = in.u8(29);
}

void readTipIn(const PayloadReader& in, CAdvancedSetup& s)
{
    s.m_vCppLitersToTank = in.u8(0);
    s.m_tipInCorr = in.u8(1);
    s.m_tipInRpmMax = periodToRpm(in.u16(2), 20);
    s.m_tipInDeltaMap = in.u8(4);
    s.m_tipInCycleCount = in.u8(5);
    in.copy(6, s.m_injAdvanceOrder);
    s.m_circuitLimits[0] = convertAdcMidScale(in.u16(14));
    s.m_circuitLimits[1] = convertAdcMidScale2(in.u16(16));
    s.m_circuitLimits[2] = convertAdcMidScale2(in.u16(18));
    s.m_circuitLimits[3] = adcToVolts(in.u16(20));
    s.m_circuitFlags = in.u8(22);
}

} // namespace

std::vector<uint8_t> encodeBlock31(const CSettingsRecord& record)
{
    const CBaseSettings& b = record.m_base;
    const CKeptBlockBytes& kept = record.m_keptBytes;
    Curves curves(record);
    PayloadWriter out(kBlock31Size);
    out.u16(0, rpmToPeriod(b.m_switchRPM));
    out.u16(2, timeToTicks(b.m_switchMinGasTime));
    out.u8(4, b.m_sparkDivider);
    out.u8(5, pressureToWire(b.m_switchPressure));
    out.u8(6, temperatureToWire(b.m_switchTempr, curves.engine, kept, kKeptSwitchTempr));
    out.u8(7, truncToward(2 * b.m_switchDelay));
    out.u16(8, rpmToPeriod(b.m_maxRPMHigh));
    out.u16(10, rpmToPeriod(b.m_maxRPMLow));
    out.u8(12, b.m_flags);
    out.u8(13, pressureToWire(b.m_pressureRef));
    out.s8(14, truncToward(10 * b.m_pressureGain));
    out.u8(15, roundHalfAway(5 * b.m_pressAverageCount));
    out.u8(16, temperatureToWire(b.m_temprRef, curves.gas, kept, kKeptTemprRef));
    out.u8(17, roundHalfAway(10 * b.m_temprGain));
    out.u8(18, temperatureToWire(b.m_temprBottom, curves.gas, kept, kKeptTemprBottom));
    out.u8(19, temperatureToWire(b.m_temprUpper, curves.gas, kept, kKeptTemprUpper));
    out.u8(20, delayToWire(b.m_emulatorDelay));
    out.u8(21, truncToward(10 * b.m_rpmSignalLevel));
    out.u8(22, roundHalfAway(voltsToRaw6(b.m_minVCC)));
    out.u8(23, timeToTicks(b.m_extraValue));
    out.copy(24, record.m_keptBytes.m_pcCode);
    return out.take();
}

bool decodeBlock31(const uint8_t* payload, size_t size, CSettingsRecord& record)
{
    if (!holds(payload, size, kBlock31Size))
        return false;
    readBase(PayloadReader(payload, size), Curves(record), record.m_base, record.m_keptBytes);
    return true;
}

std::vector<uint8_t> encodeBlock4(const CSettingsRecord& record)
{
    const CAdvSettings& a = record.m_adv;
    PayloadWriter out(kBlock4Size);
    out.u8(0, a.m_injectorType);
    out.u8(1, timeToTicks(a.m_pwmOffset));
    out.u8(2, truncToward(a.m_pwm));
    out.u8(3, timeToTicks(a.m_injectorWarmingImpulse));
    out.u8(4, truncToward(2 * a.m_warmingTime));
    out.u8(5, temperatureToWire(a.m_warmingUpperTempr, Curves(record).engine, record.m_keptBytes,
                                kKeptWarmingUpperTempr));
    out.u8(6, timeToTicks(a.m_minLPGTime));
    out.u8(7, timeToTicks(a.m_ignoreLPGTime));
    out.copy(8, a.m_injConfMap);
    out.u8(16, a.m_engineSignalBehavior);
    out.u8(17, a.m_flags);
    out.u8(18, pressureToWire(a.m_cutOffPressSwitch));
    out.u8(19, delayToWire(a.m_cutOffExitEmulatorDelay));
    out.u8(20, truncToward(2 * a.m_cutOffExitDelay));
    return out.take();
}

bool decodeBlock4(const uint8_t* payload, size_t size, CSettingsRecord& record)
{
    if (!holds(payload, size, kBlock4Size))
        return false;
    readAdv(PayloadReader(payload, size), Curves(record), record.m_adv, record.m_keptBytes);
    return true;
}

std::vector<uint8_t> encodeBlock26(const CSettingsRecord& record)
{
    const CAdvancedSetup& s = record.m_advancedSetup;
    PayloadWriter out(kBlock26Size);
    out.u32(0, s.m_inspectionEnd);
    out.u16(4, s.m_advancedFlags3);
    out.u16(8, rpmToPeriod(s.m_minimalLPGRPM));
    out.s8(10, truncToward(s.m_switchCorr));
    out.u8(11, truncToward(2 * s.m_switchCorrTime));
    out.u8(12, s.m_advancedFlags);
    out.u8(13, s.m_advancedFlags2);
    out.u16(14, roundHalfAway(s.m_maxLoadTime / 0.004));
    out.u16(16, rpmToPeriod(s.m_rpmForFuelEmulator));
    out.u8(18, roundHalfAway(10 * s.m_idleTime));
    out.copy(19, s.m_points2D);
    out.u8(24, truncToward(5 * s.m_maxLpgInjTime));
    out.u8(28, temperatureToWire(s.m_minLpgTempr, Curves(record).gas, record.m_keptBytes, kKeptMinLpgTempr));
    out.u8(29, s.m_fuelEmulator);
    return out.take();
}

bool decodeBlock26(const uint8_t* payload, size_t size, CSettingsRecord& record)
{
    if (!holds(payload, size, kBlock26Size))
        return false;
    readAdvanced(PayloadReader(payload, size), Curves(record), record.m_advancedSetup, record.m_keptBytes);
    return true;
}

std::vector<uint8_t> encodeBlock35(const CSettingsRecord& record)
{
    const CAdvancedSetup& s = record.m_advancedSetup;
    PayloadWriter out(kBlock35Size);
    out.u8(0, truncToward(s.m_vCppLitersToTank));
    out.u8(1, truncToward(s.m_tipInCorr));
    out.u16(2, rpmToPeriod(s.m_tipInRpmMax));
    out.u8(4, truncToward(s.m_tipInDeltaMap));
    out.u8(5, truncToward(s.m_tipInCycleCount));
    out.copy(6, s.m_injAdvanceOrder);
    out.u16(14, truncToward(adcMidScaleToRaw(s.m_circuitLimits[0])));
    out.u16(16, truncToward(adcMidScale2ToRaw(s.m_circuitLimits[1])));
    out.u16(18, truncToward(adcMidScale2ToRaw(s.m_circuitLimits[2])));
    out.u16(20, truncToward(voltsToAdc(s.m_circuitLimits[3])));
    out.u8(22, s.m_circuitFlags);
    return out.take();
}

bool decodeBlock35(const uint8_t* payload, size_t size, CSettingsRecord& record)
{
    if (!holds(payload, size, kBlock35Size))
        return false;
    readTipIn(PayloadReader(payload, size), record.m_advancedSetup);
    return true;
}

std::vector<uint8_t> encodeBlock15(const CSettingsRecord& record)
{
    PayloadWriter out(kBlock15Size);
    for (size_t i = 0; i < record.m_mainCorr.m_mainCorr.size(); ++i)
        out.s16(2 * i, roundHalfAway(record.m_mainCorr.m_mainCorr[i] / 0.004));
    return out.take();
}

bool decodeBlock15(const uint8_t* payload, size_t size, CSettingsRecord& record)
{
    if (!holds(payload, size, kBlock15Size))
        return false;
    PayloadReader in(payload, size);
    for (size_t i = 0; i < record.m_mainCorr.m_mainCorr.size(); ++i)
        record.m_mainCorr.m_mainCorr[i] = roundTo001(in.s16(2 * i) * 0.004);
    return true;
}
