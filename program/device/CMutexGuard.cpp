#include "CMutexGuard.h"

CMutexGuard::CMutexGuard(CSendrelMutex* mutex) : m_mutex(mutex)
{
    if (m_mutex)
        m_mutex->lock();
}

CMutexGuard::~CMutexGuard()
{
    if (m_mutex)
        m_mutex->unlock();
}
