#pragma once

#include <IError.h>

// Failure of a file or folder operation. Its texts are those of the error
// library's family and stay untranslated.
class CFileError : public IError
{
public:
    CFileError(unsigned code, const wchar_t* where, int line, const wchar_t* file);
    CFileError(unsigned code, const wchar_t* where, IError* cause, int line, const wchar_t* file);

    void setMsgs() override;
    ~CFileError() override;
    std::wstring name() const override;
};
