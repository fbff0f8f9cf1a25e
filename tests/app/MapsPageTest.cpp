// The oscilloscope and 3D map pages in the running shell.
#include "CChart3DMPDlg.h"
#include "CDiagnosticOscMPDlg.h"
#include "COscRecording.h"
#include "LangFiles.h"
#include "ShellBench.h"
#include "TempDir.h"
#include "translate.h"

#include <gtest/gtest.h>

using kwtest::ShellBench;

namespace {
void click(CWnd& page, int id)
{
    page.SendMessage(WM_COMMAND, MAKEWPARAM(id, BN_CLICKED), LPARAM(::GetDlgItem(page.GetSafeHwnd(), id)));
}

// A click on a check box as the user makes it: the box turns, then tells the page.
void toggle(CWnd& page, int id)
{
    HWND box = ::GetDlgItem(page.GetSafeHwnd(), id);
    ::SendMessageW(box, BM_SETCHECK,
                   ::SendMessageW(box, BM_GETCHECK, 0, 0) == BST_CHECKED ? BST_UNCHECKED : BST_CHECKED, 0);
    click(page, id);
}

bool checked(CWnd& page, int id)
{
    return ::SendMessageW(::GetDlgItem(page.GetSafeHwnd(), id), BM_GETCHECK, 0, 0) == BST_CHECKED;
}

std::wstring windowText(CWnd& page, int id)
{
    wchar_t text[128] = {};
    ::GetWindowTextW(::GetDlgItem(page.GetSafeHwnd(), id), text, 128);
    return text;
}

// The channel boxes: check box, value box, caption key, chart line.
const struct
{
    int box;
    int value;
    const wchar_t* caption;
    unsigned line;
} kChannels[] = {{1024, 1016, L"RPM", 0},      {1018, 1000, L"Pressure", 1},   {1019, 1006, L"MAP", 2},
                 {1022, 1007, L"GAS Temp", 3}, {1023, 1013, L"Water Temp", 4}, {1027, 1025, L"Lambda 1", 5},
                 {1031, 1029, L"Lambda 2", 6}, {1021, 1014, L"PET Time", 12},  {1026, 1015, L"GAS Time", 20}};
} // namespace

TEST(MapsPages, OscilloscopeBoxesFollowTheLinesAndSayWhatTheyShow)
{
    ShellBench bench;
    auto* page = dynamic_cast<CDiagnosticOscMPDlg*>(bench.page(321));
    ASSERT_NE(nullptr, page);
    CDiagnosticChart& chart = page->chart();
    EXPECT_TRUE(chart.isPaused());

    // Each box says whether its line is shown.
    for (const auto& c : kChannels)
        EXPECT_EQ(chart.isLineShown(c.line), checked(*page, c.box)) << c.box;
    EXPECT_FALSE(chart.isLineShown(4));
    toggle(*page, 1023);
    EXPECT_TRUE(chart.isLineShown(4));
    toggle(*page, 1021);
    for (unsigned id = 12; id < 20; ++id)
        EXPECT_FALSE(chart.isLineShown(id));
    toggle(*page, 1021);
    EXPECT_TRUE(chart.isLineShown(12));
    EXPECT_FALSE(chart.isLineShown(13));

    // Each box under the caption of its own channel.
    kwtest::LangFolder lang;
    std::wstring lines;
    for (const auto& c : kChannels)
        lines += std::wstring(c.caption) + L"\tnote\t<" + c.caption + L">\r\n";
    lang.write(L"ENGLISH.txt", lines);
    lang.open();
    g_languageId = 1;
    page->v_translate();
    for (const auto& c : kChannels)
        EXPECT_EQ(L"<" + std::wstring(c.caption) + L">", windowText(*page, c.box));

    // This controller has no second lambda input.
    page->v_activate();
    EXPECT_FALSE(::GetWindowLongW(::GetDlgItem(page->GetSafeHwnd(), 1031), GWL_STYLE) & WS_VISIBLE);
    EXPECT_FALSE(::GetWindowLongW(::GetDlgItem(page->GetSafeHwnd(), 1029), GWL_STYLE) & WS_VISIBLE);
}

TEST(MapsPages, OscilloscopeRecordsAsksBeforeReplacingAndPlaysTheRecordingBack)
{
    ShellBench bench;
    auto* page = dynamic_cast<CDiagnosticOscMPDlg*>(bench.page(321));
    ASSERT_NE(nullptr, page);
    CDiagnosticChart& chart = page->chart();

    // The player's buttons.
    click(*page, 1083);
    EXPECT_FALSE(chart.isPaused() || chart.isReadMode());
    click(*page, 1020);
    EXPECT_TRUE(chart.isPaused() && chart.isReadMode());
    click(*page, 1020);
    EXPECT_FALSE(chart.isPaused() || chart.isReadMode());
    click(*page, 1002);
    EXPECT_TRUE(chart.isPaused() && chart.isReadMode());

    // "Zapisz" over an existing file: kept when the answer is No.
    kwtest::TempDir dir;
    bench.openPath = dir.file(L"Drive.OSC");
    ASSERT_TRUE(kwtest::writeFileBytes(bench.openPath, "kept\n"));
    bench.boxAnswer = IDNO;
    click(*page, 1003);
    ASSERT_EQ(1u, bench.boxes.size());
    EXPECT_EQ(L"The file already exists. Do you want to replace it?", bench.boxes[0]);
    EXPECT_TRUE(chart.isPaused());
    bench.pumpFor(300);
    EXPECT_EQ("kept\n", kwtest::readFileBytes(bench.openPath));

    // A path that cannot be created is reported, and live data goes on.
    const std::wstring wanted = bench.openPath;
    bench.openPath = dir.file(L"no folder\\trip.osc");
    click(*page, 1003);
    ASSERT_EQ(2u, bench.boxes.size());
    EXPECT_EQ(L"The file cannot be created.", bench.boxes[1]);
    bench.sim->clearRequests();
    bench.pumpFor(300);
    EXPECT_FALSE(bench.sim->requests().empty());

    // Yes: the reading thread starts again with the path and writes the lines.
    bench.openPath = wanted;
    bench.boxAnswer = IDYES;
    click(*page, 1003);
    EXPECT_EQ(3u, bench.boxes.size());
    EXPECT_FALSE(chart.isPaused());
    bench.pumpFor(1500);
    for (int n = 0; n < 5; ++n)
        page->v_onTimer();
    bench.pumpFor(100);
    EXPECT_GT(chart.nextX(), 0);
    EXPECT_FALSE(windowText(*page, 1016).empty());
    // The thread's file is whole once the thread ends.
    ASSERT_TRUE(bench.doc().stopDiagThread());
    const std::string written = kwtest::readFileBytes(bench.openPath);
    COscRecording recording;
    ASSERT_TRUE(recording.feed(written));
    EXPECT_GE(recording.total(), 5u);
    EXPECT_EQ(written.size(), written.rfind('\n') + 1);

    // "Otwórz" on it: playback, every box following the cursor.
    click(*page, 1001);
    EXPECT_TRUE(chart.isPaused() && chart.isReadMode());
    EXPECT_EQ(6 * int(recording.total()), chart.nextX());
    page->v_onTimer();
    const std::vector<CString> values = chart.cursorValues();
    for (const auto& c : kChannels)
        EXPECT_EQ(std::wstring(values[c.line]), windowText(*page, c.value)) << c.value;
    EXPECT_EQ(3u, bench.boxes.size());
}

TEST(MapsPages, TheMap3DPageShowsAFlatGridWithItsHelpAndAFontOfItsHeight)
{
    ShellBench bench;
    auto* page = dynamic_cast<CChart3DMPDlg*>(bench.page(320));
    ASSERT_NE(nullptr, page);
    EXPECT_EQ(17, page->chart().getRowCount());
    EXPECT_EQ(21, page->chart().getColumnCount());
    EXPECT_EQ(0, page->chart().getData(16, 20));
    EXPECT_EQ(CString(L"CTRL + up arrow - incrase correction. CTRL + down arrow - decrase correction."),
              page->chart().help(1));
    page->SetWindowPos(nullptr, 0, 0, 700, 550, SWP_NOZORDER | SWP_NOMOVE);
    LOGFONTW font{};
    page->pageFont().GetLogFont(&font);
    EXPECT_EQ(-10, font.lfHeight);
    EXPECT_NE(nullptr, page->chart().GetSafeHwnd());
}
