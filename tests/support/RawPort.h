#pragma once

#include <windows.h>

#include <vector>

namespace kwtest {

// The test's own end of a line: a COM port opened plainly, without the
// program's serial-port class.
class RawPort
{
public:
    // A read waits up to `readTimeoutMs` in all, plus 1 ms a byte.
    RawPort(int port, DWORD readTimeoutMs);
    ~RawPort();
    RawPort(const RawPort&) = delete;
    RawPort& operator=(const RawPort&) = delete;

    bool ok() const { return m_ok; }
    void send(const std::vector<unsigned char>& bytes);
    // Up to `count` bytes; fewer when the read time-out ran out.
    std::vector<unsigned char> receive(DWORD count);

private:
    HANDLE m_handle;
    bool m_ok = false;
};

} // namespace kwtest
