#include "SettingsBlocks.h"

#include "BlockWire.h"
#include "CSettingsRecord.h"
#include "Conversions.h"

using namespace blockwire;

namespace {

// Signed values of the tables travel as value + 100.
constexpr double kValueOffset = 100.0;

// A gauge of fuel type 1 reads the other way: its levels travel inverted.
uint8_t levelMask(uint8_t fuelType)
{
    return fuelType == 1 ? 0xFF : 0x00;
}

// Blocks 7 and 9: 13 rows of 3 values, then one byte that only the writer fills.
bool readSetupTimes(const uint8_t* payload, size_t size, SetupTimesTable& table)
{
    if (!holds(payload, size, kBlock7Size))
        return false;
    PayloadReader in(payload, size);
    for (size_t r = 0; r < table.size(); ++r)
        for (size_t c = 0; c < table[r].size(); ++c)
            table[r][c] = in.u8(3 * r + c) - kValueOffset;
    return true;
}

std::vector<uint8_t> writeSetupTimes(const SetupTimesTable& table, uint8_t lastByte)
{
    PayloadWriter out(kBlock7Size);
    for (size_t r = 0; r < table.size(); ++r)
        for (size_t c = 0; c < table[r].size(); ++c)
            out.u8(3 * r + c, truncToward(table[r][c] + kValueOffset));
    out.u8(kBlock7Size - 1, lastByte);
    return out.take();
}

// Map rows are petrol times in 0.2 ms, or manifold pressures in bar when
// bit 10 of m_advancedFlags3 says so.
bool rowsArePressures(const CAdvancedSetup& s)
{
    return (s.m_advancedFlags3 & 0x0400) != 0;
}

constexpr size_t kColAxisOffset = CCorrMap::kRows;

} // namespace

std::vector<uint8_t> encodeBlock30(const CSettingsRecord& record)
{
    const CSensorsSetup& s = record.m_sensorsSetup;
    uint8_t mask = levelMask(s.m_fuelType);
    PayloadWriter out(kBlock30Size);
    out.u8(0, s.m_fuelFull ^ mask);
    out.u8(1, s.m_fuelHgw ^ mask);
    out.u8(2, s.m_fuelHalf ^ mask);
    out.u8(3, s.m_fuelQuarter ^ mask);
    out.u8(4, s.m_fuelType);
    out.u8(5, s.m_fuelRes);
    out.u8(6, s.m_lambdaType);
    out.u8(7, s.m_lambdaSecond);
    out.u8(8, s.m_temprEngineSensor);
    out.u8(9, s.m_temprLPGSensor);
    out.copy(10, record.m_keptBytes.m_sensorsCorr);
    return out.take();
}

bool decodeBlock30(const uint8_t* payload, size_t size, CSettingsRecord& record)
{
    if (!holds(payload, size, kBlock30Size))
        return false;
    PayloadReader in(payload, size);
    CSensorsSetup& s = record.m_sensorsSetup;
    uint8_t mask = levelMask(in.u8(4));
    s.m_fuelFull = in.u8(0) ^ mask;
    s.m_fuelHgw = in.u8(1) ^ mask;
    s.m_fuelHalf = in.u8(2) ^ mask;
    s.m_fuelQuarter = in.u8(3) ^ mask;
    s.m_fuelType = in.u8(4);
    s.m_fuelRes = in.u8(5);
    s.m_lambdaType = in.u8(6);
    s.m_lambdaSecond = in.u8(7);
    s.m_temprEngineSensor = in.u8(8);
    s.m_temprLPGSensor = in.u8(9);
    in.copy(10, record.m_keptBytes.m_sensorsCorr);
    return true;
}

std::vector<uint8_t> encodeBlock7(const CSettingsRecord& record)
{
    return writeSetupTimes(record.m_setupTimes1, 0);
}

bool decodeBlock7(const uint8_t* payload, size_t size, CSettingsRecord& record)
{
    return readSetupTimes(payload, size, record.m_setupTimes1);
}

// Byte 39 of block 9 carries m_tableMask out; the controller's answer there is not used.
std::vector<uint8_t> encodeBlock9(const CSettingsRecord& record)
{
    return writeSetupTimes(record.m_setupTimes2, record.m_tableMask);
}

bool decodeBlock9(const uint8_t* payload, size_t size, CSettingsRecord& record)
{
    return readSetupTimes(payload, size, record.m_setupTimes2);
}

std::vector<uint8_t> encodeBlock32(const CSettingsRecord& record)
{
    return encodeBytes(record.m_keptBytes.m_block32, kBlock32Size);
}

bool decodeBlock32(const uint8_t* payload, size_t size, CSettingsRecord& record)
{
    return decodeBytes(payload, size, kBlock32Size, record.m_keptBytes.m_block32);
}

std::vector<uint8_t> encodeBlock33(const CSettingsRecord& record)
{
    const CAutoMapSetup& m = record.m_autoMap;
    PayloadWriter out(kBlock33Size);
    out.u32(0, truncToward(m.m_autoMapParam32));
    out.u16(4, truncToward(m.m_autoMapParam16 / 50));
    out.u8(6, m.m_autoMapMode);
    return out.take();
}

bool decodeBlock33(const uint8_t* payload, size_t size, CSettingsRecord& record)
{
    if (!holds(payload, size, kBlock33Size))
        return false;
    PayloadReader in(payload, size);
    CAutoMapSetup& m = record.m_autoMap;
    m.m_autoMapParam32 = in.u32(0);
    m.m_autoMapParam16 = in.u16(4) * 50.0;
    m.m_autoMapMode = in.u8(6);
    return true;
}

std::vector<uint8_t> encodeBlock34(const CSettingsRecord& record)
{
    const CCorrMap& map = record.m_corrMap;
    const CAdvancedSetup& s = record.m_advancedSetup;
    PayloadWriter out(kBlock34Size);
    for (size_t r = 0; r < map.m_rowAxis.size(); ++r) {
        double v = map.m_rowAxis[r];
        out.u8(r, rowsArePressures(s) ? roundHalfAway(manifoldPressureToRaw(100 * v, s.m_advancedFlags))
                                      : roundHalfAway(5 * v));
    }
    for (size_t c = 0; c < map.m_colAxis.size(); ++c)
        out.u8(kColAxisOffset + c, truncToward(map.m_colAxis[c] / 100));
    return out.take();
}

bool decodeBlock34(const uint8_t* payload, size_t size, CSettingsRecord& record)
{
    if (!holds(payload, size, kBlock34ReadSize))
        return false;
    PayloadReader in(payload, size);
    CCorrMap& map = record.m_corrMap;
    const CAdvancedSetup& s = record.m_advancedSetup;
    for (size_t r = 0; r < map.m_rowAxis.size(); ++r)
        map.m_rowAxis[r] =
            rowsArePressures(s) ? rawToManifoldPressure(in.u8(r), s.m_advancedFlags) / 100 : in.u8(r) / 5.0;
    for (size_t c = 0; c < map.m_colAxis.size(); ++c)
        map.m_colAxis[c] = in.u8(kColAxisOffset + c) * 100.0;
    return true;
}
