#pragma once

#include <array>
#include <cstdint>
#include <string>

// Usage counters of block 12.
struct CStatistic
{
    uint32_t gas = 0; // petrol driving time, half-seconds
    uint32_t lpg = 0; // gas driving time, half-seconds
    uint16_t modify = 0;
};

// Identity and statistics of the controller, with two blocks kept as raw bytes.
struct CDevInfo
{
    std::wstring m_deviceName = L"KESTRELWAVE";
    int32_t m_version = 0;
    int32_t m_injCount = 4;
    std::wstring m_serial;
    std::wstring m_prodDate;
    uint8_t m_deviceID = 0;
    uint32_t m_flags1 = 0; // bit 0: an OBD module is fitted
    uint32_t m_flags2 = 0;
    CStatistic m_statistic;
    std::array<uint8_t, 60> m_lockData{};      // block 3 as last read or written
    std::array<uint8_t, 84> m_pcConnections{}; // block 19, the PC-connection log
};
