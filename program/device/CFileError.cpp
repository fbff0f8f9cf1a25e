#include "CFileError.h"

CFileError::CFileError(unsigned code, const wchar_t* where, int line, const wchar_t* file)
    : IError(code, where, line, file)
{
}

CFileError::CFileError(unsigned code, const wchar_t* where, IError* cause, int line, const wchar_t* file)
    : IError(code, where, cause, line, file)
{
}

CFileError::~CFileError() = default;

void CFileError::setMsgs()
{
    m_msgs.push_back(L"Błąd wykonania operacji na pliku.");
    m_msgs.push_back(L"Błąd wykonania operacji dla katalogu.");
}

std::wstring CFileError::name() const
{
    return L"CFileError";
}
