#include "ScriptedTransport.h"
#include "serialport.h"

#include <gtest/gtest.h>

#include <functional>
#include <memory>
#include <string>

namespace {
struct Raised
{
    std::unique_ptr<IError> error;
    CRSError* rs() const { return dynamic_cast<CRSError*>(error.get()); }
};

Raised raisedBy(const std::function<void()>& call)
{
    try {
        call();
    } catch (IError* e) {
        return Raised{std::unique_ptr<IError>(e)};
    }
    return Raised{};
}

void expectError(const Raised& r, unsigned code, int line, const std::wstring& where)
{
    ASSERT_NE(nullptr, r.rs());
    EXPECT_EQ(code, r.error->code());
    EXPECT_EQ(line, r.error->line());
    EXPECT_EQ(where, r.error->where());
    EXPECT_EQ(L"serialport", r.error->file());
    EXPECT_EQ(L"CRSError", r.error->name());
}
} // namespace

TEST(SerialPort, EveryFailedCallRaisesItsComposedText)
{
    kwtest::ScriptInstall install;
    kwtest::LineScript& line = *install.script;
    CSerialPort port;

    line.openError = ERROR_FILE_NOT_FOUND;
    Raised r = raisedBy([&] { port.open(12); });
    expectError(r, 5, 67, L"CSerialPort::open(12) - GetLastError()=2");
    EXPECT_EQ(L"Can't open port Rs232", r.error->message());
    EXPECT_FALSE(port.isOpen());
    port.close();

    line.openError = 0;
    port.open(3);
    EXPECT_EQ(3u, port.portNr());
    const DCB dcb = controllerDcb();
    const COMMTIMEOUTS timeouts = controllerTimeouts();
    line.stateError = ERROR_INVALID_PARAMETER;
    line.lineErrors = {CE_RXOVER};
    r = raisedBy([&] { port.setState(&dcb); });
    expectError(r, 6, 106, L"CSerialPort::setState() \n GetLastError() = 87\n clearCommError() = 1");
    EXPECT_EQ(L"Error on port Rs232", r.error->message());
    r = raisedBy([&] { port.setTimeout(&timeouts); });
    expectError(r, 6, 151, L"CSerialPort::setTimeout() \n GetLastError() = 87\n clearCommError() = 0");

    line.purgeError = ERROR_GEN_FAILURE;
    r = raisedBy([&] { port.purgeIn(); });
    expectError(r, 6, 201, L"CSerialPort::purgeIn() \n GetLastError() = 31\n clearCommError() = 0");

    unsigned char byte = 0;
    line.readError = ERROR_ACCESS_DENIED;
    r = raisedBy([&] { port.read(&byte, 1); });
    expectError(r, 6, 166, L"CSerialPort::read() - GetLastError()=5");
    line.writeError = ERROR_ACCESS_DENIED;
    r = raisedBy([&] { port.write(&byte, 1); });
    expectError(r, 6, 182, L"CSerialPort::write() - GetLastError()=5");
}

TEST(SerialPort, ShortReadIsNoErrorAndNumberSurvivesClose)
{
    kwtest::ScriptInstall install;
    CSerialPort port;
    openControllerLine(port, 4);
    install.script->input.push_back({1, 2});
    unsigned char bytes[8];
    EXPECT_EQ(2u, port.read(bytes, 8));
    EXPECT_EQ(0u, port.read(bytes, 8));
    port.close();
    EXPECT_FALSE(port.isOpen());
    EXPECT_EQ(4u, port.portNr());
}

TEST(SerialPort, ControllerLineSettings)
{
    const DCB dcb = controllerDcb();
    EXPECT_EQ(38400u, dcb.BaudRate);
    EXPECT_EQ(8, dcb.ByteSize);
    EXPECT_EQ(NOPARITY, dcb.Parity);
    EXPECT_EQ(ONESTOPBIT, dcb.StopBits);
    EXPECT_EQ(1u, dcb.fBinary);
    EXPECT_EQ(0u, dcb.fOutxCtsFlow | dcb.fOutxDsrFlow | dcb.fOutX | dcb.fInX | dcb.fAbortOnError);
    EXPECT_EQ(static_cast<unsigned>(DTR_CONTROL_DISABLE), dcb.fDtrControl);
    const COMMTIMEOUTS t = controllerTimeouts();
    EXPECT_EQ(0u, t.ReadIntervalTimeout);
    EXPECT_EQ(1u, t.ReadTotalTimeoutMultiplier);
    EXPECT_EQ(1000u, t.ReadTotalTimeoutConstant);
    EXPECT_EQ(1000u, t.WriteTotalTimeoutConstant);
}

namespace {
const wchar_t kKey[] = L"Software\\Kestrelwave";

void storeText(const std::wstring& text)
{
    HKEY key;
    ASSERT_EQ(ERROR_SUCCESS,
              RegCreateKeyExW(HKEY_CURRENT_USER, kKey, 0, nullptr, 0, KEY_WRITE, nullptr, &key, nullptr));
    RegSetValueExW(key, L"Last RS nr", 0, REG_SZ, reinterpret_cast<const BYTE*>(text.c_str()),
                   static_cast<DWORD>((text.size() + 1) * sizeof(wchar_t)));
    RegCloseKey(key);
}

std::string storedBytes()
{
    HKEY key;
    if (RegOpenKeyExW(HKEY_CURRENT_USER, kKey, 0, KEY_READ, &key) != ERROR_SUCCESS)
        return "missing";
    BYTE data[64];
    DWORD size = sizeof data, type = 0;
    RegQueryValueExW(key, L"Last RS nr", nullptr, &type, data, &size);
    RegCloseKey(key);
    return type == REG_SZ ? std::string(reinterpret_cast<char*>(data), size) : "wrong type";
}
} // namespace

TEST(SerialPort, LastPortNumberInTheRegistry)
{
    RegDeleteTreeW(HKEY_CURRENT_USER, kKey);
    EXPECT_EQ(0u, readLastPortNr());

    writeLastPortNr(12);
    // Written without its zero; the system adds one when the text is followed by a zero in memory.
    EXPECT_EQ(std::string("1\0"
                          "2\0",
                          4),
              storedBytes().substr(0, 4));
    EXPECT_EQ(12u, readLastPortNr());

    storeText(L"7");
    EXPECT_EQ(7u, readLastPortNr());
    storeText(L"COM");
    EXPECT_EQ(0u, readLastPortNr());
    storeText(L"");
    EXPECT_EQ(0u, readLastPortNr());
    RegDeleteTreeW(HKEY_CURRENT_USER, kKey);
}
