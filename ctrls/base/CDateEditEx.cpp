#include "CDateEditEx.h"

#include "EditRules.h"

using namespace pramble;

IMPLEMENT_DYNAMIC(CDateEditEx, CEditEx)

CDateEditEx::CDateEditEx()
{
    setMask(L"$$/$$/$$$$");
    setRanges({SSection(0, 1, 1, 31), SSection(3, 4, 1, 12), SSection(6, 9, 1980, 2100)});
    setFrgrd(0x000000FF);
}

bool CDateEditEx::isOk() const
{
    return CEditEx::isOk() && isDate(getText());
}

bool CDateEditEx::setDate(const CString& s)
{
    if (!m_hWnd || !isDate(s))
        return false;
    SetWindowText(s);
    return true;
}

bool CDateEditEx::setDate(const CTime& t)
{
    return setDate(t.Format(L"%d/%m/%Y"));
}

bool CDateEditEx::setCurrentDate()
{
    return setDate(CTime::GetCurrentTime());
}

// Digits where the mask wants them, and a day the month has.
bool CDateEditEx::isDate(const CString& s)
{
    static const int daysInMonth[12] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
    if (!hasDateDigits(s))
        return false;
    const long long day = readNumber(s, 0, 1);
    const long long month = readNumber(s, 3, 4);
    const long long year = readNumber(s, 6, 9);
    if (month < 1 || month > 12 || day == 0)
        return false;
    const long long days = daysInMonth[month - 1] + (month == 2 && isLeapYear(year));
    return day <= days;
}
