#pragma once

#include <cstdint>

// Base settings, carried by block 31.
struct CBaseSettings
{
    double m_switchRPM = 1200.0;
    double m_switchTempr = 35.0;
    uint8_t m_sparkDivider = 1;
    double m_switchDelay = 5.0;
    double m_switchMinGasTime = 0.0;
    double m_switchPressure = 60.0;
    double m_emulatorDelay = 1.0;
    double m_pressureGain = 1.0;
    double m_pressureRef = 120.0;
    double m_pressAverageCount = 0.8;
    double m_temprRef = 0.0;
    double m_temprGain = 0.3;
    double m_temprBottom = 0.0;
    double m_temprUpper = 80.0;
    double m_maxRPMHigh = 8000.0;
    double m_maxRPMLow = 7000.0;
    double m_minVCC = 10.0;
    double m_rpmSignalLevel = 5.0;
    uint8_t m_flags = 0x80;
    double m_extraValue = 2.0; // no page shows it; goes back as read

    void copy(const CBaseSettings& other) { *this = other; }
};
