// What a user feels of Kestrelwave.exe, measured from outside its process
// against kwsim paced at 38400 baud with an OBD module (so every page can
// be reached), each figure beside its reference:
// - process start -> main window shown -> answering -> first live sample,
//   beside the 2 s splash plus the wire time of the start-up requests;
// - connect and read every setting, beside the wire time of its requests;
// - on every page while live data shows: the GUI thread's CPU time per
//   second and the round trip of WM_NULL sent to the main window;
// - the interval between live-data requests, beside 100 ms plus its wire time;
// - the working set after one minute connected, beside an empty Win32
//   program's under the same Wine.
//
// Takes about two and a half minutes. Run inside the test environment when
// the machine is quiet (the load average is printed):
//   . tests/testenv.sh build && wine build/bin/program_bench.exe [seconds per page]; kw_testenv_cleanup
#include "BenchSupport.h"
#include "CLPGDevice.h"
#include "KwSimProcess.h"
#include "ProbedTransport.h"
#include "ProgramRun.h"
#include "SimLink.h"
#include "TempDir.h"
#include "UserInterface.h"

#include <commctrl.h>
#include <psapi.h>

#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <numeric>
#include <sstream>
#include <string>

namespace {

const double kSplashSeconds = 2.0;
const double kLivePeriodSeconds = 0.1;
const int kLiveSample = 36;
const int kRpmValue = 1008;
const double kCpuTargetMsPerSecond = 50;
const double kRoundTripTargetMs = 16;

// One answered request as kwsim saw it (see its --times option).
struct Exchange
{
    double throughSeconds = 0; // the request had come through
    double repliedSeconds = 0; // the reply had left
    unsigned bytes = 0;        // request and reply
    int cmd = 0;
    int selector = -1;
};

std::vector<Exchange> readExchanges(const std::wstring& path)
{
    std::vector<Exchange> exchanges;
    std::istringstream lines(kwtest::readFileBytes(path));
    for (std::string line; std::getline(lines, line);) {
        std::istringstream in(line);
        double through = 0, replied = 0;
        unsigned requestBytes = 0, replyBytes = 0;
        std::string cmd, selector;
        if (in >> through >> replied >> requestBytes >> replyBytes >> cmd >> selector)
            exchanges.push_back({through / 1e6, replied / 1e6, requestBytes + replyBytes, atoi(cmd.c_str()),
                                 selector == "-" ? -1 : atoi(selector.c_str())});
    }
    return exchanges;
}

double wireSeconds(const std::vector<Exchange>& exchanges, size_t from, size_t to)
{
    unsigned bytes = 0;
    for (size_t i = from; i < to && i < exchanges.size(); ++i)
        bytes += exchanges[i].bytes;
    return bytes / kWireBytesPerSecond;
}

// The requests of connecting and reading every setting: the same connection
// made in this process against the same simulated controller.
size_t connectRequestCount()
{
    auto sim = std::make_shared<kwsim::SimController>();
    auto link = kwsim::SimLink::create(sim, {1}, 1);
    kwtest::ProbeInstall line([link] { return link->makeTransport(); });
    setMessageBoxHook([](const MessageBoxRequest&) { return IDOK; });
    writeLastPortNr(1);
    CLPGDevice device;
    device.connect();
    device.m_port.close();
    setMessageBoxHook(nullptr);
    return sim->requests().size();
}

double percentile(std::vector<double> values, double share)
{
    if (values.empty())
        return 0;
    std::sort(values.begin(), values.end());
    return values[std::min(values.size() - 1, size_t(std::ceil(values.size() * share)) - 1)];
}

void printRatio(const char* what, double figure, double reference, const char* unit)
{
    printf("%-46s %9.2f %-5s reference %9.2f %-5s ratio %5.2f\n", what, figure, unit, reference, unit,
           reference > 0 ? figure / reference : 0.0);
}

// The machine's load, read through Wine's view of the host.
std::string loadAverage()
{
    std::string load = kwtest::readFileBytes(L"Z:\\proc\\loadavg");
    return load.substr(0, load.find(' ', load.find(' ', load.find(' ') + 1) + 1));
}

double threadCpuSeconds(HANDLE thread)
{
    FILETIME created, exited, kernel, user;
    if (!GetThreadTimes(thread, &created, &exited, &kernel, &user))
        return 0;
    auto seconds = [](const FILETIME& t) {
        return (static_cast<uint64_t>(t.dwHighDateTime) << 32 | t.dwLowDateTime) / 1e7;
    };
    return seconds(kernel) + seconds(user);
}

// Milliseconds until the window has handled WM_NULL (-1: not in 5 s).
double roundTripMs(HWND window)
{
    DWORD_PTR result = 0;
    const double start = secondsNow();
    if (!SendMessageTimeoutW(window, WM_NULL, 0, 0, SMTO_NORMAL, 5000, &result))
        return -1;
    return (secondsNow() - start) * 1000;
}

double workingSetMiB(DWORD pid)
{
    HANDLE process = OpenProcess(PROCESS_QUERY_INFORMATION | PROCESS_VM_READ, FALSE, pid);
    PROCESS_MEMORY_COUNTERS counters{};
    if (process && !GetProcessMemoryInfo(process, &counters, sizeof counters))
        counters.WorkingSetSize = 0;
    if (process)
        CloseHandle(process);
    return counters.WorkingSetSize / 1048576.0;
}

double emptyProgramWorkingSetMiB()
{
    kwtest::ChildProcess empty;
    if (!empty.start(L"bench_empty_window.exe", L""))
        return 0;
    HWND window = nullptr;
    kwtest::waitUntil([&] { return (window = FindWindowW(L"KwEmptyWindow", nullptr)) != nullptr; }, 20000);
    Sleep(3000);
    const double mib = workingSetMiB(empty.id());
    if (window)
        PostMessageW(window, WM_CLOSE, 0, 0);
    empty.wait(5000);
    return mib;
}

struct Page
{
    const char* name;
    int treeItem; // -1: reached by its page key
    int templateId;
};

const Page kPages[] = {{"Base Settings", 0, 316},    {"Petrol Change Settings", 1, 315},
                       {"Sensors", 2, 323},          {"Additional Settings", 3, 326},
                       {"Auto Calibration", 4, 318}, {"Auto Mapping", 5, 317},
                       {"RPM Map", 6, 319},          {"RPM Map 3D", -1, 320},
                       {"Oscilloscope", 7, 321},     {"Petrol OBD", 8, 312},
                       {"ECU Info", 9, 322},         {"Credit And Inspection", 10, 327}};

class Bench
{
public:
    bool start();
    void reportStart();
    void reportConnect();
    // Milliseconds from the click until the page shows (-1: not in 5 s).
    double showPage(const Page& page);
    void measurePage(const Page& page, double seconds);
    void waitConnectedFor(double seconds);
    void reportWorkingSet(const char* when, double emptyMiB);
    void reportLiveInterval();

private:
    kwtest::KwSimProcess m_sim;
    kwtest::TempDir m_dir;
    kwtest::ProgramRun m_program;
    HWND m_main = nullptr;
    HANDLE m_guiThread = nullptr;
    double m_started = 0, m_shown = 0, m_answering = 0, m_firstSample = 0;
    std::wstring timesPath() const { return m_dir.file(L"times.log"); }
};

bool Bench::start()
{
    if (!m_sim.start(L"--pace --obd-module --times \"" + timesPath() + L"\""))
        return false;
    m_started = secondsNow();
    if (!m_program.start(m_sim.programPort()))
        return false;
    if (!kwtest::waitUntil([&] { return (m_main = m_program.mainWindow()) != nullptr; }, 120000))
        return false;
    m_shown = secondsNow();
    while (roundTripMs(m_main) < 0)
        ;
    m_answering = secondsNow();
    if (!kwtest::waitUntil(
            [&] {
                const std::wstring rpm = m_program.controlText(kRpmValue);
                return !rpm.empty() && rpm != L"0";
            },
            120000))
        return false;
    m_firstSample = secondsNow();
    m_guiThread = OpenThread(THREAD_QUERY_INFORMATION, FALSE, GetWindowThreadProcessId(m_main, nullptr));
    return m_guiThread != nullptr;
}

// The start-up requests: every one before the first live-data request.
void Bench::reportStart()
{
    const std::vector<Exchange> exchanges = readExchanges(timesPath());
    size_t startUp = 0;
    while (startUp < exchanges.size() &&
           !(exchanges[startUp].cmd == 2 && exchanges[startUp].selector == kLiveSample))
        ++startUp;
    const double reference = kSplashSeconds + wireSeconds(exchanges, 0, startUp);
    if (startUp)
        printf("start: first request %.2f s, last start-up request %.2f s after the process start\n",
               exchanges[0].throughSeconds - m_started, exchanges[startUp - 1].repliedSeconds - m_started);
    printf("start: main window shown %.2f s, answering %.2f s, first live sample %.2f s after the process "
           "start\n",
           m_shown - m_started, m_answering - m_started, m_firstSample - m_started);
    printRatio("start -> main window answering", m_answering - m_started, reference, "s");
    printRatio("start -> first live sample", m_firstSample - m_started, reference, "s");
}

void Bench::reportConnect()
{
    const size_t count = connectRequestCount();
    const std::vector<Exchange> exchanges = readExchanges(timesPath());
    if (exchanges.size() < count || !count)
        return;
    const double wire = wireSeconds(exchanges, 0, count);
    const double firstRequestWire = exchanges[0].bytes / kWireBytesPerSecond;
    const double taken = exchanges[count - 1].repliedSeconds - exchanges[0].throughSeconds + firstRequestWire;
    printRatio("connect + read all settings (wire)", taken, wire, "s");
}

double Bench::showPage(const Page& page)
{
    const double start = secondsNow();
    if (page.treeItem >= 0)
        m_program.selectTreeItem(page.treeItem);
    else
        PostMessageW(m_program.page(kPages[0].templateId), WM_KEYDOWN, VK_F1 + 6, 0);
    HWND window = m_program.page(page.templateId);
    if (!kwtest::waitUntil([&] { return IsWindowVisible(window) != FALSE; }, 5000))
        return -1;
    while (roundTripMs(m_main) < 0)
        ;
    return (secondsNow() - start) * 1000;
}

void Bench::measurePage(const Page& page, double seconds)
{
    const double shown = showPage(page);
    Sleep(1000);
    std::vector<double> trips;
    const double cpuBefore = threadCpuSeconds(m_guiThread);
    const double start = secondsNow();
    while (secondsNow() - start < seconds) {
        trips.push_back(roundTripMs(m_main));
        Sleep(10 + rand() % 10);
    }
    const double cpu = (threadCpuSeconds(m_guiThread) - cpuBefore) / (secondsNow() - start) * 1000;
    printf("%-24s shown in %6.0f ms | CPU %6.1f ms/s (ratio %5.2f to %.0f) | WM_NULL median %6.2f ms, "
           "p99 %6.2f ms (ratio %5.2f to %.0f), max %6.1f ms\n",
           page.name, shown, cpu, cpu / kCpuTargetMsPerSecond, kCpuTargetMsPerSecond, percentile(trips, 0.5),
           percentile(trips, 0.99), percentile(trips, 0.99) / kRoundTripTargetMs, kRoundTripTargetMs,
           percentile(trips, 1.0));
}

void Bench::waitConnectedFor(double seconds)
{
    const double left = m_firstSample + seconds - secondsNow();
    if (left > 0)
        Sleep(static_cast<DWORD>(left * 1000));
}

void Bench::reportWorkingSet(const char* when, double emptyMiB)
{
    const double mib = workingSetMiB(m_program.child().id());
    printf("working set %s: %.1f MiB, an empty Win32 program's %.1f MiB, the difference %.1f MiB\n", when,
           mib, emptyMiB, mib - emptyMiB);
}

void Bench::reportLiveInterval()
{
    const std::vector<Exchange> exchanges = readExchanges(timesPath());
    std::vector<double> gaps;
    double last = 0, wire = 0;
    for (const Exchange& e : exchanges) {
        if (e.cmd != 2 || e.selector != kLiveSample || e.throughSeconds < m_firstSample)
            continue;
        if (last > 0)
            gaps.push_back((e.throughSeconds - last) * 1000);
        last = e.throughSeconds;
        wire = e.bytes / kWireBytesPerSecond;
    }
    const double reference = (kLivePeriodSeconds + wire) * 1000;
    printf("live-data interval: %zu intervals, median %.1f ms, max %.1f ms\n", gaps.size(),
           percentile(gaps, 0.5), percentile(gaps, 1.0));
    printRatio("live-data interval p99 (100 ms + wire)", percentile(gaps, 0.99), reference, "ms");
}

} // namespace

int main(int argc, char** argv)
{
    const double seconds = argc > 1 ? std::max(2.0, atof(argv[1])) : 5.0;
    printf("load average at the start: %s\n", loadAverage().c_str());
    const double emptyMiB = emptyProgramWorkingSetMiB();
    Bench bench;
    if (!bench.start()) {
        fprintf(stderr, "the program did not show a live sample\n");
        return 1;
    }
    bench.reportStart();
    bench.reportConnect();
    bench.measurePage(kPages[0], seconds);
    bench.waitConnectedFor(60);
    bench.reportWorkingSet("after one minute connected", emptyMiB);
    for (size_t i = 1; i < sizeof kPages / sizeof kPages[0]; ++i)
        bench.measurePage(kPages[i], seconds);
    bench.reportLiveInterval();
    bench.reportWorkingSet("after every page", emptyMiB);
    printf("load average at the end: %s\n", loadAverage().c_str());
    return 0;
}
