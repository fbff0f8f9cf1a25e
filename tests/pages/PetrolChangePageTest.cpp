// The petrol change page against the simulated controller: what it shows
// of the controller's record and what each of its controls sends.

#include "CPetrolChangeSettingsMPD.h"
#include "PageBench.h"
#include "PetrolChangeIds.h"
#include "ShellIds.h"

#include <CLPGDevice.h>
#include <Conversions.h>
#include <SettingsBlocks.h>
#include <SimBlocks.h>

#include <gtest/gtest.h>

namespace {

using namespace pagetest;

struct PetrolChangeBench : PageOnBench<CPetrolChangeSettingsMPD>
{
    explicit PetrolChangeBench(const kwsim::SimConfig& config = kwsim::SimConfig())
        : PageOnBench(IDD_PETROL_CHANGE, config)
    {
    }
};

// Both pressures at 1.1 bar: raw 122 is 110 kPa.
kwsim::SimConfig pressuresAt110()
{
    kwsim::SimConfig config;
    Bytes base = kwsim::SimBlocks().get(31);
    base[5] = base[13] = 122;
    config.blocks[31] = base;
    return config;
}

} // namespace

TEST(PetrolChangePage, ShowsTheControllersRecord)
{
    PetrolChangeBench bench;
    CPetrolChangeSettingsMPD& page = *bench.page;
    EXPECT_EQ(L"0.6", selectedText(page, IDC_PC_PRESS_SWITCH));
    EXPECT_EQ(L"0.8", selectedText(page, IDC_PC_PRESS_AVERAGE));
    EXPECT_EQ(L"8000", selectedText(page, IDC_PC_MAX_RPM));
    EXPECT_EQ(L"0", selectedText(page, IDC_PC_MAX_LOAD));
    EXPECT_EQ(L"0", selectedText(page, IDC_PC_MIN_LPG_TEMPR));
    EXPECT_EQ(L"1.2", selectedText(page, IDC_PC_WORKING_PRESSURE));
    EXPECT_FALSE(checked(page, IDC_PC_RPM_MAX_CHECK));
    EXPECT_FALSE(checked(page, IDC_PC_LOW_TEMP_CHECK));

    CSettingsRecord& r = bench.record();
    r.m_base.m_switchPressure = 250;
    r.m_base.m_flags |= 0x03;
    page.v_activate();
    EXPECT_EQ(L"2.5", selectedText(page, IDC_PC_PRESS_SWITCH));
    EXPECT_TRUE(checked(page, IDC_PC_RPM_MAX_CHECK));
    EXPECT_TRUE(checked(page, IDC_PC_LOW_TEMP_CHECK));
    // Between two items: the list keeps what it showed.
    r.m_base.m_switchPressure = 255;
    page.v_activate();
    EXPECT_EQ(L"2.5", selectedText(page, IDC_PC_PRESS_SWITCH));
}

TEST(PetrolChangePage, ListsHoldEveryStep)
{
    PetrolChangeBench bench;
    CPetrolChangeSettingsMPD& page = *bench.page;
    struct Range
    {
        int list;
        size_t count;
        const wchar_t* first;
        const wchar_t* second;
        const wchar_t* last;
    };
    const Range ranges[] = {
        {IDC_PC_PRESS_SWITCH, 26, L"0.0", L"0.1", L"2.5"},
        {IDC_PC_PRESS_AVERAGE, 8, L"0.0", L"0.2", L"1.4"},
        {IDC_PC_MAX_RPM, 51, L"3000", L"3100", L"8000"},
        {IDC_PC_MAX_LOAD, 27, L"0", L"5", L"30"},
        {IDC_PC_MIN_LPG_TEMPR, 21, L"0", L"1", L"20"},
        {IDC_PC_WORKING_PRESSURE, 16, L"0.5", L"0.6", L"2.0"},
    };
    for (const Range& range : ranges) {
        const std::vector<std::wstring> items = listTexts(page, range.list);
        ASSERT_EQ(range.count, items.size()) << range.list;
        EXPECT_EQ(range.first, items[0]) << range.list;
        EXPECT_EQ(range.second, items[1]) << range.list;
        EXPECT_EQ(range.last, items.back()) << range.list;
    }
}

TEST(PetrolChangePage, EachListWritesItsBlockOnce)
{
    PetrolChangeBench bench(pressuresAt110());
    CPetrolChangeSettingsMPD& page = *bench.page;
    // The shown pressures are the controller's own: chosen again, nothing
    // goes out (1.1 x 100 is no whole number in doubles).
    EXPECT_EQ(L"1.1", selectedText(page, IDC_PC_PRESS_SWITCH));
    chooseText(page, IDC_PC_PRESS_SWITCH, L"1.1");
    chooseText(page, IDC_PC_WORKING_PRESSURE, L"1.1");
    EXPECT_TRUE(bench.sim.requests().empty());

    // The gas sensor runs on curve 2 (block 30 byte 9).
    const ListChange changes[] = {
        {IDC_PC_PRESS_SWITCH, L"1.2", 31, 5, {133}},
        {IDC_PC_PRESS_AVERAGE, L"0.4", 31, 15, {2}},
        {IDC_PC_WORKING_PRESSURE, L"2.0", 31, 13, {214}},
        {IDC_PC_MAX_RPM, L"6500", 31, 8, {0xE2, 0x02, 0x69, 0x03, 0x82}},
        {IDC_PC_MAX_RPM, L"8000", 31, 8, {0x58, 0x02, 0xAE, 0x02, 0x80}},
        {IDC_PC_MAX_LOAD, L"12", 26, 14, {0xB8, 0x0B}},
        {IDC_PC_MIN_LPG_TEMPR, L"5", 26, 28, {uint8_t(temperatureCurveIndex(5, 2))}},
    };
    for (const ListChange& change : changes) {
        EXPECT_TRUE(choiceWrites(bench, page, change));
        bench.sim.clearRequests();
        chooseText(page, change.list, change.item);
        EXPECT_TRUE(bench.sim.requests().empty());
    }
    EXPECT_EQ(200, bench.record().m_base.m_pressureRef);
    EXPECT_EQ(7000, bench.record().m_base.m_maxRPMLow);
    EXPECT_TRUE(bench.messages().empty());
}

TEST(PetrolChangePage, CheckBoxesFollowTheClickOnlineOrNot)
{
    PetrolChangeBench bench;
    CPetrolChangeSettingsMPD& page = *bench.page;
    toggle(page, IDC_PC_RPM_MAX_CHECK);
    toggle(page, IDC_PC_LOW_TEMP_CHECK);
    EXPECT_EQ((std::vector<int>{31, 31}), bench.writes());
    EXPECT_EQ(0x83, bench.lastWrite(31).at(12));

    // Without a controller the record still takes the tick; the lists change nothing.
    bench.device().m_connected = false;
    bench.sim.clearRequests();
    toggle(page, IDC_PC_LOW_TEMP_CHECK);
    EXPECT_EQ(0x82, bench.record().m_base.m_flags);
    const CSettingsRecord before = bench.record();
    chooseText(page, IDC_PC_PRESS_SWITCH, L"2.0");
    chooseText(page, IDC_PC_MAX_RPM, L"4000");
    chooseText(page, IDC_PC_MAX_LOAD, L"20");
    EXPECT_EQ(encodeBlock31(before), encodeBlock31(bench.record()));
    EXPECT_EQ(encodeBlock26(before), encodeBlock26(bench.record()));
    EXPECT_TRUE(bench.sim.requests().empty());
    EXPECT_TRUE(bench.messages().empty());
}
