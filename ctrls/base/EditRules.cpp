#include "EditRules.h"

namespace pramble {

namespace {

const long long kNumberCap = 1000000000000LL;

} // namespace

CString blankMask(const CString& mask)
{
    CString text = mask;
    for (int i = 0; i < text.GetLength(); ++i)
        if (isMaskPlaceholder(text[i]))
            text.SetAt(i, L' ');
    return text;
}

bool hasDateDigits(const CString& s)
{
    if (s.GetLength() != 10)
        return false;
    for (int i : {0, 1, 3, 4, 6, 7, 8, 9})
        if (!isDigitChar(s[i]))
            return false;
    return true;
}

long long readNumber(const CString& text, int first, int last)
{
    int i = first < 0 ? 0 : first;
    const int end = last < text.GetLength() ? last + 1 : text.GetLength();
    while (i < end && iswspace(text[i]))
        ++i;
    bool negative = false;
    if (i < end && (text[i] == L'-' || text[i] == L'+'))
        negative = text[i++] == L'-';
    long long value = 0;
    for (; i < end && isDigitChar(text[i]); ++i)
        if (value < kNumberCap)
            value = value * 10 + (text[i] - L'0');
    return negative ? -value : value;
}

long long powerOfTen(int k)
{
    long long d = 1;
    for (int i = 0; i < k && i < 18; ++i)
        d *= 10;
    return d;
}

} // namespace pramble
