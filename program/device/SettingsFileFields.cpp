#include "SettingsFileFields.h"

#include "CSettingsFile.h"

#include <cmath>
#include <limits>

namespace {

constexpr size_t kSavedSerialLength = 15;

using G = SettingsGroup;

// Builds the list in file order.
class FieldList
{
public:
    explicit FieldList(std::vector<SettingsField>& fields) : m_fields(fields) {}

    template <class T> void add(const std::wstring& key, T target, G group, bool optional = false)
    {
        m_fields.push_back({key, target, group, optional});
    }

    template <class T, size_t N>
    void addArray(const std::wstring& name, std::array<T, N>& values, G group, bool optional = false)
    {
        for (size_t i = 0; i < N; ++i)
            add(name + L"[" + std::to_wstring(i) + L"]", &values[i], group, optional);
    }

    // Entries 1 to 39, row by row.
    void addSetupTimes(const std::wstring& name, SetupTimesTable& table)
    {
        for (size_t n = 1; n <= 39; ++n)
            add(name + L"[" + std::to_wstring(n) + L"]", &table[(n - 1) / 3][(n - 1) % 3], G::SetupTimes);
    }

    // The labels are fixed, whatever the axes hold: rows 2 to 20, columns 1000 to 8000.
    void addMapTable(CCorrMap& map)
    {
        for (int r = 0; r < CCorrMap::kRows; ++r)
            for (int c = 0; c < CCorrMap::kCols; ++c)
                add(L"m_injMapTable[" + std::to_wstring(r + 2) + L"][" + std::to_wstring(1000 + 500 * c) +
                        L"]",
                    &map.m_injMapTable[r][c], G::CorrMap);
    }

private:
    std::vector<SettingsField>& m_fields;
};

void addDevAndCarInfo(FieldList& list, CSettingsRecord& r)
{
    CDevInfo& d = r.m_devInfo;
    list.add(L"m_timeStamp", &r.m_timeStamp, G::DevAndCarInfo);
    list.add(L"m_devInfo.m_version", &d.m_version, G::DevAndCarInfo);
    list.add(L"m_devInfo.m_injCount", &d.m_injCount, G::DevAndCarInfo);
    list.add(L"m_devInfo.m_serial", SerialText{&d.m_serial}, G::DevAndCarInfo);
    list.add(L"m_devInfo.m_prodDate", &d.m_prodDate, G::DevAndCarInfo);
    list.add(L"m_devInfo.m_flags1", &d.m_flags1, G::DevAndCarInfo);
    list.add(L"m_devInfo.m_flags2", &d.m_flags2, G::DevAndCarInfo);
    list.add(L"m_devInfo.m_deviceID", &d.m_deviceID, G::DevAndCarInfo);
    list.add(L"m_devInfo.m_statistic.gas", &d.m_statistic.gas, G::DevAndCarInfo);
    list.add(L"m_devInfo.m_statistic.lpg", &d.m_statistic.lpg, G::DevAndCarInfo);
    list.add(L"m_devInfo.m_statistic.modify", &d.m_statistic.modify, G::DevAndCarInfo);
    CCarInfo& c = r.m_carInfo;
    list.add(L"m_carInfo.m_vendor", &c.m_vendor, G::DevAndCarInfo);
    list.add(L"m_carInfo.m_model", &c.m_model, G::DevAndCarInfo);
    list.add(L"m_carInfo.m_engine", &c.m_engine, G::DevAndCarInfo);
    list.add(L"m_carInfo.m_power", &c.m_power, G::DevAndCarInfo);
    list.add(L"m_carInfo.m_prodYear", &c.m_prodYear, G::DevAndCarInfo);
    list.add(L"m_carInfo.m_injectors", &c.m_injectors, G::DevAndCarInfo);
    list.add(L"m_carInfo.m_reductorPress", &c.m_reductorPress, G::DevAndCarInfo);
}

void addBase(FieldList& list, CBaseSettings& b)
{
    const std::wstring p = L"m_base.";
    list.add(p + L"m_switchRPM", &b.m_switchRPM, G::Base);
    list.add(p + L"m_switchTempr", &b.m_switchTempr, G::Base);
    list.add(p + L"m_sparkDivider", &b.m_sparkDivider, G::Base);
    list.add(p + L"m_switchPressure", &b.m_switchPressure, G::Base);
    list.add(p + L"m_switchDelay", &b.m_switchDelay, G::Base);
    list.add(p + L"m_switchMinGasTime", &b.m_switchMinGasTime, G::Base);
    list.add(p + L"m_flags", &b.m_flags, G::Base);
    list.add(p + L"m_emulatorDelay", &b.m_emulatorDelay, G::Base);
    list.add(p + L"m_pressureGain", &b.m_pressureGain, G::Base);
    list.add(p + L"m_pressureRef", &b.m_pressureRef, G::Base);
    list.add(p + L"m_pressAverageCount", &b.m_pressAverageCount, G::Base);
    list.add(p + L"m_temprRef", &b.m_temprRef, G::Base);
    list.add(p + L"m_temprGain", &b.m_temprGain, G::Base);
    list.add(p + L"m_temprBottom", &b.m_temprBottom, G::Base);
    list.add(p + L"m_temprUpper", &b.m_temprUpper, G::Base);
    list.add(p + L"m_minVCC", &b.m_minVCC, G::Base);
    list.add(p + L"m_rpmSignalLevel", &b.m_rpmSignalLevel, G::Base);
    list.add(p + L"m_maxRPMHigh", &b.m_maxRPMHigh, G::Base);
    list.add(p + L"m_maxRPMLow", &b.m_maxRPMLow, G::Base);
}

void addAdv(FieldList& list, CAdvSettings& a)
{
    const std::wstring p = L"m_adv.";
    list.add(p + L"m_pwmOffset", &a.m_pwmOffset, G::Adv);
    list.add(p + L"m_pwm", &a.m_pwm, G::Adv);
    list.add(p + L"m_injectorWarmingImpulse", &a.m_injectorWarmingImpulse, G::Adv);
    list.add(p + L"m_warmingTime", &a.m_warmingTime, G::Adv);
    list.add(p + L"m_warmingUpperTempr", &a.m_warmingUpperTempr, G::Adv);
    list.add(p + L"m_injectorType", &a.m_injectorType, G::Adv);
    list.add(p + L"m_minLPGTime", &a.m_minLPGTime, G::Adv);
    list.add(p + L"m_ignoreLPGTime", &a.m_ignoreLPGTime, G::Adv);
    list.add(p + L"m_engineSignalBehavior", &a.m_engineSignalBehavior, G::Adv);
    list.add(p + L"m_flags", &a.m_flags, G::Adv);
    list.addArray(p + L"m_injConfMap", a.m_injConfMap, G::Adv);
    list.add(p + L"m_cutOffExitDelay", &a.m_cutOffExitDelay, G::Adv);
    list.add(p + L"m_cutOffExitEmulatorDelay", &a.m_cutOffExitEmulatorDelay, G::Adv);
    list.add(p + L"m_cutOffPressSwitch", &a.m_cutOffPressSwitch, G::Adv);
}

void addSensors(FieldList& list, CSensorsSetup& s)
{
    const std::wstring p = L"m_sensorsSetup.";
    list.add(p + L"m_lambdaSecond", &s.m_lambdaSecond, G::SensorsSetup);
    list.add(p + L"m_lambdaType", &s.m_lambdaType, G::SensorsSetup);
    list.add(p + L"m_fuelFull", &s.m_fuelFull, G::SensorsSetup);
    list.add(p + L"m_fuelHgw", &s.m_fuelHgw, G::SensorsSetup);
    list.add(p + L"m_fuelHalf", &s.m_fuelHalf, G::SensorsSetup);
    list.add(p + L"m_fuelQuarter", &s.m_fuelQuarter, G::SensorsSetup);
    list.add(p + L"m_fuelRes", &s.m_fuelRes, G::SensorsSetup);
    list.add(p + L"m_fuelType", &s.m_fuelType, G::SensorsSetup);
    list.add(p + L"m_temprEngineSensor", &s.m_temprEngineSensor, G::SensorsSetup);
    list.add(p + L"m_temprLPGSensor", &s.m_temprLPGSensor, G::SensorsSetup);
}

// Block 26 fields: those after the three flag fields may be missing.
void addAdvancedSetup(FieldList& list, CAdvancedSetup& a)
{
    const std::wstring p = L"m_advancedSetup.";
    const bool optional = true;
    list.add(p + L"m_minimalLPGRPM", &a.m_minimalLPGRPM, G::AdvancedSetup);
    list.add(p + L"m_switchCorr", SignedByteNumber{&a.m_switchCorr}, G::AdvancedSetup);
    list.add(p + L"m_switchCorrTime", &a.m_switchCorrTime, G::AdvancedSetup);
    list.add(p + L"m_maxLoadTime", &a.m_maxLoadTime, G::AdvancedSetup);
    list.add(p + L"m_minLpgTempr", &a.m_minLpgTempr, G::AdvancedSetup);
    list.add(p + L"m_advancedFlags", &a.m_advancedFlags, G::AdvancedSetup);
    list.add(p + L"m_advancedFlags2", &a.m_advancedFlags2, G::AdvancedSetup);
    list.add(p + L"m_advancedFlags3", &a.m_advancedFlags3, G::AdvancedSetup);
    list.add(p + L"m_fuelEmulator", &a.m_fuelEmulator, G::AdvancedSetup, optional);
    list.add(p + L"m_rpmForFuelEmulator", &a.m_rpmForFuelEmulator, G::AdvancedSetup, optional);
    list.add(p + L"m_idleTime", &a.m_idleTime, G::AdvancedSetup, optional);
    list.addArray(p + L"m_points2D", a.m_points2D, G::AdvancedSetup, optional);
    list.add(p + L"m_maxLpgInjTime", &a.m_maxLpgInjTime, G::AdvancedSetup, optional);
}

// The OBD groups are read with the advanced set-up, all optional.
void addObd(FieldList& list, COBDSetup& o, COBDAdvSetup& a)
{
    const std::wstring p = L"m_obdSetup.";
    const bool optional = true;
    list.add(p + L"ecu_id_req", &o.ecu_id_req, G::AdvancedSetup, optional);
    list.add(p + L"ecu_id_resp", &o.ecu_id_resp, G::AdvancedSetup, optional);
    list.add(p + L"enable", &o.enable, G::AdvancedSetup, optional);
    list.add(p + L"baud_rate", &o.baud_rate, G::AdvancedSetup, optional);
    list.add(p + L"timeout", &o.timeout, G::AdvancedSetup, optional);
    list.add(p + L"proto", &o.proto, G::AdvancedSetup, optional);
    const std::wstring q = L"m_obdAdvSetup.";
    list.add(q + L"obd_corr_enable_flag", &a.obd_corr_enable_flag, G::AdvancedSetup, optional);
    list.add(q + L"obd_corr_average", &a.obd_corr_average, G::AdvancedSetup, optional);
    list.add(q + L"obd_corr_max", &a.obd_corr_max, G::AdvancedSetup, optional);
    list.add(q + L"obd_corr_for_cyl", &a.obd_corr_for_cyl, G::AdvancedSetup, optional);
    list.addArray(q + L"obd_neutral_points", a.obd_neutral_points, G::AdvancedSetup, optional);
    list.add(q + L"rpm_for_corr", &a.rpm_for_corr, G::AdvancedSetup, optional);
    list.addArray(q + L"err_to_clear", a.err_to_clear, G::AdvancedSetup, optional);
    list.add(q + L"obd_adv_flag", &a.obd_adv_flag, G::AdvancedSetup, optional);
}

// Block 35 fields, all of which may be missing.
void addAdvancedSetupTail(FieldList& list, CAdvancedSetup& a)
{
    const std::wstring p = L"m_advancedSetup.";
    const bool optional = true;
    list.add(p + L"m_vCppLitersToTank", &a.m_vCppLitersToTank, G::AdvancedSetup, optional);
    list.add(p + L"m_tipInCorr", &a.m_tipInCorr, G::AdvancedSetup, optional);
    list.add(p + L"m_tipInDeltaMap", &a.m_tipInDeltaMap, G::AdvancedSetup, optional);
    list.add(p + L"m_tipInRpmMax", &a.m_tipInRpmMax, G::AdvancedSetup, optional);
    list.add(p + L"m_tipInCycleCount", &a.m_tipInCycleCount, G::AdvancedSetup, optional);
    list.addArray(p + L"m_injAdvanceOrder", a.m_injAdvanceOrder, G::AdvancedSetup, optional);
}

// Truncated toward zero into the integer W, of which T keeps the low bits. A
// number beyond what W holds (or not finite) reads as 0.
template <class T, class W> T lowBits(double value)
{
    double whole = std::trunc(value);
    const double lowest = double(std::numeric_limits<W>::min());
    if (!(whole >= lowest && whole < -lowest))
        return 0;
    return T(W(whole));
}

struct FieldWriter
{
    CSettingsFile& file;
    const std::wstring& key;

    bool operator()(std::wstring* text) const { return file.writeString(key, *text); }
    bool operator()(SerialText serial) const
    {
        return file.writeString(key, serial.text->substr(0, kSavedSerialLength));
    }
    bool operator()(SignedByteNumber n) const { return file.writeDouble(key, *n.number); }
    template <class T> bool operator()(T* number) const { return file.writeDouble(key, double(*number)); }
};

struct FieldStore
{
    double value;

    void operator()(double* field) const { *field = value; }
    void operator()(SignedByteNumber n) const { *n.number = lowBits<int8_t, int32_t>(value); }
    void operator()(int32_t* field) const { *field = lowBits<int32_t, int32_t>(value); }
    void operator()(uint32_t* field) const { *field = lowBits<uint32_t, int64_t>(value); }
    void operator()(uint16_t* field) const { *field = lowBits<uint16_t, int32_t>(value); }
    void operator()(uint8_t* field) const { *field = lowBits<uint8_t, int32_t>(value); }
    void operator()(std::wstring*) const {}
    void operator()(SerialText) const {}
};

std::wstring* textTarget(const SettingsField::Target& target)
{
    if (auto text = std::get_if<std::wstring*>(&target))
        return *text;
    if (auto serial = std::get_if<SerialText>(&target))
        return serial->text;
    return nullptr;
}

} // namespace

std::vector<SettingsField> settingsFields(CSettingsRecord& r)
{
    std::vector<SettingsField> fields;
    FieldList list(fields);
    addDevAndCarInfo(list, r);
    addBase(list, r.m_base);
    addAdv(list, r.m_adv);
    list.addArray(L"m_mainCorr.m_mainCorr", r.m_mainCorr.m_mainCorr, G::MainCorr);
    addSensors(list, r.m_sensorsSetup);
    list.addSetupTimes(L"m_setupTimes1", r.m_setupTimes1);
    list.add(L"m_tableMask", &r.m_tableMask, G::SetupTimes);
    list.addSetupTimes(L"m_setupTimes2", r.m_setupTimes2);
    list.addMapTable(r.m_corrMap);
    list.add(L"m_corrMap.m_flags", &r.m_corrMap.m_flags, G::CorrMap);
    addAdvancedSetup(list, r.m_advancedSetup);
    addObd(list, r.m_obdSetup, r.m_obdAdvSetup);
    addAdvancedSetupTail(list, r.m_advancedSetup);
    return fields;
}

bool writeSettingsField(CSettingsFile& file, const SettingsField& field)
{
    return std::visit(FieldWriter{file, field.key}, field.target);
}

bool readSettingsField(const CSettingsFile& file, const SettingsField& field)
{
    if (std::wstring* text = textTarget(field.target))
        return file.readString(field.key, *text);
    double value = 0.0;
    if (!file.readDouble(field.key, value))
        return false;
    std::visit(FieldStore{value}, field.target);
    return true;
}
