#include "CSensorErr.h"

namespace {
const wchar_t* const kMessages[] = {
    L"No RPM signal",
    L"Error reading pressure sensor",
    L"Error reading gas temperature sensor",
    L"Error reading reducer temperature sensor",
    L"Error - supply voltage too small",
    L"Error reading injection time. Check ignition system.",
};
} // namespace

CSensorErr::CSensorErr() : CDeviceErrorBase(L"Sensors", kMessages) {}
