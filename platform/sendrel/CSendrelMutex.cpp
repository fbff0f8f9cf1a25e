#include "CSendrelMutex.h"

CSendrelMutex::CSendrelMutex() { InitializeCriticalSection(&m_section); }

CSendrelMutex::~CSendrelMutex() { DeleteCriticalSection(&m_section); }

void CSendrelMutex::lock() { EnterCriticalSection(&m_section); }

void CSendrelMutex::unlock() { LeaveCriticalSection(&m_section); }
