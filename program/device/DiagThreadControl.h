#pragma once

#include <windows.h>

#include <memory>
#include <string>

class CDiagData;
class CThreadManager;
class DiagRunFlag;

// Starts and stops the controller's live-data reading thread. Each thread
// gets a run flag of its own, and a stop waits until that thread is gone,
// so a restart never leaves two threads reading or an old recording open,
// and the controller is never taken down under a running transaction.
class DiagThreadControl
{
public:
    // Callers have always given the thread this long to see its flag.
    static constexpr DWORD kMinStopMs = 500;
    // One round can take several seconds on a failing line; no longer.
    static constexpr DWORD kMaxStopMs = 10000;

    DiagThreadControl() = default;
    DiagThreadControl(const DiagThreadControl&) = delete;
    DiagThreadControl& operator=(const DiagThreadControl&) = delete;
    ~DiagThreadControl();

    // Hands a new reading thread over the current controller to `manager`,
    // recording to `path` ("\\" records nothing). A thread still running is
    // stopped first; when it does not end, no second one is started (false).
    bool start(CThreadManager& manager, CDiagData* store, const std::wstring& path);
    // Asks the thread to end and waits for it: at least kMinStopMs while it
    // runs, at most kMaxStopMs. True when no thread is left.
    bool stop();
    // A thread has been started and has not ended yet.
    bool isRunning() const;

private:
    std::shared_ptr<DiagRunFlag> m_runFlag;
};
