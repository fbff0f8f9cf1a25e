#include "CEEPROMError.h"

namespace {
const wchar_t* const kMessages[] = {
    L"Error - writing to EEPROM",
    L"Error - reading EEPROM",
    L"Error - EEPROM addresss",
    L"Error - invalid EEPROM format",
    L"Error - writing struct to EEPROM",
    L"Error - reading struct from EEPROM",
    L"Error - invalid EEPROM struct type",
    L"EEPROM CRC error",
};
} // namespace

CEEPROMError::CEEPROMError() : CDeviceErrorBase(L"EEPROM", kMessages) {}
