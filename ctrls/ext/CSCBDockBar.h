#pragma once

#include "PrambleApi.h"

#include <Wfx.h>

// The dock bar to use with sizing control bars (the frame's dock bar as it is).
class PRAMBLE_API CSCBDockBar : public CDockBar
{
public:
    CSCBDockBar();
    ~CSCBDockBar() override;
};
