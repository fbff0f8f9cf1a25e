// Cadence of the live-data reading thread over a real COM port (a pty pair
// under Wine) against kwsim paced at 38400 baud: the mean interval between
// stored samples, its 99th percentile, and the share of the line's capacity
// that the thread uses.
//
// Run inside the test environment:
//   . tests/testenv.sh build && wine build/bin/livedata_bench.exe [seconds]; kw_testenv_cleanup
#include "BenchSupport.h"
#include "KwSimProcess.h"
#include "ProbedTransport.h"

#include <CLPGDevice.h>

#include <Sendrel.h>

#include <windows.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <numeric>
#include <vector>

namespace {
// The time each new sample was first seen in the store, polled every ms.
std::vector<double> watchSamples(CDiagData& store, double seconds)
{
    std::vector<double> seen;
    uint32_t last = 0;
    for (const double end = secondsNow() + seconds; secondsNow() < end; Sleep(1)) {
        CDiag sample;
        store.getLast(sample);
        if (sample.getSequence() != last) {
            last = sample.getSequence();
            seen.push_back(secondsNow());
        }
    }
    return seen;
}

void printIntervals(std::vector<double> seen)
{
    if (seen.size() < 3) {
        printf("too few samples (%u)\n", static_cast<unsigned>(seen.size()));
        return;
    }
    std::vector<double> gaps(seen.size() - 1);
    for (size_t i = 1; i < seen.size(); ++i)
        gaps[i - 1] = (seen[i] - seen[i - 1]) * 1000;
    const double mean = std::accumulate(gaps.begin(), gaps.end(), 0.0) / gaps.size();
    std::sort(gaps.begin(), gaps.end());
    const double p99 = gaps[std::min(gaps.size() - 1, gaps.size() * 99 / 100)];
    printf("samples %u   interval mean %.1f ms   p99 %.1f ms   min %.1f ms   max %.1f ms\n",
           static_cast<unsigned>(seen.size()), mean, p99, gaps.front(), gaps.back());
}
} // namespace

int main(int argc, char** argv)
{
    const double seconds = argc > 1 ? atof(argv[1]) : 60.0;
    kwtest::KwSimProcess sim;
    if (!sim.start(L"--pace")) {
        fprintf(stderr, "kwsim did not start: run inside tests/testenv.sh\n");
        return 1;
    }
    kwtest::ProbeInstall line;
    CMultiThread manager;
    CLPGDevice device;
    openControllerLine(device.m_port, sim.programPort());
    device.m_connected = true;
    device.m_diagThread.start(manager, &device.m_diagData, L"\\");

    const uint64_t bytesBefore = line.probe->bytesCrossed();
    const double start = secondsNow();
    const std::vector<double> seen = watchSamples(device.m_diagData, seconds);
    const double elapsed = secondsNow() - start;
    const uint64_t bytes = line.probe->bytesCrossed() - bytesBefore;
    device.m_diagThread.stop();

    printf("reading thread against kwsim paced at 38400 baud, %.0f s\n", elapsed);
    printIntervals(seen);
    printf("line busy %.1f %% of the time (%llu bytes both ways, %.0f bytes/s of %.0f)\n",
           100.0 * bytes / elapsed / kWireBytesPerSecond, static_cast<unsigned long long>(bytes),
           bytes / elapsed, kWireBytesPerSecond);
    return 0;
}
