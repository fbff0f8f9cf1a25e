// Recordings and the oscilloscope chart: opening and drawing a one-hour
// recording (36,000 lines) and a day-long one (864,000 lines, time and peak
// memory), seeded mutations of a recording (crashes, hangs and rejected
// files that changed the record), and the GUI thread's time per live tick
// with all 28 lines shown and 10,000 points each, and per read-mode cursor
// repaint. Prints the figures.
//
// Run inside the test environment:
//   . tests/testenv.sh build && wine build/bin/osc_bench.exe [mutations]; kw_testenv_cleanup
#include "BenchSupport.h"
#include "CDiag.h"
#include "CDiagnosticChart.h"
#include "OscMutation.h"
#include "TempDir.h"

#include <PrambleGDIp.h>
#include <WfxTestSupport.h>

#include <psapi.h>

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <functional>
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

void mutations(int rounds)
{
    std::mt19937 random(2020);
    const std::string base = osctest::sampleRecording(random, 12);
    int faults = 0;
    const double start = secondsNow();
    for (int round = 0; round < rounds; ++round) {
        std::string text = base;
        osctest::mutate(text, random);
        if (!osctest::checkReading(text).empty())
            ++faults;
    }
    // A crash ends the program and a hang never prints: both are 0 here.
    std::printf(
        "recording mutations: %d in %.1f s; crashes 0, hangs 0, wrong readings or changed records %d\n",
        rounds, secondsNow() - start, faults);
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
    mutations(rounds);
    return 0;
}
