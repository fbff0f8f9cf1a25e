#pragma once

#include "CEditEx.h"

// A masked edit for dates as dd/mm/yyyy.
class PRAMBLE_API CDateEditEx : public CEditEx
{
    DECLARE_DYNAMIC(CDateEditEx)

public:
    CDateEditEx();

    void setDay(int min, int max) { setRange(0, min, max); }
    void setMonth(int min, int max) { setRange(1, min, max); }
    void setYear(int min, int max) { setRange(2, min, max); }

    bool isOk() const override;
    // Shows the date when it is a valid date; false otherwise or without a
    // window.
    bool setDate(const CString& s);
    bool setDate(const CTime& t);
    bool setCurrentDate();

protected:
    static bool isDate(const CString& s);
};
