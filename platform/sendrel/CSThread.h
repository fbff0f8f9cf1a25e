#pragma once

#include "SendrelApi.h"

// A thread object: the body runs on a thread of the library once the object
// is handed to a CThreadManager, which then owns it.
class SENDREL_API CThread
{
public:
    CThread();
    CThread(const CThread&) = delete;
    CThread& operator=(const CThread&) = delete;
    virtual ~CThread();
    // The thread body.
    virtual void run() = 0;
};

// A thread the manager can run and dispose of.
class SENDREL_API CSemThread : public CThread
{
public:
    CSemThread();
    ~CSemThread() override;
};

// Base of the program's managed threads.
class SENDREL_API CSThread : public CSemThread
{
public:
    CSThread();
    ~CSThread() override;
};
