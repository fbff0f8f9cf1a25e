#pragma once

#include "CDeviceErrorBase.h"

// Error byte of the gas injector outputs.
class CInjError : public CDeviceErrorBase
{
public:
    CInjError();
};
