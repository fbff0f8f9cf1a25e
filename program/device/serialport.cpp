#include "serialport.h"

#include <ansi2unicode.h>

#include <cstring>
#include <sstream>
#include <string>

namespace {
const unsigned kOpenFailed = 5;
const unsigned kCallFailed = 6;
const char kSourceName[] = "serialport";
const wchar_t kRegistryKey[] = L"Software\\Kestrelwave";
const wchar_t kLastPortValue[] = L"Last RS nr";
} // namespace

CSerialPort::CSerialPort() : m_transport(makeSerialTransport()) {}

CSerialPort::~CSerialPort() = default;

void CSerialPort::throwPortError(const std::wstring& text, unsigned code, int line)
{
    _throw(code, text.c_str(), line, ansi2unicode(kSourceName).c_str());
}

void CSerialPort::throwWithLineErrors(const wchar_t* call, DWORD error, int line)
{
    const DWORD lineErrors = clearCommError();
    std::wostringstream text;
    text << L"CSerialPort::" << call << L"() " << std::endl
         << L" GetLastError() = " << error << std::endl
         << L" clearCommError() = " << lineErrors;
    throwPortError(text.str(), kCallFailed, line);
}

void CSerialPort::throwCallError(const wchar_t* call, DWORD error, int line)
{
    std::wostringstream text;
    text << L"CSerialPort::" << call << L"() - GetLastError()=" << error;
    throwPortError(text.str(), kCallFailed, line);
}

void CSerialPort::open(unsigned n)
{
    const DWORD error = m_transport->open(n);
    if (error) {
        std::wostringstream text;
        text << L"CSerialPort::open(" << n << L") - GetLastError()=" << error;
        throwPortError(text.str(), kOpenFailed, 67);
    }
    m_portNr = n;
}

void CSerialPort::close()
{
    m_transport->close();
}

bool CSerialPort::isOpen() const
{
    return m_transport->isOpen();
}

bool CSerialPort::present(unsigned n)
{
    return m_transport->present(n);
}

DWORD CSerialPort::clearCommError()
{
    DWORD errors = 0;
    const DWORD error = m_transport->clearCommError(&errors);
    return error ? error : errors;
}

void CSerialPort::setState(const DCB* dcb)
{
    const DWORD error = m_transport->setState(*dcb);
    if (error)
        throwWithLineErrors(L"setState", error, 106);
}

void CSerialPort::setTimeout(const COMMTIMEOUTS* timeouts)
{
    const DWORD error = m_transport->setTimeouts(*timeouts);
    if (error)
        throwWithLineErrors(L"setTimeout", error, 151);
}

unsigned CSerialPort::read(void* buffer, unsigned count)
{
    DWORD got = 0;
    const DWORD error = m_transport->read(buffer, count, &got);
    if (error)
        throwCallError(L"read", error, 166);
    return got;
}

unsigned CSerialPort::write(const void* buffer, unsigned count)
{
    DWORD written = 0;
    const DWORD error = m_transport->write(buffer, count, &written);
    if (error)
        throwCallError(L"write", error, 182);
    return written;
}

void CSerialPort::purgeIn()
{
    const DWORD error = m_transport->purgeIn();
    if (error)
        throwWithLineErrors(L"purgeIn", error, 201);
}

DCB controllerDcb()
{
    DCB dcb{};
    dcb.DCBlength = sizeof dcb;
    dcb.BaudRate = 38400;
    dcb.fBinary = 1;
    dcb.fDtrControl = DTR_CONTROL_DISABLE;
    dcb.fRtsControl = RTS_CONTROL_DISABLE;
    dcb.fTXContinueOnXoff = 1;
    dcb.XonLim = 2048;
    dcb.XoffLim = 512;
    dcb.ByteSize = 8;
    dcb.Parity = NOPARITY;
    dcb.StopBits = ONESTOPBIT;
    dcb.XonChar = 0x11;
    dcb.XoffChar = 0x13;
    return dcb;
}

COMMTIMEOUTS controllerTimeouts()
{
    COMMTIMEOUTS timeouts{};
    timeouts.ReadIntervalTimeout = 0;
    timeouts.ReadTotalTimeoutMultiplier = 1;
    timeouts.ReadTotalTimeoutConstant = 1000;
    timeouts.WriteTotalTimeoutMultiplier = 0;
    timeouts.WriteTotalTimeoutConstant = 1000;
    return timeouts;
}

void openControllerLine(CSerialPort& port, unsigned n)
{
    const DCB dcb = controllerDcb();
    const COMMTIMEOUTS timeouts = controllerTimeouts();
    port.close();
    port.open(n);
    port.setState(&dcb);
    port.setTimeout(&timeouts);
}

unsigned readLastPortNr()
{
    HKEY key = nullptr;
    if (RegOpenKeyExW(HKEY_CURRENT_USER, kRegistryKey, 0, KEY_READ, &key) != ERROR_SUCCESS)
        return 0;
    // One spare zero byte: the value is stored without its terminating zero.
    BYTE data[257] = {};
    DWORD size = 256;
    const LONG status = RegQueryValueExW(key, kLastPortValue, nullptr, nullptr, data, &size);
    RegCloseKey(key);
    if (status != ERROR_SUCCESS || size == 0)
        return 0;
    wchar_t text[129] = {};
    memcpy(text, data, size);
    return static_cast<unsigned>(_wtoi(text));
}

void writeLastPortNr(unsigned n)
{
    const std::wstring text = std::to_wstring(n);
    HKEY key = nullptr;
    if (RegCreateKeyExW(HKEY_CURRENT_USER, kRegistryKey, 0, const_cast<wchar_t*>(L""), 0, KEY_WRITE, nullptr,
                        &key, nullptr) != ERROR_SUCCESS)
        return;
    // Stored without the terminating zero.
    const DWORD bytes = static_cast<DWORD>(text.size() * sizeof(wchar_t));
    RegSetValueExW(key, kLastPortValue, 0, REG_SZ, reinterpret_cast<const BYTE*>(text.c_str()), bytes);
    RegCloseKey(key);
}
