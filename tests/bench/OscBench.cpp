// Recordings and the oscilloscope chart: opening and drawing a one-hour
// recording (36,000 lines) and a day-long one (864,000 lines, time and peak
// memory), seeded mutations of every parser of outside input (recordings,
// reply frames, *.settings, *.afm and language files: crashes, hangs and
// rejected inputs that changed the record), and the GUI thread's time per live tick
// with all 28 lines shown and 10,000 points each, and per read-mode cursor
// repaint. Prints the figures.
//
// Run inside the test environment:
//   . tests/testenv.sh build && wine build/bin/osc_bench.exe [mutations per parser]; kw_testenv_cleanup
#include "BenchSupport.h"
#include "CDiag.h"
#include "CDiagnosticChart.h"
#include "MutationTargets.h"
#include "OscMutation.h"
#include "TempDir.h"

#include <PrambleGDIp.h>
#include <WfxTestSupport.h>

#include <psapi.h>

#include <algorithm>
#include <atomic>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <functional>
#include <thread>
#include <vector>

namespace {
class BenchChart : public CDiagnosticChart
{
public:
    void setCursor(int x, int y)
    {
        m_cursorX = x;
        m_cursorY = y;
    }
};

void paintNow(CWnd& wnd)
{
    wnd.RedrawWindow(nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW);
}

std::wstring writeRecording(const kwtest::TempDir& dir, const wchar_t* name, int lines)
{
    std::mt19937 random(1);
    const std::string block = osctest::sampleRecording(random, 1000);
    const std::wstring path = dir.file(name);
    FILE* file = _wfopen(path.c_str(), L"wb");
    for (int n = 0; n < lines; n += 1000)
        std::fwrite(block.data(), 1, block.size(), file);
    std::fclose(file);
    return path;
}

double openAndDraw(BenchChart& chart, const std::wstring& path)
{
    const double start = secondsNow();
    COscRecording recording;
    recording.readFile(path);
    chart.showRecording(recording);
    paintNow(chart);
    return secondsNow() - start;
}

// The round under way, for the watchdog and the crash report.
std::atomic<const char*> g_target{""};
std::atomic<int> g_round{0};
std::atomic<double> g_roundStart{0};

LONG WINAPI reportCrash(EXCEPTION_POINTERS* info)
{
    std::printf("CRASH in %s round %d: exception %08lx\n", g_target.load(), g_round.load(),
                info->ExceptionRecord->ExceptionCode);
    std::fflush(stdout);
    ExitProcess(3);
}

// A round that runs for 10 s is a hang: reported, and the program ends.
void watchHangs(const std::atomic<bool>& done)
{
    while (!done) {
        Sleep(200);
        const double start = g_roundStart;
        if (start > 0 && secondsNow() - start > 10) {
            std::printf("HANG in %s round %d\n", g_target.load(), g_round.load());
            std::fflush(stdout);
            ExitProcess(4);
        }
    }
}

using Round = std::string (MutationTargets::*)(kwtest::Mutator&);

void mutations(const char* name, Round round, int rounds)
{
    MutationTargets targets;
    kwtest::Mutator mutator(2020);
    g_target = name;
    int faults = 0;
    double slowest = 0;
    const double start = secondsNow();
    for (int n = 0; n < rounds; ++n) {
        g_round = n;
        g_roundStart = secondsNow();
        if (!(targets.*round)(mutator).empty())
            ++faults;
        slowest = std::max(slowest, secondsNow() - g_roundStart);
    }
    g_roundStart = 0;
    const double seconds = secondsNow() - start;
    // A crash or a hang ends the program with its own line: here both are 0.
    std::printf("%-10s mutations: %d in %.1f s (%.0f us each, slowest %.1f ms), refused %u; crashes 0, "
                "hangs 0, wrong readings or changed records %d\n",
                name, rounds, seconds, seconds / rounds * 1e6, slowest * 1000, targets.refused, faults);
    std::fflush(stdout);
}

void allMutations(int rounds)
{
    SetUnhandledExceptionFilter(reportCrash);
    std::atomic<bool> done{false};
    std::thread watchdog(watchHangs, std::cref(done));
    mutations("recording", &MutationTargets::recording, rounds);
    mutations("reply", &MutationTargets::replyFrame, rounds);
    mutations("settings", &MutationTargets::settingsFile, rounds);
    mutations("afm", &MutationTargets::firmwareFile, rounds);
    mutations("language", &MutationTargets::languageFile, rounds);
    done = true;
    watchdog.join();
}
} // namespace

int main(int argc, char** argv)
{
    const int rounds = argc > 1 ? std::max(1000, std::atoi(argv[1])) : 100000;
    IGDIpHelper::startupGDIp();
    wfxtest::HostWindow host(1120, 860);
    BenchChart chart;
    chart.Create(WS_VISIBLE, CRect(0, 0, 1100, 820), &host, 1);
    chart.setupLines();
    chart.SetMaxPoints(10000);
    wfxtest::pumpPending();

    kwtest::TempDir dir;
    std::printf("one-hour recording (36,000 lines): open and draw %.3f s\n",
                openAndDraw(chart, writeRecording(dir, L"hour.osc", 36000)));
    const std::wstring day = writeRecording(dir, L"day.osc", 864000);
    const double dayTime = openAndDraw(chart, day);
    PROCESS_MEMORY_COUNTERS memory{};
    GetProcessMemoryInfo(GetCurrentProcess(), &memory, sizeof memory);
    std::printf("day-long recording (864,000 lines): open and draw %.3f s, peak working set %.1f MB\n",
                dayTime, memory.PeakWorkingSetSize / 1048576.0);

    chart.play();
    CDiag sample;
    const double obd[4] = {};
    for (int i = 0; i < 10000; ++i) {
        sample.data()[16] = static_cast<unsigned char>(i);
        chart.appendSample(sample, obd);
    }
    report("live tick, 28 lines of 10,000 points: append and paint", timeRuns(500, [&] {
               sample.data()[16] += 7;
               chart.appendSample(sample, obd);
               paintNow(chart);
           }));
    chart.stop();
    int x = 0;
    report("read-mode cursor repaint", timeRuns(500, [&] {
               x = (x + 37) % 1100;
               chart.setCursor(x + 1, 400);
               paintNow(chart);
           }));
    chart.DestroyWindow();
    allMutations(rounds);
    return 0;
}
