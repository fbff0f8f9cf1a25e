#pragma once

#include <CSendrelMutex.h>

// Holds a mutex for the life of the guard; a null mutex is no lock at all.
class CMutexGuard
{
public:
    explicit CMutexGuard(CSendrelMutex* mutex);
    CMutexGuard(const CMutexGuard&) = delete;
    CMutexGuard& operator=(const CMutexGuard&) = delete;
    virtual ~CMutexGuard();

private:
    CSendrelMutex* m_mutex;
};
