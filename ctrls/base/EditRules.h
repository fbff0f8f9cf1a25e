#pragma once

// Character and number rules shared by the filtered edits (not exported).

#include <Wfx.h>

namespace pramble {

// Only ASCII digits make numbers; other scripts' digits are not values here.
inline bool isDigitChar(UINT ch)
{
    return ch >= L'0' && ch <= L'9';
}

// The mask characters that stand for a typed character (each masked edit
// gives them its own meaning); every other mask character is a literal.
inline bool isMaskPlaceholder(wchar_t m)
{
    return m == L'#' || m == L'$' || m == L'@';
}

// The text of an empty field: the mask with a blank for every placeholder.
CString blankMask(const CString& mask);

// Digits where dd/mm/yyyy has them (the text must have 10 characters).
bool hasDateDigits(const CString& s);

inline bool isLeapYear(long long year)
{
    return year % 4 == 0 && (year % 100 != 0 || year % 400 == 0);
}

// The number at the start of text[first..last] (leading blanks and a sign
// allowed, read up to the first non-digit), 0 when there is none. Values grow
// no further than a cap far beyond any 32-bit range, so long runs of digits
// cannot overflow.
long long readNumber(const CString& text, int first, int last);

// 10^k, with k capped where any 32-bit value divided by it is 0 anyway.
long long powerOfTen(int k);

} // namespace pramble
