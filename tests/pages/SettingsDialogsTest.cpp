// The gas level sensor, switch console and injector size dialogs, opened
// modally against the simulated controller.

#include "CConsoleSetupDlg.h"
#include "CCppDlg.h"
#include "CInjSizeCalcDlg.h"
#include "PageBench.h"
#include "RecordImage.h"
#include "SettingsDialogsIds.h"
#include "SettingsWrites.h"
#include "translate.h"

#include <CLPGDevice.h>

#include <commctrl.h>
#include <gtest/gtest.h>

#include <functional>

using namespace pagetest;

namespace {

// Opens `Dialog` over the bench's host, runs `body` in it and closes it.
template <class Dialog> void runDialog(PageBench& bench, const std::function<void(Dialog&)>& body)
{
    uitest::ModalHook hook([&](CDialog& dialog) {
        body(static_cast<Dialog&>(dialog));
        dialog.EndDialog(IDOK);
    });
    Dialog dialog(&bench.host);
    dialog.DoModal();
}

// A step of a spin button as the control reports it.
void spin(CWnd& dialog, int id, int delta)
{
    NMUPDOWN change{};
    change.hdr.hwndFrom = ::GetDlgItem(dialog.GetSafeHwnd(), id);
    change.hdr.idFrom = UINT_PTR(id);
    change.hdr.code = UDN_DELTAPOS;
    change.iDelta = delta;
    ::SendMessageW(dialog.GetSafeHwnd(), WM_NOTIFY, WPARAM(id), LPARAM(&change));
}

std::vector<std::wstring> levelTexts(CWnd& dialog)
{
    std::vector<std::wstring> out;
    for (int id : {IDC_GLS_FULL, IDC_GLS_THREE_QUARTERS, IDC_GLS_HALF, IDC_GLS_QUARTER})
        out.push_back(text(dialog, id));
    return out;
}

void setLevels(CSensorsSetup& s, std::array<uint8_t, 4> levels, uint8_t res)
{
    s.m_fuelFull = levels[0];
    s.m_fuelHgw = levels[1];
    s.m_fuelHalf = levels[2];
    s.m_fuelQuarter = levels[3];
    s.m_fuelRes = res;
}

uint8_t inverted(uint8_t level)
{
    return uint8_t(~level);
}

} // namespace

TEST(GasLevelSensorDialog, ShowsTheStoredSensorAndTheLiveGauge)
{
    PageBench bench;
    bench.connect();
    struct Case
    {
        std::array<uint8_t, 4> levels;
        uint8_t res;
        const wchar_t* shown;
    };
    // Type 10 is not offered: the list stays on its first item.
    const Case cases[] = {{{210, 170, 120, 75}, 2, L"AEB 807A"},    {{220, 170, 120, 70}, 2, L"AEB 1050"},
                          {{1, 2, 3, 4}, 0, L"10 - 90 Ohm (1090)"}, {{70, 60, 40, 20}, 0, L"DYMCO 0-90 Ohm"},
                          {{50, 112, 162, 212}, 1, L"AEB 806"},     {{90, 150, 195, 238}, 1, L"AEB 1050"}};
    for (const Case& c : cases) {
        setLevels(bench.record().m_sensorsSetup, c.levels, c.res);
        runDialog<CCppDlg>(bench,
                           [&](CCppDlg& dialog) { EXPECT_EQ(c.shown, selectedText(dialog, IDC_GLS_TYPE)); });
    }
    runDialog<CCppDlg>(bench, [&](CCppDlg& dialog) {
        EXPECT_EQ((std::vector<std::wstring>{L"1.80V", L"3.00V", L"3.90V", L"4.76V"}), levelTexts(dialog));
        dialog.SendMessageW(WM_TIMER, CCppDlg::kLiveTimer);
        EXPECT_EQ(L"", text(dialog, IDC_GLS_LIVE)); // no sample yet
        CDiag sample;
        sample.data()[CDiag::kFuelLevelByte] = 200;
        bench.device().m_diagData.push(sample);
        dialog.SendMessageW(WM_TIMER, CCppDlg::kLiveTimer);
        EXPECT_EQ(L"4.00V", text(dialog, IDC_GLS_LIVE));
        // Without a controller the reading keeps its last text.
        bench.device().m_connected = false;
        sample.data()[CDiag::kFuelLevelByte] = 10;
        bench.device().m_diagData.push(sample);
        dialog.SendMessageW(WM_TIMER, CCppDlg::kLiveTimer);
        EXPECT_EQ(L"4.00V", text(dialog, IDC_GLS_LIVE));
    });
}

// The levels travel inverted while full lies below quarter.
TEST(GasLevelSensorDialog, ChoosingATypeWritesItsPresetInTheGaugeDirection)
{
    PageBench bench;
    bench.connect();
    SettingsWrites writes(bench.sim);
    runDialog<CCppDlg>(bench, [&](CCppDlg& dialog) {
        chooseText(dialog, IDC_GLS_TYPE, L"AEB 1050");
        EXPECT_EQ((std::vector<std::wstring>{L"0.90V", L"2.80V", L"3.60V", L"4.60V"}), levelTexts(dialog));
        chooseText(dialog, IDC_GLS_TYPE, L"DYMCO 0-90 Ohm");
        // Offline a choice changes nothing.
        bench.device().m_connected = false;
        chooseText(dialog, IDC_GLS_TYPE, L"AEB 806");
    });
    const std::vector<ByteChanges> expected = {
        {{0, inverted(45)}, {1, inverted(140)}, {2, inverted(180)}, {3, inverted(230)}},
        {{0, 70}, {1, 60}, {2, 40}, {3, 20}, {4, 0}, {5, 0}}};
    EXPECT_EQ(expected, writes.changes(30));
    EXPECT_EQ(2u, writes.count());
    EXPECT_EQ(70, bench.record().m_sensorsSetup.m_fuelFull);
}

TEST(GasLevelSensorDialog, SpinStepsMoveOneLevelAndTurnTheDirectionWhenFullCrossesQuarter)
{
    kwsim::SimConfig config;
    config.blocks[30] = {70, 60, 40, 20, 0, 0, 1, 0, 2, 2};
    config.blocks[30].resize(30, 100);
    PageBench bench(config);
    bench.connect();
    SettingsWrites writes(bench.sim);
    runDialog<CCppDlg>(bench, [&](CCppDlg& dialog) {
        spin(dialog, IDC_GLS_SPIN_QUARTER, -1);
        EXPECT_EQ(L"0.42V", text(dialog, IDC_GLS_QUARTER));
        spin(dialog, IDC_GLS_SPIN_FULL, 60);
        // Steps past 0 or 255 are ignored.
        spin(dialog, IDC_GLS_SPIN_FULL, 11);
        spin(dialog, IDC_GLS_SPIN_HALF, -216);
        // Offline the record follows, the controller does not.
        bench.device().m_connected = false;
        spin(dialog, IDC_GLS_SPIN_HALF, -1);
        EXPECT_EQ(L"0.82V", text(dialog, IDC_GLS_HALF));
    });
    const std::vector<ByteChanges> expected = {
        {{3, 21}}, {{0, inverted(10)}, {1, inverted(60)}, {2, inverted(40)}, {3, inverted(21)}, {4, 1}}};
    EXPECT_EQ(expected, writes.changes(30));
    EXPECT_EQ(2u, writes.count());
    EXPECT_EQ(41, bench.record().m_sensorsSetup.m_fuelHalf);
}

TEST(ConsoleSetupDialog, ShowsAndWritesEachOptionOnlyWithAController)
{
    PageBench bench;
    bench.connect();
    struct Case
    {
        int id;
        uint8_t block;
        int offset;
        uint8_t mask;
    };
    const Case cases[] = {{IDC_CONSOLE_SIGNAL, 31, 12, 0x08},
                          {IDC_CONSOLE_BUZZER, 31, 12, 0x04},
                          {IDC_CONSOLE_HIDE_PETROL, 26, 4, 0x20}};
    runDialog<CConsoleSetupDlg>(bench, [&](CConsoleSetupDlg& dialog) {
        EXPECT_EQ(L"STD", selectedText(dialog, IDC_CONSOLE_TYPE));
        for (const Case& c : cases) {
            EXPECT_FALSE(checked(dialog, c.id)) << c.id;
            const uint8_t before = bench.sim.block(c.block)[c.offset];
            SettingsWrites writes(bench.sim);
            toggle(dialog, c.id);
            EXPECT_EQ((std::vector<ByteChanges>{{{c.offset, before | c.mask}}}), writes.changes(c.block))
                << c.id;
        }
        const uint8_t flags3 = bench.sim.block(26)[4];
        SettingsWrites writes(bench.sim);
        chooseText(dialog, IDC_CONSOLE_TYPE, L"OLED");
        EXPECT_EQ((std::vector<ByteChanges>{{{4, flags3 & ~0x01}}}), writes.changes(26));

        bench.device().m_connected = false;
        const CSettingsRecord kept = bench.record();
        SettingsWrites offline(bench.sim);
        toggle(dialog, IDC_CONSOLE_SIGNAL);
        chooseText(dialog, IDC_CONSOLE_TYPE, L"STD");
        EXPECT_FALSE(checked(dialog, IDC_CONSOLE_SIGNAL));
        EXPECT_EQ(0u, offline.count());
        EXPECT_EQ(kept.m_base.m_flags, bench.record().m_base.m_flags);
        EXPECT_EQ(kept.m_advancedSetup.m_advancedFlags3, bench.record().m_advancedSetup.m_advancedFlags3);
    });
    runDialog<CConsoleSetupDlg>(bench, [&](CConsoleSetupDlg& dialog) {
        EXPECT_EQ(L"OLED", selectedText(dialog, IDC_CONSOLE_TYPE));
        EXPECT_TRUE(checked(dialog, IDC_CONSOLE_HIDE_PETROL));
    });
}

// Opened while the controller is locked, a dialog only shows the settings:
// its controls are disabled, and used all the same they change nothing.
TEST(SettingsDialogs, OpenedWhileLockedTheyOnlyShow)
{
    PageBench bench;
    bench.connect();
    bench.record().m_devInfo.m_lockData[36] = 'K';
    const std::vector<uint8_t> before = recordImage(bench.record());
    std::vector<int> enabledIds;
    runDialog<CConsoleSetupDlg>(bench,
                                [&](CConsoleSetupDlg& dialog) { enabledIds = driveEveryControl(dialog); });
    EXPECT_TRUE(enabledIds.empty());
    runDialog<CCppDlg>(bench, [&](CCppDlg& dialog) { enabledIds = driveEveryControl(dialog); });
    EXPECT_TRUE(enabledIds.empty());
    EXPECT_TRUE(bench.traffic().empty());
    EXPECT_EQ(before, recordImage(bench.record()));
    EXPECT_TRUE(bench.messages().empty());
}

// No cylinder count, or a power that is not a positive number, shows
// nothing rather than a figure of a division by -1.
TEST(InjSizeCalc, SuggestsNozzlesOnlyFromAPositivePowerAndACylinderCount)
{
    PageBench bench;
    struct Case
    {
        const wchar_t* power;
        const wchar_t* cylinders; // null: none chosen
        bool cng;
        const wchar_t* low;
        const wchar_t* high;
    };
    const Case cases[] = {
        {L"120", L"4", false, L"2.3", L"1.9"}, {L"120", nullptr, false, L"", L""},
        {L"120", L"6", false, L"1.6", L"1.4"}, {L"0", L"4", false, L"", L""},
        {L"400", L"4", false, L"3.1", L"3.1"}, {L"-120", L"4", false, L"", L""},
        {L"80", L"4", true, L"2.0", L"1.7"},   {L"12x", L"4", false, L"", L""},
    };
    runDialog<CInjSizeCalcDlg>(bench, [&](CInjSizeCalcDlg& dialog) {
        EXPECT_EQ(L"120", text(dialog, IDC_CALC_POWER));
        EXPECT_EQ(L"4", selectedText(dialog, IDC_CALC_CYLINDERS));
        EXPECT_EQ(L"Sequence", selectedText(dialog, IDC_CALC_INJECTION_TYPE));
        for (const Case& c : cases) {
            g_cngMode = c.cng;
            dialog.SetDlgItemTextW(IDC_CALC_POWER, c.power);
            if (c.cylinders)
                chooseText(dialog, IDC_CALC_CYLINDERS, c.cylinders);
            else
                ::SendDlgItemMessageW(dialog.GetSafeHwnd(), IDC_CALC_CYLINDERS, CB_SETCURSEL, WPARAM(-1), 0);
            uitest::sendClick(dialog, IDC_CALC_CALCULATE);
            EXPECT_EQ(c.low, text(dialog, IDC_CALC_RESULT_LOW)) << c.power;
            EXPECT_EQ(c.high, text(dialog, IDC_CALC_RESULT_HIGH)) << c.power;
        }
        g_cngMode = 0;

        // The spin keeps the power within 30..500.
        const std::pair<const wchar_t*, int> steps[] = {{L"120", -10}, {L"500", -1}, {L"30", 1}};
        const wchar_t* const after[] = {L"130", L"500", L"30"};
        for (int i = 0; i < 3; ++i) {
            dialog.SetDlgItemTextW(IDC_CALC_POWER, steps[i].first);
            spin(dialog, IDC_CALC_POWER_SPIN, steps[i].second);
            EXPECT_EQ(after[i], text(dialog, IDC_CALC_POWER));
        }
    });
}
