#pragma once

#include "SimController.h"

#include <windows.h>

#include <chrono>
#include <cstdint>
#include <memory>
#include <mutex>
#include <set>
#include <vector>

class ISerialTransport;

namespace kwsim {

// The calls of a serial transport that a test can make fail.
enum class SimCall
{
    Open,
    SetState,
    SetTimeouts,
    Read,
    Write,
    Purge,
};

// Line time, in microseconds. Real time sleeps; virtual time (the default,
// for fast unit tests) jumps ahead instead, so a read time-out returns at
// once yet the line still "took" that long.
class SimClock
{
public:
    explicit SimClock(bool realTime = false);
    void setRealTime(bool realTime);
    int64_t nowUs() const;
    void waitUntil(int64_t us);

private:
    mutable std::mutex m_mutex;
    bool m_real;
    int64_t m_virtualUs = 0;
    std::chrono::steady_clock::time_point m_start;
};

// The simulated serial world shared by every SimTransport it makes: which
// COM ports exist, which one the controller sits on, the line timing and
// the calls made to fail. Install it with
//     setSerialTransportFactory([link] { return link->makeTransport(); });
class SimLink : public std::enable_shared_from_this<SimLink>
{
public:
    static std::shared_ptr<SimLink> create(std::shared_ptr<SimController> controller,
                                           std::set<unsigned> presentPorts = {1},
                                           unsigned controllerPort = 1);

    std::unique_ptr<ISerialTransport> makeTransport();
    SimController& controller() { return *m_controller; }

    void setPresentPorts(std::set<unsigned> ports);
    void setControllerPort(unsigned port);
    // Real time: reads wait as a real port does. Paced: bytes take 10 bits
    // at 38400 baud each way. Reply delay: the controller's think time.
    void setRealTime(bool realTime);
    void setPaced(bool paced);
    void setReplyDelayUs(int64_t us);
    // Every reply pauses after its first `atByte` bytes (0: never).
    void setReplySplit(size_t atByte, int64_t pauseUs);
    // Every later call of that kind fails with `error` (0 heals it).
    void failCalls(SimCall call, DWORD error);
    // Only the next call of that kind fails.
    void failNextCall(SimCall call, DWORD error);
    // Flags the next clearCommError reports.
    void injectLineErrors(DWORD flags);

    // Every port number open() was asked for, in order.
    std::vector<unsigned> openAttempts();
    int64_t nowUs() const { return m_clock.nowUs(); }

    // Used by SimTransport.
    struct Timing
    {
        int64_t byteUs;
        int64_t replyDelayUs;
        size_t splitAt;
        int64_t splitPauseUs;
    };
    bool present(unsigned port);
    DWORD claim(unsigned port);
    void release(unsigned port);
    bool hasController(unsigned port);
    DWORD failure(SimCall call);
    DWORD takeLineErrors();
    Timing timing();
    void waitUntil(int64_t us) { m_clock.waitUntil(us); }

private:
    explicit SimLink(std::shared_ptr<SimController> controller);

    std::mutex m_mutex;
    std::shared_ptr<SimController> m_controller;
    std::set<unsigned> m_present{1};
    unsigned m_controllerPort = 1;
    std::set<unsigned> m_open;
    std::vector<unsigned> m_openAttempts;
    SimClock m_clock;
    bool m_paced = false;
    int64_t m_replyDelayUs = 0;
    size_t m_splitAt = 0;
    int64_t m_splitPauseUs = 0;
    DWORD m_failures[6] = {};
    DWORD m_nextFailures[6] = {};
    DWORD m_lineErrors = 0;
};

} // namespace kwsim
