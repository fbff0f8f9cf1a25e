#include "SimTransport.h"

#include <algorithm>

namespace kwsim {

SimTransport::SimTransport(std::shared_ptr<SimLink> link) : m_link(std::move(link))
{
    m_dcb.DCBlength = sizeof m_dcb;
    m_dcb.BaudRate = CBR_9600;
    m_dcb.ByteSize = 8;
    m_dcb.Parity = NOPARITY;
    m_dcb.StopBits = ONESTOPBIT;
}

SimTransport::~SimTransport()
{
    close();
}

bool SimTransport::present(unsigned port)
{
    return m_link->present(port);
}

DWORD SimTransport::open(unsigned port)
{
    close();
    if (DWORD error = m_link->claim(port))
        return error;
    std::lock_guard<std::mutex> lock(m_mutex);
    m_port = port;
    m_open = true;
    m_rx.clear();
    return 0;
}

void SimTransport::close()
{
    std::lock_guard<std::mutex> lock(m_mutex);
    if (!m_open)
        return;
    m_link->release(m_port);
    m_open = false;
    m_rx.clear();
}

bool SimTransport::isOpen() const
{
    std::lock_guard<std::mutex> lock(m_mutex);
    return m_open;
}

DWORD SimTransport::callError(SimCall call) const
{
    return isOpen() ? m_link->failure(call) : DWORD(ERROR_INVALID_HANDLE);
}

DWORD SimTransport::setState(const DCB& dcb)
{
    if (DWORD error = callError(SimCall::SetState))
        return error;
    std::lock_guard<std::mutex> lock(m_mutex);
    m_dcb = dcb;
    return 0;
}

DWORD SimTransport::setTimeouts(const COMMTIMEOUTS& timeouts)
{
    if (DWORD error = callError(SimCall::SetTimeouts))
        return error;
    std::lock_guard<std::mutex> lock(m_mutex);
    m_timeouts = timeouts;
    return 0;
}

bool SimTransport::lineMatches() const
{
    return m_dcb.BaudRate == 38400 && m_dcb.ByteSize == 8 && m_dcb.Parity == NOPARITY &&
           m_dcb.StopBits == ONESTOPBIT;
}

size_t SimTransport::arrived(int64_t nowUs) const
{
    size_t n = 0;
    while (n < m_rx.size() && m_rx[n].atUs <= nowUs)
        ++n;
    return n;
}

DWORD SimTransport::take(void* buffer, size_t count, DWORD* got)
{
    auto* out = static_cast<uint8_t*>(buffer);
    for (size_t i = 0; i < count; ++i) {
        out[i] = m_rx.front().value;
        m_rx.pop_front();
    }
    *got = static_cast<DWORD>(count);
    return 0;
}

int64_t SimTransport::readDeadline(DWORD size) const
{
    const int64_t ms =
        int64_t(m_timeouts.ReadTotalTimeoutConstant) + int64_t(m_timeouts.ReadTotalTimeoutMultiplier) * size;
    return m_link->nowUs() + 1000 * ms;
}

DWORD SimTransport::read(void* buffer, DWORD size, DWORD* got)
{
    *got = 0;
    if (DWORD error = callError(SimCall::Read))
        return error;
    std::unique_lock<std::mutex> lock(m_mutex);
    const bool atOnce = m_timeouts.ReadIntervalTimeout == MAXDWORD &&
                        m_timeouts.ReadTotalTimeoutConstant == 0 &&
                        m_timeouts.ReadTotalTimeoutMultiplier == 0;
    const int64_t deadline = readDeadline(size);
    for (;;) {
        const int64_t now = m_link->nowUs();
        const size_t ready = arrived(now);
        if (ready >= size || atOnce || now >= deadline)
            return take(buffer, std::min<size_t>(ready, size), got);
        // Nothing else can add bytes while we wait: the controller only
        // answers what this port writes.
        const int64_t until = m_rx.size() >= size ? std::min(deadline, m_rx[size - 1].atUs) : deadline;
        lock.unlock();
        m_link->waitUntil(until);
        lock.lock();
    }
}

void SimTransport::queueReply(const std::vector<uint8_t>& reply, int64_t fromUs,
                              const SimLink::Timing& timing)
{
    int64_t at = std::max(fromUs + timing.replyDelayUs, m_rxFreeUs);
    for (size_t i = 0; i < reply.size(); ++i) {
        if (i == timing.splitAt && i != 0)
            at += timing.splitPauseUs;
        at += timing.byteUs;
        m_rx.push_back({at, reply[i]});
    }
    m_rxFreeUs = at;
}

DWORD SimTransport::write(const void* buffer, DWORD size, DWORD* written)
{
    *written = 0;
    if (DWORD error = callError(SimCall::Write))
        return error;
    std::lock_guard<std::mutex> lock(m_mutex);
    const SimLink::Timing timing = m_link->timing();
    // The bytes leave one after another once the line is free.
    const int64_t arrival = std::max(m_link->nowUs(), m_txFreeUs) + timing.byteUs * size;
    m_txFreeUs = arrival;
    *written = size;
    if (!lineMatches() || !m_link->hasController(m_port))
        return 0;
    const auto* bytes = static_cast<const uint8_t*>(buffer);
    const std::vector<uint8_t> reply = m_link->controller().receive(bytes, size, arrival);
    queueReply(reply, arrival, timing);
    return 0;
}

DWORD SimTransport::purgeIn()
{
    if (DWORD error = callError(SimCall::Purge))
        return error;
    std::lock_guard<std::mutex> lock(m_mutex);
    // Only what has arrived: bytes still on the wire come in afterwards.
    m_rx.erase(m_rx.begin(), m_rx.begin() + arrived(m_link->nowUs()));
    return 0;
}

DWORD SimTransport::clearCommError(DWORD* errors)
{
    *errors = 0;
    if (!isOpen())
        return ERROR_INVALID_HANDLE;
    *errors = m_link->takeLineErrors();
    return 0;
}

} // namespace kwsim
