#pragma once

#include "ISerialTransport.h"

// The real COM device under CSerialPort.
class Win32SerialTransport : public ISerialTransport
{
public:
    Win32SerialTransport() = default;
    Win32SerialTransport(const Win32SerialTransport&) = delete;
    Win32SerialTransport& operator=(const Win32SerialTransport&) = delete;
    ~Win32SerialTransport() override;

    bool present(unsigned port) override;
    DWORD open(unsigned port) override;
    void close() override;
    bool isOpen() const override;
    DWORD setState(const DCB& dcb) override;
    DWORD setTimeouts(const COMMTIMEOUTS& timeouts) override;
    DWORD read(void* buffer, DWORD size, DWORD* got) override;
    DWORD write(const void* buffer, DWORD size, DWORD* written) override;
    DWORD purgeIn() override;
    DWORD clearCommError(DWORD* errors) override;

private:
    HANDLE m_handle = nullptr;
};
