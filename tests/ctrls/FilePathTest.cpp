#include "DanglingDrive.h"
#include "WfxTestSupport.h"

#include <CFilePath.h>
#include <TempDir.h>

#include <gtest/gtest.h>

namespace {

// A folder with a sub-folder tree and a few files.
class FilePathModel : public testing::Test
{
protected:
    void SetUp() override
    {
        CreateDirectoryW(dir.file(L"sub").c_str(), nullptr);
        CreateDirectoryW(dir.file(L"sub\\inner").c_str(), nullptr);
        kwtest::writeFileBytes(dir.file(L"report.txt"), "r");
        kwtest::writeFileBytes(dir.file(L"notes.dat"), "n");
    }

    std::wstring root() const { return dir.path() + L"\\"; }

    // What the model shows, to compare before and after a rejected entry.
    std::wstring state() const
    {
        return path.getFolderPath() + L"|" + path.getFileName() + L"|" + path.getMask();
    }

    kwtest::TempDir dir;
    CFilePath path;
    wfxtest::MessageBoxRecorder boxes;
};

} // namespace

TEST_F(FilePathModel, TypedPathsMoveThroughFoldersAndPickFiles)
{
    path.setDefaultExt(L".txt");
    EXPECT_EQ(L"", path.getFolderPath());
    EXPECT_EQ(L"", path.getFilePath());
    EXPECT_EQ(L"", path.getFileSearchPattern());

    ASSERT_TRUE(path.parsePath(dir.path()));
    EXPECT_EQ(root(), path.getFolderPath());
    EXPECT_EQ(root() + L"*.*", path.getFolderSearchPattern());
    EXPECT_TRUE(path.parsePath(L"sub"));
    EXPECT_EQ(root() + L"sub\\", path.getFolderPath());
    EXPECT_TRUE(path.parsePath(L"inner\\..\\..\\sub\\inner"));
    EXPECT_EQ(root() + L"sub\\inner\\", path.getFolderPath());
    EXPECT_TRUE(path.parsePath(L".."));
    EXPECT_TRUE(path.parsePath(L".."));
    EXPECT_EQ(root(), path.getFolderPath());

    EXPECT_TRUE(path.parsePath(L"report")); // found with the default extension
    EXPECT_TRUE(path.isFileChosen());
    EXPECT_TRUE(path.isExistingFile());
    EXPECT_EQ(L"report.txt", path.getFileName());
    EXPECT_EQ(root() + L"report.txt", path.getFilePath());

    EXPECT_TRUE(path.parsePath(L"*.dat"));
    EXPECT_FALSE(path.isFileChosen());
    EXPECT_EQ(root(), path.getFolderPath());
    EXPECT_EQ(root() + L"*.dat", path.getFileSearchPattern());
    EXPECT_TRUE(path.parsePath(L"notes.dat"));
    EXPECT_EQ(L"notes.dat", path.getFileName());

    std::wstring before = state();
    EXPECT_FALSE(path.parsePath(L"missing"));
    EXPECT_FALSE(path.parsePath(L"sub\\missing.txt"));
    EXPECT_FALSE(path.parsePath(L""));
    EXPECT_EQ(before, state());
    EXPECT_EQ((std::vector<std::wstring>{L"Nieprawidłowa ścieżka.", L"Nieprawidłowa ścieżka."}), boxes.texts);
}

TEST_F(FilePathModel, DrivesAndTheRootKeepTheDrive)
{
    ASSERT_TRUE(path.parsePath(dir.path()));
    std::wstring drive = path.getDrive();
    ASSERT_EQ(2u, drive.size());
    EXPECT_TRUE(path.parsePath(L"\\windows")); // from the current drive's root
    EXPECT_EQ(drive + L"\\windows\\", path.getFolderPath());
    EXPECT_TRUE(path.parsePath(L"c:"));
    EXPECT_EQ(L"c:\\", path.getFolderPath());
    EXPECT_TRUE(path.parsePath(L".."));
    EXPECT_EQ(L"c:\\", path.getFolderPath());
    EXPECT_TRUE(path.parsePath(L"..\\..\\windows"));
    EXPECT_EQ(L"c:\\windows\\", path.getFolderPath());
    EXPECT_TRUE(boxes.texts.empty());
}

TEST_F(FilePathModel, DriveThatIsNotReadyChangesNothing)
{
    DanglingDrive drive('q');
    ASSERT_TRUE(path.parsePath(dir.path()));
    path.parsePath(L"report.txt");
    std::wstring before = state();
    EXPECT_FALSE(path.parsePath(L"q:"));
    EXPECT_FALSE(path.parsePath(L"q:\\folder\\file.txt"));
    EXPECT_EQ(before, state());
    EXPECT_EQ(
        (std::vector<std::wstring>{L"Urządzenie q: nie jest gotowe.", L"Urządzenie q: nie jest gotowe."}),
        boxes.texts);
}

TEST_F(FilePathModel, SaveModeNamesNewFilesWithTheDefaultExtension)
{
    path.setOpenMode(0);
    path.setDefaultExt(L".txt");
    ASSERT_TRUE(path.parsePath(dir.path()));
    EXPECT_FALSE(path.isFileChosen());

    EXPECT_TRUE(path.parsePath(L"fresh"));
    EXPECT_TRUE(path.isFileChosen());
    EXPECT_FALSE(path.isExistingFile());
    EXPECT_EQ(L"fresh.txt", path.getFileName());
    EXPECT_TRUE(path.parsePath(L"other.dat"));
    EXPECT_EQ(L"other.dat", path.getFileName());
    EXPECT_TRUE(path.parsePath(L"sub\\deeper"));
    EXPECT_EQ(root() + L"sub\\deeper.txt", path.getFilePath());
    EXPECT_TRUE(path.parsePath(L".."));
    EXPECT_FALSE(path.isFileChosen());
    EXPECT_TRUE(path.parsePath(L"report"));
    EXPECT_TRUE(path.isExistingFile());
    EXPECT_EQ(L"report.txt", path.getFileName());
    path.clearFileName();
    EXPECT_FALSE(path.isFileChosen());
    EXPECT_TRUE(boxes.texts.empty());
}
