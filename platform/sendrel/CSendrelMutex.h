#pragma once

#include "SendrelApi.h"

#include <windows.h>

// A mutex between the threads of one process. Callers never lock it twice.
class SENDREL_API CSendrelMutex
{
public:
    CSendrelMutex();
    CSendrelMutex(const CSendrelMutex&) = delete;
    CSendrelMutex& operator=(const CSendrelMutex&) = delete;
    virtual ~CSendrelMutex();

    void lock();
    void unlock();

private:
    CRITICAL_SECTION m_section;
};
