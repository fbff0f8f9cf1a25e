#pragma once

#include "CGDIpVisualManager.h"

// The drawn look in dark blue with a white caption.
class PRAMBLEGDIP_API CGDIpDarkBlueVisualManager : public CGDIpVisualManager
{
    DECLARE_DYNCREATE(CGDIpDarkBlueVisualManager)

public:
    CGDIpDarkBlueVisualManager();
    ~CGDIpDarkBlueVisualManager() override;
};
