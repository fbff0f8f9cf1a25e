#pragma once

#include "ISerialTransport.h"
#include "SimLink.h"

#include <deque>
#include <memory>
#include <mutex>

namespace kwsim {

// One COM port of a SimLink, as CSerialPort sees it. The port starts at
// 9600 baud like a fresh Windows port: the controller hears nothing until
// the line is set to 38400 8N1. Reads honour the COMMTIMEOUTS totals (and
// the "return at once" form with an interval of MAXDWORD); bytes sent back
// by the controller become readable when they have crossed the line.
class SimTransport : public ISerialTransport
{
public:
    explicit SimTransport(std::shared_ptr<SimLink> link);
    ~SimTransport() override;

    bool present(unsigned port) override;
    DWORD open(unsigned port) override;
    void close() override;
    bool isOpen() const override;
    DWORD setState(const DCB& dcb) override;
    DWORD setTimeouts(const COMMTIMEOUTS& timeouts) override;
    DWORD read(void* buffer, DWORD size, DWORD* got) override;
    DWORD write(const void* buffer, DWORD size, DWORD* written) override;
    DWORD purgeIn() override;
    DWORD clearCommError(DWORD* errors) override;

private:
    struct TimedByte
    {
        int64_t atUs;
        uint8_t value;
    };

    // ERROR_INVALID_HANDLE while closed, else the failure a test injected.
    DWORD callError(SimCall call) const;
    bool lineMatches() const;
    size_t arrived(int64_t nowUs) const;
    DWORD take(void* buffer, size_t count, DWORD* got);
    int64_t readDeadline(DWORD size) const;
    void queueReply(const std::vector<uint8_t>& reply, int64_t fromUs, const SimLink::Timing& timing);

    std::shared_ptr<SimLink> m_link;
    mutable std::mutex m_mutex;
    unsigned m_port = 0;
    bool m_open = false;
    DCB m_dcb{};
    COMMTIMEOUTS m_timeouts{};
    std::deque<TimedByte> m_rx;
    int64_t m_txFreeUs = 0;
    int64_t m_rxFreeUs = 0;
};

} // namespace kwsim
