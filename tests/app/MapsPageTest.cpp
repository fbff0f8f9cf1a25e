// The oscilloscope and 3D map pages in the running shell.
#include "CChart3DMPDlg.h"
#include "CDiagnosticOscMPDlg.h"
#include "COscRecording.h"
#include "ShellBench.h"
#include "TempDir.h"

#include <gtest/gtest.h>

using kwtest::ShellBench;

namespace {
CWnd* pageOf(ShellBench& bench, int templateId)
{
    struct Search
    {
        int id;
        HWND found;
    } search{templateId, nullptr};
    EnumChildWindows(
        bench.frame().GetSafeHwnd(),
        [](HWND child, LPARAM out) {
            auto* s = reinterpret_cast<Search*>(out);
            if (GetDlgCtrlID(child) == s->id && CWnd::FromHandlePermanent(child))
                s->found = child;
            return s->found ? FALSE : TRUE;
        },
        reinterpret_cast<LPARAM>(&search));
    return CWnd::FromHandlePermanent(search.found);
}

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

std::string fileText(const std::wstring& path)
{
    return kwtest::readFileBytes(path);
}
} // namespace

TEST(MapsPages, OscilloscopeBoxesFollowTheLinesAndARecordingReadsBack)
{
    ShellBench bench;
    auto* page = dynamic_cast<CDiagnosticOscMPDlg*>(pageOf(bench, 321));
    ASSERT_NE(nullptr, page);
    CDiagnosticChart& chart = page->chart();
    EXPECT_TRUE(chart.isPaused());

    // Each box says whether its line is shown.
    const struct
    {
        int box;
        unsigned line;
    } boxes[] = {{1024, 0}, {1018, 1}, {1019, 2},  {1022, 3}, {1023, 4},
                 {1027, 5}, {1031, 6}, {1021, 12}, {1026, 20}};
    for (const auto& b : boxes)
        EXPECT_EQ(chart.isLineShown(b.line), checked(*page, b.box)) << b.box;
    EXPECT_FALSE(chart.isLineShown(4));
    toggle(*page, 1023);
    EXPECT_TRUE(chart.isLineShown(4));
    toggle(*page, 1021);
    for (unsigned id = 12; id < 20; ++id)
        EXPECT_FALSE(chart.isLineShown(id));
    toggle(*page, 1021);
    EXPECT_TRUE(chart.isLineShown(12));
    EXPECT_FALSE(chart.isLineShown(13));

    // This controller has no second lambda input.
    page->v_activate();
    EXPECT_FALSE(::IsWindowVisible(::GetDlgItem(page->GetSafeHwnd(), 1031)) ||
                 (::GetWindowLongW(::GetDlgItem(page->GetSafeHwnd(), 1031), GWL_STYLE) & WS_VISIBLE));
    EXPECT_FALSE(::GetWindowLongW(::GetDlgItem(page->GetSafeHwnd(), 1029), GWL_STYLE) & WS_VISIBLE);

    // "Zapisz": the reading thread starts again and writes the file.
    kwtest::TempDir dir;
    bench.openPath = dir.file(L"Drive.OSC");
    click(*page, 1003);
    EXPECT_FALSE(chart.isPaused());
    bench.pumpFor(1500);
    for (int n = 0; n < 5; ++n)
        page->v_onTimer();
    bench.pumpFor(100);
    EXPECT_GT(chart.nextX(), 0);
    CString live;
    ::GetWindowTextW(::GetDlgItem(page->GetSafeHwnd(), 1016), live.GetBuffer(64), 64);
    live.ReleaseBuffer();
    EXPECT_FALSE(live.IsEmpty());
    // The thread's file is whole once the thread ends.
    ASSERT_TRUE(bench.doc().stopDiagThread());
    const std::string written = fileText(bench.openPath);
    COscRecording recording;
    ASSERT_TRUE(recording.feed(written));
    EXPECT_GE(recording.total(), 5u);
    EXPECT_EQ(written.size(), written.rfind('\n') + 1);

    // "Otwórz" on it: playback, the boxes following the cursor.
    click(*page, 1001);
    EXPECT_TRUE(chart.isPaused() && chart.isReadMode());
    EXPECT_EQ(6 * int(recording.total()), chart.nextX());
    page->v_onTimer();
    wchar_t shown[64] = {};
    ::GetWindowTextW(::GetDlgItem(page->GetSafeHwnd(), 1016), shown, 64);
    EXPECT_EQ(chart.cursorValues()[kDiagLineRpm], CString(shown));
    EXPECT_TRUE(bench.boxes.empty());
}

TEST(MapsPages, TheMap3DPageShowsAFlatGridWithItsHelpAndAFontOfItsHeight)
{
    ShellBench bench;
    auto* page = dynamic_cast<CChart3DMPDlg*>(pageOf(bench, 320));
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
