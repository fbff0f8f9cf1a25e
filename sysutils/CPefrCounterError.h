#pragma once

#include "HostkitLibApi.h"

#include <CRunTime.h>

// Failure of the stopwatch; its one message text sits at code 10, after those of CRunTime.
class HOSTKIT_API CPefrCounterError : public CRunTime
{
public:
    CPefrCounterError(unsigned code, const wchar_t* where, int line, const wchar_t* file);
    CPefrCounterError(unsigned code, const wchar_t* where, IError* cause, int line, const wchar_t* file);

    void setMsgs() override;
    ~CPefrCounterError() override;
    std::wstring name() const override;
};
