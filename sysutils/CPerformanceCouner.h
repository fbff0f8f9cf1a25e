#pragma once

#include "CPefrCounterError.h"
#include "HostkitLibApi.h"

#include <IErrorHelper.h>

#include <cstdint>

// Microsecond stopwatch on the high-resolution performance counter.
class HOSTKIT_API CPerformanceCouner : public IErrorHelper<CPefrCounterError>
{
public:
    CPerformanceCouner() = default;
    CPerformanceCouner(const CPerformanceCouner&) = default;
    CPerformanceCouner& operator=(const CPerformanceCouner&) = default;
    virtual ~CPerformanceCouner();

    // Starts or restarts the stopwatch; throws CPefrCounterError* when the
    // counter is not available, leaving the stopwatch as it was.
    void StartCounter();
    // Microseconds since the last StartCounter(); 0 before the first.
    double GetCounter() const;

private:
    double m_ticksPerMicrosecond = 0.0;
    int64_t m_start = 0;
};
