// The oscilloscope chart: live samples, recordings shown for browsing, and
// the player's states.
#include "CDiag.h"
#include "CDiagnosticChart.h"
#include "COpenFile.h"
#include "MessageBoxRecorder.h"
#include "TempDir.h"

#include <gtest/gtest.h>

#include <cmath>

namespace {
class ChartProbe : public CDiagnosticChart
{
public:
    using CScrollChart::m_cursorX;
    using CScrollChart::m_lines;
    using CScrollChart::m_viewRange;
    using CScrollChart::m_viewStart;
    using CScrollChart::m_xMax;
    using CScrollChart::m_xMin;

    ChartProbe()
    {
        setupLines();
        SetMaxPoints(10000);
    }
    const std::map<double, double>& points(unsigned id) const { return m_lines.at(id).points; }
};

std::string line(int mode, double rpm, double petrol, double gas, double pressure)
{
    std::string text = std::to_string(mode) + "\t" + std::to_string(rpm);
    for (int c = 0; c < 8; ++c)
        text += "\t" + std::to_string(petrol) + "\t" + std::to_string(gas);
    text += "\t" + std::to_string(pressure) + "\t100\t30\t80\t1.0\t0.5";
    for (int k = 0; k < 8; ++k)
        text += "\t" + std::to_string(k);
    return text + "\n";
}

COscRecording recording(const std::string& text, size_t keep = 10000)
{
    COscRecording r(keep);
    r.feed(text);
    return r;
}
} // namespace

TEST(DiagnosticChart, ARecordingEndsAsAddingEveryRecordWouldLeaveIt)
{
    std::string text;
    for (int n = 0; n < 12000; ++n)
        text += line(n % 2 ? 3 : 2, n % 5000, n % 40, 1, n % 250);
    ChartProbe kept, all;
    kept.showRecording(recording(text));
    all.showRecording(recording(text, 20000));

    EXPECT_EQ(12000.0, kept.points(0).begin()->first);
    EXPECT_EQ(71994.0, kept.points(0).rbegin()->first);
    EXPECT_EQ(10000u, kept.points(0).size());
    EXPECT_EQ(71094.0, kept.m_viewStart);
    EXPECT_EQ(12000.0, kept.m_xMin);
    EXPECT_EQ(72094.0, kept.m_xMax);
    EXPECT_EQ(1000.0, kept.m_viewRange);
    EXPECT_EQ(72000, kept.nextX());

    EXPECT_EQ(all.m_viewStart, kept.m_viewStart);
    EXPECT_EQ(all.m_xMin, kept.m_xMin);
    EXPECT_EQ(all.m_xMax, kept.m_xMax);
    for (unsigned id = 0; id < kDiagLineCount; ++id)
        EXPECT_TRUE(all.points(id) == kept.points(id)) << "line " << id;
    EXPECT_TRUE(kept.points(kDiagLineSupply).empty());
    EXPECT_TRUE(kept.isPaused() && kept.isReadMode());
}

TEST(DiagnosticChart, ChannelsAreScaledIntoTheChartAndReadBackAtTheCursor)
{
    ChartProbe chart;
    chart.showRecording(recording(line(3, 3000, 4, 6, 120) + line(2, 1e308, 4, 6, -1e308)));
    EXPECT_DOUBLE_EQ(32, chart.points(kDiagLineRpm).at(0));
    EXPECT_DOUBLE_EQ(50, chart.points(kDiagLinePressure).at(0));
    EXPECT_DOUBLE_EQ(12, chart.points(kDiagLinePetrol + 7).at(0));
    EXPECT_DOUBLE_EQ(17, chart.points(kDiagLineGas).at(0));
    EXPECT_DOUBLE_EQ(2, chart.points(kDiagLineGas + 3).at(6)); // petrol mode: no gas time
    EXPECT_DOUBLE_EQ(100, chart.points(kDiagLineRpm).at(6));   // clamped
    EXPECT_DOUBLE_EQ(0, chart.points(kDiagLinePressure).at(6));

    const std::vector<CString> values = chart.cursorValues();
    ASSERT_EQ(kDiagLineCount, values.size());
    EXPECT_EQ(CString(L"3000"), values[kDiagLineRpm]);
    EXPECT_EQ(CString(L"1.20"), values[kDiagLinePressure]);
    EXPECT_EQ(CString(L"30"), values[kDiagLineTemp2]);
    EXPECT_EQ(CString(L"1.0"), values[kDiagLineLambda1]);
    EXPECT_TRUE(values[kDiagLineSupply].IsEmpty());
    EXPECT_EQ(CString(L"3.0"), values[kDiagLineObd + 3]);
    EXPECT_EQ(CString(L"4.0"), values[kDiagLinePetrol]);
    EXPECT_EQ(CString(L"6.0"), values[kDiagLineGas + 7]);

    chart.play();
    EXPECT_TRUE(chart.cursorValues()[kDiagLineRpm].IsEmpty()); // live: labels, no cursor
}

TEST(DiagnosticChart, LiveSamplesGoFiveApartAndThePlayerSwitchesModes)
{
    ChartProbe chart;
    chart.play();
    EXPECT_FALSE(chart.isPaused() || chart.isReadMode());
    CDiag sample;
    sample.setMode(CDiag::kModePetrol);
    const double obd[4] = {-10, 0, 0, 200};
    chart.appendSample(sample, obd);
    sample.setMode(CDiag::kModeGas);
    chart.appendSample(sample, obd);
    EXPECT_EQ(10, chart.nextX());
    EXPECT_EQ(2u, chart.points(kDiagLineSupply).size());
    EXPECT_DOUBLE_EQ(42, chart.points(kDiagLineObd).at(5));
    EXPECT_DOUBLE_EQ(100, chart.points(kDiagLineObd + 3).at(0));

    chart.pause();
    EXPECT_TRUE(chart.isPaused() && chart.isReadMode());
    chart.pause();
    EXPECT_FALSE(chart.isPaused() || chart.isReadMode());
    chart.stop();
    EXPECT_TRUE(chart.isPaused() && chart.isReadMode());
    chart.play();
    EXPECT_FALSE(chart.isPaused() || chart.isReadMode());
    EXPECT_TRUE(chart.points(kDiagLineRpm).empty());
    EXPECT_EQ(0, chart.nextX());
}

TEST(DiagnosticChart, StepScrollingStaysWithinTheData)
{
    std::string text;
    for (int n = 0; n < 1000; ++n)
        text += line(3, 800, 3, 3, 100);
    ChartProbe chart;
    chart.showRecording(recording(text));
    const double end = chart.m_viewStart;
    chart.scrollForward();
    EXPECT_EQ(end, chart.m_viewStart);
    for (int n = 0; n < 100; ++n)
        chart.scrollBack();
    EXPECT_EQ(0, chart.m_viewStart);
    chart.scrollForward();
    EXPECT_EQ(100, chart.m_viewStart);
}

namespace {
// The file dialogs answered with `path`, the message boxes with `answer`.
struct Dialogs
{
    Dialogs(const std::wstring& path, int answer) : messages(answer)
    {
        COpenFile::setAnswerHook([this, path](const COpenFile& dialog) {
            asked.push_back(dialog.isSave());
            EXPECT_EQ(L"osc", dialog.defaultExtension());
            return path;
        });
    }
    ~Dialogs() { COpenFile::setAnswerHook(nullptr); }
    kwtest::MessageBoxRecorder messages;
    std::vector<bool> asked;
};
} // namespace

TEST(DiagnosticChart, OpeningAndRecordingTakeOnlyRecordingsAndAskBeforeReplacing)
{
    kwtest::TempDir dir;
    const std::wstring trip = dir.file(L"TRIP.OSC");
    ASSERT_TRUE(kwtest::writeFileBytes(trip, line(3, 900, 2, 2, 100) + line(3, 950, 2, 2, 100) + "3\t9"));
    ChartProbe chart;
    chart.play();
    {
        Dialogs dialogs(trip, IDOK);
        chart.openFile();
        EXPECT_TRUE(chart.isPaused() && chart.isReadMode());
        EXPECT_EQ(2u, chart.points(kDiagLineRpm).size());
        EXPECT_TRUE(dialogs.messages.shown.empty());
    }
    {
        Dialogs dialogs(dir.file(L"missing.osc"), IDOK);
        chart.openFile();
        EXPECT_TRUE(chart.points(kDiagLineRpm).empty());
        ASSERT_EQ(1u, dialogs.messages.shown.size());
    }
    {
        Dialogs cancelled(L"", IDOK);
        chart.play();
        chart.openFile();
        EXPECT_TRUE(chart.isPaused()); // until "Start" or "||"
        EXPECT_TRUE(cancelled.messages.shown.empty());
    }

    std::vector<std::wstring> restarts;
    const auto restart = [&restarts](const std::wstring& path) {
        restarts.push_back(path);
        return true;
    };
    {
        Dialogs keep(trip, IDNO);
        chart.record(restart);
        EXPECT_TRUE(restarts.empty());
        ASSERT_EQ(1u, keep.messages.shown.size());
        EXPECT_EQ(UINT(MB_YESNO), keep.messages.shown[0].flags & MB_TYPEMASK);
        EXPECT_TRUE(chart.isPaused());
    }
    {
        Dialogs replace(trip, IDYES);
        chart.record(restart);
        ASSERT_EQ(1u, restarts.size());
        EXPECT_EQ(trip, restarts[0]);
        EXPECT_FALSE(chart.isPaused() || chart.isReadMode());
    }
    {
        Dialogs nowhere(dir.file(L"no folder\\a.osc"), IDYES);
        chart.record(restart);
        EXPECT_EQ(1u, restarts.size());
        EXPECT_EQ(1u, nowhere.messages.shown.size());
        Dialogs other(dir.file(L"a.txt"), IDYES);
        chart.record(restart);
        EXPECT_EQ(1u, restarts.size());
    }
    {
        Dialogs failing(dir.file(L"new.osc"), IDYES);
        chart.record([](const std::wstring&) { return false; });
        EXPECT_TRUE(chart.isPaused());
        EXPECT_EQ(1u, failing.messages.shown.size());
    }
}
