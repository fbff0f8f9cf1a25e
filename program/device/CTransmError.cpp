#include "CTransmError.h"

#include "translate.h"

namespace {
const wchar_t* const kMessages[] = {
    L"Unknown command",
    L"Unknown frame",
    L"Błędny nagłówek ramki",
    L"Frame CRC error",
    L"Error other than transmission",
};
} // namespace

CTransmError::CTransmError() : CDeviceErrorBase(kMessages) {}

std::wstring CTransmError::getName() const
{
    return translate(L"Transmission");
}
