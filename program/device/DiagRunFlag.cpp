#include "DiagRunFlag.h"

DiagRunFlag::DiagRunFlag() : m_ended(CreateEventW(nullptr, TRUE, FALSE, nullptr)) {}

DiagRunFlag::~DiagRunFlag()
{
    if (m_ended)
        CloseHandle(m_ended);
}

void DiagRunFlag::markEnded()
{
    SetEvent(m_ended);
}

bool DiagRunFlag::hasEnded() const
{
    return waitEnded(0);
}

bool DiagRunFlag::waitEnded(DWORD timeoutMs) const
{
    return WaitForSingleObject(m_ended, timeoutMs) == WAIT_OBJECT_0;
}
