#pragma once

#include "CDeviceErrorBase.h"

// Error byte of the sensor inputs.
class CSensorErr : public CDeviceErrorBase
{
public:
    CSensorErr();
};
