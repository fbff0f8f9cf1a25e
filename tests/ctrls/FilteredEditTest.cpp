#include "PrambleTestSupport.h"

#include <Pramble.h>

#include <gtest/gtest.h>

using namespace wfxtest;
using namespace prambletest;

namespace {

const DWORD kEditStyle = WS_CHILD | WS_VISIBLE | WS_BORDER | ES_AUTOHSCROLL;

// An edit of the given class on a host window of its own.
template <class Edit> class EditTest : public ::testing::Test
{
protected:
    void SetUp() override { ASSERT_TRUE(edit.Create(kEditStyle, CRect(10, 10, 200, 34), &host, 100)); }

    void setText(LPCWSTR text, int caret)
    {
        edit.SetWindowText(text);
        edit.SetSel(caret, caret);
    }

    HostWindow host;
    Edit edit;
};

// A masked field checked as a date.
class CDateExtEdit : public CExtEdit
{
public:
    CDateExtEdit() { m_bDate = TRUE; }
};

using IntEdit = EditTest<CIntEdit>;
using FloatEdit = EditTest<CFloatEdit>;
using ExtEdit = EditTest<CExtEdit>;
using DateExtEdit = EditTest<CDateExtEdit>;

// Ranges in the arrays the control takes over.
void setRange(CExtEdit& edit, int first, int last, int min, int max)
{
    edit.SetRanges(1, new int[2]{first, last}, new int[2]{min, max});
}

} // namespace

TEST_F(IntEdit, TakesDigitsWithOneLeadingMinusAndOnePercentSign)
{
    EXPECT_TRUE(edit.IsKindOf(RUNTIME_CLASS(CEdit)));
    typeText(edit, L"-");
    EXPECT_EQ(L"-", textOf(edit)); // into the empty field
    edit.SetWindowText(L"");
    typeText(edit, L"12a-.");
    EXPECT_EQ(L"12", textOf(edit)); // a minus after a digit is dropped
    edit.SetSel(0, 0);
    typeText(edit, L"-");
    EXPECT_EQ(L"-12", textOf(edit));
    edit.SetSel(0, 0);
    typeText(edit, L"-");
    EXPECT_EQ(L"-12", textOf(edit));
    edit.SetSel(3, 3);
    typeText(edit, L"%%");
    EXPECT_EQ(L"-12%", textOf(edit));
    typeText(edit, L"\b\b");
    EXPECT_EQ(L"-1", textOf(edit));
}

TEST_F(IntEdit, EnterHandsTheFocusToTheParent)
{
    edit.SetFocus();
    ASSERT_EQ(edit.m_hWnd, ::GetFocus());
    pressKey(edit, VK_TAB);
    EXPECT_EQ(edit.m_hWnd, ::GetFocus());
    pressKey(edit, VK_RETURN);
    EXPECT_EQ(host.m_hWnd, ::GetFocus());
}

TEST_F(FloatEdit, LimitsIntegerAndFractionDigits)
{
    typeText(edit, L"1234567");
    EXPECT_EQ(L"123456", textOf(edit));
    typeText(edit, L".78x9");
    EXPECT_EQ(L"123456.78", textOf(edit));
    typeText(edit, L".");
    EXPECT_EQ(L"123456.78", textOf(edit));
}

TEST_F(FloatEdit, FullFractionTakesDigitsOnlyBeforeTheSeparator)
{
    setText(L"1.23", 4);
    typeText(edit, L"4");
    EXPECT_EQ(L"1.23", textOf(edit));
    edit.SetSel(0, 0);
    typeText(edit, L"5");
    EXPECT_EQ(L"51.23", textOf(edit));
}

TEST_F(FloatEdit, SeparatorStaysWhileDigitsFollowIt)
{
    setText(L"1.23", 2);
    typeText(edit, L"\b");
    EXPECT_EQ(L"1.23", textOf(edit));
    edit.SetSel(1, 1);
    pressKey(edit, VK_DELETE);
    EXPECT_EQ(L"1.23", textOf(edit));
    edit.SetSel(2, 2);
    pressKey(edit, VK_DELETE);
    EXPECT_EQ(L"1.3", textOf(edit));
    edit.SetSel(4, 4);
    pressKey(edit, VK_DELETE); // at the end: nothing to delete
    EXPECT_EQ(L"1.3", textOf(edit));
    edit.SetSel(0, -1);
    pressKey(edit, VK_DELETE);
    EXPECT_EQ(L"", textOf(edit));
}

TEST_F(FloatEdit, TrailingSeparatorCanBeDeleted)
{
    setText(L"12.", 2);
    pressKey(edit, VK_DELETE);
    EXPECT_EQ(L"12", textOf(edit));
}

TEST_F(FloatEdit, WholeSelectionIsReplacedByADigit)
{
    setText(L"123456", 0);
    edit.SetSel(0, -1);
    typeText(edit, L"7");
    EXPECT_EQ(L"7", textOf(edit));
}

TEST_F(ExtEdit, TypingOverwritesAndJumpsOverLiterals)
{
    ASSERT_EQ(1, edit.SetMask(L"$$/$$/$$$$"));
    EXPECT_EQ(L"  /  /    ", textOf(edit));
    typeText(edit, L"31x02");
    EXPECT_EQ(L"31/02/    ", textOf(edit));
    EXPECT_EQ(5, caretOf(edit));
    typeText(edit, L"2020");
    EXPECT_EQ(L"31/02/2020", textOf(edit));
    EXPECT_EQ(L"31/02/2020", edit.GetText().str());
    typeText(edit, L"1"); // past the mask
    EXPECT_EQ(L"31/02/2020", textOf(edit));
    edit.SetSel(0, 0);
    typeText(edit, L"2");
    EXPECT_EQ(L"21/02/2020", textOf(edit));
}

TEST_F(ExtEdit, LettersAnyCharactersAndControlKeys)
{
    edit.SetMask(L"@@-##");
    typeText(edit, L"1aZ");
    EXPECT_EQ(L"aZ-  ", textOf(edit));
    typeText(edit, L"\x16\x03?!");
    EXPECT_EQ(L"aZ-?!", textOf(edit));
}

TEST_F(ExtEdit, BackspaceBlanksAndSkipsLiterals)
{
    edit.SetMask(L"$$/$$");
    typeText(edit, L"120");
    EXPECT_EQ(L"12/0 ", textOf(edit));
    typeText(edit, L"\b");
    EXPECT_EQ(L"12/  ", textOf(edit));
    EXPECT_EQ(3, caretOf(edit));
    typeText(edit, L"\b");
    EXPECT_EQ(L"1 /  ", textOf(edit));
    EXPECT_EQ(1, caretOf(edit));
    typeText(edit, L"\b\b");
    EXPECT_EQ(L"  /  ", textOf(edit));
    EXPECT_EQ(0, caretOf(edit));
}

TEST_F(ExtEdit, DeleteBlanksFieldsAndKeepsLiterals)
{
    edit.SetMask(L"$$/$$/$$$$");
    typeText(edit, L"31012020");
    edit.SetSel(1, 7);
    pressKey(edit, VK_DELETE);
    EXPECT_EQ(L"3 /  / 020", textOf(edit));
    EXPECT_EQ(1, caretOf(edit));
    edit.SetSel(2, 2);
    pressKey(edit, VK_DELETE);
    EXPECT_EQ(L"3 /  / 020", textOf(edit));
    edit.SetSel(0, 0);
    pressKey(edit, VK_DELETE);
    EXPECT_EQ(L"  /  / 020", textOf(edit));
    edit.SetSel(10, 10);
    pressKey(edit, VK_DELETE);
    EXPECT_EQ(L"  /  / 020", textOf(edit));
}

TEST_F(ExtEdit, EndGoesToTheFirstBlankUnlessShiftIsHeld)
{
    edit.SetMask(L"$$/$$");
    typeText(edit, L"12");
    edit.SetSel(0, 0);
    pressKey(edit, VK_END);
    EXPECT_EQ(3, caretOf(edit));
    edit.SetSel(0, 0);
    edit.SendMessage(WM_KEYDOWN, VK_SHIFT, 1);
    edit.SendMessage(WM_KEYDOWN, VK_END, 1);
    edit.SendMessage(WM_KEYUP, VK_SHIFT, 0xC0000001);
    EXPECT_NE(3, caretOf(edit)); // the edit's own End
}

TEST_F(ExtEdit, DigitRangeIsCheckedWhenTheFieldIsComplete)
{
    edit.SetMask(L"$$/$$");
    setRange(edit, 3, 4, 1, 12);
    typeText(edit, L"011");
    EXPECT_EQ(L"01/1 ", textOf(edit));
    typeText(edit, L"3");
    EXPECT_EQ(L"01/  ", textOf(edit)); // 13 is no month: the field is blanked
    EXPECT_EQ(3, caretOf(edit));
    typeText(edit, L"12");
    EXPECT_EQ(L"01/12", textOf(edit));
}

TEST_F(ExtEdit, LetterRangeTakesCharacterCodes)
{
    edit.SetMask(L"@@");
    setRange(edit, 0, 1, 'A', 'F');
    typeText(edit, L"BZ");
    EXPECT_EQ(L"B ", textOf(edit));
    typeText(edit, L"F");
    EXPECT_EQ(L"BF", textOf(edit));
}

TEST_F(ExtEdit, RangesOutsideTheMaskAreIgnored)
{
    edit.SetMask(L"$$$");
    edit.SetRanges(3, new int[6]{2, 40, -5, 1, 2, 1}, new int[6]{0, 0, 0, 0, 0, 0});
    typeText(edit, L"987");
    EXPECT_EQ(L"987", textOf(edit));
    EXPECT_TRUE(edit.IsOk());
    edit.SetRanges(2, nullptr, new int[4]{0, 0, 0, 0});
    edit.SetSel(0, 0);
    typeText(edit, L"1");
    EXPECT_EQ(L"187", textOf(edit));
}

TEST_F(ExtEdit, PastingIsUndone)
{
    edit.SetMask(L"$$/$$");
    typeText(edit, L"1");
    ASSERT_TRUE(setClipboardText(L"99/99"));
    edit.SetSel(0, 5);
    edit.SendMessage(WM_PASTE);
    EXPECT_EQ(L"1 /  ", textOf(edit));
    EXPECT_EQ(L"1 /  ", edit.GetText().str());
}

TEST_F(ExtEdit, TextSetFromOutsideIsKept)
{
    edit.SetMask(L"$$/$$");
    edit.SetWindowText(L"12/34");
    ASSERT_TRUE(setClipboardText(L"x"));
    edit.SendMessage(WM_PASTE);
    EXPECT_EQ(L"12/34", textOf(edit));
    EXPECT_EQ(L"12/34", edit.GetText().str());
}

TEST_F(ExtEdit, FailedCheckBlanksTheWholeText)
{
    edit.SetMask(L"$$-@@");
    typeText(edit, L"12ab");
    EXPECT_TRUE(edit.IsOk());
    edit.SendMessage(WM_KILLFOCUS);
    EXPECT_EQ(L"12-ab", textOf(edit));
    edit.SetSel(1, 1);
    pressKey(edit, VK_DELETE);
    EXPECT_FALSE(edit.IsOk());
    EXPECT_EQ(L"  -  ", textOf(edit));
}

TEST_F(ExtEdit, ReadOnlyIgnoresKeysAndShowsButtonFace)
{
    edit.SetMask(L"$$");
    EXPECT_EQ(GetSysColor(COLOR_WINDOW), askColors(host, edit).background);
    EXPECT_EQ(1, edit.SetReadOnly(TRUE));
    typeText(edit, L"1");
    pressKey(edit, VK_DELETE);
    EXPECT_EQ(L"  ", textOf(edit));
    CtlColors colors = askColors(host, edit);
    EXPECT_EQ(GetSysColor(COLOR_BTNFACE), colors.background);
    EXPECT_EQ(GetSysColor(COLOR_WINDOWTEXT), colors.text);
    EXPECT_TRUE(colors.brush);
    edit.SetReadOnly(FALSE);
    typeText(edit, L"1");
    EXPECT_EQ(L"1 ", textOf(edit));
}

TEST_F(ExtEdit, ClickInTheBlankTailGoesBackToTheFilledPart)
{
    edit.SetMask(L"$$/$$/$$$$");
    typeText(edit, L"120");
    edit.SetFocus(); // a focused field keeps the click's caret
    EXPECT_EQ(0, caretOf(edit));
    edit.SendMessage(WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(180, 5));
    edit.SendMessage(WM_LBUTTONUP, 0, MAKELPARAM(180, 5));
    EXPECT_EQ(3, caretOf(edit));
    edit.Clear();
    edit.SendMessage(WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(180, 5));
    edit.SendMessage(WM_LBUTTONUP, 0, MAKELPARAM(180, 5));
    EXPECT_EQ(0, caretOf(edit));
}

TEST(ExtEditWithoutWindow, ReportsFailure)
{
    CExtEdit edit;
    EXPECT_EQ(0, edit.SetMask(L"$$"));
    EXPECT_EQ(0, edit.Clear());
    EXPECT_EQ(0, edit.SetDate(L"01/01/2020"));
    EXPECT_FALSE(edit.IsOk());
    EXPECT_EQ(1, edit.SetReadOnly(TRUE));
}

TEST_F(DateExtEdit, ImpossibleDateIsBlankedWhenTheFocusGoes)
{
    edit.SetMask(L"$$/$$/$$$$");
    typeText(edit, L"31022020");
    EXPECT_EQ(L"31/02/2020", textOf(edit));
    edit.SendMessage(WM_KILLFOCUS);
    EXPECT_EQ(L"  /  /    ", textOf(edit));
    EXPECT_FALSE(edit.IsOk());
}

TEST_F(DateExtEdit, LeapDaysFollowTheCalendar)
{
    edit.SetMask(L"$$/$$/$$$$");
    EXPECT_EQ(1, edit.SetDate(L"29/02/2000"));
    EXPECT_EQ(L"29/02/2000", textOf(edit));
    EXPECT_TRUE(edit.IsOk());
    EXPECT_EQ(1, edit.SetDate(L"29/02/2024"));
    EXPECT_EQ(1, edit.SetDate(L"31/12/1999"));
    EXPECT_EQ(1, edit.SetDate(L"30/04/2020"));
    EXPECT_EQ(0, edit.SetDate(L"29/02/1900"));
    EXPECT_EQ(0, edit.SetDate(L"29/02/2023"));
    EXPECT_EQ(0, edit.SetDate(L"31/04/2020"));
    EXPECT_EQ(0, edit.SetDate(L"00/01/2020"));
    EXPECT_EQ(0, edit.SetDate(L"01/13/2020"));
    EXPECT_EQ(L"30/04/2020", textOf(edit));
}

TEST_F(DateExtEdit, DatesNeedDigits)
{
    edit.SetMask(L"$$/$$/$$$$");
    ASSERT_EQ(1, edit.SetDate(L"01/03/2020"));
    EXPECT_EQ(0, edit.SetDate(L"1x/03/2020"));
    EXPECT_EQ(0, edit.SetDate(L"29/02/abcd"));
    EXPECT_EQ(0, edit.SetDate(L" 1/03/2020"));
    EXPECT_EQ(0, edit.SetDate(L"01-03-2020"));
    EXPECT_EQ(0, edit.SetDate(L"01/03/20201"));
    EXPECT_EQ(L"01/03/2020", textOf(edit));
    EXPECT_EQ(L"01/03/2020", edit.GetText().str());
    edit.SetWindowText(L"29/02/abcd");
    EXPECT_FALSE(edit.IsOk());
}
