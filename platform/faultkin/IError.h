#pragma once

#include "FaultkinApi.h"

#include <string>
#include <vector>

// Base of every error object. Errors are allocated with new, thrown by pointer,
// caught as IError* and deleted by the catcher. An error owns its inner error.
//
// The message list is indexed by the error code: IError fills codes 0..4,
// CRunTime adds 5..9, and a derived class appends its own texts in setMsgs,
// so a class derived straight from IError owns codes 5 and up.
class FAULTKIN_API IError
{
public:
    IError(unsigned code, const wchar_t* where, int line, const wchar_t* file);
    IError(unsigned code, const wchar_t* where, IError* inner, int line, const wchar_t* file);
    IError(const IError&) = delete;
    IError& operator=(const IError&) = delete;

    virtual void setMsgs();
    virtual ~IError();
    virtual std::wstring name() const;
    virtual std::wstring format() const;

    unsigned code() const { return m_code; }
    const std::wstring& where() const { return m_where; }
    const IError* inner() const { return m_inner; }
    int line() const { return m_line; }
    const std::wstring& file() const { return m_file; }
    const std::vector<std::wstring>& msgs() const { return m_msgs; }
    // The message text that belongs to the code, or a generic text.
    std::wstring message() const;

protected:
    std::vector<std::wstring> m_msgs;

private:
    unsigned m_code;
    std::wstring m_where;
    IError* m_inner;
    int m_line;
    std::wstring m_file;
};
