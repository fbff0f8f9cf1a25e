#include "CTransmError.h"

namespace {
const wchar_t* const kMessages[] = {
    L"Unknown command",
    L"Unknown frame",
    L"Błędny nagłówek ramki",
    L"Frame CRC error",
    L"Error other than transmission",
};
} // namespace

CTransmError::CTransmError() : CDeviceErrorBase(L"Transmission", kMessages) {}
