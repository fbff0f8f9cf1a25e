// The auto calibration page in the program's frame and view, in this
// process, against the simulated controller: the controller's blocks and
// the request log are the oracle.

#include "CAutoCalibrationMPDlg.h"
#include "CPageCalibrationHost.h"
#include "CalibrationPageIds.h"
#include "OscPageIds.h"
#include "ProgramBusy.h"
#include "SamplePacer.h"
#include "ShellBench.h"
#include "ShellIds.h"
#include "TempDir.h"

#include <UserInterface.h>

#include <commctrl.h>
#include <gtest/gtest.h>

#include <algorithm>
#include <functional>

namespace {

using kwtest::ShellBench;

const int kCalibrationPage = 3;
const int kOscilloscopePage = 7;

// The page's own host with the reading thread played in fake time; the
// window messages still flow, so the frame's timer ticks the page.
class PacedPageHost : public CPageCalibrationHost
{
public:
    PacedPageHost(CLPGDevice& device, CAutoCalibrationMPDlg& page) : CPageCalibrationHost(device, page) {}

    void sleep(int ms) override
    {
        pacer.sleep(ms);
        Sleep(1);
    }
    unsigned long long now() override { return pacer.now(); }
    void setProgress(int position) override
    {
        progress.push_back(position);
        CPageCalibrationHost::setProgress(position);
    }

    SamplePacer pacer{m_device};
    std::vector<int> progress;
};

struct PumpHook
{
    explicit PumpHook(std::function<void()> hook) { setMessagePumpHook(std::move(hook)); }
    ~PumpHook() { setMessagePumpHook(nullptr); }
};

// The page shown, live data played by the test; 88 kPa in the reducer.
CAutoCalibrationMPDlg& showCalibrationPage(ShellBench& bench)
{
    bench.with([](kwsim::SimState& s) { s.live.pinned[8] = 100; });
    bench.view().pageCtrl().activatePage(kCalibrationPage);
    bench.pumpFor(50);
    bench.doc().stopDiagThread();
    bench.frame().startWatchTimer();
    auto* page = dynamic_cast<CAutoCalibrationMPDlg*>(bench.view().pageCtrl().getPage(kCalibrationPage));
    EXPECT_NE(nullptr, page);
    return *page;
}

std::wstring itemText(CWnd& page, int id)
{
    wchar_t text[64] = {};
    GetDlgItemTextW(page.GetSafeHwnd(), id, text, 64);
    return text;
}

std::wstring outputText(CAutoCalibrationMPDlg& page)
{
    CString text;
    page.output().GetWindowText(text);
    text.Remove(L'\r');
    return text.str();
}

// The base settings as the controller holds them; the PC code that every
// write of the block carries after them is left out.
std::vector<uint8_t> block31(ShellBench& bench)
{
    std::vector<uint8_t> block = bench.with([](kwsim::SimState& s) { return s.blocks.get(31); });
    block.resize(24);
    return block;
}

bool grayed(UINT state)
{
    return (state & MF_GRAYED) != 0;
}

void pushSample(CLPGDevice& device)
{
    CDiag sample;
    ASSERT_EQ(0, device.readDiagSample(sample));
    sample.setSequence(device.m_diagData.count() + 1);
    device.m_diagData.push(sample);
}

} // namespace

TEST(CalibrationPage, AFullRunWritesTheCorrectionAndPutsTheSwitchSettingsBack)
{
    ShellBench bench;
    CAutoCalibrationMPDlg& page = showCalibrationPage(bench);
    CSettingsRecord& record = bench.device().m_settings;
    const double switchRPM = record.m_base.m_switchRPM;
    const double emulatorDelay = record.m_base.m_emulatorDelay;
    page.CheckDlgButton(IDC_CAL_ONE_CYLINDER, BST_UNCHECKED);

    bool busy = true, menuRefused = true, buttonsOff = true;
    int barSeen = 0;
    PacedPageHost host(bench.device(), page);
    PumpHook hook([&] {
        busy = busy && ProgramBusy::isSet();
        menuRefused = menuRefused && grayed(bench.menuState(ID_FILE_READ_SETTINGS));
        buttonsOff = buttonsOff && !page.GetDlgItem(IDC_CAL_B_FIRST)->IsWindowEnabled();
        barSeen = std::max(barSeen, static_cast<CGDIpProgressBar*>(page.GetDlgItem(1059))->getPos());
    });
    page.runCalibration(host);

    EXPECT_TRUE(busy);
    EXPECT_TRUE(menuRefused);
    EXPECT_TRUE(buttonsOff);
    EXPECT_GT(barSeen, 0); // the timer kept the live bars going
    EXPECT_FALSE(ProgramBusy::isSet());
    EXPECT_TRUE(page.GetDlgItem(IDC_CAL_B_FIRST)->IsWindowEnabled());
    const std::wstring output = outputText(page);
    EXPECT_EQ(0u, output.find(L"Set engine stable RPM\n")) << output;
    EXPECT_NE(std::wstring::npos,
              output.find(L"Autocalibation end\nCollect petrol map and gas map durring drive.\n"))
        << output;
    EXPECT_EQ(std::wstring::npos, output.find(L"Error")) << output;

    // The controller holds what the page shows, and its own switch settings.
    const double written = record.m_mainCorr.m_mainCorr[0];
    wchar_t shown[16];
    swprintf(shown, 16, L"%.2f", written);
    EXPECT_EQ(shown, itemText(page, 1169));
    EXPECT_EQ(shown, itemText(page, 1102));
    ASSERT_TRUE(bench.device().readBlock15());
    EXPECT_NEAR(written, record.m_mainCorr.m_mainCorr[7], 0.011); // the controller's steps
    ASSERT_TRUE(bench.device().readBlock31());
    EXPECT_EQ(switchRPM, record.m_base.m_switchRPM);
    EXPECT_EQ(emulatorDelay, record.m_base.m_emulatorDelay);
    EXPECT_EQ(88, record.m_base.m_pressureRef);
}

TEST(CalibrationPage, StartAgainOrCloseDuringARunPutsTheSwitchSettingsBack)
{
    ShellBench bench;
    CAutoCalibrationMPDlg& page = showCalibrationPage(bench);
    const std::vector<uint8_t> before = block31(bench);
    {
        // Start again in the settling after the return to gas acts as Stop:
        // the run goes on to the next wait and ends there without a line of
        // its own.
        PacedPageHost host(bench.device(), page);
        bool stopped = false;
        PumpHook hook([&] {
            if (!stopped && host.pacer.now() > 8000) {
                stopped = true;
                page.PostMessage(WM_COMMAND, MAKEWPARAM(IDC_CAL_START, BN_CLICKED),
                                 LPARAM(page.GetDlgItem(IDC_CAL_START)->GetSafeHwnd()));
            }
        });
        page.runCalibration(host);
        EXPECT_TRUE(stopped);
    }
    const std::wstring output = outputText(page);
    EXPECT_EQ(L"Set engine stable RPM\nAutocalibration aborted\n", output);
    EXPECT_EQ(before, block31(bench));
    EXPECT_FALSE(page.isRunning());

    // A close meanwhile stops the run; the window goes once it has ended.
    HWND frame = bench.frame().GetSafeHwnd();
    PacedPageHost host(bench.device(), page);
    bool closed = false;
    PumpHook hook([&] {
        if (!closed && host.pacer.now() > 8000) {
            closed = true;
            ::PostMessageW(frame, WM_CLOSE, 0, 0);
        }
    });
    page.runCalibration(host);
    EXPECT_TRUE(closed);
    EXPECT_EQ(before, block31(bench));
    EXPECT_TRUE(IsWindow(frame));
    bench.pumpFor(300);
    EXPECT_FALSE(IsWindow(frame));
}

// Record pressed on the oscilloscope page while a run counts samples is
// refused: a new recording would restart the reading thread under the run.
// The run finishes, its progress never below 0 and only growing until its end.
TEST(CalibrationPage, RecordIsRefusedDuringARun)
{
    ShellBench bench;
    kwtest::TempDir dir;
    bench.openPath = dir.file(L"during the run.osc");
    CAutoCalibrationMPDlg& page = showCalibrationPage(bench);
    page.CheckDlgButton(IDC_CAL_ONE_CYLINDER, BST_UNCHECKED);
    CWnd* oscilloscope = dynamic_cast<CWnd*>(bench.view().pageCtrl().getPage(kOscilloscopePage));
    ASSERT_NE(nullptr, oscilloscope);
    PacedPageHost host(bench.device(), page);
    bool pressed = false;
    PumpHook hook([&] {
        if (!pressed && host.pacer.now() > 3000) {
            pressed = true;
            oscilloscope->SendMessage(WM_COMMAND, MAKEWPARAM(IDC_OSC_RECORD, BN_CLICKED), 0);
        }
    });
    page.runCalibration(host);

    EXPECT_TRUE(pressed);
    EXPECT_EQ(INVALID_FILE_ATTRIBUTES, GetFileAttributesW(bench.openPath.c_str()));
    EXPECT_FALSE(bench.device().m_diagThread.isRunning());
    EXPECT_NE(std::wstring::npos, outputText(page).find(L"Autocalibation end"));
    const auto end = std::find(host.progress.begin(), host.progress.end(), 1000);
    ASSERT_NE(host.progress.end(), end);
    EXPECT_TRUE(std::is_sorted(host.progress.begin(), end));
    EXPECT_GT(*std::max_element(host.progress.begin(), end), 0);
}

TEST(CalibrationPage, TicksShowLiveTimesAndRepaintOnlyWhatChanged)
{
    ShellBench bench;
    CAutoCalibrationMPDlg& page = showCalibrationPage(bench);
    CLPGDevice& device = bench.device();
    device.m_settings.m_devInfo.m_injCount = 4;
    device.m_settings.m_adv.m_injConfMap = {1, 2, 4, 8, 0, 0, 0, 0};
    page.v_activate();
    EXPECT_TRUE(page.GetDlgItem(1207)->IsWindowVisible());
    EXPECT_FALSE(page.GetDlgItem(1208)->IsWindowVisible());
    EXPECT_FALSE(page.GetDlgItem(1099)->IsWindowVisible());

    // Emulation on for cylinders 1 to 3, gas outputs 1 and 3 on, mode 4 (gas).
    bench.with([](kwsim::SimState& s) {
        s.live.pinned[0] = 4;
        s.live.emulatorBits = 0x07;
        s.live.gasBits = 0x05;
    });
    device.m_diagData.clear();
    pushSample(device);
    page.v_onTimer();
    auto image = [&](int id) { return static_cast<CGDIpGradientButton*>(page.GetDlgItem(id))->getImageNo(); };
    const int b[4] = {image(1204), image(1205), image(1206), image(1207)};
    const int g[4] = {image(1212), image(1213), image(1214), image(1215)};
    EXPECT_EQ((std::vector<int>{2, 2, 2, 0}), std::vector<int>(b, b + 4));
    EXPECT_EQ((std::vector<int>{1, 2, 1, 2}), std::vector<int>(g, g + 4));
    EXPECT_NE(L"", itemText(page, 1245)); // petrol times
    EXPECT_NE(L"", itemText(page, 1248));
    EXPECT_NE(L"", itemText(page, 1251)); // gas on outputs 1 and 3 only
    EXPECT_EQ(L"", itemText(page, 1224));
    EXPECT_NE(L"", itemText(page, 1225));
    EXPECT_EQ(L"", itemText(page, 1226));

    // The same sample again: nothing needs painting.
    page.RedrawWindow(nullptr, nullptr, RDW_UPDATENOW | RDW_ALLCHILDREN);
    page.v_onTimer();
    for (int id : {1204, 1205, 1206, 1207, 1212, 1213, 1214, 1215, 1245, 1246, 1251, 1225})
        EXPECT_FALSE(::GetUpdateRect(page.GetDlgItem(id)->GetSafeHwnd(), nullptr, FALSE)) << id;
}

TEST(CalibrationPage, SpinsAndOutputButtonsWriteOnlyWhatWasAsked)
{
    ShellBench bench;
    CAutoCalibrationMPDlg& page = showCalibrationPage(bench);
    CLPGDevice& device = bench.device();
    device.m_settings.fillCorrections(5.99);
    page.v_activate();
    auto spin = [&](int cylinder, int delta) {
        NMUPDOWN change{};
        change.hdr.hwndFrom = page.GetDlgItem(IDC_CAL_SPIN_FIRST + cylinder)->GetSafeHwnd();
        change.hdr.idFrom = IDC_CAL_SPIN_FIRST + cylinder;
        change.hdr.code = UDN_DELTAPOS;
        change.iDelta = delta;
        page.SendMessage(WM_NOTIFY, change.hdr.idFrom, LPARAM(&change));
    };
    spin(1, -1); // all eight to 6.00, the highest
    ASSERT_TRUE(device.readBlock15());
    EXPECT_NEAR(6.0, device.m_settings.m_mainCorr.m_mainCorr[7], 0.005);
    EXPECT_EQ(L"6.00", itemText(page, 1102));
    bench.sim->clearRequests();
    spin(1, -1);
    EXPECT_TRUE(bench.commands().empty());
    EXPECT_EQ(L"6.00", itemText(page, 1096));

    page.CheckDlgButton(IDC_CAL_SAME_CORRECTION, BST_UNCHECKED);
    page.OnClickedSameCorrection();
    spin(1, 100);
    ASSERT_TRUE(device.readBlock15());
    EXPECT_NEAR(5.0, device.m_settings.m_mainCorr.m_mainCorr[1], 0.005);
    EXPECT_NEAR(6.0, device.m_settings.m_mainCorr.m_mainCorr[0], 0.005);
    EXPECT_TRUE(bench.boxes.empty());

    // On gas, with no emulation on: B1 switches cylinder 1's on, then G1 its
    // gas output; G2 is refused while cylinder 2's emulation is off. Live
    // data stays out of it after one tick, so that no tick shows the old
    // state meanwhile.
    device.m_diagData.clear();
    pushSample(device);
    page.v_onTimer();
    device.m_diagData.clear();
    page.onGasInj(IDC_CAL_B_FIRST);
    EXPECT_EQ(1u, bench.with([](kwsim::SimState& s) { return s.live.emulatorBits; }));
    bench.sim->clearRequests();
    page.onClickedGasInj(IDC_CAL_G_FIRST + 1);
    EXPECT_TRUE(bench.commands().empty());
    page.onClickedGasInj(IDC_CAL_G_FIRST);
    EXPECT_EQ(1u, bench.with([](kwsim::SimState& s) { return s.live.gasBits; }));

    // On petrol nothing is switched by hand.
    bench.with([](kwsim::SimState& s) { s.live.setMode(2); });
    page.onGasInj(IDC_CAL_B_FIRST + 1);
    EXPECT_EQ(1u, bench.with([](kwsim::SimState& s) { return s.live.emulatorBits; }));
    EXPECT_TRUE(bench.boxes.empty());
}
