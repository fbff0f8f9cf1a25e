#include "CCircuitsErr.h"

namespace {
const wchar_t* const kMessages[] = {
    L"Error - gas injector 1 overcurrent", L"Error - gas injector 2 overcurrent",
    L"Error - gas injector 3 overcurrent", L"Error - gas injector 4 overcurrent",
    L"Error - gas valves opencircuit",     L"Error - gas valves overcurrent",
    L"Error - external +5V overcurrent",   L"Error - switch circuit open",
};
} // namespace

CCircuitsErr::CCircuitsErr() : CDeviceErrorBase(L"Circuits", kMessages) {}
