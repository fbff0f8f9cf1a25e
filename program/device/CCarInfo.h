#pragma once

#include <string>

// Free description of the car the controller is fitted to.
struct CCarInfo
{
    std::wstring m_vendor;
    std::wstring m_model;
    std::wstring m_engine;
    std::wstring m_power;
    std::wstring m_prodYear;
    std::wstring m_injectors;
    double m_reductorPress = 0.0;
};
