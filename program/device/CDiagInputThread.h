#pragma once

#include "CDiag.h"
#include "DiagRunFlag.h"

#include <CSThread.h>

#include <atomic>
#include <memory>
#include <string>

class CDiagData;
class CLPGDevice;
class IError;

// Consecutive failed live-data reads, for the whole program: a thread
// started after another gave up goes on from the old count until a sample
// is stored.
extern std::atomic<int> g_diagFailureCount;

// Base of a live-data reading thread: asks for a sample every 100 ms and
// stores it; gives up after too many failed reads; reopens the port after a
// port error. The thread manager owns the object once it has it.
class CDiagInputThread : public CSThread
{
public:
    // More failed transactions in a row than this end the thread.
    static constexpr int kMaxFailures = 10;
    static constexpr DWORD kRoundPauseMs = 100;
    static constexpr DWORD kReopenPauseMs = 700;
    // Read statuses: a sample, another reply, no valid reply.
    static constexpr unsigned char kSampleRead = 0;
    static constexpr unsigned char kUnexpectedReply = 1;
    static constexpr unsigned char kTransactionFailed = 2;

    CDiagInputThread(CLPGDevice* device, CDiagData* store, const std::wstring& path,
                     std::shared_ptr<DiagRunFlag> runFlag);
    ~CDiagInputThread() override;

    void run() override;
    virtual void onStart() = 0;
    // Closes the recording; harmless when called again.
    virtual void onFinish() = 0;
    virtual unsigned char readSample(CDiag& sample) = 0;
    virtual void storeSample(CDiag& sample) = 0;

protected:
    CLPGDevice* m_device;
    CDiagData* m_store;
    std::wstring m_path;
    std::shared_ptr<DiagRunFlag> m_runFlag;

private:
    void readRound();
    void countFailure(unsigned char status);
    void giveUp();
    void reopenAfter(IError* error);
    void endAfterPortError(IError* error);
};
