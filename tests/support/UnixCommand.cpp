#include "UnixCommand.h"

#include <windows.h>

#include <cstdlib>
#include <string>

namespace kwtest {

bool runUnixCommand(const std::string& command, unsigned timeoutMs)
{
    // Wine starts Unix programs but gives no waitable handle for them, so
    // the command leaves a marker file when it is done. Test programs run
    // side by side under wineservers of their own, whose process ids repeat:
    // the marker lies in the program's own prefix.
    static unsigned counter = 0;
    const std::string folder = winePrefix().empty() ? std::string("/tmp") : winePrefix();
    const std::string marker = folder + "/kw-unix-" + std::to_string(GetCurrentProcessId()) + "-" +
                               std::to_string(++counter) + ".done";
    const std::string script = "(" + command + "); touch '" + marker + "'";
    std::string line = "/bin/sh -c \"";
    for (char c : script) {
        if (c == '"' || c == '\\')
            line += '\\';
        line += c;
    }
    line += "\"";
    STARTUPINFOA startup{};
    startup.cb = sizeof startup;
    PROCESS_INFORMATION info{};
    if (!CreateProcessA(nullptr, &line[0], nullptr, nullptr, FALSE, 0, nullptr, nullptr, &startup, &info))
        return false;
    CloseHandle(info.hThread);
    CloseHandle(info.hProcess);
    const std::wstring markerName = windowsPathOf(marker);
    for (unsigned waited = 0; waited < timeoutMs; waited += 5) {
        if (GetFileAttributesW(markerName.c_str()) != INVALID_FILE_ATTRIBUTES) {
            DeleteFileW(markerName.c_str());
            return true;
        }
        Sleep(5);
    }
    return false;
}

std::string winePrefix()
{
    const char* prefix = std::getenv("WINEPREFIX");
    return prefix ? prefix : "";
}

std::wstring windowsPathOf(const std::string& unixPath)
{
    std::wstring out = L"Z:";
    for (char c : unixPath)
        out += c == '/' ? L'\\' : static_cast<wchar_t>(static_cast<unsigned char>(c));
    return out;
}

} // namespace kwtest
