#pragma once

#include "CSettingsRecord.h"

#include <string>

// Writes the record as a settings file. The file is written beside the path
// and replaces it only when complete: a failed save leaves an older file of
// that name as it was.
bool writeSettingsFile(const std::wstring& path, CSettingsRecord record);

// Fills the record from a settings file: false for a missing file, a file
// without "m_timeStamp" or one that lacks a required key. The record may
// then hold part of the file.
bool readSettingsFile(const std::wstring& path, CSettingsRecord& record);

// The readers of one group each, opening the file on their own.
bool readDevAndCarInfo(const std::wstring& path, CSettingsRecord& record);
bool readBaseSettings(const std::wstring& path, CSettingsRecord& record);
bool readAdvSettings(const std::wstring& path, CSettingsRecord& record);
bool readMainCorr(const std::wstring& path, CSettingsRecord& record);
bool readCorrMap(const std::wstring& path, CSettingsRecord& record);
bool readSetupTimes(const std::wstring& path, CSettingsRecord& record);
bool readAdvancedSetup(const std::wstring& path, CSettingsRecord& record);
bool readSensorsSetup(const std::wstring& path, CSettingsRecord& record);
