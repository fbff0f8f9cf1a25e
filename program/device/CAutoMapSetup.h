#pragma once

#include <cstdint>

// Auto-mapping settings, carried by block 33.
struct CAutoMapSetup
{
    uint8_t m_autoMapMode = 0; // 0 off, 1 single run, 2 with interval
    double m_autoMapParam16 = 1000.0;
    double m_autoMapParam32 = 0.0;

    void copy(const CAutoMapSetup& other) { *this = other; }
};
