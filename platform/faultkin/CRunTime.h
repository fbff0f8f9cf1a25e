#pragma once

#include "IError.h"

// General run-time failure; adds the message texts of codes 5..9.
class FAULTKIN_API CRunTime : public IError
{
public:
    CRunTime(unsigned code, const wchar_t* where, int line, const wchar_t* file);
    CRunTime(unsigned code, const wchar_t* where, IError* inner, int line, const wchar_t* file);
    ~CRunTime() override;
    std::wstring name() const override;

private:
    void addRunTimeMsgs();
};
