// The additional settings page against the simulated controller.

#include "AdvancedSettingsIds.h"
#include "CAdvancedSettingsMPDlg.h"
#include "PageBench.h"
#include "SettingsWrites.h"
#include "ShellIds.h"

#include <CLPGDevice.h>

#include <gtest/gtest.h>

using namespace pagetest;

namespace {

const wchar_t kCantWrite[] = L"Can't write settings to device!";
const wchar_t kObdHint[] = L"Enable OBD and Start Mapping from OBD on RPM 2D Map tab";

struct AdvancedBench : PageOnBench<CAdvancedSettingsMPDlg>
{
    explicit AdvancedBench(const kwsim::SimConfig& config = {}) : PageOnBench(IDD_ADVANCED_SETTINGS, config)
    {
    }
};

} // namespace

TEST(AdditionalSettingsPage, ShowsTheRecordAndHidesTheCutOffGroupOnCng)
{
    AdvancedBench bench;
    CSettingsRecord& r = bench.record();
    r.m_adv.m_engineSignalBehavior = 0x01;
    r.m_adv.m_flags = 0x04;
    r.m_base.m_flags = 0x40;
    r.m_advancedSetup.m_advancedFlags3 = 0x200;
    r.m_adv.m_cutOffPressSwitch = 135.0000001;
    r.m_adv.m_cutOffExitDelay = 2.5;
    r.m_adv.m_cutOffExitEmulatorDelay = 0.3;
    r.m_adv.m_ignoreLPGTime = 1.23;
    r.m_advancedSetup.m_fuelEmulator = 37;
    r.m_advancedSetup.m_rpmForFuelEmulator = 1520;
    bench.page->v_activate();
    for (int id : {IDC_ADV_INJ_12V, IDC_ADV_FAST_SWITCH, IDC_ADV_EXIT_CUTOFF, IDC_ADV_VALVETRONIC})
        EXPECT_TRUE(checked(*bench.page, id)) << id;
    const std::pair<int, const wchar_t*> shown[] = {
        {IDC_ADV_CUTOFF, L"1.35"},       {IDC_ADV_RETURN, L"2.5"},     {IDC_ADV_RETURN_EMU, L"0.3"},
        {IDC_ADV_POST_INJECTION, L"37"}, {IDC_ADV_RPM_ABOVE, L"1520"}, {IDC_ADV_IGNORE, L"1.2"}};
    for (const auto& [id, item] : shown)
        EXPECT_EQ(item, selectedText(*bench.page, id)) << id;
    // Stepped lists end on their last value.
    const std::pair<int, size_t> lengths[] = {
        {IDC_ADV_CUTOFF, 101}, {IDC_ADV_RETURN_EMU, 52}, {IDC_ADV_IGNORE, 52}};
    for (const auto& [id, length] : lengths) {
        const std::vector<std::wstring> items = listTexts(*bench.page, id);
        EXPECT_EQ(length, items.size()) << id;
        EXPECT_EQ(id == IDC_ADV_CUTOFF ? L"2.00" : L"5.1", items.back()) << id;
    }

    const int lpgOnly[] = {IDC_ADV_EXIT_CUTOFF,    IDC_ADV_CUTOFF_LABEL, IDC_ADV_CUTOFF,
                           IDC_ADV_CUTOFF_UNIT,    IDC_ADV_RETURN,       IDC_ADV_RETURN_EMU,
                           IDC_ADV_RETURN_EMU_UNIT};
    r.m_advancedSetup.m_advancedFlags |= 0x08;
    bench.page->v_activate();
    for (int id : lpgOnly)
        EXPECT_FALSE(visible(*bench.page, id)) << id;
    for (int id : {IDC_ADV_INJ_12V, IDC_ADV_FAST_SWITCH, IDC_ADV_POST_INJECTION, IDC_ADV_IGNORE})
        EXPECT_TRUE(visible(*bench.page, id)) << id;
    r.m_advancedSetup.m_advancedFlags &= ~0x08;
    bench.page->v_activate();
    for (int id : lpgOnly)
        EXPECT_TRUE(visible(*bench.page, id)) << id;
}

// Each list writes the one block with only its own bytes changed, and the
// same choice again writes nothing.
TEST(AdditionalSettingsPage, EachListWritesOnlyItsBytesOnce)
{
    AdvancedBench bench;
    struct Case
    {
        int id;
        const wchar_t* item;
        uint8_t block;
        ByteChanges bytes;
    };
    const Case cases[] = {
        {IDC_ADV_CUTOFF, L"1.15", 4, {{18, 128}}}, // 115 kPa, not 114.99...
        {IDC_ADV_RETURN, L"2.5", 4, {{20, 5}}},
        {IDC_ADV_RETURN_EMU, L"0.3", 4, {{19, 12}}},
        {IDC_ADV_IGNORE, L"1.2", 4, {{7, 48}}},
        {IDC_ADV_POST_INJECTION, L"37", 26, {{29, 37}}},
        {IDC_ADV_RPM_ABOVE, L"1520", 26, {{16, 0x56}, {17, 0x0C}}},
    };
    for (const Case& c : cases) {
        SettingsWrites writes(bench.sim);
        chooseText(*bench.page, c.id, c.item);
        chooseText(*bench.page, c.id, c.item);
        EXPECT_EQ((std::vector<ByteChanges>{c.bytes}), writes.changes(c.block)) << c.id;
        EXPECT_EQ(1u, writes.count()) << c.id;
    }
    EXPECT_EQ(115.0, bench.record().m_adv.m_cutOffPressSwitch);
    EXPECT_TRUE(bench.messages().empty());
}

TEST(AdditionalSettingsPage, CheckBoxesFlipTheirBitAndTwoOfThemWorkOffline)
{
    AdvancedBench bench;
    struct Case
    {
        int id;
        uint8_t block;
        int offset;
        uint8_t mask;
        bool offline; // the record follows the box without a controller
    };
    const Case cases[] = {{IDC_ADV_FAST_SWITCH, 31, 12, 0x40, true},
                          {IDC_ADV_EXIT_CUTOFF, 4, 17, 0x04, true},
                          {IDC_ADV_VALVETRONIC, 26, 5, 0x02, false}};
    for (const Case& c : cases) {
        const uint8_t before = bench.sim.block(c.block)[c.offset];
        SettingsWrites writes(bench.sim);
        toggle(*bench.page, c.id);
        EXPECT_EQ((std::vector<ByteChanges>{{{c.offset, before ^ c.mask}}}), writes.changes(c.block)) << c.id;
        toggle(*bench.page, c.id);
        EXPECT_EQ(before, bench.sim.block(c.block)[c.offset]) << c.id;

        bench.device().m_connected = false;
        const CSettingsRecord kept = bench.record();
        SettingsWrites offline(bench.sim);
        toggle(*bench.page, c.id);
        EXPECT_EQ(0u, offline.count()) << c.id;
        EXPECT_EQ(c.offline, bench.record().m_base.m_flags != kept.m_base.m_flags ||
                                 bench.record().m_adv.m_flags != kept.m_adv.m_flags)
            << c.id;
        EXPECT_EQ(kept.m_advancedSetup.m_advancedFlags3, bench.record().m_advancedSetup.m_advancedFlags3);
        bench.device().m_connected = true;
        bench.page->v_activate();
    }
    // Offline a list changes nothing.
    bench.device().m_connected = false;
    SettingsWrites offline(bench.sim);
    chooseText(*bench.page, IDC_ADV_CUTOFF, L"1.80");
    EXPECT_EQ(150.0, bench.record().m_adv.m_cutOffPressSwitch);
    EXPECT_EQ(0u, offline.count());
    EXPECT_TRUE(bench.messages().empty());
}

TEST(AdditionalSettingsPage, PetrolInjectorsOn12VRestartTheControllerOnPetrol)
{
    AdvancedBench bench;
    bench.liveMode(CDiag::kModeGas);
    toggle(*bench.page, IDC_ADV_INJ_12V);
    EXPECT_EQ((std::vector<std::string>{"2/2", "4/-", "2/2", "2/10", "2/3"}), bench.traffic());
    EXPECT_EQ(0x01, bench.sim.block(4)[16]);

    // A refused write: no restart, the controller back to its own switching.
    bench.sim.clearRequests();
    bench.sim.with([](kwsim::SimState& s) { s.refusedBlocks.insert(4); });
    toggle(*bench.page, IDC_ADV_INJ_12V);
    EXPECT_EQ(std::vector<std::wstring>{kCantWrite}, bench.messages());
    for (const std::string& step : bench.traffic())
        EXPECT_TRUE(step == "2/2" || step == "4/-" || step == "2/3") << step;
    EXPECT_EQ("2/3", bench.traffic().back());
    EXPECT_EQ(0, bench.record().m_adv.m_engineSignalBehavior & 0x01);

    // Offline the record follows the box and nothing is sent.
    bench.device().m_connected = false;
    bench.sim.clearRequests();
    toggle(*bench.page, IDC_ADV_INJ_12V);
    EXPECT_EQ(0x01, bench.record().m_adv.m_engineSignalBehavior & 0x01);
    EXPECT_TRUE(bench.traffic().empty());
}

TEST(AdditionalSettingsPage, ValvetronicHintOnlyWhenSwitchedOnWithAnObdModule)
{
    kwsim::SimConfig config;
    config.obdModule = true;
    AdvancedBench bench(config);
    toggle(*bench.page, IDC_ADV_VALVETRONIC);
    EXPECT_EQ(std::vector<std::wstring>{kObdHint}, bench.messages());
    toggle(*bench.page, IDC_ADV_VALVETRONIC);
    EXPECT_EQ(1u, bench.messages().size());
    EXPECT_EQ((std::vector<int>{26, 26}), bench.writes());
}
