#pragma once

#include "CDeviceErrorBase.h"

// Error byte of the output circuits.
class CCircuitsErr : public CDeviceErrorBase
{
public:
    CCircuitsErr();
};
