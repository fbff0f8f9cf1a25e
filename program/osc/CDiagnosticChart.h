#pragma once

#include "COscRecording.h"

#include <CScrollChart.h>

#include <functional>
#include <string>
#include <vector>

class CDiag;

// Live-data lines of the oscilloscope page.
constexpr unsigned kDiagLineCount = 28;
constexpr unsigned kDiagLineRpm = 0;
constexpr unsigned kDiagLinePressure = 1;
constexpr unsigned kDiagLineMap = 2;
constexpr unsigned kDiagLineTemp2 = 3;
constexpr unsigned kDiagLineTemp1 = 4;
constexpr unsigned kDiagLineLambda1 = 5;
constexpr unsigned kDiagLineLambda2 = 6;
constexpr unsigned kDiagLineSupply = 7;
constexpr unsigned kDiagLineObd = 8;     // 4 lines
constexpr unsigned kDiagLinePetrol = 12; // 8 lines, one per cylinder
constexpr unsigned kDiagLineGas = 20;    // 8 lines, one per cylinder
constexpr UINT WM_DIAG_APPEND = WM_USER + 1;

// The oscilloscope: the live samples as they arrive, or a recording read
// back for browsing with the cursor.
class CDiagnosticChart : public CScrollChart
{
    DECLARE_DYNAMIC(CDiagnosticChart)

public:
    CDiagnosticChart();
    ~CDiagnosticChart() override;

    void setupLines();
    // Posts one append request unless one is waiting already.
    void requestAppend();
    // The newest live sample at the next x.
    void appendSample(const CDiag& sample, const double (&obd)[4]);
    // A recording read back: its newest records, placed as if every record
    // had been added one by one; the chart paused in read mode.
    void showRecording(const COscRecording& recording);

    // The page's "Otwórz": a recording chosen in the open dialog, shown.
    void openFile();
    // The page's "Zapisz": a file chosen in the save dialog, then the reading
    // thread restarted by `restartThread` to record into it.
    using ThreadRestart = std::function<bool(const std::wstring& path)>;
    void record(const ThreadRestart& restartThread);
    void play();
    void stop();
    void pause();
    void scrollBack();
    void scrollForward();

    // One text per line id; empty for a line without a point at or right
    // of the cursor, and outside read mode.
    std::vector<CString> cursorValues();

    bool isPaused() const { return m_paused; }
    void setPaused(bool paused) { m_paused = paused; }
    bool isReadMode() const { return m_readMode; }
    bool isCursorFrozen() const { return m_cursorFrozen; }
    int nextX() const { return m_nextX; }
    bool isLineShown(unsigned id) const
    {
        const auto line = m_lines.find(id);
        return line != m_lines.end() && line->second.showLine != 0;
    }

protected:
    void v_drawGrid(CDC& dc) override;

    afx_msg LRESULT OnAppendSamples(WPARAM, LPARAM);
    afx_msg void OnMouseMove(UINT nFlags, CPoint point);
    afx_msg void OnRButtonUp(UINT nFlags, CPoint point);

    DECLARE_MESSAGE_MAP()

    bool m_paused = false;
    int m_nextX = 0;
    bool m_cursorFrozen = false;

private:
    void restart(bool readMode);
    void addPoint(unsigned id, double x, double chartY);
    void addRecord(double x, const OscRecord& r);
    void followTo(double firstX, double lastX);
    void scrollBy(double step, bool floorAtZero);
    void hideScrollBars();
};
