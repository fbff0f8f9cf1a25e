#pragma once

#include "SendrelApi.h"

class CSemThread;

// Runs thread objects on threads of their own and disposes of them when
// their body returns. Nothing that escapes a body reaches the caller.
class SENDREL_API CThreadManager
{
public:
    CThreadManager();
    CThreadManager(const CThreadManager&) = delete;
    CThreadManager& operator=(const CThreadManager&) = delete;
    virtual ~CThreadManager();

    // Takes ownership of `thread` (made with new) and starts its body.
    // Returns at once. When no thread can be started the object is deleted.
    void insert(CSemThread* thread);
};
