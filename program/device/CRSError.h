#pragma once

#include <IError.h>

// Failure of the serial port: code 5 for a port that cannot be opened,
// 6 for any other failed port call.
class CRSError : public IError
{
public:
    CRSError(unsigned code, const wchar_t* where, int line, const wchar_t* file);
    CRSError(unsigned code, const wchar_t* where, IError* cause, int line, const wchar_t* file);

    void setMsgs() override;
    ~CRSError() override;
    std::wstring name() const override;
};
