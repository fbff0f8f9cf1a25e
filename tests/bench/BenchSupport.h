#pragma once

#include <windows.h>

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <functional>
#include <vector>

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

// Milliseconds of each of `runs` calls, sorted.
inline std::vector<double> timeRuns(int runs, const std::function<void()>& run)
{
    std::vector<double> ms;
    for (int i = 0; i < runs; ++i) {
        const double start = secondsNow();
        run();
        ms.push_back((secondsNow() - start) * 1000.0);
    }
    std::sort(ms.begin(), ms.end());
    return ms;
}

// The median and 99th percentile of sorted times.
inline void report(const char* what, const std::vector<double>& ms)
{
    const double p99 = ms[std::min(ms.size() - 1, size_t(std::ceil(ms.size() * 0.99)) - 1)];
    std::printf("%-52s median %7.3f ms   99th percentile %7.3f ms\n", what, ms[ms.size() / 2], p99);
}
