#pragma once

#include <string>

namespace kwtest {

// Runs a shell command line on the Linux side (Wine starts Unix programs) and
// waits for it. Use single quotes inside `command`. False when it could not
// be started or did not end within the time-out.
bool runUnixCommand(const std::string& command, unsigned timeoutMs = 10000);

// The Unix path of the Wine prefix the tests run in (from WINEPREFIX).
std::string winePrefix();

// "Z:\\a\\b" for "/a/b": the Windows name of a Unix path.
std::wstring windowsPathOf(const std::string& unixPath);

} // namespace kwtest
