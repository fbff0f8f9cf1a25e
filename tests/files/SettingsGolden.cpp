#include "SettingsGolden.h"

#include <cstdio>

namespace {

using Lines = std::vector<std::pair<std::string, std::string>>;

std::string number(double v)
{
    char text[400];
    snprintf(text, sizeof text, "%.6f", v);
    return text;
}

std::string bytes(const std::wstring& text)
{
    std::string out;
    for (wchar_t c : text)
        out += char(c);
    return out;
}

std::string indexed(const std::string& name, size_t i)
{
    return name + "[" + std::to_string(i) + "]";
}

template <class A> void addArray(Lines& lines, const std::string& name, const A& values)
{
    for (size_t i = 0; i < values.size(); ++i)
        lines.push_back({indexed(name, i), number(values[i])});
}

void addSetupTimes(Lines& lines, const std::string& name, const SetupTimesTable& t)
{
    for (size_t n = 1; n <= 39; ++n)
        lines.push_back({indexed(name, n), number(t[(n - 1) / 3][(n - 1) % 3])});
}

void addHead(Lines& l, const CSettingsRecord& r)
{
    const CDevInfo& d = r.m_devInfo;
    l.push_back({"m_timeStamp", bytes(r.m_timeStamp)});
    l.push_back({"m_devInfo.m_version", number(d.m_version)});
    l.push_back({"m_devInfo.m_injCount", number(d.m_injCount)});
    l.push_back({"m_devInfo.m_serial", bytes(d.m_serial.substr(0, 15))});
    l.push_back({"m_devInfo.m_prodDate", bytes(d.m_prodDate)});
    l.push_back({"m_devInfo.m_flags1", number(d.m_flags1)});
    l.push_back({"m_devInfo.m_flags2", number(d.m_flags2)});
    l.push_back({"m_devInfo.m_deviceID", number(d.m_deviceID)});
    l.push_back({"m_devInfo.m_statistic.gas", number(d.m_statistic.gas)});
    l.push_back({"m_devInfo.m_statistic.lpg", number(d.m_statistic.lpg)});
    l.push_back({"m_devInfo.m_statistic.modify", number(d.m_statistic.modify)});
    const CCarInfo& c = r.m_carInfo;
    l.push_back({"m_carInfo.m_vendor", bytes(c.m_vendor)});
    l.push_back({"m_carInfo.m_model", bytes(c.m_model)});
    l.push_back({"m_carInfo.m_engine", bytes(c.m_engine)});
    l.push_back({"m_carInfo.m_power", bytes(c.m_power)});
    l.push_back({"m_carInfo.m_prodYear", bytes(c.m_prodYear)});
    l.push_back({"m_carInfo.m_injectors", bytes(c.m_injectors)});
    l.push_back({"m_carInfo.m_reductorPress", number(c.m_reductorPress)});
}

void addBaseAndAdv(Lines& l, const CSettingsRecord& r)
{
    const CBaseSettings& b = r.m_base;
    for (auto& kv :
         std::vector<std::pair<const char*, double>>{{"m_switchRPM", b.m_switchRPM},
                                                     {"m_switchTempr", b.m_switchTempr},
                                                     {"m_sparkDivider", b.m_sparkDivider},
                                                     {"m_switchPressure", b.m_switchPressure},
                                                     {"m_switchDelay", b.m_switchDelay},
                                                     {"m_switchMinGasTime", b.m_switchMinGasTime},
                                                     {"m_flags", b.m_flags},
                                                     {"m_emulatorDelay", b.m_emulatorDelay},
                                                     {"m_pressureGain", b.m_pressureGain},
                                                     {"m_pressureRef", b.m_pressureRef},
                                                     {"m_pressAverageCount", b.m_pressAverageCount},
                                                     {"m_temprRef", b.m_temprRef},
                                                     {"m_temprGain", b.m_temprGain},
                                                     {"m_temprBottom", b.m_temprBottom},
                                                     {"m_temprUpper", b.m_temprUpper},
                                                     {"m_minVCC", b.m_minVCC},
                                                     {"m_rpmSignalLevel", b.m_rpmSignalLevel},
                                                     {"m_maxRPMHigh", b.m_maxRPMHigh},
                                                     {"m_maxRPMLow", b.m_maxRPMLow}})
        l.push_back({std::string("m_base.") + kv.first, number(kv.second)});
    const CAdvSettings& a = r.m_adv;
    for (auto& kv :
         std::vector<std::pair<const char*, double>>{{"m_pwmOffset", a.m_pwmOffset},
                                                     {"m_pwm", a.m_pwm},
                                                     {"m_injectorWarmingImpulse", a.m_injectorWarmingImpulse},
                                                     {"m_warmingTime", a.m_warmingTime},
                                                     {"m_warmingUpperTempr", a.m_warmingUpperTempr},
                                                     {"m_injectorType", a.m_injectorType},
                                                     {"m_minLPGTime", a.m_minLPGTime},
                                                     {"m_ignoreLPGTime", a.m_ignoreLPGTime},
                                                     {"m_engineSignalBehavior", a.m_engineSignalBehavior},
                                                     {"m_flags", a.m_flags}})
        l.push_back({std::string("m_adv.") + kv.first, number(kv.second)});
    addArray(l, "m_adv.m_injConfMap", a.m_injConfMap);
    l.push_back({"m_adv.m_cutOffExitDelay", number(a.m_cutOffExitDelay)});
    l.push_back({"m_adv.m_cutOffExitEmulatorDelay", number(a.m_cutOffExitEmulatorDelay)});
    l.push_back({"m_adv.m_cutOffPressSwitch", number(a.m_cutOffPressSwitch)});
}

void addCorrectionsAndSensors(Lines& l, const CSettingsRecord& r)
{
    addArray(l, "m_mainCorr.m_mainCorr", r.m_mainCorr.m_mainCorr);
    const CSensorsSetup& s = r.m_sensorsSetup;
    for (auto& kv :
         std::vector<std::pair<const char*, double>>{{"m_lambdaSecond", s.m_lambdaSecond},
                                                     {"m_lambdaType", s.m_lambdaType},
                                                     {"m_fuelFull", s.m_fuelFull},
                                                     {"m_fuelHgw", s.m_fuelHgw},
                                                     {"m_fuelHalf", s.m_fuelHalf},
                                                     {"m_fuelQuarter", s.m_fuelQuarter},
                                                     {"m_fuelRes", s.m_fuelRes},
                                                     {"m_fuelType", s.m_fuelType},
                                                     {"m_temprEngineSensor", s.m_temprEngineSensor},
                                                     {"m_temprLPGSensor", s.m_temprLPGSensor}})
        l.push_back({std::string("m_sensorsSetup.") + kv.first, number(kv.second)});
    addSetupTimes(l, "m_setupTimes1", r.m_setupTimes1);
    l.push_back({"m_tableMask", number(r.m_tableMask)});
    addSetupTimes(l, "m_setupTimes2", r.m_setupTimes2);
    for (int row = 0; row < 19; ++row)
        for (int col = 0; col < 15; ++col)
            l.push_back(
                {"m_injMapTable[" + std::to_string(row + 2) + "][" + std::to_string(1000 + 500 * col) + "]",
                 number(r.m_corrMap.m_injMapTable[row][col])});
    l.push_back({"m_corrMap.m_flags", number(r.m_corrMap.m_flags)});
}

void addAdvancedAndObd(Lines& l, const CSettingsRecord& r)
{
    const CAdvancedSetup& a = r.m_advancedSetup;
    const std::string p = "m_advancedSetup.";
    for (auto& kv :
         std::vector<std::pair<const char*, double>>{{"m_minimalLPGRPM", a.m_minimalLPGRPM},
                                                     {"m_switchCorr", a.m_switchCorr},
                                                     {"m_switchCorrTime", a.m_switchCorrTime},
                                                     {"m_maxLoadTime", a.m_maxLoadTime},
                                                     {"m_minLpgTempr", a.m_minLpgTempr},
                                                     {"m_advancedFlags", a.m_advancedFlags},
                                                     {"m_advancedFlags2", a.m_advancedFlags2},
                                                     {"m_advancedFlags3", a.m_advancedFlags3},
                                                     {"m_fuelEmulator", a.m_fuelEmulator},
                                                     {"m_rpmForFuelEmulator", a.m_rpmForFuelEmulator},
                                                     {"m_idleTime", a.m_idleTime}})
        l.push_back({p + kv.first, number(kv.second)});
    addArray(l, p + "m_points2D", a.m_points2D);
    l.push_back({p + "m_maxLpgInjTime", number(a.m_maxLpgInjTime)});
    const COBDSetup& o = r.m_obdSetup;
    l.push_back({"m_obdSetup.ecu_id_req", number(o.ecu_id_req)});
    l.push_back({"m_obdSetup.ecu_id_resp", number(o.ecu_id_resp)});
    l.push_back({"m_obdSetup.enable", number(o.enable)});
    l.push_back({"m_obdSetup.baud_rate", number(o.baud_rate)});
    l.push_back({"m_obdSetup.timeout", number(o.timeout)});
    l.push_back({"m_obdSetup.proto", number(o.proto)});
    const COBDAdvSetup& q = r.m_obdAdvSetup;
    l.push_back({"m_obdAdvSetup.obd_corr_enable_flag", number(q.obd_corr_enable_flag)});
    l.push_back({"m_obdAdvSetup.obd_corr_average", number(q.obd_corr_average)});
    l.push_back({"m_obdAdvSetup.obd_corr_max", number(q.obd_corr_max)});
    l.push_back({"m_obdAdvSetup.obd_corr_for_cyl", number(q.obd_corr_for_cyl)});
    addArray(l, "m_obdAdvSetup.obd_neutral_points", q.obd_neutral_points);
    l.push_back({"m_obdAdvSetup.rpm_for_corr", number(q.rpm_for_corr)});
    addArray(l, "m_obdAdvSetup.err_to_clear", q.err_to_clear);
    l.push_back({"m_obdAdvSetup.obd_adv_flag", number(q.obd_adv_flag)});
    l.push_back({p + "m_vCppLitersToTank", number(a.m_vCppLitersToTank)});
    l.push_back({p + "m_tipInCorr", number(a.m_tipInCorr)});
    l.push_back({p + "m_tipInDeltaMap", number(a.m_tipInDeltaMap)});
    l.push_back({p + "m_tipInRpmMax", number(a.m_tipInRpmMax)});
    l.push_back({p + "m_tipInCycleCount", number(a.m_tipInCycleCount)});
    addArray(l, p + "m_injAdvanceOrder", a.m_injAdvanceOrder);
}

// Hands out distinct values, doubles in quarter steps, some negative.
class Filler
{
public:
    double real()
    {
        m_real += 0.25;
        return (++m_count % 5 == 0) ? -m_real : m_real;
    }
    uint8_t byte() { return uint8_t(3 + (m_byte++ % 250)); }
    uint16_t word() { return uint16_t(1000 + 7 * m_word++); }
    template <class A> void reals(A& a)
    {
        for (auto& v : a)
            v = real();
    }
    template <class A> void bytes(A& a)
    {
        for (auto& v : a)
            v = byte();
    }

private:
    double m_real = 1.0;
    unsigned m_count = 0;
    unsigned m_byte = 0;
    unsigned m_word = 0;
};

void fillHead(CSettingsRecord& r)
{
    r.m_timeStamp = L"24-12-2025-18:05:09";
    CDevInfo& d = r.m_devInfo;
    d.m_version = 805;
    d.m_injCount = 6;
    d.m_serial = L"AB12CDEFGHIJKLMNOPQR"; // 20 characters: 15 are saved
    d.m_prodDate = L"05/03/2019";
    d.m_flags1 = 4294967295u;
    d.m_flags2 = 123456789u;
    d.m_deviceID = '0';
    d.m_statistic = {4000000000u, 77777u, 65535};
    r.m_carInfo = {L"Citro\xEBn", L"Octavia \xE9t\xE9", L"1.6 MPI", L"75 kW", L"2008", L"4 x 2 \xF8", 1.75};
}

void fillSettings(CSettingsRecord& r, Filler& f)
{
    CBaseSettings& b = r.m_base;
    for (double* v : {&b.m_switchRPM, &b.m_switchTempr, &b.m_switchDelay, &b.m_switchMinGasTime,
                      &b.m_switchPressure, &b.m_emulatorDelay, &b.m_pressureGain, &b.m_pressureRef,
                      &b.m_pressAverageCount, &b.m_temprRef, &b.m_temprGain, &b.m_temprBottom,
                      &b.m_temprUpper, &b.m_maxRPMHigh, &b.m_maxRPMLow, &b.m_minVCC, &b.m_rpmSignalLevel})
        *v = f.real();
    b.m_sparkDivider = f.byte();
    b.m_flags = f.byte();
    CAdvSettings& a = r.m_adv;
    for (double* v : {&a.m_pwmOffset, &a.m_pwm, &a.m_injectorWarmingImpulse, &a.m_warmingTime,
                      &a.m_warmingUpperTempr, &a.m_minLPGTime, &a.m_ignoreLPGTime, &a.m_cutOffPressSwitch,
                      &a.m_cutOffExitEmulatorDelay, &a.m_cutOffExitDelay})
        *v = f.real();
    for (uint8_t* v : {&a.m_injectorType, &a.m_engineSignalBehavior, &a.m_flags})
        *v = f.byte();
    f.bytes(a.m_injConfMap);
    f.reals(r.m_mainCorr.m_mainCorr);
    CSensorsSetup& s = r.m_sensorsSetup;
    for (uint8_t* v :
         {&s.m_lambdaType, &s.m_lambdaSecond, &s.m_fuelFull, &s.m_fuelHgw, &s.m_fuelHalf, &s.m_fuelQuarter,
          &s.m_fuelRes, &s.m_fuelType, &s.m_temprEngineSensor, &s.m_temprLPGSensor})
        *v = f.byte();
    for (auto& row : r.m_setupTimes1)
        f.reals(row);
    for (auto& row : r.m_setupTimes2)
        f.reals(row);
    r.m_tableMask = f.byte();
    for (auto& row : r.m_corrMap.m_injMapTable)
        f.reals(row);
    r.m_corrMap.m_flags = f.byte();
}

void fillAdvanced(CSettingsRecord& r, Filler& f)
{
    CAdvancedSetup& a = r.m_advancedSetup;
    for (double* v : {&a.m_minimalLPGRPM, &a.m_switchCorrTime, &a.m_maxLoadTime, &a.m_minLpgTempr,
                      &a.m_rpmForFuelEmulator, &a.m_idleTime, &a.m_maxLpgInjTime, &a.m_vCppLitersToTank,
                      &a.m_tipInCorr, &a.m_tipInDeltaMap, &a.m_tipInRpmMax, &a.m_tipInCycleCount})
        *v = f.real();
    a.m_switchCorr = -12.0; // a whole number the controller's signed byte holds
    for (uint8_t* v : {&a.m_advancedFlags, &a.m_advancedFlags2, &a.m_fuelEmulator})
        *v = f.byte();
    a.m_advancedFlags3 = f.word();
    f.bytes(a.m_points2D);
    f.bytes(a.m_injAdvanceOrder);
    r.m_obdSetup = {0x18DB33F1u, 0x18DAF110u, f.byte(), f.byte(), f.byte(), f.byte()};
    COBDAdvSetup& q = r.m_obdAdvSetup;
    for (uint8_t* v : {&q.obd_corr_enable_flag, &q.obd_corr_average, &q.obd_corr_max, &q.obd_corr_for_cyl,
                       &q.obd_adv_flag})
        *v = f.byte();
    f.bytes(q.obd_neutral_points);
    q.rpm_for_corr = f.word();
    for (auto& v : q.err_to_clear)
        v = f.word();
}

} // namespace

Lines expectedLines(const CSettingsRecord& r)
{
    Lines lines;
    addHead(lines, r);
    addBaseAndAdv(lines, r);
    addCorrectionsAndSensors(lines, r);
    addAdvancedAndObd(lines, r);
    return lines;
}

std::string joinLines(const Lines& lines)
{
    std::string file;
    for (auto& line : lines)
        file += line.first + "\t" + line.second + "\r\n";
    return file;
}

std::string expectedFile(const CSettingsRecord& r)
{
    return joinLines(expectedLines(r));
}

const std::vector<std::string>& optionalKeys()
{
    static const std::vector<std::string> keys = [] {
        std::vector<std::string> k;
        const std::string a = "m_advancedSetup.";
        for (const char* name :
             {"m_fuelEmulator", "m_rpmForFuelEmulator", "m_idleTime", "m_maxLpgInjTime", "m_vCppLitersToTank",
              "m_tipInCorr", "m_tipInDeltaMap", "m_tipInRpmMax", "m_tipInCycleCount"})
            k.push_back(a + name);
        for (size_t i = 0; i < 5; ++i)
            k.push_back(indexed(a + "m_points2D", i));
        for (size_t i = 0; i < 8; ++i)
            k.push_back(indexed(a + "m_injAdvanceOrder", i));
        for (const char* name : {"ecu_id_req", "ecu_id_resp", "enable", "baud_rate", "timeout", "proto"})
            k.push_back(std::string("m_obdSetup.") + name);
        for (const char* name :
             {"obd_corr_enable_flag", "obd_corr_average", "obd_corr_max", "obd_corr_for_cyl",
              "obd_neutral_points[0]", "obd_neutral_points[1]", "rpm_for_corr", "err_to_clear[0]",
              "err_to_clear[1]", "err_to_clear[2]", "err_to_clear[3]", "obd_adv_flag"})
            k.push_back(std::string("m_obdAdvSetup.") + name);
        return k;
    }();
    return keys;
}

CSettingsRecord nonDefaultRecord()
{
    CSettingsRecord r;
    Filler f;
    fillHead(r);
    fillSettings(r, f);
    fillAdvanced(r, f);
    return r;
}
