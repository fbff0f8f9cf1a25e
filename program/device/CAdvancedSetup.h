#pragma once

#include <array>
#include <cstdint>

// Advanced settings: block 26 up to m_maxLpgInjTime, block 35 from m_vCppLitersToTank on.
struct CAdvancedSetup
{
    uint32_t m_inspectionEnd = 0; // in units of the gas running time counter
    double m_minimalLPGRPM = 500.0;
    double m_switchCorr = 0.0;
    double m_switchCorrTime = 20.0;
    uint8_t m_advancedFlags = 0x88; // bit 3: CNG; bits 4 and 7: manifold sensor curve
    uint8_t m_advancedFlags2 = 0x00;
    uint16_t m_advancedFlags3 = 0x0051; // bit 10: map rows are manifold pressure
    double m_maxLoadTime = 0.0;
    double m_minLpgTempr = 0.0;
    uint8_t m_fuelEmulator = 0;
    double m_rpmForFuelEmulator = 500.0;
    double m_idleTime = 3.5;
    std::array<uint8_t, 5> m_points2D{};
    double m_maxLpgInjTime = 35.0;

    double m_vCppLitersToTank = 30.0;
    double m_tipInCorr = 0.0;
    double m_tipInDeltaMap = 30.0;
    double m_tipInRpmMax = 4000.0;
    double m_tipInCycleCount = 10.0;
    std::array<uint8_t, 8> m_injAdvanceOrder{0, 1, 2, 3, 4, 5, 6, 7};
    std::array<double, 4> m_circuitLimits{6.5, 0.5, 3.0, 4.5};
    uint8_t m_circuitFlags = 0x0F;

    void copy(const CAdvancedSetup& other) { *this = other; }
};
