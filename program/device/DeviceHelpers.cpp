#include "CLPGDevice.h"

#include "ByteOrder.h"
#include "DayCount.h"
#include "SettingsBlocks.h"

#include <IError.h>
#include <MakerWord.h>

#include <windows.h>

#include <cwchar>
#include <initializer_list>

namespace {

const wchar_t kShellFolders[] = L"Software\\Microsoft\\Windows\\CurrentVersion\\Explorer\\Shell Folders";
const size_t kDateTextSize = 10;
const unsigned kInvalidArgument = 3;

// The drive that holds Windows, as a letter; 'C' when it cannot be found.
wchar_t windowsDrive()
{
    wchar_t folder[MAX_PATH] = {};
    return GetWindowsDirectoryW(folder, MAX_PATH) > 0 ? folder[0] : L'C';
}

// `root` + each level, created when missing; ends with a backslash.
std::wstring makeFolder(std::wstring path, std::initializer_list<const wchar_t*> levels)
{
    for (const wchar_t* level : levels) {
        path += L"\\";
        path += level;
        CreateDirectoryW(path.c_str(), nullptr);
    }
    return path + L"\\";
}

std::wstring userFolder(const wchar_t* kind)
{
    const std::wstring documents = getMyDocumentsPath();
    if (!documents.empty())
        return makeFolder(documents, {kMakerWord, kind});
    const std::wstring programFiles = std::wstring(1, windowsDrive()) + L":\\Program Files";
    return makeFolder(programFiles, {kMakerWord, kind});
}

} // namespace

bool getPcCode(unsigned long& serial)
{
    const wchar_t root[] = {windowsDrive(), L':', L'\\', 0};
    DWORD number = 0;
    if (!GetVolumeInformationW(root, nullptr, 0, &number, nullptr, nullptr, nullptr, 0))
        return false;
    serial = number;
    return true;
}

bool getPcCodeBytes(unsigned char* bytes)
{
    unsigned long serial = 0;
    if (!getPcCode(serial))
        return false;
    putBigEndian32(bytes, uint32_t(serial));
    return true;
}

std::wstring formatProdDate(unsigned days)
{
    return dayCountToDateText(days + 1);
}

// "dd/mm/yyyy"; a text of that length that is no date is an error.
long parseDate(const std::wstring& text)
{
    if (text.size() != kDateTextSize)
        return 0;
    const long day = _wtoi(text.c_str());
    const long month = _wtoi(text.c_str() + 3);
    const long year = _wtoi(text.c_str() + 6);
    if (year < 1900 || month < 1 || month > 12 || day < 1 || day > 31) {
        const std::wstring where = L"parseDate(" + text + L")";
        throw new IError(kInvalidArgument, where.c_str(), __LINE__, L"DeviceHelpers");
    }
    return dayCountOf(year, month, day);
}

std::wstring getMyDocumentsPath()
{
    HKEY key = nullptr;
    if (RegOpenKeyExW(HKEY_CURRENT_USER, kShellFolders, 0, KEY_READ, &key) != ERROR_SUCCESS)
        return {};
    wchar_t path[129] = {};
    DWORD size = 256;
    const LONG status =
        RegQueryValueExW(key, L"Personal", nullptr, nullptr, reinterpret_cast<BYTE*>(path), &size);
    RegCloseKey(key);
    return status == ERROR_SUCCESS ? std::wstring(path) : std::wstring();
}

std::wstring getDiagFolder()
{
    return userFolder(L"Diag");
}

std::wstring getSettingsFolder()
{
    return userFolder(L"Settings");
}
