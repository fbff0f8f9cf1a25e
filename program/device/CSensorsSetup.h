#pragma once

#include <cstdint>

// Sensor set-up, carried by block 30.
struct CSensorsSetup
{
    uint8_t m_lambdaType = 1;
    uint8_t m_lambdaSecond = 0;
    // Fuel gauge input levels in 0.02 V at full, 3/4, half and 1/4 tank.
    uint8_t m_fuelFull = 90;
    uint8_t m_fuelHgw = 150;
    uint8_t m_fuelHalf = 195;
    uint8_t m_fuelQuarter = 238;
    uint8_t m_fuelRes = 1;
    uint8_t m_fuelType = 1;
    // Columns of the temperature table for the engine and the gas reading.
    uint8_t m_temprEngineSensor = 2;
    uint8_t m_temprLPGSensor = 2;

    void copy(const CSensorsSetup& other) { *this = other; }
};
