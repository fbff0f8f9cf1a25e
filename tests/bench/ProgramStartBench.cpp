// Start to connected: Kestrelwave.exe from its process start to the first
// live sample shown in the status strip, against kwsim paced at 38400 baud,
// beside what the start must take anyway (the 2 s splash and the wire time
// of the start-up requests); then the program's working set after one
// minute connected.
//
// Run inside the test environment:
//   . tests/testenv.sh build && wine build/bin/programstart_bench.exe [runs]; kw_testenv_cleanup
#include "BenchSupport.h"
#include "CLPGDevice.h"
#include "KwSimProcess.h"
#include "ProbedTransport.h"
#include "ProgramRun.h"
#include "SimLink.h"
#include "UserInterface.h"

#include <psapi.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <vector>

namespace {

const int kRpmValue = 1008;
const double kSplashSeconds = 2.0;

// The bytes of the start-up exchanges both ways: the same connection made
// in this process against the same simulated controller.
double startUpWireBytes()
{
    auto sim = std::make_shared<kwsim::SimController>();
    auto link = kwsim::SimLink::create(sim, {1}, 1);
    kwtest::ProbeInstall line([link] { return link->makeTransport(); });
    setMessageBoxHook([](const MessageBoxRequest&) { return IDOK; });
    writeLastPortNr(1);
    CLPGDevice device;
    const uint64_t before = line.probe->bytesCrossed();
    device.connect();
    const double bytes = static_cast<double>(line.probe->bytesCrossed() - before);
    device.m_port.close();
    setMessageBoxHook(nullptr);
    return bytes;
}

double secondsToFirstSample(kwtest::ProgramRun& program, const kwtest::KwSimProcess& sim)
{
    const double start = secondsNow();
    if (!program.start(sim.programPort()))
        return -1;
    if (!kwtest::waitUntil(
            [&] {
                return program.mainWindow() && program.controlText(kRpmValue) != L"0" &&
                       !program.controlText(kRpmValue).empty();
            },
            120000))
        return -1;
    return secondsNow() - start;
}

} // namespace

int main(int argc, char** argv)
{
    const int runs = argc > 1 ? std::max(1, atoi(argv[1])) : 3;
    const double wireSeconds = startUpWireBytes() / kWireBytesPerSecond;
    std::vector<double> times;
    SIZE_T workingSet = 0;
    for (int run = 0; run < runs; ++run) {
        kwtest::KwSimProcess sim;
        if (!sim.start(L"--pace"))
            return 1;
        kwtest::ProgramRun program;
        const double seconds = secondsToFirstSample(program, sim);
        if (seconds < 0) {
            fprintf(stderr, "no live sample shown\n");
            return 1;
        }
        times.push_back(seconds);
        if (run == runs - 1) {
            Sleep(60000);
            HANDLE process =
                OpenProcess(PROCESS_QUERY_INFORMATION | PROCESS_VM_READ, FALSE, program.child().id());
            PROCESS_MEMORY_COUNTERS counters{};
            if (process && GetProcessMemoryInfo(process, &counters, sizeof counters))
                workingSet = counters.WorkingSetSize;
            if (process)
                CloseHandle(process);
        }
        program.close(30000);
    }
    std::sort(times.begin(), times.end());
    printf("start to first live sample: median %.2f s, best %.2f s (%d runs)\n", times[times.size() / 2],
           times[0], runs);
    printf("mandated: splash %.1f s + start-up wire time %.2f s = %.2f s\n", kSplashSeconds, wireSeconds,
           kSplashSeconds + wireSeconds);
    printf("working set after one minute connected: %.1f MiB\n", workingSet / 1048576.0);
    return 0;
}
