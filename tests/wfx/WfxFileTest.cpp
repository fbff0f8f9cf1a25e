#include <Wfx.h>

#include <TempDir.h>

#include <gtest/gtest.h>

namespace {

// Runs the call and returns the cause of the CFileException* it throws, or -1.
template <class Call> int fileErrorOf(Call call)
{
    try {
        call();
    } catch (CFileException* error) {
        int cause = error->m_cause;
        error->Delete();
        return cause;
    }
    return -1;
}

} // namespace

TEST(WfxArchive, ValuesComeBackAsTheyWereStored)
{
    kwtest::TempDir dir;
    std::wstring path = dir.file(L"values.bin");
    {
        CFile file(path.c_str(), CFile::modeCreate | CFile::modeWrite);
        CArchive archive(&file, CArchive::store);
        EXPECT_TRUE(archive.IsStoring());
        archive << BYTE(0xAB) << WORD(0x1234) << -5 << 7u << 2.5 << CString(L"Zażółć") << CString();
    }
    CFile file(path.c_str(), CFile::modeRead);
    EXPECT_EQ(1u + 2 + 4 + 4 + 8 + 4 + 12 + 4, file.GetLength());
    CArchive archive(&file, CArchive::load);
    EXPECT_TRUE(archive.IsLoading());
    BYTE b = 0;
    WORD w = 0;
    int i = 0;
    UINT u = 0;
    double d = 0;
    CString text, empty(L"x");
    archive >> b >> w >> i >> u >> d >> text >> empty;
    EXPECT_EQ(0xAB, b);
    EXPECT_EQ(0x1234, w);
    EXPECT_EQ(-5, i);
    EXPECT_EQ(7u, u);
    EXPECT_EQ(2.5, d);
    EXPECT_EQ(L"Zażółć", text.str());
    EXPECT_EQ(L"", empty.str());
    EXPECT_EQ(CFileException::endOfFile, fileErrorOf([&] { archive >> i; }));
}

TEST(WfxArchive, DamagedTextLengthIsAnErrorNotAnAllocation)
{
    kwtest::TempDir dir;
    std::wstring path = dir.file(L"damaged.bin");
    kwtest::writeFileBytes(path, std::string("\xFF\xFF\xFF\x7F", 4));
    CFile file(path.c_str(), CFile::modeRead);
    CArchive archive(&file, CArchive::load);
    CString text(L"kept");
    EXPECT_EQ(CFileException::genericException, fileErrorOf([&] { archive >> text; }));
    EXPECT_EQ(L"kept", text.str());
}

TEST(WfxFile, OpenAndRenameReportWhyTheyFailed)
{
    kwtest::TempDir dir;
    CFile file;
    CFileException error;
    EXPECT_FALSE(file.Open(dir.file(L"missing.txt").c_str(), CFile::modeRead, &error));
    EXPECT_EQ(CFileException::fileNotFound, error.m_cause);
    EXPECT_EQ(CFileException::fileNotFound,
              fileErrorOf([&] { CFile opened(dir.file(L"missing.txt").c_str(), CFile::modeRead); }));

    kwtest::writeFileBytes(dir.file(L"a.txt"), "a");
    kwtest::writeFileBytes(dir.file(L"b.txt"), "b");
    EXPECT_EQ(-1,
              fileErrorOf([&] { CFile::Rename(dir.file(L"a.txt").c_str(), dir.file(L"c.txt").c_str()); }));
    EXPECT_EQ("a", kwtest::readFileBytes(dir.file(L"c.txt")));
    EXPECT_EQ(CFileException::accessDenied,
              fileErrorOf([&] { CFile::Rename(dir.file(L"c.txt").c_str(), dir.file(L"b.txt").c_str()); }));
    EXPECT_EQ("b", kwtest::readFileBytes(dir.file(L"b.txt")));
    EXPECT_EQ(CFileException::fileNotFound,
              fileErrorOf([&] { CFile::Rename(dir.file(L"none.txt").c_str(), dir.file(L"d.txt").c_str()); }));
}
