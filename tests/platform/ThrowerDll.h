#pragma once

#include <CRunTime.h>

#ifdef THROWER_BUILD
#define THROWER_API __declspec(dllexport)
#else
#define THROWER_API __declspec(dllimport)
#endif

// An error class that lives in another DLL than the one that catches it.
class THROWER_API CThrowerError : public CRunTime
{
public:
    CThrowerError(unsigned code, const wchar_t* where, IError* inner, int line, const wchar_t* file);
    ~CThrowerError() override;
    void setMsgs() override;
    std::wstring name() const override;

    static int s_destroyed;
};

THROWER_API void throwNested();
