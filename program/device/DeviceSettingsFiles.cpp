#include "CLPGDevice.h"

#include "SettingsFileIO.h"

bool CLPGDevice::loadSettingsFile(const std::wstring& path, CSettingsRecord& record)
{
    // Read into a copy, so a file refused half way changes nothing.
    CSettingsRecord loaded = record;
    if (!readSettingsFile(path, loaded))
        return false;
    record = loaded;
    return true;
}
