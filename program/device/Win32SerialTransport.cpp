#include "Win32SerialTransport.h"

#include <string>

namespace {
// Every call reports its failure as the Windows error code, taken at once.
DWORD result(BOOL ok)
{
    return ok ? 0 : GetLastError();
}

std::wstring portName(const wchar_t* prefix, unsigned port)
{
    return prefix + std::to_wstring(port);
}
} // namespace

Win32SerialTransport::~Win32SerialTransport()
{
    close();
}

bool Win32SerialTransport::present(unsigned port)
{
    COMMCONFIG config{};
    DWORD size = sizeof config;
    return GetDefaultCommConfigW(portName(L"COM", port).c_str(), &config, &size) != FALSE;
}

DWORD Win32SerialTransport::open(unsigned port)
{
    close();
    // The device namespace form opens ports above 9 too.
    HANDLE handle = CreateFileW(portName(L"\\\\.\\COM", port).c_str(), GENERIC_READ | GENERIC_WRITE, 0,
                                nullptr, OPEN_EXISTING, 0, nullptr);
    if (handle == INVALID_HANDLE_VALUE)
        return GetLastError();
    m_handle = handle;
    return 0;
}

void Win32SerialTransport::close()
{
    if (m_handle)
        CloseHandle(m_handle);
    m_handle = nullptr;
}

bool Win32SerialTransport::isOpen() const
{
    return m_handle != nullptr;
}

DWORD Win32SerialTransport::setState(const DCB& dcb)
{
    DCB copy = dcb;
    return result(SetCommState(m_handle, &copy));
}

DWORD Win32SerialTransport::setTimeouts(const COMMTIMEOUTS& timeouts)
{
    COMMTIMEOUTS copy = timeouts;
    return result(SetCommTimeouts(m_handle, &copy));
}

DWORD Win32SerialTransport::read(void* buffer, DWORD size, DWORD* got)
{
    *got = 0;
    return result(ReadFile(m_handle, buffer, size, got, nullptr));
}

DWORD Win32SerialTransport::write(const void* buffer, DWORD size, DWORD* written)
{
    *written = 0;
    return result(WriteFile(m_handle, buffer, size, written, nullptr));
}

DWORD Win32SerialTransport::purgeIn()
{
    return result(PurgeComm(m_handle, PURGE_RXCLEAR));
}

DWORD Win32SerialTransport::clearCommError(DWORD* errors)
{
    COMSTAT status{};
    *errors = 0;
    return result(ClearCommError(m_handle, errors, &status));
}
