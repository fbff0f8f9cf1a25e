#pragma once

#include "CLPGDeviceErr.h"
#include "CMutexGuard.h"
#include "CSettingsRecord.h"
#include "frame.h"
#include "serialport.h"

#include <CSendrelMutex.h>

#include <cstddef>

// The connected controller: its port, the mutex around every frame exchange
// and the state of the connection. One per run, published in g_pDevice.
class CLPGDevice : public CLPGDeviceErr
{
public:
    CLPGDevice();
    CLPGDevice(const CLPGDevice&) = delete;
    CLPGDevice& operator=(const CLPGDevice&) = delete;
    virtual ~CLPGDevice();

    // One request and its reply under the device mutex. `buffer` holds the
    // request payload (`length` bytes, command `cmd`; its words are rotated
    // in place) and receives the reply payload, then the reply's two sum
    // bytes; it holds `bufferSize` bytes. On success `cmd` is the reply's
    // command and `length` its payload size. Port failures throw CRSError*.
    bool transact(unsigned char* buffer, unsigned char& length, unsigned char& cmd,
                  size_t bufferSize = kTransactBufferSize);
    // The same for live-data samples, stricter: any line error or a reply
    // that comes in two parts fails it. Returns 0 on success, with `length`
    // the reply's payload plus its two sum bytes; 2 on failure.
    unsigned char transactChecked(unsigned char* buffer, unsigned char& length, unsigned char& cmd,
                                  size_t bufferSize = kTransactBufferSize);

    // The live image of the controller's settings.
    CSettingsRecord m_settings;
    // The live-data store comes here.
    CSerialPort m_port;
    bool m_threadRunning = false;
    bool m_connected = false;
    bool m_settingsWritten = false;
    bool m_liveDataAllowed = true;
    bool m_hiddenFeatures = false;
    // Held for every frame exchange and while the port is reopened.
    CSendrelMutex m_mutex;
};

// The one controller object of the run; pages, the reading thread and the
// unit conversions reach it through this.
extern CLPGDevice* g_pDevice;
