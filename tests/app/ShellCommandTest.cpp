// The document's commands with the frame and view of the program, in this
// process, against the simulated controller.

#include "ProgramBusy.h"
#include "RecordImage.h"
#include "SensorsPageIds.h"
#include "ShellBench.h"
#include "ShellIds.h"
#include "TempDir.h"
#include "translate.h"

#include <CImageCheckBox.h>
#include <DeviceSettingsFiles.h>
#include <SettingsFileIO.h>
#include <WfxTestHooks.h>

#include <gtest/gtest.h>

#include <algorithm>
#include <fstream>
#include <functional>

namespace {

using kwtest::ShellBench;

bool grayed(UINT state)
{
    return (state & MF_GRAYED) != 0;
}

// The order in which `wanted` occur in `all` (each taken at its first place).
bool inOrder(const std::vector<int>& all, const std::vector<int>& wanted)
{
    auto at = all.begin();
    for (int w : wanted) {
        at = std::find(at, all.end(), w);
        if (at == all.end())
            return false;
    }
    return true;
}

void typePassword(const wchar_t* text)
{
    WfxSetModalDialogHook([text](CDialog& dialog) {
        SetDlgItemTextW(dialog.GetSafeHwnd(), 1230, text);
        dialog.SendMessage(WM_COMMAND, IDOK);
    });
}

void lock(CLPGDevice& device)
{
    device.m_settings.m_devInfo.m_lockData[36] = '1';
}

} // namespace

TEST(ShellCommands, MenuFollowsConnectionBusyHiddenFeaturesAndLanguage)
{
    ShellBench bench;
    ASSERT_TRUE(bench.device().m_connected);
    EXPECT_TRUE(grayed(bench.menuState(ID_CONNECT)));
    EXPECT_FALSE(grayed(bench.menuState(ID_FILE_READ_SETTINGS)));
    {
        ProgramBusy busy;
        for (UINT id : {ID_FILE_READ_SETTINGS, ID_SAVE_SETTINGS_TO_FILE, ID_SETTINGS_RESTORE,
                        ID_DEVICE_UPDATE, ID_ENABLE_HIDDEN_FEATURES, ID_LANGUAGE_ENGLISH})
            EXPECT_TRUE(grayed(bench.menuState(id))) << id;
    }
    EXPECT_FALSE(grayed(bench.menuState(ID_SETTINGS_RESTORE)));

    // The access code is exactly "3851".
    for (const wchar_t* wrong : {L"3850", L"38510", L""}) {
        typePassword(wrong);
        bench.command(ID_ENABLE_HIDDEN_FEATURES);
        EXPECT_FALSE(bench.device().m_hiddenFeatures) << wrong;
    }
    EXPECT_FALSE(grayed(bench.menuState(ID_ENABLE_HIDDEN_FEATURES)));
    typePassword(L"3851");
    bench.command(ID_ENABLE_HIDDEN_FEATURES);
    WfxSetModalDialogHook(nullptr);
    EXPECT_TRUE(bench.device().m_hiddenFeatures);
    EXPECT_TRUE(grayed(bench.menuState(ID_ENABLE_HIDDEN_FEATURES)));

    const int language = g_languageId;
    bench.command(ID_LANGUAGE_2);
    EXPECT_EQ(2, g_languageId);
    EXPECT_FALSE(bench.menuState(ID_LANGUAGE_ENGLISH) & MF_CHECKED);
    bench.command(ID_LANGUAGE_ENGLISH);
    EXPECT_EQ(1, g_languageId);
    EXPECT_TRUE(bench.menuState(ID_LANGUAGE_ENGLISH) & MF_CHECKED);
    g_languageId = language;
}

TEST(ShellCommands, LoadSettingsWritesTheFileInOrderOrChangesNothing)
{
    kwtest::TempDir files;
    CSettingsRecord saved;
    saved.m_base.m_switchRPM = 1700;
    saved.m_obdSetup.enable = 1;
    const std::wstring good = files.file(L"car.settings");
    ASSERT_TRUE(writeSettingsFile(good, saved));
    const std::wstring bad = files.file(L"broken.settings");
    std::ofstream(std::string(bad.begin(), bad.end())) << "m_timeStamp\tnow\nm_base.m_switchRPM\n";

    ShellBench bench;
    const std::wstring serial = bench.device().m_settings.m_devInfo.m_serial;
    bench.openPath = bad;
    bench.sim->clearRequests();
    bench.command(ID_FILE_READ_SETTINGS);
    ASSERT_EQ(1u, bench.boxes.size());
    EXPECT_EQ(L"Can't read device settings from file", bench.boxes[0]);
    EXPECT_EQ(1200.0, bench.device().m_settings.m_base.m_switchRPM);
    EXPECT_TRUE(bench.requestsButSamples().empty());

    bench.boxes.clear();
    bench.openPath = good;
    bench.command(ID_FILE_READ_SETTINGS);
    EXPECT_TRUE(bench.boxes.empty());
    EXPECT_EQ(1700.0, bench.device().m_settings.m_base.m_switchRPM);
    EXPECT_EQ(serial, bench.device().m_settings.m_devInfo.m_serial);
    const std::vector<int> commands = bench.commands();
    EXPECT_TRUE(inOrder(commands, {31, 4, 15, 7, 9, 26, 30}));
    // No OBD module: neither OBD block.
    EXPECT_EQ(0, std::count(commands.begin(), commands.end(), 18));
    EXPECT_EQ(0, std::count(commands.begin(), commands.end(), 27));
    EXPECT_TRUE(inOrder(bench.selectors(), {10}));

    // A locked controller takes no file.
    lock(bench.device());
    bench.sim->clearRequests();
    bench.command(ID_FILE_READ_SETTINGS);
    EXPECT_TRUE(bench.requestsButSamples().empty());
}

TEST(ShellCommands, RestoreWritesTheFactoryGroupsAndKeepsTheIdentity)
{
    ShellBench bench;
    CSettingsRecord& live = bench.device().m_settings;
    live.m_base.m_switchRPM = 2500;
    live.m_mainCorr.m_mainCorr[2] = 1.3;
    const std::wstring serial = live.m_devInfo.m_serial;
    const auto pcLog = live.m_devInfo.m_pcConnections;
    bench.boxAnswer = IDNO;
    bench.command(ID_SETTINGS_RESTORE);
    EXPECT_EQ(2500.0, live.m_base.m_switchRPM);

    bench.boxAnswer = IDYES;
    bench.boxes.clear();
    bench.sim->clearRequests();
    bench.command(ID_SETTINGS_RESTORE);
    ASSERT_FALSE(bench.boxes.empty());
    EXPECT_EQ(L"Do you want to restore default settings?", bench.boxes[0]);
    EXPECT_EQ(1200.0, live.m_base.m_switchRPM);
    EXPECT_EQ(1.0, live.m_mainCorr.m_mainCorr[2]);
    EXPECT_EQ(serial, live.m_devInfo.m_serial);
    EXPECT_EQ(pcLog, live.m_devInfo.m_pcConnections);
    EXPECT_TRUE(inOrder(bench.commands(), {31}));
}

TEST(ShellCommands, WithoutControllerTheCommandsAskNothing)
{
    ShellBench bench(kwsim::SimConfig(), false);
    ASSERT_FALSE(bench.device().m_connected);
    ASSERT_EQ(1u, bench.boxes.size());
    EXPECT_EQ(L"NO CONNECTION", bench.boxes[0]);
    EXPECT_FALSE(grayed(bench.menuState(ID_CONNECT)));
    bench.boxes.clear();
    bench.command(ID_SAVE_SETTINGS_TO_FILE);
    bench.command(ID_FILE_READ_SETTINGS);
    EXPECT_TRUE(bench.boxes.empty());
    bench.boxAnswer = IDYES;
    bench.command(ID_SETTINGS_RESTORE);
    ASSERT_EQ(1u, bench.boxes.size());
    EXPECT_EQ(L"Can't write settings to device!", bench.boxes[0]);
    EXPECT_TRUE(bench.requestsButSamples().empty());
    // Without a connection the timer never ran and nothing rescans.
    EXPECT_FALSE(bench.frame().isWatchTimerArmed());
}

TEST(ShellCommands, AskedTwiceToCloseTheControllerRecordsThisRunOnce)
{
    kwsim::SimConfig config;
    config.blocks[19] = std::vector<uint8_t>(84, 0);
    ShellBench bench(config);
    bench.sim->clearRequests();
    EXPECT_TRUE(bench.doc().CanCloseFrame(&bench.frame()));
    EXPECT_TRUE(bench.doc().CanCloseFrame(&bench.frame()));
    const std::vector<int> commands = bench.commands();
    EXPECT_EQ(1, std::count(commands.begin(), commands.end(), 19));
}

namespace {

// One kind of request: a block written (its command) or an action (command
// 2 and its selector).
struct RequestKind
{
    uint8_t cmd;
    int selector;
};

void refuse(ShellBench& bench, RequestKind kind)
{
    bench.with([kind](kwsim::SimState& s) {
        s.refuseRule = [kind](const kwsim::SimRequest& r) {
            return r.cmd == kind.cmd && (kind.selector < 0 || r.selector == kind.selector);
        };
    });
}

void refuseNothing(ShellBench& bench)
{
    bench.with([](kwsim::SimState& s) { s.refuseRule = nullptr; });
}

// Other values than the controller's in every group a file brings.
CSettingsRecord otherCar()
{
    CSettingsRecord r;
    r.m_base.m_switchRPM = 1700;
    r.m_base.m_switchTempr = 28;
    r.m_adv.m_minLPGTime = 2.5;
    r.m_mainCorr.m_mainCorr.fill(1.12);
    r.m_setupTimes1[4][1] = 0.4;
    r.m_setupTimes2[7][2] = 0.3;
    r.m_corrMap.m_injMapTable[3][4] = 9;
    r.m_sensorsSetup.m_lambdaType = 2;
    r.m_advancedSetup.m_minimalLPGRPM = 900;
    r.m_advancedSetup.m_idleTime = 4.5;
    r.m_obdAdvSetup.obd_corr_max = 21;
    return r;
}

bool onGas(ShellBench& bench)
{
    return bench.with([](kwsim::SimState& s) { return s.live.mode() == kwsim::SimLiveEngine::kGas; });
}

using BlockWrite = bool (CLPGDevice::*)();

// The record holds what the controller holds: each block written as the
// record has it goes out as the controller has it (block 31 but this PC's
// code), and reading everything again changes nothing.
// The record's image but for this PC's code, which a write of block 31 puts in.
std::vector<uint8_t> imageButPcCode(CSettingsRecord record)
{
    record.m_keptBytes.m_pcCode = {};
    return recordImage(record);
}

void expectRecordIsController(ShellBench& bench)
{
    CLPGDevice& device = bench.device();
    const std::vector<uint8_t> image = imageButPcCode(device.m_settings);
    const std::pair<uint8_t, BlockWrite> writes[] = {
        {31, &CLPGDevice::writeBlock31}, {4, &CLPGDevice::writeBlock4},   {15, &CLPGDevice::writeBlock15},
        {7, &CLPGDevice::writeTable7},   {9, &CLPGDevice::writeTable9},   {26, &CLPGDevice::writeBlock26},
        {30, &CLPGDevice::writeBlock30}, {33, &CLPGDevice::writeBlock33}, {34, &CLPGDevice::writeBlock34}};
    for (const auto& [block, write] : writes) {
        std::vector<uint8_t> before = bench.with([b = block](kwsim::SimState& s) { return s.blocks.get(b); });
        ASSERT_TRUE((device.*write)()) << int(block);
        std::vector<uint8_t> after = bench.with([b = block](kwsim::SimState& s) { return s.blocks.get(b); });
        if (block == 31) {
            std::fill(before.begin() + 24, before.begin() + 28, 0);
            std::fill(after.begin() + 24, after.begin() + 28, 0);
        }
        EXPECT_EQ(before, after) << "block " << int(block);
    }
    ASSERT_TRUE(device.readAllSettings());
    EXPECT_EQ(image, imageButPcCode(device.m_settings));
}

// Runs `command` with each kind of request of `steps` refused in turn: the
// command says so, the record takes back what the controller holds and the
// controller, on gas before, is on gas again.
void refuseEachStep(ShellBench& bench, const std::vector<RequestKind>& steps,
                    const std::vector<std::wstring>& boxes, const std::function<void()>& command)
{
    for (const RequestKind& step : steps) {
        SCOPED_TRACE(testing::Message() << "refused " << int(step.cmd) << "/" << step.selector);
        ASSERT_TRUE(onGas(bench));
        refuse(bench, step);
        bench.boxes.clear();
        command();
        refuseNothing(bench);
        EXPECT_EQ(boxes, bench.boxes);
        bench.pumpFor(200);
        EXPECT_TRUE(onGas(bench));
        expectRecordIsController(bench);
    }
}

} // namespace

// A write refused at any step of a Load or a Restore: nothing of the file
// or of the factory settings stays in the record that the controller did not
// take, so the next single change sends only its own bytes.
TEST(ShellCommands, LoadAndRestoreRefusedAtAnyStepLeaveTheRecordAsTheController)
{
    kwtest::TempDir files;
    const std::wstring file = files.file(L"other car.settings");
    ASSERT_TRUE(writeSettingsFile(file, otherCar()));
    kwsim::SimConfig config;
    config.obdModule = true;
    ShellBench bench(config);
    bench.pumpFor(300); // a live sample: the controller runs on gas
    bench.openPath = file;
    const std::vector<RequestKind> loadSteps = {{2, 2},  {31, -1}, {4, -1},  {15, -1}, {7, -1},  {9, -1},
                                                {5, -1}, {26, -1}, {30, -1}, {18, -1}, {27, -1}, {2, 10}};
    refuseEachStep(bench, loadSteps, {L"Can't write settings to device!"},
                   [&] { bench.command(ID_FILE_READ_SETTINGS); });

    // Taken whole: back on gas, and the factory settings refused in turn.
    bench.boxes.clear();
    bench.command(ID_FILE_READ_SETTINGS);
    EXPECT_TRUE(bench.boxes.empty());
    EXPECT_EQ(1700.0, bench.device().m_settings.m_base.m_switchRPM);
    bench.pumpFor(200);
    EXPECT_TRUE(onGas(bench));
    bench.boxAnswer = IDYES;
    const std::vector<RequestKind> restoreSteps = {{2, 2},   {31, -1}, {4, -1},  {15, -1}, {7, -1},
                                                   {9, -1},  {5, -1},  {30, -1}, {26, -1}, {32, -1},
                                                   {33, -1}, {34, -1}, {2, 10}};
    refuseEachStep(bench, restoreSteps,
                   {L"Do you want to restore default settings?", L"Can't write settings to device!"},
                   [&] { bench.command(ID_SETTINGS_RESTORE); });
}

// Factory settings keep what describes the car's installation and the
// installer's reminders: fuel, MAP sensor, the map rows' kind with their
// axes, the credit and inspection with their ends.
TEST(ShellCommands, RestoreKeepsTheInstallationAndTheReminders)
{
    struct Installation
    {
        uint8_t flags;    // block 26 byte 12: inspection 0x01, CNG 0x08, MAP sensor 0x10 and 0x80
        uint8_t flags2;   // byte 13: credit 0x02
        uint8_t flags3hi; // byte 5: the map rows are manifold pressure 0x04
    };
    const Installation installations[] = {{0x11, 0x02, 0x04}, {0x08, 0x00, 0x00}, {0x89, 0x02, 0x04}};
    for (const Installation& car : installations) {
        SCOPED_TRACE(testing::Message() << "flags " << int(car.flags));
        ShellBench bench;
        bench.with([&](kwsim::SimState& s) {
            std::vector<uint8_t> b26 = s.blocks.get(26);
            b26[12] = car.flags;
            b26[13] = car.flags2;
            b26[5] = static_cast<uint8_t>((b26[5] & ~0x04) | car.flags3hi);
            kwsim::putU32(b26, 0, 123456);
            s.blocks.set(26, b26);
            std::vector<uint8_t> b19 = s.blocks.get(19);
            kwsim::putU32(b19, 0, 654321);
            s.blocks.set(19, b19);
            std::vector<uint8_t> b34 = s.blocks.get(34);
            for (size_t i = 0; i < 19; ++i)
                b34[i] = static_cast<uint8_t>(40 + 9 * i);
            s.blocks.set(34, b34);
        });
        ASSERT_TRUE(bench.device().readAllSettings());
        const CCorrMap axes = bench.device().m_settings.m_corrMap;
        const std::vector<uint8_t> block34 = bench.with([](kwsim::SimState& s) { return s.blocks.get(34); });

        bench.boxAnswer = IDYES;
        bench.command(ID_SETTINGS_RESTORE);
        const std::vector<uint8_t> b26 = bench.with([](kwsim::SimState& s) { return s.blocks.get(26); });
        EXPECT_EQ(std::vector<std::wstring>{L"Do you want to restore default settings?"}, bench.boxes);
        EXPECT_EQ(car.flags, b26[12] & 0x99);
        EXPECT_EQ(car.flags2, b26[13] & 0x02);
        EXPECT_EQ(car.flags3hi, b26[5] & 0x04);
        EXPECT_EQ(123456u, kwsim::getU32(b26, 0));
        EXPECT_EQ(654321u, kwsim::getU32(bench.with([](kwsim::SimState& s) { return s.blocks.get(19); }), 0));
        EXPECT_EQ(block34, bench.with([](kwsim::SimState& s) { return s.blocks.get(34); }));
        ASSERT_TRUE(bench.device().readBlock34());
        EXPECT_EQ(axes.m_rowAxis, bench.device().m_settings.m_corrMap.m_rowAxis);
        EXPECT_EQ(axes.m_colAxis, bench.device().m_settings.m_corrMap.m_colAxis);
    }
}

// The caption a drawn check box shows: it keeps it apart from its window text.
struct ShownCaption : CImageCheckBox
{
    static std::wstring of(CWnd& page, int id)
    {
        static constexpr CString CImageCheckBox::*caption = &ShownCaption::m_caption;
        auto* box =
            dynamic_cast<CImageCheckBox*>(CWnd::FromHandlePermanent(::GetDlgItem(page.GetSafeHwnd(), id)));
        return box ? std::wstring(box->*caption) : std::wstring();
    }
};

// A file of a CNG car loaded into an LPG controller: every window speaks of CNG.
TEST(ShellCommands, CaptionsFollowTheFuelOfALoadedFile)
{
    kwtest::TempDir files;
    CSettingsRecord cng;
    cng.m_advancedSetup.m_advancedFlags |= 0x08;
    const std::wstring file = files.file(L"cng.settings");
    ASSERT_TRUE(writeSettingsFile(file, cng));
    ShellBench bench;
    CWnd* sensors = bench.page(323);
    ASSERT_NE(nullptr, sensors);
    EXPECT_EQ(L"LPG Valve Turn On Before Switch Over", ShownCaption::of(*sensors, IDC_SENS_CHK_DELAY_VALVES));
    bench.openPath = file;
    bench.command(ID_FILE_READ_SETTINGS);
    EXPECT_TRUE(bench.boxes.empty());
    EXPECT_EQ(L"CNG Valve Turn On Before Switch Over", ShownCaption::of(*sensors, IDC_SENS_CHK_DELAY_VALVES));
}
