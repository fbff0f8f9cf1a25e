#pragma once

#include "WfxApi.h"

// Shows the wait cursor for the object's lifetime (nested objects keep it
// until the outermost one ends).
class WFX_API CWaitCursor
{
public:
    CWaitCursor();
    ~CWaitCursor();
    CWaitCursor(const CWaitCursor&) = delete;
    CWaitCursor& operator=(const CWaitCursor&) = delete;

    void Restore();
};
