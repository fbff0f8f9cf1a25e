// The document's commands with the frame and view of the program, in this
// process, against the simulated controller.

#include "ProgramBusy.h"
#include "ShellBench.h"
#include "ShellIds.h"
#include "TempDir.h"
#include "translate.h"

#include <DeviceSettingsFiles.h>
#include <SettingsFileIO.h>
#include <WfxTestHooks.h>

#include <gtest/gtest.h>

#include <algorithm>
#include <fstream>

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
