#include "FileTestSupport.h"
#include "SettingsGolden.h"
#include "SimBench.h"

#include <COpenFile.h>
#include <DeviceSettingsFiles.h>
#include <SettingsBlocks.h>
#include <SettingsFileIO.h>

#include <gtest/gtest.h>

#include <windows.h>

#include <algorithm>
#include <regex>

namespace {

// Answers the file dialog with a path and remembers how it was asked.
class DialogAnswer
{
public:
    explicit DialogAnswer(std::wstring answer)
    {
        COpenFile::setAnswerHook([this, answer](const COpenFile& dialog) {
            asked.push_back(dialog.isSave());
            folder = dialog.initialFolder();
            filter = dialog.filter();
            extension = dialog.defaultExtension();
            return answer;
        });
    }
    ~DialogAnswer() { COpenFile::setAnswerHook(nullptr); }

    std::vector<bool> asked;
    std::wstring folder, filter, extension;
};

const wchar_t* const kFilter = L"Settings file (*.settings)|*.settings|";

class SaveAndOpenTest : public ::testing::Test
{
protected:
    SaveAndOpenTest()
    {
        setWaitCursorHook([this](bool shown) { cursor.push_back(shown); });
    }
    ~SaveAndOpenTest() override { setWaitCursorHook(nullptr); }

    kwtest::SimBench bench;
    TestFiles files;
    std::vector<bool> cursor;
};

TEST_F(SaveAndOpenTest, SaveWritesTheLiveImageWithANewTimeStamp)
{
    std::wstring path = files.newPath();
    DialogAnswer dialog(path);
    bench.device->m_settings = nonDefaultRecord();
    EXPECT_EQ(kSettingsSaved, bench.device->saveSettingsFile());
    EXPECT_EQ(std::vector<bool>{true}, dialog.asked);
    EXPECT_EQ(getSettingsFolder(), dialog.folder);
    EXPECT_EQ(kFilter, dialog.filter);
    EXPECT_EQ(L"settings", dialog.extension);
    EXPECT_EQ((std::vector<bool>{true, false}), cursor);

    const std::wstring& stamp = bench.device->m_settings.m_timeStamp;
    EXPECT_TRUE(std::regex_match(std::string(stamp.begin(), stamp.end()),
                                 std::regex(R"(\d\d-\d\d-\d{4}-\d\d:\d\d:\d\d)")));
    EXPECT_EQ(expectedFile(bench.device->m_settings), kwtest::readFileBytes(path));
    EXPECT_TRUE(bench.messages.empty());
}

TEST_F(SaveAndOpenTest, CancelledSaveWritesNothingAndSaysNothing)
{
    DialogAnswer dialog(L"");
    EXPECT_EQ(kSettingsNotSaved, bench.device->saveSettingsFile());
    EXPECT_FALSE(bench.device->m_settings.m_timeStamp.empty());
    EXPECT_TRUE(bench.messages.empty());
    EXPECT_TRUE(folderNames(files.dir().path()).empty());
}

TEST_F(SaveAndOpenTest, SaveThatCannotBeWrittenIsSaid)
{
    DialogAnswer dialog(files.dir().file(L"gone\\car.settings"));
    EXPECT_EQ(kSettingsNotSaved, bench.device->saveSettingsFile());
    ASSERT_EQ(1u, bench.messages.size());
    EXPECT_EQ(L"Nie można wpisać ustawień do pliku z danymi samochodu", bench.messages[0].text);
    EXPECT_EQ(L"Kestrelwave", bench.messages[0].caption);
    EXPECT_EQ(unsigned(MB_ICONERROR), bench.messages[0].flags);
    EXPECT_EQ(nullptr, bench.messages[0].owner);
    EXPECT_TRUE(folderNames(files.dir().path()).empty());
}

// A folder whose path is `length` characters long, made of folders of at
// most 60 characters below `base`; empty when the system refuses it (this
// Wine takes them up to 300 characters).
std::wstring folderOfLength(const std::wstring& base, size_t length)
{
    std::wstring folder = base;
    while (folder.size() < length) {
        const size_t name = std::min<size_t>(60, length - folder.size() - 1);
        folder += L"\\" + std::wstring(std::max<size_t>(name, 1), L'd');
        if (!CreateDirectoryW(folder.c_str(), nullptr))
            return L"";
    }
    return folder;
}

// However long the folder, the save either writes the file or says it
// could not; an older file stays whole and nothing else is left behind.
TEST_F(SaveAndOpenTest, SaveIntoALongFolderWritesOrSaysSoAndLeavesNothingBehind)
{
    const std::string old = "m_timeStamp\told\r\n";
    bench.device->m_settings = nonDefaultRecord();
    for (size_t length = 240; length <= 300; length += 6) {
        SCOPED_TRACE(length);
        kwtest::TempDir dir;
        const std::wstring folder = folderOfLength(dir.path(), length);
        ASSERT_FALSE(folder.empty());
        const std::wstring path = folder + L"\\car.settings";
        const bool hadOld = kwtest::writeFileBytes(path, old);
        bench.messages.clear();
        DialogAnswer dialog(path);
        if (bench.device->saveSettingsFile() == kSettingsSaved) {
            EXPECT_TRUE(bench.messages.empty());
            EXPECT_EQ(expectedFile(bench.device->m_settings), kwtest::readFileBytes(path));
            EXPECT_EQ(std::vector<std::wstring>{L"car.settings"}, folderNames(folder));
            continue;
        }
        ASSERT_EQ(1u, bench.messages.size());
        EXPECT_EQ(L"Nie można wpisać ustawień do pliku z danymi samochodu", bench.messages[0].text);
        EXPECT_EQ(hadOld ? old : std::string(), kwtest::readFileBytes(path));
        EXPECT_EQ(hadOld ? std::vector<std::wstring>{L"car.settings"} : std::vector<std::wstring>{},
                  folderNames(folder));
    }
}

TEST_F(SaveAndOpenTest, OpenReadsTheChosenFileIntoTheRecord)
{
    std::wstring path = files.put(expectedFile(nonDefaultRecord()));
    DialogAnswer dialog(path);
    CSettingsRecord record;
    EXPECT_EQ(kSettingsLoaded, openSettingsFile(record));
    EXPECT_EQ(std::vector<bool>{false}, dialog.asked);
    EXPECT_EQ(getSettingsFolder(), dialog.folder);
    EXPECT_EQ(L"settings", dialog.extension);
    EXPECT_EQ((std::vector<bool>{true, false}), cursor);
    EXPECT_EQ(expectedFile(nonDefaultRecord()), expectedFile(record));
}

TEST_F(SaveAndOpenTest, CancelledOrUnreadableOpenLeavesTheRecordAlone)
{
    CSettingsRecord record;
    const std::string before = wholeImage(record);
    {
        DialogAnswer dialog(L"");
        EXPECT_EQ(kSettingsCancelled, openSettingsFile(record));
    }
    {
        DialogAnswer dialog(files.put("m_timeStamp\tonly this\r\n"));
        EXPECT_EQ(kSettingsUnreadable, openSettingsFile(record));
    }
    {
        DialogAnswer dialog(files.dir().file(L"missing.settings"));
        EXPECT_EQ(kSettingsUnreadable, openSettingsFile(record));
    }
    EXPECT_EQ(before, wholeImage(record));
    EXPECT_TRUE(bench.messages.empty());
}

} // namespace
