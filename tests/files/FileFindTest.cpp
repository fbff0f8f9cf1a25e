#include <CFileError.h>
#include <CFileFindEx.h>
#include <TempDir.h>
#include <UnixCommand.h>

#include <gtest/gtest.h>

#include <windows.h>

#include <algorithm>
#include <memory>

namespace {

// A folder tree under /tmp, so that Unix commands can reach it too; removed
// from the Unix side, which never follows links.
class Tree
{
public:
    Tree()
    {
        m_unix = "/tmp/kw-find-" + std::to_string(GetCurrentProcessId());
        m_root = kwtest::windowsPathOf(m_unix);
        kwtest::runUnixCommand("rm -rf " + m_unix);
        CreateDirectoryW(m_root.c_str(), nullptr);
        for (const wchar_t* folder : {L"sub", L"sub\\deeper"})
            CreateDirectoryW(path(folder).c_str(), nullptr);
        for (const wchar_t* file : {L"a.afm", L"b.AFM", L"afm", L"c.txt", L"sub\\d.afm",
                                    L"sub\\deeper\\e.afm", L"sub\\deeper\\f.bin"})
            kwtest::writeFileBytes(path(file), "x");
    }
    ~Tree() { kwtest::runUnixCommand("rm -rf " + m_unix); }

    std::wstring path(const std::wstring& name) const { return m_root + L"\\" + name; }
    const std::wstring& root() const { return m_root; }
    const std::string& unixRoot() const { return m_unix; }

private:
    std::string m_unix;
    std::wstring m_root;
};

std::vector<std::wstring> found(const std::wstring& folder, const std::vector<std::wstring>& extensions,
                                bool flat)
{
    std::vector<std::wstring> list;
    CFileFindEx(folder, extensions).find(list, flat);
    std::sort(list.begin(), list.end());
    return list;
}

std::wstring currentFolder()
{
    wchar_t folder[MAX_PATH];
    GetCurrentDirectoryW(MAX_PATH, folder);
    return folder;
}

TEST(FileFindTest, AcceptsByExactExtension)
{
    CFileFindEx afm(L"C:\\x", {L"afm", L"bin"});
    EXPECT_TRUE(afm.accept(L"C:\\x\\x.afm"));
    EXPECT_TRUE(afm.accept(L"C:\\x\\image.v2.bin"));
    EXPECT_FALSE(afm.accept(L"C:\\x\\x.AFM"));
    EXPECT_FALSE(afm.accept(L"afm"));
    EXPECT_FALSE(afm.accept(L"C:\\x.afm\\x"));
    EXPECT_FALSE(afm.accept(L"C:\\x\\x.afmx"));
    EXPECT_TRUE(CFileFindEx(L"C:\\x", {L"*"}).accept(L"no extension"));
    EXPECT_FALSE(CFileFindEx(L"C:\\x", {}).accept(L"C:\\x\\x.afm"));
}

TEST(FileFindTest, FindsInTheFolderOrTheWholeTree)
{
    Tree tree;
    EXPECT_EQ(std::vector<std::wstring>{tree.path(L"a.afm")}, found(tree.root(), {L"afm"}, true));
    EXPECT_EQ((std::vector<std::wstring>{tree.path(L"a.afm"), tree.path(L"sub\\d.afm"),
                                         tree.path(L"sub\\deeper\\e.afm")}),
              found(tree.root(), {L"afm"}, false));
    EXPECT_EQ(4u, found(tree.root(), {L"*"}, true).size());
    EXPECT_EQ(7u, found(tree.root(), {L"*"}, false).size());
    EXPECT_EQ(std::vector<std::wstring>{tree.path(L"a.afm")}, found(tree.root() + L"\\", {L"afm"}, true));
    EXPECT_TRUE(found(tree.root(), {}, false).empty());
}

// The search goes by full paths: it neither lists nor leaves another current folder.
TEST(FileFindTest, CurrentFolderIsNeitherListedNorChanged)
{
    Tree tree;
    ASSERT_TRUE(SetCurrentDirectoryW(tree.path(L"sub").c_str()));
    std::wstring before = currentFolder();
    EXPECT_EQ(std::vector<std::wstring>{tree.path(L"sub\\deeper\\e.afm")},
              found(tree.path(L"sub\\deeper"), {L"afm"}, true));
    EXPECT_EQ(before, currentFolder());
    EXPECT_THROW(found(tree.path(L"missing"), {L"afm"}, true), CFileError*);
    EXPECT_EQ(before, currentFolder());
    SetCurrentDirectoryW(L"C:\\");
}

TEST(FileFindTest, FolderThatCannotBeListedThrowsFileError)
{
    Tree tree;
    try {
        found(tree.path(L"missing"), {L"afm"}, false);
        FAIL() << "no error";
    } catch (CFileError* raw) {
        std::unique_ptr<CFileError> error(raw);
        EXPECT_EQ(L"CFileError", error->name());
        EXPECT_EQ(5u, error->code());
        EXPECT_EQ(L"Błąd przy wyszukiwaniu plików GetLastError() = 3", error->where());
        EXPECT_EQ(32, error->line());
        EXPECT_EQ(L"FileClasses", error->file());
        EXPECT_EQ(L"Błąd wykonania operacji na pliku.", error->message());
        EXPECT_EQ(L"Błąd wykonania operacji dla katalogu.", error->msgs().at(6));
    }
}

TEST(FileFindTest, LinkedFolderLeadingBackUpIsNotFollowed)
{
    Tree tree;
    ASSERT_TRUE(kwtest::runUnixCommand("ln -s .. " + tree.unixRoot() + "/sub/loop"));
    EXPECT_EQ(3u, found(tree.root(), {L"afm"}, false).size());
}

} // namespace
