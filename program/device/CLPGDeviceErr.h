#pragma once

#include "CObdDiagnostic.h"

// Turns the controller's error bytes into translated messages.
class CLPGDeviceErr : public CObdDiagnostic
{
public:
    CLPGDeviceErr();
    ~CLPGDeviceErr() override;
};
