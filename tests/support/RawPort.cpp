#include "RawPort.h"

#include "PtyPair.h"

namespace kwtest {

RawPort::RawPort(int port, DWORD readTimeoutMs)
    : m_handle(CreateFileW(PtyPair::deviceName(port).c_str(), GENERIC_READ | GENERIC_WRITE, 0, nullptr,
                           OPEN_EXISTING, 0, nullptr))
{
    COMMTIMEOUTS timeouts{0, 1, readTimeoutMs, 0, 1000};
    m_ok = m_handle != INVALID_HANDLE_VALUE && SetCommTimeouts(m_handle, &timeouts);
}

RawPort::~RawPort()
{
    if (m_handle != INVALID_HANDLE_VALUE)
        CloseHandle(m_handle);
}

void RawPort::send(const std::vector<unsigned char>& bytes)
{
    DWORD written = 0;
    WriteFile(m_handle, bytes.data(), static_cast<DWORD>(bytes.size()), &written, nullptr);
}

std::vector<unsigned char> RawPort::receive(DWORD count)
{
    std::vector<unsigned char> bytes(count);
    DWORD got = 0;
    ReadFile(m_handle, bytes.data(), count, &got, nullptr);
    bytes.resize(got);
    return bytes;
}

} // namespace kwtest
