#pragma once

#include "ISerialTransport.h"

#include <windows.h>

#include <cstdint>
#include <memory>
#include <mutex>
#include <vector>

namespace kwtest {

// What a test sees of the real COM port under the controller object: the
// bytes that crossed it, when it was opened, and one read made to fail.
struct LineProbe
{
    std::mutex lock;
    uint64_t bytesWritten = 0;
    uint64_t bytesRead = 0;
    std::vector<ULONGLONG> openTimes; // GetTickCount64 of each open
    bool failNextRead = false;
    ULONGLONG failedAt = 0;

    void armReadFailure();
    uint64_t bytesCrossed();
    std::vector<ULONGLONG> opens();
    ULONGLONG failureTime();
};

// A port (the Win32 one unless another is given), watched by a LineProbe.
class ProbedTransport : public ISerialTransport
{
public:
    ProbedTransport(std::shared_ptr<LineProbe> probe, std::unique_ptr<ISerialTransport> real);
    ~ProbedTransport() override;

    bool present(unsigned port) override { return m_real->present(port); }
    DWORD open(unsigned port) override;
    void close() override { m_real->close(); }
    bool isOpen() const override { return m_real->isOpen(); }
    DWORD setState(const DCB& dcb) override { return m_real->setState(dcb); }
    DWORD setTimeouts(const COMMTIMEOUTS& timeouts) override { return m_real->setTimeouts(timeouts); }
    DWORD read(void* buffer, DWORD size, DWORD* got) override;
    DWORD write(const void* buffer, DWORD size, DWORD* written) override;
    DWORD purgeIn() override { return m_real->purgeIn(); }
    DWORD clearCommError(DWORD* errors) override { return m_real->clearCommError(errors); }

private:
    std::unique_ptr<ISerialTransport> m_real;
    std::shared_ptr<LineProbe> m_probe;
};

// Every port made while this lives is probed by `probe`: the Win32 port, or
// the ports `real` makes.
class ProbeInstall
{
public:
    explicit ProbeInstall(SerialTransportFactory real = nullptr);
    ~ProbeInstall();
    ProbeInstall(const ProbeInstall&) = delete;
    ProbeInstall& operator=(const ProbeInstall&) = delete;

    std::shared_ptr<LineProbe> probe;
};

} // namespace kwtest
