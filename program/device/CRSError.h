#pragma once

#include <IError.h>

// Failure of the serial port: code 5 for a port that cannot be opened,
// 6 for any other failed port call.
class CRSError : public IError
{
public:
    using IError::IError;

    void setMsgs() override;
    ~CRSError() override;
    std::wstring name() const override;
};
