// The base settings page against the simulated controller: what it shows
// of the controller's record and what each of its lists sends.

#include "BaseSettingsIds.h"
#include "CBaseSettingsMPDlg.h"
#include "PageBench.h"
#include "ShellIds.h"
#include "translate.h"

#include <CLPGDevice.h>
#include <Conversions.h>
#include <SettingsBlocks.h>
#include <SimBlocks.h>

#include <gtest/gtest.h>

namespace {

using namespace pagetest;

const wchar_t kCantWrite[] = L"Can't write settings to device!";

struct BaseBench : PageOnBench<CBaseSettingsMPDlg>
{
    explicit BaseBench(const kwsim::SimConfig& config = kwsim::SimConfig())
        : PageOnBench(IDD_BASE_SETTINGS, config)
    {
    }
};

// Ratio x 3 by the coil, 1500 rpm, 12 s, 1.2 s, a Barracuda injector, a
// turbo engine on CNG and a gauge rising from quarter (45) to full (230).
kwsim::SimConfig knownController()
{
    kwsim::SimBlocks fresh;
    kwsim::SimConfig config;
    Bytes base = fresh.get(31);
    kwsim::putU16(base, 0, 3200);
    base[4] = 3;
    base[7] = 24;
    base[20] = 48;
    Bytes advanced = fresh.get(26);
    advanced[12] = 0x80 | 0x40 | 0x08;
    Bytes adv = fresh.get(4);
    adv[0] = 26;
    Bytes sensors = fresh.get(30);
    const uint8_t gauge[] = {230, 170, 110, 45, 0};
    std::copy(std::begin(gauge), std::end(gauge), sensors.begin());
    config.blocks = {{31, base}, {26, advanced}, {4, adv}, {30, sensors}};
    return config;
}

// A reading on a flat run of curve 2: written back through the curve it
// would become another byte.
uint8_t flatRunReading()
{
    for (int raw = 255; raw > 0; --raw)
        if (temperatureCurveIndex(temperatureCurve(uint8_t(raw), 2), 2) != raw)
            return uint8_t(raw);
    return 0;
}

// Every byte of `sent` but those in [from, to) and the PC code's is what
// the controller held.
void expectUntouched(const Bytes& held, const Bytes& sent, size_t from, size_t to)
{
    ASSERT_EQ(held.size(), sent.size());
    for (size_t i = 0; i < held.size(); ++i) {
        if ((i < from || i >= to) && !(held.size() == 28 && i >= 24)) {
            EXPECT_EQ(int(held[i]), int(sent[i])) << "byte " << i;
        }
    }
}

} // namespace

TEST(BaseSettingsPage, ShowsTheControllersRecord)
{
    BaseBench bench(knownController());
    CBaseSettingsMPDlg& page = *bench.page;
    // Bit 6 of the second flags clear and a divider of 3: the coil.
    EXPECT_EQ(L"Coil", selectedText(page, IDC_BASE_RPM_SOURCE));
    EXPECT_EQ(L"x 3", selectedText(page, IDC_BASE_RATIO));
    EXPECT_EQ(L"3", text(page, IDC_BASE_DIVIDER));
    EXPECT_FALSE(visible(page, IDC_BASE_DIVIDER));
    EXPECT_EQ(L"CNG", selectedText(page, IDC_BASE_FUEL_TYPE));
    EXPECT_EQ(L"Turbo", selectedText(page, IDC_BASE_ENGINE_TYPE));
    EXPECT_EQ(L"Barracuda 1.9 Ohm", selectedText(page, IDC_BASE_INJECTOR_TYPE));
    EXPECT_EQ(L"12", selectedText(page, IDC_BASE_WAIT_TIME));
    EXPECT_EQ(L"35", selectedText(page, IDC_BASE_SWITCH_TEMP));
    EXPECT_EQ(L"1500", selectedText(page, IDC_BASE_SWITCH_RPM));
    EXPECT_EQ(L"1.2", selectedText(page, IDC_BASE_SEQ_DELAY));
    EXPECT_EQ(L"0.90V", text(page, IDC_BASE_GAUGE_QUARTER));
    EXPECT_EQ(L"2.20V", text(page, IDC_BASE_GAUGE_HALF));
    EXPECT_EQ(L"3.40V", text(page, IDC_BASE_GAUGE_THREE_QUARTERS));
    EXPECT_EQ(L"4.60V", text(page, IDC_BASE_GAUGE_FULL));
    EXPECT_EQ(L"Forward", selectedText(page, IDC_BASE_DIRECTION));

    // The fuel level input follows the live data every few ticks.
    CDiag sample;
    sample.data()[CDiag::kFuelLevelByte] = 255;
    bench.device().m_diagData.push(sample);
    for (int tick = 0; tick < 5; ++tick)
        page.v_onTimer();
    EXPECT_EQ(L"5.10V", text(page, IDC_BASE_FUEL_LEVEL));

    // The injector signal wins over the divider; without it, any divider
    // below the crank's is the coil.
    bench.record().m_advancedSetup.m_advancedFlags2 |= 0x40;
    page.v_activate();
    EXPECT_EQ(L"Injector", selectedText(page, IDC_BASE_RPM_SOURCE));
    bench.record().m_advancedSetup.m_advancedFlags2 &= ~0x40;
    page.v_activate();
    EXPECT_EQ(L"Coil", selectedText(page, IDC_BASE_RPM_SOURCE));
}

TEST(BaseSettingsPage, ListsHoldEveryStep)
{
    BaseBench bench;
    CBaseSettingsMPDlg& page = *bench.page;
    struct Range
    {
        int list;
        size_t count;
        const wchar_t* first;
        const wchar_t* last;
    };
    const Range ranges[] = {
        {IDC_BASE_SWITCH_RPM, 22, L"500", L"2600"},
        {IDC_BASE_SWITCH_TEMP, 71, L"0", L"70"},
        {IDC_BASE_WAIT_TIME, 61, L"0", L"60"},
        {IDC_BASE_SEQ_DELAY, 41, L"0.0", L"4.0"},
        {IDC_BASE_INJECTOR_TYPE, 15, L"ORVO 2000", L"Valtek 1 Ohm"},
    };
    for (const Range& range : ranges) {
        const std::vector<std::wstring> items = listTexts(page, range.list);
        ASSERT_EQ(range.count, items.size()) << range.list;
        EXPECT_EQ(range.first, items.front()) << range.list;
        EXPECT_EQ(range.last, items.back()) << range.list;
    }
    EXPECT_EQ(L"0.3", listTexts(page, IDC_BASE_SEQ_DELAY)[3]);
    EXPECT_EQ((std::vector<std::wstring>{L"LPG", L"CNG"}), listTexts(page, IDC_BASE_FUEL_TYPE));
    EXPECT_EQ((std::vector<std::wstring>{L"Standard", L"Turbo"}), listTexts(page, IDC_BASE_ENGINE_TYPE));
    EXPECT_EQ((std::vector<std::wstring>{L"Reverse", L"Forward"}), listTexts(page, IDC_BASE_DIRECTION));
}

TEST(BaseSettingsPage, EachListWritesItsBlockOnce)
{
    BaseBench bench;
    CBaseSettingsMPDlg& page = *bench.page;
    struct Change
    {
        ListChange change;
        bool again; // chosen again, it is written again
    };
    // The engine sensor runs on curve 2 (block 30 byte 8).
    const Change changes[] = {
        {{IDC_BASE_RATIO, L"x 3", 31, 4, {0x03}}, true},
        {{IDC_BASE_SWITCH_RPM, L"1500", 31, 0, {0x80, 0x0C}}, false},
        {{IDC_BASE_WAIT_TIME, L"12", 31, 7, {24}}, false},
        {{IDC_BASE_SWITCH_TEMP, L"40", 31, 6, {uint8_t(temperatureCurveIndex(40, 2))}}, false},
        {{IDC_BASE_SEQ_DELAY, L"0.5", 31, 20, {20}}, false},
        {{IDC_BASE_INJECTOR_TYPE, L"Barracuda 1.9 Ohm", 4, 0, {0x1A, 0x8C, 0x23, 0x4C}}, false},
        // The fresh gauge runs full 90 to quarter 238: forward mirrors it.
        {{IDC_BASE_DIRECTION, L"Forward", 30, 0, {238, 195, 150, 90, 0}}, true},
    };
    for (const Change& c : changes) {
        EXPECT_TRUE(choiceWrites(bench, page, c.change));
        bench.sim.clearRequests();
        chooseText(page, c.change.list, c.change.item);
        EXPECT_EQ(c.again ? 1u : 0u, bench.writes().size());
    }
    EXPECT_EQ(L"3", text(page, IDC_BASE_DIVIDER));
    EXPECT_EQ(L"4.76V", text(page, IDC_BASE_GAUGE_FULL));
    EXPECT_TRUE(bench.messages().empty());
}

TEST(BaseSettingsPage, RpmSourceAndEngineTypeWriteBothBlocks)
{
    BaseBench bench;
    CBaseSettingsMPDlg& page = *bench.page;
    chooseText(page, IDC_BASE_RATIO, L"x 2");
    bench.sim.clearRequests();
    chooseText(page, IDC_BASE_RPM_SOURCE, L"Injector");
    EXPECT_EQ((std::vector<int>{26, 31}), bench.writes());
    EXPECT_EQ(0x40, bench.lastWrite(26).at(13) & 0x40);
    EXPECT_EQ(1, bench.lastWrite(31).at(4));
    EXPECT_EQ(L"x 1", selectedText(page, IDC_BASE_RATIO));

    // Turbo: no pressure gain, and the controller told through actions 28 and 29.
    bench.sim.clearRequests();
    chooseText(page, IDC_BASE_ENGINE_TYPE, L"Turbo");
    EXPECT_EQ((std::vector<int>{26, 31, 1028, 1029}), bench.steps());
    EXPECT_EQ(0x40, bench.lastWrite(26).at(12) & 0x40);
    EXPECT_EQ(0, bench.lastWrite(31).at(14));
    EXPECT_TRUE(bench.messages().empty());

    // A controller refusing action 28: said, and action 29 not sent.
    bench.sim.clearRequests();
    bench.sim.with([](kwsim::SimState& s) {
        s.scriptReply(2, {4, 0, 0, 0, 0, 0}, 2);
        s.scriptReply(2, {0, 0, 0, 0, 0, 0}, 15);
    });
    chooseText(page, IDC_BASE_ENGINE_TYPE, L"Standard");
    const std::vector<int> steps = bench.steps();
    EXPECT_EQ(15, std::count(steps.begin(), steps.end(), 1028));
    EXPECT_EQ(0, std::count(steps.begin(), steps.end(), 1029));
    EXPECT_EQ(10, bench.lastWrite(31).at(14));
    EXPECT_EQ(std::vector<std::wstring>{kCantWrite}, bench.messages());
}

// With no sequential delay the petrol wait still waits, so the fuel change
// after it goes through.
TEST(BaseSettingsPage, FuelTypeRestartsTheControllerOnTheNewFuel)
{
    BaseBench bench;
    CBaseSettingsMPDlg& page = *bench.page;
    chooseText(page, IDC_BASE_SEQ_DELAY, L"0.0");
    EXPECT_EQ(0, bench.lastWrite(31).at(20));
    bench.liveMode(CDiag::kModeGas);
    bench.sim.clearRequests();
    const DWORD start = GetTickCount();
    chooseText(page, IDC_BASE_FUEL_TYPE, L"CNG");
    EXPECT_GE(GetTickCount() - start, 1000u);
    EXPECT_EQ((std::vector<int>{1002, 1036, 26, 1002, 1036, 1010, 1003}), bench.steps());
    EXPECT_EQ(0x08, bench.lastWrite(26).at(12) & 0x08);
    EXPECT_EQ(1u, bench.sim.with([](kwsim::SimState& s) { return s.resets; }));
    EXPECT_EQ(L"CNG Valve Turn On Before Switch Over", translate(L"LPG Valve Turn On Before Switch Over"));
    EXPECT_TRUE(bench.messages().empty());

    // Started on petrol, it stays there.
    bench.liveMode(CDiag::kModePetrol);
    bench.sim.clearRequests();
    chooseText(page, IDC_BASE_FUEL_TYPE, L"LPG");
    EXPECT_EQ((std::vector<int>{1002, 1036, 26, 1002, 1036, 1010}), bench.steps());
    EXPECT_EQ(0, g_cngMode);
}

// A controller gone quiet after the switch to petrol: the record, and with
// it the page, keeps the fuel the controller runs on, and the message says
// where the controller stays.
TEST(BaseSettingsPage, AFuelChangeTheControllerDidNotTakeShowsTheFuelItRunsOn)
{
    uitest::FastWaitClock clock(1000);
    BaseBench bench;
    CBaseSettingsMPDlg& page = *bench.page;
    bench.liveMode(CDiag::kModeGas);
    bench.sim.with([](kwsim::SimState& s) {
        kwsim::SimState* state = &s;
        s.refuseRule = [state](const kwsim::SimRequest& r) {
            if (r.cmd == 2 && r.selector == 2)
                state->faults.config.silent = true;
            return false;
        };
    });
    chooseText(page, IDC_BASE_FUEL_TYPE, L"CNG");
    EXPECT_EQ(L"LPG", selectedText(page, IDC_BASE_FUEL_TYPE));
    EXPECT_EQ(0, bench.record().m_advancedSetup.m_advancedFlags & 0x08);
    EXPECT_EQ((std::vector<std::wstring>{kCantWrite, L"Can't hand the controller back - it stays on petrol"}),
              bench.messages());
    bench.sim.with([](kwsim::SimState& s) { s.refuseRule = nullptr; });
}

TEST(BaseSettingsPage, HiddenFeaturesAddCrankAndCustom)
{
    BaseBench bench;
    CBaseSettingsMPDlg& page = *bench.page;
    EXPECT_EQ((std::vector<std::wstring>{L"Coil", L"Injector"}), listTexts(page, IDC_BASE_RPM_SOURCE));
    EXPECT_EQ(4u, listTexts(page, IDC_BASE_RATIO).size());

    bench.device().m_hiddenFeatures = true;
    page.v_activate();
    EXPECT_EQ((std::vector<std::wstring>{L"Coil", L"Injector", L"Crank"}),
              listTexts(page, IDC_BASE_RPM_SOURCE));
    EXPECT_EQ(L"Custom", listTexts(page, IDC_BASE_RATIO).back());
    EXPECT_TRUE(visible(page, IDC_BASE_DIVIDER));

    bench.sim.clearRequests();
    chooseText(page, IDC_BASE_RPM_SOURCE, L"Crank");
    EXPECT_EQ((std::vector<int>{26, 31}), bench.writes());
    EXPECT_EQ(62, bench.lastWrite(31).at(4));
    EXPECT_EQ(L"Custom", selectedText(page, IDC_BASE_RATIO));
    EXPECT_EQ(L"62", text(page, IDC_BASE_DIVIDER));
    page.v_activate();
    EXPECT_EQ(L"Crank", selectedText(page, IDC_BASE_RPM_SOURCE));

    // "Custom" itself is no divider: nothing to send.
    bench.sim.clearRequests();
    chooseText(page, IDC_BASE_RATIO, L"Custom");
    EXPECT_TRUE(bench.sim.requests().empty());
    EXPECT_EQ(62, bench.record().m_base.m_sparkDivider);
}

TEST(BaseSettingsPage, WithoutHiddenFeaturesACrankDividerKeepsTheRatioShown)
{
    BaseBench bench(knownController());
    CBaseSettingsMPDlg& page = *bench.page;
    bench.sim.clearRequests();
    bench.device().m_settings.m_base.m_sparkDivider = 62;
    page.v_activate();
    EXPECT_EQ(L"x 3", selectedText(page, IDC_BASE_RATIO));
    EXPECT_EQ(L"Coil", selectedText(page, IDC_BASE_RPM_SOURCE));

    // Shown as Crank and Custom, then hidden features off: the two items
    // are gone, yet both lists still show an item and nothing is written.
    bench.device().m_hiddenFeatures = true;
    page.v_activate();
    EXPECT_EQ(L"Custom", selectedText(page, IDC_BASE_RATIO));
    EXPECT_EQ(L"Crank", selectedText(page, IDC_BASE_RPM_SOURCE));
    bench.device().m_hiddenFeatures = false;
    page.v_activate();
    EXPECT_EQ(L"x 1", selectedText(page, IDC_BASE_RATIO));
    EXPECT_EQ(L"Coil", selectedText(page, IDC_BASE_RPM_SOURCE));
    EXPECT_TRUE(bench.sim.requests().empty());
    EXPECT_EQ(62, bench.record().m_base.m_sparkDivider);
}

TEST(BaseSettingsPage, OfflineChoicesChangeNothing)
{
    BaseBench bench;
    CBaseSettingsMPDlg& page = *bench.page;
    const CSettingsRecord before = bench.record();
    bench.device().m_connected = false;
    const std::pair<int, const wchar_t*> choices[] = {
        {IDC_BASE_RPM_SOURCE, L"Injector"},
        {IDC_BASE_RATIO, L"x 4"},
        {IDC_BASE_FUEL_TYPE, L"CNG"},
        {IDC_BASE_ENGINE_TYPE, L"Turbo"},
        {IDC_BASE_INJECTOR_TYPE, L"Valtek 1 Ohm"},
        {IDC_BASE_WAIT_TIME, L"9"},
        {IDC_BASE_SWITCH_TEMP, L"50"},
        {IDC_BASE_SWITCH_RPM, L"2000"},
        {IDC_BASE_SEQ_DELAY, L"2.0"},
        {IDC_BASE_DIRECTION, L"Forward"},
    };
    for (const auto& choice : choices)
        chooseText(page, choice.first, choice.second);
    EXPECT_TRUE(bench.sim.requests().empty());
    EXPECT_TRUE(bench.messages().empty());
    for (auto encode : {encodeBlock31, encodeBlock4, encodeBlock26, encodeBlock30})
        EXPECT_EQ(encode(before), encode(bench.record()));
    // The lists show the choice until the page is shown again.
    EXPECT_EQ(L"x 4", selectedText(page, IDC_BASE_RATIO));
    page.v_activate();
    EXPECT_EQ(L"x 1", selectedText(page, IDC_BASE_RATIO));
}

// A change sends its block with every other field as the controller had
// it, temperatures on the curve's flat runs included.
TEST(BaseSettingsPage, BlocksGoBackUntouchedButForTheChange)
{
    const uint8_t flat = flatRunReading();
    ASSERT_NE(0, flat);
    kwsim::SimBlocks fresh;
    kwsim::SimConfig config;
    config.blocks = {{31, fresh.get(31)}, {4, fresh.get(4)}, {26, fresh.get(26)}};
    config.blocks[31][6] = config.blocks[31][16] = flat;
    config.blocks[4][5] = flat;
    config.blocks[26][28] = flat;
    BaseBench bench(config);
    CBaseSettingsMPDlg& page = *bench.page;
    chooseText(page, IDC_BASE_SWITCH_RPM, L"1500");
    expectUntouched(config.blocks[31], bench.lastWrite(31), 0, 2);
    chooseText(page, IDC_BASE_INJECTOR_TYPE, L"Barracuda 1.9 Ohm");
    expectUntouched(config.blocks[4], bench.lastWrite(4), 0, 4);
    chooseText(page, IDC_BASE_ENGINE_TYPE, L"Turbo");
    expectUntouched(config.blocks[26], bench.lastWrite(26), 12, 13);
}
