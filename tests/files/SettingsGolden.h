#pragma once

#include <CSettingsRecord.h>

#include <string>
#include <utility>
#include <vector>

// The lines a settings file of the record must hold, key and value text,
// written out here key by key so the program's own key list is checked
// against an independent one.
std::vector<std::pair<std::string, std::string>> expectedLines(const CSettingsRecord& r);
// The whole file as it lies on disk: CR LF after every line.
std::string expectedFile(const CSettingsRecord& r);
std::string joinLines(const std::vector<std::pair<std::string, std::string>>& lines);

// The keys a file may lack and still load.
const std::vector<std::string>& optionalKeys();

// Every saved field at a value other than its default and other than its
// neighbours', exactly representable with six decimals.
CSettingsRecord nonDefaultRecord();
