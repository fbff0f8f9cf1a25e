#include "CPerformanceCouner.h"

#include <ansi2unicode.h>

#include <windows.h>

CPerformanceCouner::~CPerformanceCouner() = default;

void CPerformanceCouner::StartCounter()
{
    LARGE_INTEGER frequency;
    if (!QueryPerformanceFrequency(&frequency) || frequency.QuadPart <= 0)
        _throw(10, L"CPerformanceCouner::StartCounter()", 24, ansi2unicode("PerformanceCouner").c_str());
    LARGE_INTEGER now;
    QueryPerformanceCounter(&now);
    m_ticksPerMicrosecond = frequency.QuadPart / 1000000.0;
    m_start = now.QuadPart;
}

double CPerformanceCouner::GetCounter() const
{
    // Not started yet: there is no rate to divide by.
    if (m_ticksPerMicrosecond <= 0.0)
        return 0.0;
    LARGE_INTEGER now;
    QueryPerformanceCounter(&now);
    return (now.QuadPart - m_start) / m_ticksPerMicrosecond;
}
