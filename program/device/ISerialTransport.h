#pragma once

#include <windows.h>

#include <functional>
#include <memory>

// The line under CSerialPort: every system call the port makes goes through
// one of these. The default talks to the Win32 COM device; tests put a
// simulated controller behind it. Operations return a Windows error code,
// 0 on success, so the port can compose its error texts as before.
class ISerialTransport
{
public:
    virtual ~ISerialTransport() = default;

    // Whether COM<port> exists (discovery probes ports 1..256).
    virtual bool present(unsigned port) = 0;
    virtual DWORD open(unsigned port) = 0;
    virtual void close() = 0;
    virtual bool isOpen() const = 0;
    virtual DWORD setState(const DCB& dcb) = 0;
    virtual DWORD setTimeouts(const COMMTIMEOUTS& timeouts) = 0;
    // Blocks until `size` bytes arrived or the read time-out ran out;
    // a short count is no error.
    virtual DWORD read(void* buffer, DWORD size, DWORD* got) = 0;
    virtual DWORD write(const void* buffer, DWORD size, DWORD* written) = 0;
    virtual DWORD purgeIn() = 0;
    // Line-error flags of the port into *errors (cleared by the call).
    virtual DWORD clearCommError(DWORD* errors) = 0;
};

// Makes the transport of each new CSerialPort. Tests install their own;
// an empty factory restores the Win32 one.
using SerialTransportFactory = std::function<std::unique_ptr<ISerialTransport>()>;
void setSerialTransportFactory(SerialTransportFactory factory);
std::unique_ptr<ISerialTransport> makeSerialTransport();
