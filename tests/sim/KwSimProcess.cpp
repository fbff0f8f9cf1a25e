#include "KwSimProcess.h"

#include "SimOptions.h"

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
    m_options = options;
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

std::unique_ptr<kwsim::SimController> KwSimProcess::replay(size_t count) const
{
    std::vector<std::wstring> args{L"--port", L"1"};
    std::wistringstream words(m_options);
    for (std::wstring word; words >> word;)
        args.push_back(word);
    kwsim::KwSimOptions options;
    std::wstring error;
    if (!kwsim::parseKwSimOptions(args, options, error))
        return nullptr;
    options.config.faults = kwsim::SimFaults();
    auto sim = std::make_unique<kwsim::SimController>(options.config);
    int64_t nowUs = 0;
    uint16_t nonce = 1;
    const std::vector<kwsim::SimRequest> log = requests();
    for (size_t i = 0; i < log.size() && i < count; ++i) {
        const kwsim::SimRequest& request = log[i];
        const std::vector<uint8_t> wire = kwsim::encodeFrame({request.cmd, nonce++, request.payload});
        sim->receive(wire.data(), wire.size(), nowUs += 10000);
    }
    return sim;
}

} // namespace kwtest
