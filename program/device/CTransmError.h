#pragma once

#include "CDeviceErrorBase.h"

// Error byte of the link to the PC.
class CTransmError : public CDeviceErrorBase
{
public:
    CTransmError();
};
