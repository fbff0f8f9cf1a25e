#pragma once

#include <windows.h>

// What the controller's line can carry: 38400 baud, 10 bits a byte.
constexpr double kWireBytesPerSecond = 38400.0 / 10;

// Seconds on the performance counter.
inline double secondsNow()
{
    static const LARGE_INTEGER frequency = [] {
        LARGE_INTEGER f;
        QueryPerformanceFrequency(&f);
        return f;
    }();
    LARGE_INTEGER count;
    QueryPerformanceCounter(&count);
    return static_cast<double>(count.QuadPart) / frequency.QuadPart;
}
