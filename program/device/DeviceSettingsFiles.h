#pragma once

#include "CSettingsRecord.h"

#include <string>

// Results of saving and opening a settings file.
const int kSettingsSaved = 0;
const int kSettingsNotSaved = 4; // cancelled or not written
const int kSettingsLoaded = 0;
const int kSettingsCancelled = 1;
const int kSettingsUnreadable = 2;

// Asks for a settings file in the settings folder and reads it into the
// record, a fresh default one that the caller discards unless loaded.
int openSettingsFile(CSettingsRecord& record);

// The presets the program loads on its own, in the "Kestrelwave PRESET"
// folder beside the program.
extern const wchar_t kInitialSettingsPreset[];
extern const wchar_t kAfterCalibrationPreset[];
std::wstring presetFilePath(const wchar_t* fileName);

// Copies into `loaded` the fields of `live` that settings files do not
// hold, so that taking groups of a loaded record keeps what the controller
// has there (lock data, circuit limits, map axes, bytes sent back as read).
void keepUnsavedFields(const CSettingsRecord& live, CSettingsRecord& loaded);

// Takes the base, additional, sensors and advanced set-up groups of the
// initial preset into `live`; false, with `live` untouched, when the preset
// is missing or unreadable.
bool loadInitialPreset(CSettingsRecord& live);
