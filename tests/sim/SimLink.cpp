#include "SimLink.h"

#include "SimTransport.h"

#include <thread>

namespace kwsim {

namespace {
constexpr int64_t kByteUs = 10 * 1000000 / 38400; // 10 bits a byte at 38400 baud
} // namespace

SimClock::SimClock(bool realTime) : m_real(realTime), m_start(std::chrono::steady_clock::now()) {}

void SimClock::setRealTime(bool realTime)
{
    const int64_t now = nowUs();
    std::lock_guard<std::mutex> lock(m_mutex);
    // Time keeps running forward from where it stood.
    m_start = std::chrono::steady_clock::now() - std::chrono::microseconds(now);
    m_virtualUs = now;
    m_real = realTime;
}

int64_t SimClock::nowUs() const
{
    std::lock_guard<std::mutex> lock(m_mutex);
    if (!m_real)
        return m_virtualUs;
    const auto elapsed = std::chrono::steady_clock::now() - m_start;
    return std::chrono::duration_cast<std::chrono::microseconds>(elapsed).count();
}

void SimClock::waitUntil(int64_t us)
{
    bool real;
    {
        std::lock_guard<std::mutex> lock(m_mutex);
        real = m_real;
        if (!real && us > m_virtualUs)
            m_virtualUs = us;
    }
    if (!real) {
        // Let other threads run, as a real wait would.
        std::this_thread::yield();
        return;
    }
    const int64_t wait = us - nowUs();
    if (wait > 0)
        std::this_thread::sleep_for(std::chrono::microseconds(wait));
}

SimLink::SimLink(std::shared_ptr<SimController> controller) : m_controller(std::move(controller)) {}

std::shared_ptr<SimLink> SimLink::create(std::shared_ptr<SimController> controller,
                                         std::set<unsigned> presentPorts, unsigned controllerPort)
{
    std::shared_ptr<SimLink> link(new SimLink(std::move(controller)));
    link->m_present = std::move(presentPorts);
    link->m_controllerPort = controllerPort;
    return link;
}

std::unique_ptr<ISerialTransport> SimLink::makeTransport()
{
    return std::make_unique<SimTransport>(shared_from_this());
}

void SimLink::setPresentPorts(std::set<unsigned> ports)
{
    std::lock_guard<std::mutex> lock(m_mutex);
    m_present = std::move(ports);
}

void SimLink::setControllerPort(unsigned port)
{
    std::lock_guard<std::mutex> lock(m_mutex);
    m_controllerPort = port;
}

void SimLink::setRealTime(bool realTime)
{
    m_clock.setRealTime(realTime);
}

void SimLink::setPaced(bool paced)
{
    std::lock_guard<std::mutex> lock(m_mutex);
    m_paced = paced;
}

void SimLink::setReplyDelayUs(int64_t us)
{
    std::lock_guard<std::mutex> lock(m_mutex);
    m_replyDelayUs = us;
}

void SimLink::setReplySplit(size_t atByte, int64_t pauseUs)
{
    std::lock_guard<std::mutex> lock(m_mutex);
    m_splitAt = atByte;
    m_splitPauseUs = pauseUs;
}

void SimLink::failCalls(SimCall call, DWORD error)
{
    std::lock_guard<std::mutex> lock(m_mutex);
    m_failures[static_cast<int>(call)] = error;
}

void SimLink::failNextCall(SimCall call, DWORD error)
{
    std::lock_guard<std::mutex> lock(m_mutex);
    m_nextFailures[static_cast<int>(call)] = error;
}

void SimLink::injectLineErrors(DWORD flags)
{
    std::lock_guard<std::mutex> lock(m_mutex);
    m_lineErrors |= flags;
}

std::vector<unsigned> SimLink::openAttempts()
{
    std::lock_guard<std::mutex> lock(m_mutex);
    return m_openAttempts;
}

bool SimLink::present(unsigned port)
{
    std::lock_guard<std::mutex> lock(m_mutex);
    return m_present.count(port) != 0;
}

DWORD SimLink::claim(unsigned port)
{
    std::lock_guard<std::mutex> lock(m_mutex);
    m_openAttempts.push_back(port);
    if (DWORD error = m_failures[static_cast<int>(SimCall::Open)])
        return error;
    if (!m_present.count(port))
        return ERROR_FILE_NOT_FOUND;
    if (!m_open.insert(port).second)
        return ERROR_ACCESS_DENIED; // opened without sharing elsewhere
    return 0;
}

void SimLink::release(unsigned port)
{
    std::lock_guard<std::mutex> lock(m_mutex);
    m_open.erase(port);
}

bool SimLink::hasController(unsigned port)
{
    std::lock_guard<std::mutex> lock(m_mutex);
    return port == m_controllerPort;
}

DWORD SimLink::failure(SimCall call)
{
    std::lock_guard<std::mutex> lock(m_mutex);
    if (DWORD once = m_nextFailures[static_cast<int>(call)]) {
        m_nextFailures[static_cast<int>(call)] = 0;
        return once;
    }
    return m_failures[static_cast<int>(call)];
}

DWORD SimLink::takeLineErrors()
{
    std::lock_guard<std::mutex> lock(m_mutex);
    const DWORD flags = m_lineErrors;
    m_lineErrors = 0;
    return flags;
}

SimLink::Timing SimLink::timing()
{
    std::lock_guard<std::mutex> lock(m_mutex);
    return {m_paced ? kByteUs : 0, m_replyDelayUs, m_splitAt, m_splitPauseUs};
}

} // namespace kwsim
