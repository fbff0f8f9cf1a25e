#include "FileTestSupport.h"

#include "../device/RecordImage.h"
#include "SettingsGolden.h"

#include <SettingsFileIO.h>

#include <windows.h>

#include <algorithm>

std::wstring TestFiles::newPath()
{
    return m_dir.file(L"f" + std::to_wstring(++m_count) + L".settings");
}

std::wstring TestFiles::put(const std::string& bytes)
{
    std::wstring path = newPath();
    kwtest::writeFileBytes(path, bytes);
    return path;
}

std::string writtenBytes(const CSettingsRecord& record)
{
    kwtest::TempDir dir;
    std::wstring path = dir.file(L"w.settings");
    if (!writeSettingsFile(path, record))
        return std::string();
    return kwtest::readFileBytes(path);
}

std::string wholeImage(const CSettingsRecord& r)
{
    std::string image = expectedFile(r);
    std::vector<uint8_t> blocks = recordImage(r);
    image.append(blocks.begin(), blocks.end());
    for (wchar_t c : r.m_devInfo.m_deviceName + L"|" + r.m_devInfo.m_serial)
        image += std::to_string(unsigned(c)) + ",";
    for (double v : r.m_corrMap.m_rowAxis)
        image += std::to_string(v) + ",";
    for (double v : r.m_corrMap.m_colAxis)
        image += std::to_string(v) + ",";
    return image;
}

std::vector<std::wstring> folderNames(const std::wstring& folder)
{
    std::vector<std::wstring> names;
    WIN32_FIND_DATAW entry;
    HANDLE find = FindFirstFileW((folder + L"\\*").c_str(), &entry);
    if (find == INVALID_HANDLE_VALUE)
        return names;
    do {
        std::wstring name = entry.cFileName;
        if (name != L"." && name != L"..")
            names.push_back(name);
    } while (FindNextFileW(find, &entry));
    FindClose(find);
    std::sort(names.begin(), names.end());
    return names;
}
