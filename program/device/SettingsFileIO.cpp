#include "SettingsFileIO.h"

#include "CSettingsFile.h"
#include "SettingsFileFields.h"

#include <windows.h>

#include <cwchar>

namespace {

const unsigned kTemporaryNameTries = 64;

std::wstring folderOf(const std::wstring& path)
{
    size_t slash = path.find_last_of(L"\\/");
    return slash == std::wstring::npos ? std::wstring(L".\\") : path.substr(0, slash + 1);
}

// A new empty file in the folder of `path`, so that moving it over `path`
// never crosses a volume. The name is made here: GetTempFileNameW writes
// into a MAX_PATH buffer whatever the folder's length.
bool createFileBeside(const std::wstring& path, std::wstring& created)
{
    const std::wstring folder = folderOf(path);
    const unsigned first = GetTickCount() ^ GetCurrentProcessId();
    for (unsigned n = 0; n < kTemporaryNameTries; ++n) {
        wchar_t name[16];
        swprintf(name, 16, L"kws%04X.tmp", (first + n) & 0xFFFF);
        const std::wstring candidate = folder + name;
        HANDLE file = CreateFileW(candidate.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_NEW,
                                  FILE_ATTRIBUTE_NORMAL, nullptr);
        if (file != INVALID_HANDLE_VALUE) {
            CloseHandle(file);
            created = candidate;
            return true;
        }
        if (GetLastError() != ERROR_FILE_EXISTS && GetLastError() != ERROR_ALREADY_EXISTS)
            return false;
    }
    return false;
}

bool writeAllFields(const std::wstring& path, CSettingsRecord& record)
{
    CSettingsFile file;
    if (!file.open(path, true))
        return false;
    bool written = true;
    for (const SettingsField& field : settingsFields(record))
        written = writeSettingsField(file, field) && written;
    return file.close() && written;
}

bool readGroupFrom(const CSettingsFile& file, CSettingsRecord& record, SettingsGroup group)
{
    for (const SettingsField& field : settingsFields(record)) {
        if (field.group == group && !readSettingsField(file, field) && !field.optional)
            return false;
    }
    return true;
}

bool readGroup(const std::wstring& path, CSettingsRecord& record, SettingsGroup group)
{
    CSettingsFile file;
    return file.open(path, false) && readGroupFrom(file, record, group);
}

} // namespace

bool writeSettingsFile(const std::wstring& path, CSettingsRecord record)
{
    std::wstring temporary;
    if (!createFileBeside(path, temporary))
        return false;
    if (writeAllFields(temporary, record) &&
        MoveFileExW(temporary.c_str(), path.c_str(), MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH))
        return true;
    DeleteFileW(temporary.c_str());
    return false;
}

// The file is parsed once; every group reads from the same key index.
bool readSettingsFile(const std::wstring& path, CSettingsRecord& record)
{
    CSettingsFile file;
    if (!file.open(path, false) || !file.readString(L"m_timeStamp", record.m_timeStamp))
        return false;
    for (SettingsGroup group : {SettingsGroup::DevAndCarInfo, SettingsGroup::Base, SettingsGroup::Adv,
                                SettingsGroup::MainCorr, SettingsGroup::CorrMap, SettingsGroup::SetupTimes,
                                SettingsGroup::AdvancedSetup, SettingsGroup::SensorsSetup}) {
        if (!readGroupFrom(file, record, group))
            return false;
    }
    return true;
}

bool readDevAndCarInfo(const std::wstring& path, CSettingsRecord& record)
{
    return readGroup(path, record, SettingsGroup::DevAndCarInfo);
}

bool readBaseSettings(const std::wstring& path, CSettingsRecord& record)
{
    return readGroup(path, record, SettingsGroup::Base);
}

bool readAdvSettings(const std::wstring& path, CSettingsRecord& record)
{
    return readGroup(path, record, SettingsGroup::Adv);
}

bool readMainCorr(const std::wstring& path, CSettingsRecord& record)
{
    return readGroup(path, record, SettingsGroup::MainCorr);
}

bool readCorrMap(const std::wstring& path, CSettingsRecord& record)
{
    return readGroup(path, record, SettingsGroup::CorrMap);
}

bool readSetupTimes(const std::wstring& path, CSettingsRecord& record)
{
    return readGroup(path, record, SettingsGroup::SetupTimes);
}

bool readAdvancedSetup(const std::wstring& path, CSettingsRecord& record)
{
    return readGroup(path, record, SettingsGroup::AdvancedSetup);
}

bool readSensorsSetup(const std::wstring& path, CSettingsRecord& record)
{
    return readGroup(path, record, SettingsGroup::SensorsSetup);
}
