#include "LangFiles.h"
#include "translate.h"

#include <gtest/gtest.h>

#include <string>
#include <thread>

namespace {
const int kEnglish = 1, kRussian = 2, kPortuguese = 9, kChinese = 10, kSerbian = 13, kCroatian = 14;

struct Translate : ::testing::Test
{
    kwtest::LangFolder folder;

    void SetUp() override
    {
        folder.write(L"ENGLISH.txt", L"Yes\tnote\tYes (en)\r\n"
                                     L"Empty\tnote\t\r\n"
                                     L"Only in English\tnote\tEnglish only\r\n");
        folder.write(L"RUSSIAN.txt", L"Yes\tnote\tДа\r\n"
                                     L"Empty\tnote\t\r\n"
                                     L"One tab\tДа\r\n"
                                     L"One tab\tnote\tдва\r\n"
                                     L"Two\\nlines\tnote\tдве\\tстроки\r\n"
                                     L"With tabs\tnote\ta\tb\r\n"
                                     L"LPG and LPG\tnote\tLPG или LPG lpg\r\n");
        folder.write(L"SERBIAN.txt", L"Yes\tnote\tDa (sr)\r\n");
        folder.write(L"CROATIAN.txt", L"Yes\tnote\tDa (hr)\r\n");
        folder.open();
    }
};
} // namespace

TEST_F(Translate, LanguageZeroShowsTextsAsWritten)
{
    g_languageId = 0;
    EXPECT_EQ(L"Yes", translate(L"Yes"));
    EXPECT_EQ(L"a\\nb", translate(L"a\\nb"));
}

TEST_F(Translate, LooksUpTheCurrentLanguage)
{
    g_languageId = kRussian;
    EXPECT_EQ(L"Да", translate(L"Yes"));
    EXPECT_EQ(L"два", translate(L"One tab")); // a line with one TAB never matches
    EXPECT_EQ(L"две\tстроки", translate(L"Two\nlines"));
    EXPECT_EQ(L"a\tb", translate(L"With tabs"));
    // Absent from an open file: the text itself, escapes replaced, not the English file.
    EXPECT_EQ(L"Only in English", translate(L"Only in English"));
    EXPECT_EQ(L"x\ty", translate(L"x\\ty"));
    g_languageId = kSerbian;
    EXPECT_EQ(L"Da (sr)", translate(L"Yes"));
    g_languageId = kCroatian;
    EXPECT_EQ(L"Da (hr)", translate(L"Yes"));
}

TEST_F(Translate, FallsBackToEnglishThenToTheText)
{
    for (int id : {kPortuguese, kChinese, 16, 17, 21, -1}) {
        g_languageId = id;
        EXPECT_EQ(L"Yes (en)", translate(L"Yes")) << id;
    }
    g_languageId = kRussian;
    EXPECT_EQ(L"Empty", translate(L"Empty"));
    g_languageId = kEnglish;
    EXPECT_EQ(L"Empty", translate(L"Empty"));
}

TEST_F(Translate, CngReplacesOnlyTheFirstLpg)
{
    g_languageId = kRussian;
    g_cngMode = 1;
    EXPECT_EQ(L"CNG или LPG lpg", translate(L"LPG and LPG"));
    EXPECT_EQ(L"lpg CNG", translate(L"lpg LPG"));
    EXPECT_EQ(L"LPG или LPG lpg", translateForLanguage(L"LPG and LPG"));
    g_cngMode = 0;
    EXPECT_EQ(L"LPG или LPG lpg", translate(L"LPG and LPG"));
}

TEST(TranslateFile, LastLineWithoutLineEndKeepsItsCharacters)
{
    kwtest::LangFolder folder;
    folder.write(L"ENGLISH.txt", L"Yes\tnote\tYes (en)\r\nNo\tnote\tNo (en)");
    folder.open();
    g_languageId = kEnglish;
    EXPECT_EQ(L"No (en)", translate(L"No"));
    EXPECT_EQ(L"Yes (en)", translate(L"Yes"));
}

TEST(TranslateFile, LongLinesAreReadInPieces)
{
    kwtest::LangFolder folder;
    const std::wstring longText(3000, L'x');
    // The piece after the first 2047 characters reads as a line of its own.
    const std::wstring tail(2047 - 4, L'y');
    folder.write(L"ENGLISH.txt", longText + L"\tnote\tlong\r\n" + L"abc\t" + tail + L"Key\tn\tvalue\r\n");
    folder.open();
    g_languageId = kEnglish;
    EXPECT_EQ(longText, translate(longText));
    EXPECT_EQ(L"value", translate(L"Key"));
}

TEST_F(Translate, TwoThreadsAtOnce)
{
    g_languageId = kRussian;
    bool right[2] = {true, true};
    auto run = [&](int who, const wchar_t* text, const wchar_t* expected) {
        for (int i = 0; i < 300; ++i)
            right[who] = right[who] && translate(text) == expected;
    };
    std::thread a(run, 0, L"Yes", L"Да"), b(run, 1, L"With tabs", L"a\tb");
    a.join();
    b.join();
    EXPECT_TRUE(right[0]);
    EXPECT_TRUE(right[1]);
}

TEST(Language, UserLanguagesAtStart)
{
    EXPECT_EQ(0, languageOfLangId(0x0415));
    EXPECT_EQ(2, languageOfLangId(0x0419));
    EXPECT_EQ(7, languageOfLangId(0x080A));
    EXPECT_EQ(7, languageOfLangId(0x500A));
    EXPECT_EQ(1, languageOfLangId(0x540A));
    EXPECT_EQ(9, languageOfLangId(0x0816));
    EXPECT_EQ(10, languageOfLangId(0x1404));
    EXPECT_EQ(20, languageOfLangId(0x0422));
    EXPECT_EQ(1, languageOfLangId(0x0409));
    EXPECT_EQ(1, languageOfLangId(0x040C)); // French has a file but is never chosen at start
    EXPECT_EQ(L"C:\\a\\b.txt", joinPath(L"C:\\a\\", L"b.txt"));
}
