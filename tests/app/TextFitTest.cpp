// Every page of the running shell, and every dialog that a page, the bottom
// page or the menu opens, read as an installer reads them: each text whole
// in its own font, the navigation tree without sideways scrolling, no
// control over another. Pictures of each land in <build>/screenshots.

#include "BaseSettingsIds.h"
#include "CAboutDlg.h"
#include "CBottomMPDlg.h"
#include "ChildProcess.h"
#include "InfoPageIds.h"
#include "LockPageIds.h"
#include "MapsUiIds.h"
#include "ObdPageIds.h"
#include "ShellBench.h"
#include "ShellIds.h"
#include "TextFit.h"
#include "WindowShot.h"

#include <COrangeStatic.h>

#include <gtest/gtest.h>

#include <map>
#include <set>

using kwtest::ShellBench;

namespace {

// A dialog and what opens it: a button of the page with this template id
// (the bottom page's too), or a menu command (page 0). The application
// object answers About, and the bench has none of its own: it shows the
// box as the application does (page -1).
struct Opener
{
    const char* name;
    int page;
    int id;
    WORD notification;
    bool needsController;
};

const Opener kDialogs[] = {
    {"gas-level-sensor", IDD_BASE_SETTINGS, IDC_BASE_FUEL_METER_BUTTON, BN_CLICKED, false},
    {"injector-size", IDD_BASE_SETTINGS, IDC_BASE_CALCULATOR_BUTTON, BN_CLICKED, false},
    {"map-definition", IDD_COR_RPM, IDC_MAP_DEFINITION, BN_CLICKED, false},
    {"obd-advanced", IDD_OBD_PAGE, IDC_OBD_ADVANCED, BN_CLICKED, false},
    {"obd-detect", IDD_OBD_PAGE, IDC_OBD_DETECT, BN_CLICKED, true},
    {"pc-connections", IDD_INFO, IDC_INFO_PC_CONNECTIONS, BN_CLICKED, false},
    {"on-board-diagnostic", IDD_INFO, IDC_INFO_ONBOARD_DIAG, BN_CLICKED, true},
    {"password", IDD_LOCK, IDC_LOCK_BUTTON, BN_CLICKED, true},
    {"console-setup", IDD_BOTTOM, IDC_CONSOLE_BUTTON, BN_DOUBLECLICKED, false},
    {"about", -1, ID_APP_ABOUT, 0, false},
    {"hidden-features", 0, ID_ENABLE_HIDDEN_FEATURES, 0, false},
};

// Page names by template id, for the faults and the pictures.
const std::map<int, const char*> kPageNames = {{IDD_BASE_SETTINGS, "base-settings"},
                                               {IDD_PETROL_CHANGE, "petrol-change"},
                                               {IDD_ADVANCED_SETTINGS, "additional-settings"},
                                               {IDD_AUTO_CALIBRATION, "auto-calibration"},
                                               {IDD_GAS_INJECTION_MAP, "auto-mapping"},
                                               {IDD_COR_RPM, "rpm-map"},
                                               {IDD_CHART_3D, "rpm-map-3d"},
                                               {IDD_DIAGNOSTIC_OSC, "oscilloscope"},
                                               {IDD_OBD_PAGE, "petrol-obd"},
                                               {IDD_INFO, "ecu-info"},
                                               {IDD_SENSORS, "sensors"},
                                               {IDD_LOCK, "credit-inspection"}};

const int kRpmMap3D = 6;

// One walk through the program: the faults found (each once) and the
// pictures taken, named after the run.
class Tour
{
public:
    Tour(ShellBench& bench, std::string run) : m_bench(bench), m_run(std::move(run)) {}

    void pages();
    void dialogs();
    void statusCaption();
    const std::set<std::string>& faults() const { return m_faults; }

private:
    HWND pageWindow(int templateId);
    void activate(HWND page);
    void check(HWND window, const std::string& name);
    void picture(HWND window, const std::string& name);
    void lookAtPage();
    void open(const Opener& opener);
    static void CALLBACK onDialogTick(HWND, UINT, UINT_PTR, DWORD);

    ShellBench& m_bench;
    std::string m_run;
    std::set<std::string> m_faults;
    std::string m_dialog; // the dialog being opened
    HWND m_seen = nullptr;
    int m_ticks = 0;
    static Tour* s_opening;
};

Tour* Tour::s_opening = nullptr;

HWND Tour::pageWindow(int templateId)
{
    CGDIpMultiPageCtrl& host = m_bench.view().pageCtrl();
    for (int i = 0; i < host.getPageCount(); ++i)
        if (auto* page = dynamic_cast<CWnd*>(host.getPage(i)))
            if (page->GetDlgCtrlID() == templateId)
                return page->GetSafeHwnd();
    return nullptr;
}

void Tour::activate(HWND page)
{
    CGDIpMultiPageCtrl& host = m_bench.view().pageCtrl();
    for (int i = 0; i < host.getPageCount(); ++i)
        if (auto* shown = dynamic_cast<CWnd*>(host.getPage(i)))
            if (shown->GetSafeHwnd() == page)
                host.activatePage(i);
    m_bench.pumpFor(200);
}

void Tour::check(HWND window, const std::string& name)
{
    for (const std::string& fault : kwtest::layoutFaults(window, m_run + " " + name))
        m_faults.insert(fault);
}

// A picture of `window` under <build>/screenshots/fit-<run>-<name>.png.
void Tour::picture(HWND window, const std::string& name)
{
    RedrawWindow(window, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_UPDATENOW | RDW_ALLCHILDREN);
    const std::wstring folder = kwtest::ChildProcess::programFolder() + L"..\\screenshots\\";
    CreateDirectoryW(folder.c_str(), nullptr);
    const std::string file = "fit-" + m_run + "-" + name + ".png";
    EXPECT_TRUE(windowshot::savePng(window, folder + std::wstring(file.begin(), file.end()))) << file;
}

// The active page with the navigation and status pages around it, and a
// picture of the whole main window.
void Tour::lookAtPage()
{
    m_bench.pumpFor(700);
    auto* page = dynamic_cast<CWnd*>(m_bench.view().pageCtrl().getActivePage());
    ASSERT_NE(nullptr, page);
    const auto name = kPageNames.find(page->GetDlgCtrlID());
    ASSERT_NE(kPageNames.end(), name);
    picture(m_bench.frame().GetSafeHwnd(), std::string("page-") + name->second);
    check(page->GetSafeHwnd(), std::string("page-") + name->second);
    check(pageWindow(IDD_LEFT_TOOLBAR), "navigation");
    check(pageWindow(IDD_BOTTOM), "status");
}

// Every item of the navigation tree in its order, then the 3D map, which
// has no item, through the host.
void Tour::pages()
{
    HWND tree = GetDlgItem(pageWindow(IDD_LEFT_TOOLBAR), IDC_PAGE_TREE);
    ASSERT_NE(nullptr, tree);
    // The dialogs' pages were shown through the host: the first item's
    // page again, as the tree has it selected.
    m_bench.view().pageCtrl().activatePage(0);
    for (HTREEITEM item = TreeView_GetRoot(tree); item; item = TreeView_GetNextVisible(tree, item)) {
        TreeView_SelectItem(tree, item);
        lookAtPage();
    }
    m_bench.view().pageCtrl().activatePage(kRpmMap3D);
    lookAtPage();
}

void Tour::dialogs()
{
    const bool connected = m_bench.device().m_connected;
    for (const Opener& opener : kDialogs)
        if (connected || !opener.needsController)
            open(opener);
}

HWND shownDialog()
{
    HWND found = nullptr;
    EnumThreadWindows(
        GetCurrentThreadId(),
        [](HWND window, LPARAM out) {
            auto* dialog = dynamic_cast<CDialog*>(CWnd::FromHandlePermanent(window));
            if (!dialog || !IsWindowVisible(window) || !IsWindowEnabled(window))
                return TRUE;
            *reinterpret_cast<HWND*>(out) = window;
            return FALSE;
        },
        reinterpret_cast<LPARAM>(&found));
    return found;
}

// Runs inside the dialog's modal loop: looks at it once it has run a
// while, then cancels it.
void CALLBACK Tour::onDialogTick(HWND, UINT, UINT_PTR, DWORD)
{
    Tour& tour = *s_opening;
    HWND dialog = shownDialog();
    if (!dialog)
        return;
    if (!tour.m_seen) {
        tour.m_seen = dialog;
        return;
    }
    if (++tour.m_ticks == 1) {
        tour.picture(dialog, "dialog-" + tour.m_dialog);
        tour.check(dialog, "dialog-" + tour.m_dialog);
        PostMessageW(dialog, WM_COMMAND, IDCANCEL, 0);
    } else if (auto* modal = dynamic_cast<CDialog*>(CWnd::FromHandlePermanent(dialog))) {
        modal->EndDialog(IDCANCEL);
    }
}

void Tour::open(const Opener& opener)
{
    m_dialog = opener.name;
    m_seen = nullptr;
    m_ticks = 0;
    s_opening = this;
    const UINT_PTR timer = SetTimer(nullptr, 0, 600, &Tour::onDialogTick);
    if (opener.page == -1) {
        CAboutDlg about;
        about.DoModal();
    } else if (opener.page == 0) {
        m_bench.command(UINT(opener.id));
    } else {
        HWND page = pageWindow(opener.page);
        if (opener.page != IDD_BOTTOM)
            activate(page);
        SendMessageW(page, WM_COMMAND, MAKEWPARAM(opener.id, opener.notification),
                     LPARAM(GetDlgItem(page, opener.id)));
    }
    KillTimer(nullptr, timer);
    s_opening = nullptr;
    EXPECT_TRUE(m_seen) << m_run << ": the dialog " << opener.name << " did not open";
    m_bench.pumpFor(100);
}

// The connection caption's text reads clearly on its tile.
void Tour::statusCaption()
{
    HWND caption = GetDlgItem(pageWindow(IDD_BOTTOM), IDC_CONNECTION_CAPTION);
    auto* drawn = dynamic_cast<COrangeStatic*>(CWnd::FromHandlePermanent(caption));
    ASSERT_NE(nullptr, drawn);
    RECT r;
    GetWindowRect(caption, &r);
    // The tile's own colour: the commonest pixel inside its frame.
    HDC screen = GetDC(nullptr);
    std::map<COLORREF, int> counts;
    for (int y = r.top + 4; y < r.bottom - 4; y += 2)
        for (int x = r.left + 4; x < r.right - 4; x += 3)
            ++counts[GetPixel(screen, x, y)];
    ReleaseDC(nullptr, screen);
    ASSERT_FALSE(counts.empty());
    const auto tile = std::max_element(counts.begin(), counts.end(),
                                       [](const auto& a, const auto& b) { return a.second < b.second; });
    const double ratio = kwtest::contrastRatio(drawn->m_textColor, tile->first);
    EXPECT_GE(ratio, 4.5) << m_run << ": caption colour " << std::hex << drawn->m_textColor << " on tile "
                          << tile->first;
}

std::string listed(const std::set<std::string>& faults)
{
    std::string text;
    for (const std::string& fault : faults)
        text += fault + "\n";
    return text;
}

kwsim::SimConfig carWithEverything()
{
    kwsim::SimConfig config;
    config.obdModule = true;
    config.cylinders = 6;
    config.hardware = '0';
    return config;
}

} // namespace

TEST(TextFit, ConnectedEveryPageAndDialogShowsItsTextsWhole)
{
    ShellBench bench(carWithEverything());
    ASSERT_TRUE(bench.device().m_connected);
    bench.pumpFor(1500);
    Tour tour(bench, "connected");
    tour.dialogs();
    bench.device().m_hiddenFeatures = true; // every control a page may show
    tour.pages();
    tour.statusCaption();
    EXPECT_TRUE(tour.faults().empty()) << tour.faults().size() << " faults:\n" << listed(tour.faults());
}

TEST(TextFit, DemoEveryPageAndDialogShowsItsTextsWhole)
{
    ShellBench bench(kwsim::SimConfig(), false);
    ASSERT_FALSE(bench.device().m_connected);
    Tour tour(bench, "demo");
    tour.pages();
    tour.statusCaption();
    tour.dialogs();
    EXPECT_TRUE(tour.faults().empty()) << tour.faults().size() << " faults:\n" << listed(tour.faults());
}

TEST(TextFit, WithoutObdModuleTheTreeFillsTheColumnAboveTheLogo)
{
    ShellBench bench;
    ASSERT_TRUE(bench.device().m_connected);
    bench.pumpFor(500);
    Tour tour(bench, "no-obd");
    tour.pages();
    EXPECT_TRUE(tour.faults().empty()) << tour.faults().size() << " faults:\n" << listed(tour.faults());
}
