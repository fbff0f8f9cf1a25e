#pragma once

#include <array>
#include <cstdint>

// Additional settings, carried by block 4.
struct CAdvSettings
{
    double m_pwmOffset = 4.0;
    double m_pwm = 50.0;
    double m_injectorWarmingImpulse = 2.0;
    double m_warmingTime = 30.0;
    double m_warmingUpperTempr = 50.0;
    uint8_t m_injectorType = 1;
    double m_minLPGTime = 0.0;
    double m_ignoreLPGTime = 0.0;
    uint8_t m_engineSignalBehavior = 0;
    uint8_t m_flags = 0;
    double m_cutOffPressSwitch = 150.0;
    double m_cutOffExitEmulatorDelay = 0.0;
    double m_cutOffExitDelay = 0.0;
    // Entry i: the gas outputs driven for injector i; by default only output i.
    std::array<uint8_t, 8> m_injConfMap{1, 2, 4, 8, 16, 32, 64, 128};

    void copy(const CAdvSettings& other) { *this = other; }
};
