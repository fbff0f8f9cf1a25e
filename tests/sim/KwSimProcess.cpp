#include "KwSimProcess.h"

#include <windows.h>

#include <algorithm>
#include <sstream>

namespace kwtest {

bool KwSimProcess::start(const std::wstring& options)
{
    if (!m_pair.ok())
        return false;
    const std::wstring ready = m_dir.file(L"ready");
    // A restart on the same line waits for the new simulator.
    m_child.kill();
    DeleteFileW(ready.c_str());
    const std::wstring args = L"--port " + std::to_wstring(m_pair.peerPort()) + L" --log \"" + logPath() +
                              L"\" --ready \"" + ready + L"\" " + options;
    if (!m_child.start(L"kwsim.exe", args))
        return false;
    for (int i = 0; i < 500 && GetFileAttributesW(ready.c_str()) == INVALID_FILE_ATTRIBUTES; ++i)
        Sleep(20);
    return GetFileAttributesW(ready.c_str()) != INVALID_FILE_ATTRIBUTES;
}

std::string KwSimProcess::log() const
{
    return readFileBytes(logPath());
}

std::vector<kwsim::SimRequest> KwSimProcess::requests() const
{
    std::vector<kwsim::SimRequest> requests;
    std::istringstream lines(log());
    for (std::string line; std::getline(lines, line);) {
        kwsim::SimRequest request;
        if (kwsim::SimRequest::fromLogLine(line, request))
            requests.push_back(request);
    }
    return requests;
}

size_t KwSimProcess::requestCount() const
{
    const std::string text = log();
    return static_cast<size_t>(std::count(text.begin(), text.end(), '\n'));
}

} // namespace kwtest
