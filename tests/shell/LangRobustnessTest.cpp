#include "ChildProcess.h"
#include "LangFiles.h"
#include "translate.h"

#include <gtest/gtest.h>

#include <random>
#include <string>

// Damaged language files: whatever the bytes, every lookup ends and shows
// some text, never an empty one.
TEST(LangRobustness, MutatedFilesNeverBreakTranslation)
{
    const std::string good = kwtest::utf16File(L"Yes\tnote\tTak\r\n"
                                               L"Two\\nlines\tnote\tDwie\\tlinie\r\n"
                                               L"Save\tnote\tZapisz\r\n");
    const char specials[] = {'\t', '\r', '\n', '\\', 0, static_cast<char>(0xFF), static_cast<char>(0xD8)};
    std::mt19937 random(20240611);
    for (int round = 0; round < 300; ++round) {
        std::string bytes = good;
        const int changes = 1 + random() % 6;
        for (int i = 0; i < changes && !bytes.empty(); ++i) {
            const size_t at = random() % bytes.size();
            switch (random() % 4) {
            case 0:
                bytes[at] = static_cast<char>(random());
                break;
            case 1:
                bytes[at] = specials[random() % sizeof specials];
                break;
            case 2:
                bytes.insert(at, 1, specials[random() % sizeof specials]);
                break;
            case 3:
                bytes.resize(at);
                break;
            }
        }
        kwtest::LangFolder folder;
        folder.writeBytes(L"ENGLISH.txt", bytes);
        folder.open();
        g_languageId = 1;
        for (const wchar_t* text : {L"Yes", L"Two\nlines", L"Save", L"Absent"})
            ASSERT_FALSE(translate(text).empty()) << round;
    }
}

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
