#pragma once

#include "CThreadManager.h"

// The manager a program derives its own thread manager from.
class SENDREL_API CMultiThread : public CThreadManager
{
public:
    CMultiThread();
    ~CMultiThread() override;
};
