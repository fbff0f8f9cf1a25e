#include "PrambleTestSupport.h"

#include <Pramble.h>

#include <gtest/gtest.h>

#include <stdexcept>

using namespace wfxtest;
using namespace prambletest;

namespace {

const DWORD kEditStyle = WS_CHILD | WS_VISIBLE | WS_BORDER | ES_AUTOHSCROLL;

// A masked edit made with the given mask and sections.
class CTestEditEx : public CEditEx
{
public:
    CTestEditEx(LPCWSTR mask, const std::vector<SSection>& sections)
    {
        setMask(mask);
        setRanges(sections);
    }
    using CEditEx::findSection;
};

class DateEditEx : public ::testing::Test
{
protected:
    void SetUp() override { ASSERT_TRUE(edit.Create(kEditStyle, CRect(10, 10, 200, 34), &host, 100)); }

    HostWindow host;
    CDateEditEx edit;
};

class EditEx : public ::testing::Test
{
protected:
    void create(CEditEx& edit) { ASSERT_TRUE(edit.Create(kEditStyle, CRect(10, 10, 200, 34), &host, 100)); }

    HostWindow host;
};

} // namespace

TEST_F(DateEditEx, StartsAsABlankDateLimitedToTheMask)
{
    EXPECT_EQ(L"  /  /    ", textOf(edit));
    EXPECT_EQ(10u, edit.GetLimitText());
    EXPECT_TRUE(edit.IsKindOf(RUNTIME_CLASS(CEditEx)));
    EXPECT_FALSE(edit.isOk());
}

TEST_F(DateEditEx, PartlyTypedFieldsAreCheckedAgainstTheirRange)
{
    typeText(edit, L"4");
    EXPECT_EQ(L"  /  /    ", textOf(edit)); // 4 > 31 / 10
    typeText(edit, L"32");
    EXPECT_EQ(L"3 /  /    ", textOf(edit)); // 32 > 31
    typeText(edit, L"01");
    EXPECT_EQ(L"30/1 /    ", textOf(edit));
    typeText(edit, L"3");
    EXPECT_EQ(L"30/1 /    ", textOf(edit)); // 13 > 12
    typeText(edit, L"2197");
    EXPECT_EQ(L"30/12/19  ", textOf(edit)); // 197 < 1980 / 10
    typeText(edit, L"99");
    EXPECT_EQ(L"30/12/1999", textOf(edit));
}

TEST_F(DateEditEx, DigitOnALiteralLandsAfterIt)
{
    typeText(edit, L"01");
    EXPECT_EQ(2, caretOf(edit));
    typeText(edit, L"0");
    EXPECT_EQ(L"01/0 /    ", textOf(edit));
    EXPECT_EQ(4, caretOf(edit));
}

TEST_F(DateEditEx, ClearKeepsTheSlashes)
{
    ASSERT_TRUE(edit.setDate(L"15/08/2021"));
    edit.clear();
    EXPECT_EQ(L"  /  /    ", textOf(edit));
}

TEST_F(DateEditEx, ValidDatesFollowTheCalendar)
{
    edit.SetWindowText(L"29/02/2000");
    EXPECT_TRUE(edit.isOk());
    edit.SetWindowText(L"29/02/1900");
    EXPECT_FALSE(edit.isOk());
    EXPECT_TRUE(edit.setDate(L"29/02/2096"));
    EXPECT_FALSE(edit.setDate(L"29/02/2100"));
    EXPECT_FALSE(edit.setDate(L"31/06/2020"));
    EXPECT_FALSE(edit.setDate(L"1x/03/2020"));
    EXPECT_FALSE(edit.setDate(L"01/03/202"));
    EXPECT_EQ(L"29/02/2096", textOf(edit));
    EXPECT_TRUE(edit.setDate(CTime(2021, 8, 15, 10, 0, 0)));
    EXPECT_EQ(L"15/08/2021", textOf(edit));
    EXPECT_TRUE(edit.setCurrentDate());
    EXPECT_TRUE(edit.isOk());
}

TEST_F(DateEditEx, RangesCanBeNarrowed)
{
    edit.setYear(2000, 2010);
    edit.SetWindowText(L"01/01/1999");
    EXPECT_FALSE(edit.isOk());
    edit.setDay(1, 15);
    edit.SetWindowText(L"16/01/2005");
    EXPECT_FALSE(edit.isOk());
    edit.setMonth(1, 6);
    edit.SetWindowText(L"15/06/2005");
    EXPECT_TRUE(edit.isOk());
}

TEST_F(DateEditEx, PastingTypesUntilAPositionRefuses)
{
    ASSERT_TRUE(setClipboardText(L"12345678"));
    edit.SendMessage(WM_PASTE);
    EXPECT_EQ(L"12/  /    ", textOf(edit)); // 3 starts no month
}

TEST_F(DateEditEx, PasteIntoASelectionStopsAtItsLength)
{
    ASSERT_TRUE(setClipboardText(L"0101"));
    edit.SetSel(0, 2);
    edit.SendMessage(WM_PASTE);
    EXPECT_EQ(L"01/  /    ", textOf(edit));
}

TEST_F(DateEditEx, PasteWithoutTextChangesNothing)
{
    typeText(edit, L"1");
    ASSERT_TRUE(setClipboardText(L""));
    edit.SendMessage(WM_PASTE);
    EXPECT_EQ(L"1 /  /    ", textOf(edit));
    // Another window holding the clipboard open: the paste cannot read it.
    ASSERT_TRUE(setClipboardText(L"22"));
    ASSERT_TRUE(OpenClipboard(host.m_hWnd));
    edit.SendMessage(WM_PASTE);
    CloseClipboard();
    EXPECT_EQ(L"1 /  /    ", textOf(edit));
}

TEST_F(DateEditEx, BackspaceAndDeleteBlankPlaceholdersOnly)
{
    ASSERT_TRUE(edit.setDate(L"15/08/2021"));
    edit.SetSel(3, 3);
    pressKey(edit, VK_BACK);
    typeText(edit, L"\b");
    EXPECT_EQ(L"15/08/2021", textOf(edit)); // the slash stays
    EXPECT_EQ(2, caretOf(edit));
    pressKey(edit, VK_BACK);
    EXPECT_EQ(L"1 /08/2021", textOf(edit));
    EXPECT_EQ(1, caretOf(edit));
    pressKey(edit, VK_DELETE);
    EXPECT_EQ(2, caretOf(edit));
    edit.SetSel(4, 8);
    pressKey(edit, VK_DELETE);
    EXPECT_EQ(L"1 /0 /  21", textOf(edit));
    EXPECT_EQ(4, caretOf(edit));
    edit.SetSel(0, 0);
    pressKey(edit, VK_BACK);
    EXPECT_EQ(L"1 /0 /  21", textOf(edit));
}

TEST_F(DateEditEx, CutCopiesAndBlanks)
{
    ASSERT_TRUE(edit.setDate(L"15/08/2021"));
    edit.SetSel(0, 5);
    edit.SendMessage(WM_CUT);
    EXPECT_EQ(L"15/08", clipboardText());
    EXPECT_EQ(L"  /  /2021", textOf(edit));
}

TEST_F(DateEditEx, TextShowsInTheErrorColourWhileIncomplete)
{
    edit.setFrgrd(RGB(0, 0, 0));
    edit.setBkgrd(RGB(1, 2, 3));
    EXPECT_EQ(RGB(255, 0, 0), askColors(host, edit).text);
    edit.setDate(L"15/08/2021");
    CtlColors colors = askColors(host, edit);
    EXPECT_EQ(RGB(0, 0, 0), colors.text);
    EXPECT_EQ(RGB(1, 2, 3), colors.background);
    EXPECT_TRUE(colors.brush);
}

TEST_F(EditEx, LettersOfAnyScriptKeepTheirFullCharacter)
{
    CTestEditEx edit(L"##$@@", {});
    create(edit);
    typeText(edit, L"\x0141\x00F3");
    EXPECT_EQ(L"\x0141\x00F3   ", textOf(edit)); // not cut to 8 bits ('A', 0xF3)
    typeText(edit, L"\x0663"
                   L"7");
    EXPECT_EQ(L"\x0141\x00F3"
              L"7  ",
              textOf(edit)); // only ASCII digits are numbers
    typeText(edit, L"\x0416");
    typeText(edit, L"\x20AC");
    EXPECT_EQ(L"\x0141\x00F3"
              L"7\x0416\x20AC",
              textOf(edit));
}

TEST_F(EditEx, PastedTextKeepsItsFullCharacters)
{
    CTestEditEx edit(L"###", {});
    create(edit);
    ASSERT_TRUE(setClipboardText(L"\x0141\x00F3\x0436"));
    edit.SendMessage(WM_PASTE);
    EXPECT_EQ(L"\x0141\x00F3\x0436", textOf(edit));
}

TEST_F(EditEx, ControlKeysReachTheEdit)
{
    CTestEditEx edit(L"@@@@", {});
    create(edit);
    typeText(edit, L"ab");
    ASSERT_TRUE(setClipboardText(L"cd"));
    typeText(edit, L"\x16"); // Ctrl+V pastes; it is not stored
    EXPECT_EQ(L"abcd", textOf(edit));
}

TEST_F(EditEx, LongSectionsDoNotOverflow)
{
    CTestEditEx edit(L"$$$$$$$$$$$$$$$$$$$$$$$$", {SSection(0, 23, 0, 200)});
    create(edit);
    edit.SetWindowText(L"000000000000000000000123");
    EXPECT_TRUE(edit.isOk());
    edit.SetWindowText(L"999999999999999999999999");
    EXPECT_FALSE(edit.isOk());
    edit.SetWindowText(L"000018446744073709551816"); // 2^64 + 200
    EXPECT_FALSE(edit.isOk());
    edit.SetWindowText(L"                        ");
    edit.SetSel(0, 0);
    typeText(edit, L"1");
    EXPECT_EQ(L' ', textOf(edit)[0]); // 1 followed by 23 places exceeds 200
    edit.SetSel(23, 23);
    typeText(edit, L"7");
    EXPECT_EQ(L'7', textOf(edit)[23]);
}

TEST_F(EditEx, SectionsFromArraysAndRangeChanges)
{
    CTestEditEx edit(L"$$-$$", {});
    int positions[] = {0, 1, 3, 4, 9};
    int values[] = {0, 5, 10, 20, 99};
    edit.appendRanges(5, positions, values); // the odd last integer is no section
    SSection section;
    ASSERT_TRUE(edit.findSection(4, section));
    EXPECT_EQ(3u, section.first);
    EXPECT_EQ(20, section.range.maximum);
    EXPECT_FALSE(edit.findSection(2, section));
    edit.setRange(1, SRange(30, 40));
    ASSERT_TRUE(edit.findSection(3, section));
    EXPECT_EQ(30, section.range.minimum);
    EXPECT_THROW(edit.setRange(2, 0, 1), std::out_of_range);
    edit.setRanges(2, positions, values);
    EXPECT_FALSE(edit.findSection(3, section));
}

TEST_F(EditEx, WithoutMaskItIsAPlainEdit)
{
    CTestEditEx edit(L"", {});
    create(edit);
    typeText(edit, L"x1");
    EXPECT_EQ(L"x1", textOf(edit));
    edit.SetSel(0, 1);
    edit.SendMessage(WM_CLEAR);
    EXPECT_EQ(L"1", textOf(edit));
}

TEST_F(EditEx, MaskIsFixedOnceTheWindowExists)
{
    CTestEditEx edit(L"$$", {});
    create(edit);
    edit.setMask(L"$$$$");
    typeText(edit, L"1234");
    EXPECT_EQ(L"12", textOf(edit));
}

TEST_F(EditEx, TemplateEditTakesItsMaskWhenSubclassed)
{
    HWND plain = CreateWindowExW(0, L"EDIT", L"old", kEditStyle, 0, 0, 100, 20, host.m_hWnd,
                                 HMENU(UINT_PTR(101)), nullptr, nullptr);
    CTestEditEx edit(L"$$:$$", {});
    ASSERT_TRUE(edit.SubclassWindow(plain));
    EXPECT_EQ(L"  :  ", textOf(edit));
    EXPECT_EQ(5u, edit.GetLimitText());
}
