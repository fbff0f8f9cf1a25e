#pragma once

#include <windows.h>

#include <string>

namespace kwtest {

// A Windows program started by a test and ended with it.
class ChildProcess
{
public:
    ChildProcess() = default;
    ~ChildProcess();
    ChildProcess(const ChildProcess&) = delete;
    ChildProcess& operator=(const ChildProcess&) = delete;

    // `program` is looked up beside the test program when it has no folder.
    bool start(const std::wstring& program, const std::wstring& arguments);
    // Waits for the end; returns the exit code, or -1 on time-out.
    int wait(unsigned timeoutMs);
    void kill();
    bool running() const;
    // The process id while it runs (0 before the start).
    DWORD id() const { return m_id; }

    // The folder of the running test program, with a trailing backslash.
    static std::wstring programFolder();

private:
    HANDLE m_process = nullptr;
    DWORD m_id = 0;
};

} // namespace kwtest
