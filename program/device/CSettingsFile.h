#pragma once

#include <cstdio>
#include <string>
#include <unordered_map>
#include <vector>

// One open settings file: lines of key, TAB and value, one byte per character.
// Reading parses the file once into an index of its keys; the first line
// with a key wins.
class CSettingsFile
{
public:
    CSettingsFile() = default;
    CSettingsFile(const CSettingsFile&) = delete;
    CSettingsFile& operator=(const CSettingsFile&) = delete;
    virtual ~CSettingsFile();

    // Text mode: "w" (created or emptied) when writing, "r" when reading.
    bool open(const std::wstring& path, bool forWriting);
    // False when anything written did not reach the disk.
    bool close();

    bool readString(const std::wstring& key, std::wstring& value) const;
    // The value as a number: as much of it as reads as one, 0 for anything
    // else and for a number that is not finite. Unchanged when the key is missing.
    bool readDouble(const std::wstring& key, double& value) const;

    // One whole line each; false when the runtime did not take all of it.
    bool writeString(const std::wstring& key, const std::wstring& value);
    bool writeDouble(const std::wstring& key, double value);

    const std::wstring& path() const { return m_path; }

private:
    struct Line
    {
        std::string key;
        std::string value;
        bool hasValue;
    };

    bool loadLines();

    FILE* m_file = nullptr;
    std::wstring m_path;
    bool m_writeFailed = false;
    std::vector<Line> m_lines;                       // when reading, as the runtime's text mode gives them
    std::unordered_map<std::string, size_t> m_index; // key -> its first line
};
