#pragma once

#include "CRSError.h"
#include "ISerialTransport.h"

#include <IErrorHelper.h>

#include <windows.h>

#include <memory>

// One COM port. Every failed call but clearCommError throws a CRSError*
// whose text names the call and the Windows error. Closing is the owner's
// business: the port stays as the last call left it.
class CSerialPort : public IErrorHelper<CRSError>
{
public:
    CSerialPort();
    CSerialPort(const CSerialPort&) = delete;
    CSerialPort& operator=(const CSerialPort&) = delete;
    ~CSerialPort() override;

    void open(unsigned n);
    void close();
    // The line-error flags, or the Windows error when the call itself failed.
    DWORD clearCommError();
    void setState(const DCB* dcb);
    void setTimeout(const COMMTIMEOUTS* timeouts);
    // A short count is no error: the read time-out ended the read.
    unsigned read(void* buffer, unsigned count);
    unsigned write(const void* buffer, unsigned count);
    void purgeIn();

    // Whether COM<n> exists on this machine.
    bool present(unsigned n);
    bool isOpen() const;
    // The n of the last successful open; kept by close, so the port can be reopened.
    unsigned portNr() const { return m_portNr; }

private:
    void throwCallError(const wchar_t* call, DWORD error, int line);
    void throwWithLineErrors(const wchar_t* call, DWORD error, int line);
    void throwPortError(const std::wstring& text, unsigned code, int line);

    std::unique_ptr<ISerialTransport> m_transport;
    unsigned m_portNr = 0;
};

// Opens port n afresh with the controller's line: 38400 baud, 8N1, no flow
// control, reads ending 1000 ms + 1 ms per byte after they start.
void openControllerLine(CSerialPort& port, unsigned n);
DCB controllerDcb();
COMMTIMEOUTS controllerTimeouts();

// The port on which a controller last answered (0: none), kept per user.
unsigned readLastPortNr();
void writeLastPortNr(unsigned n);
