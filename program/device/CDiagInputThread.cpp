#include "CDiagInputThread.h"

#include "CDiagData.h"
#include "CLPGDevice.h"
#include "UserInterface.h"

#include <IError.h>

std::atomic<int> g_diagFailureCount{0};

CDiagInputThread::CDiagInputThread(CLPGDevice* device, CDiagData* store, const std::wstring& path,
                                   std::shared_ptr<DiagRunFlag> runFlag)
    : m_device(device), m_store(store), m_path(path), m_runFlag(std::move(runFlag))
{
}

// The derived parts, the recording among them, are gone by now: whoever
// waits for this thread may take the controller down.
CDiagInputThread::~CDiagInputThread()
{
    m_runFlag->markEnded();
}

void CDiagInputThread::run()
{
    try {
        onStart();
        while (m_runFlag->isSet())
            readRound();
        onFinish();
    } catch (IError* error) {
        endAfterPortError(error);
    }
}

void CDiagInputThread::readRound()
{
    CDiag sample;
    try {
        Sleep(kRoundPauseMs);
        const unsigned char status = readSample(sample);
        if (status == kSampleRead) {
            storeSample(sample);
            g_diagFailureCount = 0;
            return;
        }
        countFailure(status);
    } catch (IError* error) {
        reopenAfter(error);
    }
}

// Only failed transactions count; another reply neither counts nor resets.
void CDiagInputThread::countFailure(unsigned char status)
{
    if (status == kTransactionFailed)
        ++g_diagFailureCount;
    if (g_diagFailureCount > kMaxFailures)
        giveUp();
}

// The controller stopped answering: the watchdog reconnects from here.
void CDiagInputThread::giveUp()
{
    m_store->clear();
    onFinish();
    m_device->m_connected = false;
    m_runFlag->clear();
}

// Passes the error on when the port cannot be opened again.
void CDiagInputThread::reopenAfter(IError* error)
{
    Sleep(kReopenPauseMs);
    if (!m_device->reopenPort())
        throw error;
    delete error;
}

// The port is lost: without marking the controller not connected the
// watchdog would never look for it again.
void CDiagInputThread::endAfterPortError(IError* error)
{
    std::unique_ptr<IError> owned(error);
    m_store->clear();
    if (!m_runFlag->isSet())
        return;
    onFinish();
    m_device->m_connected = false;
    showDeviceMessage(L"NO CONNECTION", MB_OK);
}
