#pragma once

#include "CSettingsRecord.h"

#include <cstdint>
#include <string>
#include <variant>
#include <vector>

class CSettingsFile;

// The group reader that asks for a key.
enum class SettingsGroup
{
    DevAndCarInfo,
    Base,
    Adv,
    MainCorr,
    CorrMap,
    SetupTimes,
    AdvancedSetup,
    SensorsSetup
};

// The serial keeps only its first characters in a file.
struct SerialText
{
    std::wstring* text;
};

// A double that the controller holds as a signed byte: read back as the
// whole number that byte can hold.
struct SignedByteNumber
{
    double* number;
};

// One line of a settings file: its key and the record field it holds.
struct SettingsField
{
    using Target = std::variant<std::wstring*, SerialText, double*, SignedByteNumber, int32_t*, uint32_t*,
                                uint16_t*, uint8_t*>;

    std::wstring key;
    Target target;
    SettingsGroup group;
    // A missing optional key leaves the field as it is; a missing required
    // key fails its reader.
    bool optional = false;
};

// Every saved field of the record, in the order the file holds them.
std::vector<SettingsField> settingsFields(CSettingsRecord& record);

bool writeSettingsField(CSettingsFile& file, const SettingsField& field);
// Stores the key's value into the field; false when the key is missing.
bool readSettingsField(const CSettingsFile& file, const SettingsField& field);
