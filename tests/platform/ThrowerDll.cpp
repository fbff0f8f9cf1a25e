#include "ThrowerDll.h"

#include <ansi2unicode.h>

int CThrowerError::s_destroyed = 0;

CThrowerError::CThrowerError(unsigned code, const wchar_t* where, IError* inner, int line, const wchar_t* file)
    : CRunTime(code, where, inner, line, file)
{
}

CThrowerError::~CThrowerError() { ++s_destroyed; }

void CThrowerError::setMsgs() { m_msgs.push_back(L"Thrower failed."); }

std::wstring CThrowerError::name() const { return L"CThrowerError"; }

void throwNested()
{
    std::wstring file = ansi2unicode("ThrowerDll");
    IError* inner = new IError(3, L"inner()", 7, file.c_str());
    auto* e = new CThrowerError(10, L"throwNested() - GetLastError()=5", inner, 21, file.c_str());
    e->setMsgs();
    throw static_cast<IError*>(e);
}
