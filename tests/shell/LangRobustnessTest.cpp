#include "ChildProcess.h"
#include "LangFiles.h"
#include "translate.h"

#include <gtest/gtest.h>

#include <string>

// The table is opened while the program starts, from the folder beside it.
TEST(LangRobustness, FilesBesideTheProgramOpenAtStart)
{
    kwtest::TempDir dir;
    const std::wstring bin = kwtest::ChildProcess::programFolder();
    for (const wchar_t* file :
         {L"lang_probe.exe", L"libstdc++-6.dll", L"libgcc_s_seh-1.dll", L"libwinpthread-1.dll"})
        ASSERT_TRUE(CopyFileW((bin + file).c_str(), dir.file(file).c_str(), FALSE));
    ASSERT_TRUE(CreateDirectoryW(dir.file(L"Kestrelwave_LANG").c_str(), nullptr));
    ASSERT_TRUE(kwtest::writeFileBytes(dir.file(L"Kestrelwave_LANG\\ENGLISH.txt"),
                                       kwtest::utf16File(L"Yes\tnote\tTak\r\n")));
    kwtest::ChildProcess probe;
    ASSERT_TRUE(probe.start(dir.file(L"lang_probe.exe"), L""));
    EXPECT_EQ(0, probe.wait(20000));
}
