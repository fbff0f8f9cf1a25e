#pragma once

#include "CDeviceErrorBase.h"

// Error byte of the controller's settings memory.
class CEEPROMError : public CDeviceErrorBase
{
public:
    CEEPROMError();
};
