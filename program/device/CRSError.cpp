#include "CRSError.h"

#include "translate.h"

CRSError::CRSError(unsigned code, const wchar_t* where, int line, const wchar_t* file)
    : IError(code, where, line, file)
{
}

CRSError::CRSError(unsigned code, const wchar_t* where, IError* cause, int line, const wchar_t* file)
    : IError(code, where, cause, line, file)
{
}

CRSError::~CRSError() = default;

void CRSError::setMsgs()
{
    m_msgs.push_back(translate(L"Can't open port Rs232"));
    m_msgs.push_back(translate(L"Error on port Rs232"));
}

std::wstring CRSError::name() const
{
    return L"CRSError";
}
