#pragma once

#include <windows.h>

#include <atomic>

// The run flag of one reading thread and the signal that the thread is
// gone. Shared by the thread and whoever started it, so that each thread
// has a stop request of its own and a stop can wait for that very thread.
class DiagRunFlag
{
public:
    DiagRunFlag();
    DiagRunFlag(const DiagRunFlag&) = delete;
    DiagRunFlag& operator=(const DiagRunFlag&) = delete;
    ~DiagRunFlag();

    // Set from construction until a stop request or the thread gives up.
    bool isSet() const { return m_run; }
    void clear() { m_run = false; }

    // Called by the thread object as the last thing it does.
    void markEnded();
    bool hasEnded() const;
    bool waitEnded(DWORD timeoutMs) const;

private:
    std::atomic<bool> m_run{true};
    HANDLE m_ended;
};
