#include "FileTestSupport.h"
#include "SettingsGolden.h"

#include <CLPGDevice.h>
#include <SettingsFileIO.h>

#include <gtest/gtest.h>

#include <algorithm>
#include <set>

namespace {

using Lines = std::vector<std::pair<std::string, std::string>>;

class SettingsFileTest : public ::testing::Test
{
protected:
    // Loads the bytes into `record`; the record must stay untouched when refused.
    bool load(const std::string& bytes, CSettingsRecord& record)
    {
        std::string before = wholeImage(record);
        bool loaded = CLPGDevice::loadSettingsFile(m_files.put(bytes), record);
        if (!loaded) {
            EXPECT_EQ(before, wholeImage(record)) << "a refused file changed the record";
        }
        return loaded;
    }

    Lines withValue(Lines lines, const std::string& key, const std::string& value)
    {
        for (auto& line : lines) {
            if (line.first == key)
                line.second = value;
        }
        return lines;
    }

    Lines without(Lines lines, const std::string& key)
    {
        lines.erase(std::remove_if(lines.begin(), lines.end(), [&](auto& l) { return l.first == key; }),
                    lines.end());
        return lines;
    }

    // A default record loaded from a default file with one value changed.
    CSettingsRecord loadedWith(const std::string& key, const std::string& value)
    {
        CSettingsRecord record;
        EXPECT_TRUE(load(joinLines(withValue(expectedLines(CSettingsRecord()), key, value)), record)) << key;
        return record;
    }

    TestFiles m_files;
};

TEST_F(SettingsFileTest, DefaultRecordIsWrittenAsTheKeyTableByteForByte)
{
    std::string written = writtenBytes(CSettingsRecord());
    EXPECT_EQ(expectedFile(CSettingsRecord()), written);
    size_t lineEnds = 0;
    for (size_t at = written.find("\r\n"); at != std::string::npos; at = written.find("\r\n", at + 2))
        ++lineEnds;
    EXPECT_EQ(489u, lineEnds);
}

TEST_F(SettingsFileTest, EveryFieldIsWrittenUnderItsOwnKey)
{
    EXPECT_EQ(expectedFile(nonDefaultRecord()), writtenBytes(nonDefaultRecord()));
}

TEST_F(SettingsFileTest, RoundTripKeepsEverySavedFieldAndNothingElse)
{
    CSettingsRecord saved = nonDefaultRecord();
    CSettingsRecord loaded;
    ASSERT_TRUE(load(writtenBytes(saved), loaded));

    EXPECT_EQ(expectedFile(saved), expectedFile(loaded));
    EXPECT_EQ(L"AB12CDEFGHIJKLM", loaded.m_devInfo.m_serial);
    EXPECT_EQ(L"Citro\xEBn", loaded.m_carInfo.m_vendor);
    EXPECT_EQ(-12.0, loaded.m_advancedSetup.m_switchCorr);
    // Fields a file does not hold keep the values of the record read into.
    CSettingsRecord fresh;
    EXPECT_EQ(fresh.m_devInfo.m_deviceName, loaded.m_devInfo.m_deviceName);
    EXPECT_EQ(fresh.m_devInfo.m_pcConnections, loaded.m_devInfo.m_pcConnections);
    EXPECT_EQ(fresh.m_devInfo.m_lockData, loaded.m_devInfo.m_lockData);
    EXPECT_EQ(fresh.m_corrMap.m_rowAxis, loaded.m_corrMap.m_rowAxis);
    EXPECT_EQ(fresh.m_corrMap.m_colAxis, loaded.m_corrMap.m_colAxis);
    EXPECT_EQ(fresh.m_base.m_extraValue, loaded.m_base.m_extraValue);
    EXPECT_EQ(fresh.m_advancedSetup.m_circuitLimits, loaded.m_advancedSetup.m_circuitLimits);
    EXPECT_EQ(fresh.m_advancedSetup.m_inspectionEnd, loaded.m_advancedSetup.m_inspectionEnd);
    EXPECT_EQ(fresh.m_autoMap.m_autoMapParam16, loaded.m_autoMap.m_autoMapParam16);
}

TEST_F(SettingsFileTest, DoublesKeepSixDecimals)
{
    CSettingsRecord saved;
    saved.m_base.m_switchRPM = 1234.56789049;
    CSettingsRecord loaded;
    ASSERT_TRUE(load(writtenBytes(saved), loaded));
    EXPECT_DOUBLE_EQ(1234.56789, loaded.m_base.m_switchRPM);
}

TEST_F(SettingsFileTest, IntegerFieldsKeepTheLowBitsOfTheTruncatedNumber)
{
    EXPECT_EQ(255, loadedWith("m_sensorsSetup.m_fuelFull", "-1.000000").m_sensorsSetup.m_fuelFull);
    EXPECT_EQ(2, loadedWith("m_sensorsSetup.m_fuelFull", "258.900000").m_sensorsSetup.m_fuelFull);
    EXPECT_EQ(1, loadedWith("m_advancedSetup.m_advancedFlags3", "65537").m_advancedSetup.m_advancedFlags3);
    EXPECT_EQ(4294967295u, loadedWith("m_devInfo.m_flags1", "4294967295.000000").m_devInfo.m_flags1);
    EXPECT_EQ(4294967295u, loadedWith("m_devInfo.m_flags1", "-1.000000").m_devInfo.m_flags1);
    EXPECT_EQ(1u, loadedWith("m_devInfo.m_flags1", "4294967297").m_devInfo.m_flags1);
    EXPECT_EQ(-805, loadedWith("m_devInfo.m_version", "-805.900000").m_devInfo.m_version);
}

TEST_F(SettingsFileTest, MalformedNumbersReadAsZeroOrTheirNumericStart)
{
    EXPECT_EQ(0.0, loadedWith("m_base.m_switchRPM", "abc").m_base.m_switchRPM);
    EXPECT_EQ(12.5, loadedWith("m_base.m_switchRPM", "  12.5abc").m_base.m_switchRPM);
    EXPECT_EQ(0.0, loadedWith("m_base.m_switchRPM", "").m_base.m_switchRPM);
    // Decimal only: hexadecimal is as much of a decimal number as "0".
    EXPECT_EQ(0.0, loadedWith("m_base.m_switchRPM", "0x10").m_base.m_switchRPM);
    EXPECT_EQ(0.0, loadedWith("m_base.m_switchRPM", "0x1p3").m_base.m_switchRPM);
    EXPECT_EQ(0, loadedWith("m_sensorsSetup.m_fuelFull", " 0X1A").m_sensorsSetup.m_fuelFull);
    EXPECT_EQ(-2.5, loadedWith("m_base.m_switchRPM", "-2.5e0x").m_base.m_switchRPM);
}

// Numbers no field can hold read as 0 instead of an undefined conversion.
TEST_F(SettingsFileTest, NumbersThatAreNotFiniteOrDoNotFitReadAsZero)
{
    EXPECT_EQ(0.0, loadedWith("m_base.m_switchRPM", "1e999").m_base.m_switchRPM);
    EXPECT_EQ(0.0, loadedWith("m_base.m_switchRPM", "-1e999").m_base.m_switchRPM);
    EXPECT_EQ(0, loadedWith("m_sensorsSetup.m_fuelFull", "1e300").m_sensorsSetup.m_fuelFull);
    EXPECT_EQ(0, loadedWith("m_sensorsSetup.m_fuelFull", "4294967552").m_sensorsSetup.m_fuelFull);
    EXPECT_EQ(0, loadedWith("m_devInfo.m_version", "3000000000").m_devInfo.m_version);
    EXPECT_EQ(0u, loadedWith("m_devInfo.m_flags1", "1e19").m_devInfo.m_flags1);
    EXPECT_EQ(0.0, loadedWith("m_advancedSetup.m_switchCorr", "1e40").m_advancedSetup.m_switchCorr);
}

// The controller holds this correction as a signed byte, so a negative one survives a file.
TEST_F(SettingsFileTest, SwitchCorrectionReadsAsAWholeSignedByte)
{
    auto read = [&](const char* text) {
        return loadedWith("m_advancedSetup.m_switchCorr", text).m_advancedSetup.m_switchCorr;
    };
    EXPECT_EQ(12.0, read("12.700000"));
    EXPECT_EQ(44.0, read("300.000000"));
    EXPECT_EQ(-5.0, read("-5.000000"));
    EXPECT_EQ(-12.0, read("-12.900000"));
    EXPECT_EQ(-56.0, read("200.000000"));
    EXPECT_EQ(127.0, read("127.000000"));
    EXPECT_EQ(-128.0, read("128.000000"));
}

TEST_F(SettingsFileTest, EveryRequiredKeyIsNeededAndOptionalOnesAreNot)
{
    const std::set<std::string> optional(optionalKeys().begin(), optionalKeys().end());
    ASSERT_EQ(40u, optional.size());
    Lines all = expectedLines(nonDefaultRecord());
    for (auto& line : all) {
        CSettingsRecord record;
        bool loaded = load(joinLines(without(all, line.first)), record);
        EXPECT_EQ(optional.count(line.first) == 1, loaded) << line.first;
    }
}

TEST_F(SettingsFileTest, MissingOptionalKeysKeepTheValuesOfTheRecordReadInto)
{
    Lines lines = expectedLines(CSettingsRecord());
    for (auto& key : optionalKeys())
        lines = without(lines, key);
    CSettingsRecord target = nonDefaultRecord();
    CSettingsRecord expected = nonDefaultRecord();
    ASSERT_TRUE(load(joinLines(lines), target));
    // Read into a record of other values, the optional ones stay; the rest come from the file.
    EXPECT_EQ(expected.m_advancedSetup.m_tipInRpmMax, target.m_advancedSetup.m_tipInRpmMax);
    EXPECT_EQ(expected.m_advancedSetup.m_injAdvanceOrder, target.m_advancedSetup.m_injAdvanceOrder);
    EXPECT_EQ(expected.m_obdSetup.ecu_id_req, target.m_obdSetup.ecu_id_req);
    EXPECT_EQ(expected.m_obdAdvSetup.err_to_clear, target.m_obdAdvSetup.err_to_clear);
    EXPECT_EQ(expected.m_advancedSetup.m_fuelEmulator, target.m_advancedSetup.m_fuelEmulator);
    EXPECT_EQ(CSettingsRecord().m_advancedSetup.m_advancedFlags3, target.m_advancedSetup.m_advancedFlags3);
    EXPECT_EQ(CSettingsRecord().m_base.m_switchRPM, target.m_base.m_switchRPM);
}

TEST_F(SettingsFileTest, FileWithoutTimeStampIsRefused)
{
    CSettingsRecord record = nonDefaultRecord();
    EXPECT_FALSE(load(joinLines(without(expectedLines(CSettingsRecord()), "m_timeStamp")), record));
    EXPECT_FALSE(load("just some text\r\nwithout\ttabs that matter\r\n", record));
    EXPECT_FALSE(load("", record));
    EXPECT_FALSE(CLPGDevice::loadSettingsFile(m_files.dir().file(L"missing.settings"), record));
}

// A settings file is some 20 KB; one far bigger is no settings file.
TEST_F(SettingsFileTest, HugeFileIsRefused)
{
    std::string file = expectedFile(CSettingsRecord());
    CSettingsRecord record;
    EXPECT_FALSE(load(file + std::string(1 << 20, 'x'), record));
    EXPECT_TRUE(load(file + std::string(100000, 'x'), record));
}

TEST_F(SettingsFileTest, LineOrderDoesNotMatterAndTheFirstOfDuplicateKeysWins)
{
    CSettingsRecord wanted = nonDefaultRecord();
    Lines lines = expectedLines(wanted);
    std::reverse(lines.begin(), lines.end());
    Lines later = expectedLines(CSettingsRecord());
    lines.insert(lines.end(), later.begin(), later.end());
    CSettingsRecord loaded;
    ASSERT_TRUE(load(joinLines(lines), loaded));
    EXPECT_EQ(expectedFile(wanted), expectedFile(loaded));
}

TEST_F(SettingsFileTest, LinesEndingInLineFeedAloneReadTheSame)
{
    std::string file = writtenBytes(nonDefaultRecord());
    std::string bare;
    for (char c : file) {
        if (c != '\r')
            bare += c;
    }
    CSettingsRecord loaded;
    ASSERT_TRUE(load(bare, loaded));
    EXPECT_EQ(expectedFile(nonDefaultRecord()), expectedFile(loaded));
}

// Only a real line end is taken off a value: the last line may lack one.
TEST_F(SettingsFileTest, LastLineWithoutLineEndKeepsItsLastCharacter)
{
    Lines lines = expectedLines(CSettingsRecord());
    lines = without(lines, "m_carInfo.m_vendor");
    std::string file = joinLines(lines) + "m_carInfo.m_vendor\tRenault";
    CSettingsRecord loaded;
    ASSERT_TRUE(load(file, loaded));
    EXPECT_EQ(L"Renault", loaded.m_carInfo.m_vendor);
}

TEST_F(SettingsFileTest, KeyWithItsTabEndingTheFileCountsAsMissing)
{
    Lines lines = without(expectedLines(CSettingsRecord()), "m_base.m_switchRPM");
    CSettingsRecord record;
    EXPECT_FALSE(load(joinLines(lines) + "m_base.m_switchRPM\t", record));
    EXPECT_TRUE(load(joinLines(lines) + "m_base.m_switchRPM\t\r\n", record));
    EXPECT_EQ(0.0, record.m_base.m_switchRPM);
}

// A text the format cannot hold must not break the lines after it.
TEST_F(SettingsFileTest, TextsAreWrittenSoThatTheFollowingKeysStillRead)
{
    CSettingsRecord saved = nonDefaultRecord();
    saved.m_carInfo.m_vendor = L"two\r\nlines";
    saved.m_carInfo.m_model = std::wstring(L"nul") + L'\0' + L"inside";
    saved.m_carInfo.m_engine = L"\x0160koda \x20AC";
    saved.m_carInfo.m_power = L"end\x1A of file";
    saved.m_timeStamp = L"tab\tinside";
    std::string written = writtenBytes(saved);
    CSettingsRecord loaded;
    ASSERT_TRUE(load(written, loaded));
    EXPECT_EQ(L"two??lines", loaded.m_carInfo.m_vendor);
    EXPECT_EQ(L"nul?inside", loaded.m_carInfo.m_model);
    EXPECT_EQ(L"?koda ?", loaded.m_carInfo.m_engine);
    EXPECT_EQ(L"end? of file", loaded.m_carInfo.m_power);
    EXPECT_EQ(L"tab\tinside", loaded.m_timeStamp);
    saved.m_carInfo = loaded.m_carInfo;
    saved.m_timeStamp = loaded.m_timeStamp;
    EXPECT_EQ(expectedFile(saved), expectedFile(loaded));
}

// Reading splits long lines; the rest of one must not pass for a key of its own.
TEST_F(SettingsFileTest, LongTextIsCutWhereReadingWouldCutIt)
{
    CSettingsRecord saved;
    saved.m_carInfo.m_vendor = std::wstring(520, L'x') + L"\nm_base.m_switchRPM\t9999";
    saved.m_carInfo.m_model = std::wstring(493, L'y') + L"m_base.m_switchTempr\t77";
    CSettingsRecord loaded;
    ASSERT_TRUE(load(writtenBytes(saved), loaded));
    EXPECT_EQ(std::wstring(510 - 19, L'x'), loaded.m_carInfo.m_vendor);
    EXPECT_EQ(1200.0, loaded.m_base.m_switchRPM);
    EXPECT_EQ(35.0, loaded.m_base.m_switchTempr);
}

} // namespace
