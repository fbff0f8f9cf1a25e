#pragma once

#include "ChildProcess.h"
#include "SimController.h"
#include "PtyPair.h"
#include "TempDir.h"

#include <cstddef>
#include <cstdint>
#include <memory>
#include <string>
#include <vector>

namespace kwtest {

// kwsim.exe serving the peer side of a fresh pty pair, ended with this
// object. The program side is a real COM port for the code under test.
class KwSimProcess
{
public:
    // Starts kwsim with `options` besides its port and files, and waits
    // until it serves; a simulator already running is ended first.
    bool start(const std::wstring& options);

    int programPort() const { return m_pair.programPort(); }
    std::wstring logPath() const { return m_dir.file(L"requests.log"); }
    // One line per request received.
    std::string log() const;
    // The requests of the log, oldest first.
    std::vector<kwsim::SimRequest> requests() const;
    size_t requestCount() const;
    // The controller as the first `count` logged requests left it: a fresh
    // simulator with the same options takes each of them again (faults and
    // live data aside, the simulator acts the same on the same requests).
    // replay(0) is the controller as it started.
    std::unique_ptr<kwsim::SimController> replay(size_t count = SIZE_MAX) const;
    ChildProcess& child() { return m_child; }

private:
    std::wstring m_options;
    TempDir m_dir;
    PtyPair m_pair;
    ChildProcess m_child;
};

} // namespace kwtest
