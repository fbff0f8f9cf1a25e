#include "FileTestSupport.h"
#include "SettingsGolden.h"

#include <SettingsFileIO.h>
#include <UnixCommand.h>

#include <gtest/gtest.h>

#include <windows.h>

namespace {

const std::string kOldFile = "m_timeStamp\told\r\n";

// A folder on a file system of a few KB, where a settings file does not fit.
class FullDisk
{
public:
    FullDisk()
    {
        m_unixPath = "/tmp/kw-full-" + std::to_string(GetCurrentProcessId());
        m_mounted = kwtest::runUnixCommand("mkdir -p " + m_unixPath + " && mount -t tmpfs -o size=8k tmpfs " +
                                           m_unixPath + " && touch " + m_unixPath + "/.mounted") &&
                    DeleteFileW((folder() + L"\\.mounted").c_str());
    }
    ~FullDisk() { kwtest::runUnixCommand("umount -l " + m_unixPath + "; rmdir " + m_unixPath); }
    bool mounted() const { return m_mounted; }
    std::wstring folder() const { return kwtest::windowsPathOf(m_unixPath); }

private:
    std::string m_unixPath;
    bool m_mounted = false;
};

TEST(SettingsSaveTest, SavingReplacesAnOlderFileWholeAndLeavesNothingElse)
{
    kwtest::TempDir dir;
    std::wstring path = dir.file(L"car.settings");
    ASSERT_TRUE(
        kwtest::writeFileBytes(path, expectedFile(nonDefaultRecord()) + "m_extra\tlonger than the new\r\n"));
    ASSERT_TRUE(writeSettingsFile(path, CSettingsRecord()));
    EXPECT_EQ(expectedFile(CSettingsRecord()), kwtest::readFileBytes(path));
    EXPECT_EQ(std::vector<std::wstring>{L"car.settings"}, folderNames(dir.path()));
}

TEST(SettingsSaveTest, PathThatCannotBeWrittenIsReportedAndCreatesNothing)
{
    kwtest::TempDir dir;
    EXPECT_FALSE(writeSettingsFile(dir.file(L"no such folder\\car.settings"), CSettingsRecord()));
    ASSERT_TRUE(CreateDirectoryW(dir.file(L"a folder").c_str(), nullptr));
    EXPECT_FALSE(writeSettingsFile(dir.file(L"a folder"), CSettingsRecord()));
    EXPECT_EQ(std::vector<std::wstring>{L"a folder"}, folderNames(dir.path()));
    EXPECT_TRUE(folderNames(dir.file(L"a folder")).empty());
}

// Disk full: the save fails, says so, and the file saved before is still whole.
TEST(SettingsSaveTest, FailedWriteKeepsTheOldFileAndReportsFailure)
{
    FullDisk disk;
    if (!disk.mounted())
        GTEST_SKIP() << "no small file system can be mounted here";
    std::wstring path = disk.folder() + L"\\car.settings";
    ASSERT_TRUE(kwtest::writeFileBytes(path, kOldFile));
    EXPECT_FALSE(writeSettingsFile(path, nonDefaultRecord()));
    EXPECT_EQ(kOldFile, kwtest::readFileBytes(path));
    EXPECT_EQ(std::vector<std::wstring>{L"car.settings"}, folderNames(disk.folder()));
}

} // namespace
