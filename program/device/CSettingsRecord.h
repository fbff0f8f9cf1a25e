#pragma once

#include "CAdvSettings.h"
#include "CAdvancedSetup.h"
#include "CAutoMapSetup.h"
#include "CBaseSettings.h"
#include "CCarInfo.h"
#include "CCorrMap.h"
#include "CDevInfo.h"
#include "COBDAdvSetup.h"
#include "COBDSetup.h"
#include "CSensorsSetup.h"

#include <array>
#include <cstdint>
#include <string>

// The main (gas) correction of each injector, block 15.
struct CMainCorr
{
    std::array<double, 8> m_mainCorr{1.0, 1.0, 1.0, 1.0, 1.0, 1.0, 1.0, 1.0};
};

// Bytes of blocks 30, 31 and 32 that no field carries. No page edits them and
// no settings file holds them: they go back to the controller as last read.
// The neutral default 100 stands for a value of 0; a raw 0 would mean -100.
// Temperatures of blocks 31, 4 and 26 whose read bytes are kept.
enum KeptTemperature
{
    kKeptSwitchTempr,
    kKeptTemprRef,
    kKeptTemprBottom,
    kKeptTemprUpper,
    kKeptWarmingUpperTempr,
    kKeptMinLpgTempr,
    kKeptTemperatureCount
};

struct CKeptBlockBytes
{
    std::array<uint8_t, 4> m_pcCode{};     // block 31 bytes 24..27, most significant first
    std::array<uint8_t, 20> m_sensorsCorr; // block 30 bytes 10..29
    std::array<uint8_t, 26> m_block32;     // block 32 whole
    // The bytes the temperatures were read as (-1: none read). The curve has
    // flat runs, so a temperature written back through it could move by a
    // step: an unchanged one goes back as it came.
    std::array<int16_t, kKeptTemperatureCount> m_temperatures;

    CKeptBlockBytes()
    {
        m_sensorsCorr.fill(100);
        m_block32.fill(100);
        m_temperatures.fill(-1);
    }
};

// 13 rows of 3 values of the time correction curve.
using SetupTimesTable = std::array<std::array<double, 3>, 13>;

// The PC-side image of one controller's configuration. Member names are the
// settings-file keys. It holds no pointers, so copies are independent.
class CSettingsRecord
{
public:
    std::wstring m_timeStamp;
    CDevInfo m_devInfo;
    CCarInfo m_carInfo;
    CBaseSettings m_base;
    CAdvSettings m_adv;
    CMainCorr m_mainCorr;
    SetupTimesTable m_setupTimes1{};
    SetupTimesTable m_setupTimes2{};
    uint8_t m_tableMask = 0;
    CSensorsSetup m_sensorsSetup;
    CCorrMap m_corrMap;
    CAdvancedSetup m_advancedSetup;
    CAutoMapSetup m_autoMap;
    COBDSetup m_obdSetup;
    COBDAdvSetup m_obdAdvSetup;
    CKeptBlockBytes m_keptBytes;

    // Group copies: callers take over only the groups they mean to change.
    void copyCorrections(const CSettingsRecord& from);
    void fillCorrections(double value);
    // Both set-up time tables and m_tableMask.
    void copySetupTimes(const CSettingsRecord& from);
};

void copySetupTimes(const CSettingsRecord& from, CSettingsRecord& to);
