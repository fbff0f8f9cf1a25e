#include "CRunTime.h"

CRunTime::CRunTime(unsigned code, const wchar_t* where, int line, const wchar_t* file)
    : IError(code, where, line, file)
{
    addRunTimeMsgs();
}

CRunTime::CRunTime(unsigned code, const wchar_t* where, IError* inner, int line, const wchar_t* file)
    : IError(code, where, inner, line, file)
{
    addRunTimeMsgs();
}

CRunTime::~CRunTime() = default;

std::wstring CRunTime::name() const { return L"CRunTime"; }

void CRunTime::addRunTimeMsgs()
{
    m_msgs.push_back(L"Run-time error.");
    m_msgs.push_back(L"System call failed.");
    m_msgs.push_back(L"Resource not available.");
    m_msgs.push_back(L"Time-out.");
    m_msgs.push_back(L"Internal error.");
}
