#pragma once

#include "CWnd.h"

// A frame window: what GetParentFrame looks for. The frame's layout and
// command routing belong here.
class WFX_API CFrameWnd : public CWnd
{
    DECLARE_DYNCREATE(CFrameWnd)

public:
    CFrameWnd() = default;
    BOOL IsFrameWnd() const override { return TRUE; }
};
