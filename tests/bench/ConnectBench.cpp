// Connection time: connect plus reading every setting from a simulated
// controller whose line is paced at 38400 baud (10 bits a byte, both ways),
// beside the limit that the line sets for the same bytes.
//
// The controller runs in-process behind the port seam, in real time.
// Run inside the test environment:
//   . tests/testenv.sh build && wine build/bin/connect_bench.exe [runs]; kw_testenv_cleanup
#include "BenchSupport.h"
#include "CLPGDevice.h"
#include "ProbedTransport.h"
#include "SimLink.h"
#include "UserInterface.h"

#include <cstdio>
#include <cstdlib>

int main(int argc, char** argv)
{
    const int runs = argc > 1 ? std::max(1, atoi(argv[1])) : 3;
    auto sim = std::make_shared<kwsim::SimController>();
    auto link = kwsim::SimLink::create(sim, {1}, 1);
    link->setRealTime(true);
    link->setPaced(true);
    kwtest::ProbeInstall line([link] { return link->makeTransport(); });
    setMessageBoxHook([](const MessageBoxRequest& request) {
        fwprintf(stderr, L"message: %s\n", request.text.c_str());
        return IDOK;
    });
    writeLastPortNr(1);
    CLPGDevice device;
    for (int run = 1; run <= runs; ++run) {
        const uint64_t bytesBefore = line.probe->bytesCrossed();
        sim->clearRequests();
        const double start = secondsNow();
        device.connect();
        const double taken = secondsNow() - start;
        const uint64_t bytes = line.probe->bytesCrossed() - bytesBefore;
        const double limit = bytes / kWireBytesPerSecond;
        printf("run %d: %s, %zu requests, %llu bytes on the line: %.3f s taken, %.3f s wire limit (%.0f%%)\n",
               run, device.m_connected ? "connected" : "NOT connected", sim->requests().size(),
               static_cast<unsigned long long>(bytes), taken, limit, 100 * limit / taken);
    }
    device.m_port.close();
    return 0;
}
