#include "CInjError.h"

namespace {
const wchar_t* const kMessages[] = {
    L"Error - gas injector 1 open circuit", L"Error - gas injector 2 open circuit",
    L"Error - gas injector 3 open circuit", L"Error - gas injector 4 open circuit",
    L"Error - gas injector 5 open circuit", L"Error - gas injector 6 open circuit",
    L"Error - gas injector 7 open circuit", L"Error - gas injector 8 open circuit",
};
} // namespace

CInjError::CInjError() : CDeviceErrorBase(L"Gas injectors", kMessages) {}
