#include "FileTestSupport.h"
#include "SettingsGolden.h"
#include "SimBench.h"

#include <DeviceSettingsFiles.h>
#include <SettingsBlocks.h>

#include <gtest/gtest.h>

namespace {

using Lines = std::vector<std::pair<std::string, std::string>>;

bool startsWithAny(const std::string& key, const std::vector<std::string>& prefixes)
{
    for (auto& prefix : prefixes) {
        if (key.compare(0, prefix.size(), prefix) == 0)
            return true;
    }
    return false;
}

// The saved lines of a record whose keys start (or not) with one of the prefixes.
Lines linesOf(const CSettingsRecord& record, const std::vector<std::string>& prefixes, bool matching = true)
{
    Lines picked;
    for (auto& line : expectedLines(record)) {
        if (startsWithAny(line.first, prefixes) == matching)
            picked.push_back(line);
    }
    return picked;
}

// A live image unlike both the defaults and the presets.
CSettingsRecord liveImage()
{
    CSettingsRecord live;
    live.m_timeStamp = L"live";
    live.m_devInfo.m_version = 805;
    live.m_carInfo.m_vendor = L"Mine";
    live.fillCorrections(0.9);
    live.m_setupTimes1[0][0] = 5;
    live.m_tableMask = 3;
    live.m_corrMap.m_injMapTable[0][0] = 7;
    live.m_obdSetup.enable = 1;
    live.m_obdAdvSetup.reserved = 5;
    live.m_advancedSetup.m_inspectionEnd = 12345;
    live.m_advancedSetup.m_circuitLimits[0] = 9.0;
    live.m_base.m_extraValue = 3.3;
    live.m_corrMap.m_colAxis[0] = 600.0;
    return live;
}

class PresetTest : public ::testing::Test
{
protected:
    PresetTest() : m_folder(presetFilePath(L"")) { CreateDirectoryW(m_folder.c_str(), nullptr); }
    ~PresetTest() override
    {
        DeleteFileW(presetFilePath(kInitialSettingsPreset).c_str());
        DeleteFileW(presetFilePath(kAfterCalibrationPreset).c_str());
        RemoveDirectoryW(m_folder.c_str());
    }

    void putPreset(const wchar_t* name, const std::string& bytes)
    {
        ASSERT_TRUE(kwtest::writeFileBytes(presetFilePath(name), bytes));
    }

    std::wstring m_folder;
};

const std::vector<std::string> kInitialGroups = {"m_base.", "m_adv.", "m_sensorsSetup.", "m_advancedSetup."};
const std::vector<std::string> kCalibrationGroups = {"m_setupTimes1[", "m_setupTimes2[", "m_tableMask"};

TEST_F(PresetTest, PresetsLieInTheirFolderBesideTheProgram)
{
    wchar_t program[MAX_PATH];
    GetModuleFileNameW(nullptr, program, MAX_PATH);
    std::wstring folder(program);
    folder = folder.substr(0, folder.rfind(L'\\') + 1);
    EXPECT_EQ(folder + L"Kestrelwave PRESET\\Initial settings.settings",
              presetFilePath(kInitialSettingsPreset));
    EXPECT_EQ(folder + L"Kestrelwave PRESET\\After Calibration map.settings",
              presetFilePath(kAfterCalibrationPreset));
}

TEST_F(PresetTest, InitialPresetTakesItsFourGroupsAndNothingElse)
{
    putPreset(kInitialSettingsPreset, expectedFile(nonDefaultRecord()));
    CSettingsRecord live = liveImage();
    ASSERT_TRUE(loadInitialPreset(live));
    EXPECT_EQ(linesOf(nonDefaultRecord(), kInitialGroups), linesOf(live, kInitialGroups));
    EXPECT_EQ(linesOf(liveImage(), kInitialGroups, false), linesOf(live, kInitialGroups, false));
    // What files do not hold stays as the controller has it.
    EXPECT_EQ(12345u, live.m_advancedSetup.m_inspectionEnd);
    EXPECT_EQ(9.0, live.m_advancedSetup.m_circuitLimits[0]);
    EXPECT_EQ(3.3, live.m_base.m_extraValue);
    EXPECT_EQ(600.0, live.m_corrMap.m_colAxis[0]);
    EXPECT_EQ(5, live.m_obdAdvSetup.reserved);
}

TEST_F(PresetTest, MissingOrUnreadableInitialPresetChangesNothing)
{
    CSettingsRecord live = liveImage();
    EXPECT_FALSE(loadInitialPreset(live));
    putPreset(kInitialSettingsPreset, "m_timeStamp\tbroken\r\nm_base.m_switchRPM\t1\r\n");
    EXPECT_FALSE(loadInitialPreset(live));
    EXPECT_EQ(wholeImage(liveImage()), wholeImage(live));
}

TEST_F(PresetTest, AfterCalibrationPresetTakesTheSetupTimesAndWritesBlock7)
{
    kwtest::SimBench bench;
    bench.open();
    putPreset(kAfterCalibrationPreset, expectedFile(nonDefaultRecord()));
    bench.device->m_settings = liveImage();
    ASSERT_TRUE(bench.device->applyAfterCalibrationPreset());
    const CSettingsRecord& live = bench.device->m_settings;
    EXPECT_EQ(linesOf(nonDefaultRecord(), kCalibrationGroups), linesOf(live, kCalibrationGroups));
    EXPECT_EQ(linesOf(liveImage(), kCalibrationGroups, false), linesOf(live, kCalibrationGroups, false));
    EXPECT_EQ(std::vector<int>{7}, bench.commands());
    EXPECT_EQ(encodeBlock7(live), bench.block(7));
    EXPECT_TRUE(bench.messages.empty());
}

TEST_F(PresetTest, MissingAfterCalibrationPresetDoesNothing)
{
    kwtest::SimBench bench;
    bench.open();
    bench.device->m_settings = liveImage();
    EXPECT_FALSE(bench.device->applyAfterCalibrationPreset());
    EXPECT_TRUE(bench.requests().empty());
    EXPECT_TRUE(bench.messages.empty());
    EXPECT_EQ(wholeImage(liveImage()), wholeImage(bench.device->m_settings));
}

TEST_F(PresetTest, RefusedBlock7IsSaid)
{
    kwtest::SimBench bench;
    bench.open();
    putPreset(kAfterCalibrationPreset, expectedFile(nonDefaultRecord()));
    bench.with([](kwsim::SimState& s) { s.scriptReply(2, {5, 0, 0, 0, 0, 0}, 15); });
    EXPECT_FALSE(bench.device->applyAfterCalibrationPreset());
    ASSERT_EQ(1u, bench.messages.size());
    EXPECT_EQ(L"Can't write settings to device!", bench.messages[0].text);
    EXPECT_EQ(L"Kestrelwave", bench.messages[0].caption);
    EXPECT_EQ(unsigned(MB_ICONERROR), bench.messages[0].flags);
}

} // namespace
