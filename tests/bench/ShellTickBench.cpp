// The GUI thread's time per 100 ms tick of the main frame's timer with each
// page active (median and 99th percentile), the program's document, frame
// and view running in this process against the simulated controller paced
// at 38400 baud.
//
// Run inside the test environment:
//   . tests/testenv.sh build && wine build/bin/shelltick_bench.exe [ticks per page]; kw_testenv_cleanup
#include "BenchSupport.h"
#include "ShellBench.h"
#include "ShellIds.h"

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <vector>

int main(int argc, char** argv)
{
    const int ticks = argc > 1 ? std::max(10, atoi(argv[1])) : 100;
    kwtest::ShellBench bench;
    bench.link->setRealTime(true);
    bench.link->setPaced(true);
    if (!bench.device().m_connected)
        return 1;
    // The frame's own timer is stopped: the bench sends the ticks itself.
    bench.frame().stopWatchTimer();
    const char* const names[] = {"Base Settings",
                                 "Petrol Change Settings",
                                 "Additional Settings",
                                 "Auto Calibration",
                                 "Auto Mapping",
                                 "RPM Map",
                                 "RPM Map 3D",
                                 "Oscilloscope",
                                 "Petrol OBD",
                                 "ECU Info",
                                 "Sensors",
                                 "Credit And Inspection"};
    for (int page = 0; page < 12; ++page) {
        bench.view().pageCtrl().activatePage(page);
        std::vector<double> ms;
        for (int i = 0; i < ticks; ++i) {
            const double start = secondsNow();
            bench.frame().SendMessage(WM_TIMER, IDT_WATCH);
            ms.push_back((secondsNow() - start) * 1000);
            bench.pumpFor(100);
        }
        std::sort(ms.begin(), ms.end());
        printf("%-24s median %.3f ms, 99th percentile %.3f ms\n", names[page], ms[ms.size() / 2],
               ms[std::min(ms.size() - 1, ms.size() * 99 / 100)]);
    }
    return 0;
}
