#include "ProbedTransport.h"

#include "Win32SerialTransport.h"

namespace kwtest {

void LineProbe::armReadFailure()
{
    std::lock_guard<std::mutex> hold(lock);
    failNextRead = true;
}

uint64_t LineProbe::bytesCrossed()
{
    std::lock_guard<std::mutex> hold(lock);
    return bytesWritten + bytesRead;
}

std::vector<ULONGLONG> LineProbe::opens()
{
    std::lock_guard<std::mutex> hold(lock);
    return openTimes;
}

ULONGLONG LineProbe::failureTime()
{
    std::lock_guard<std::mutex> hold(lock);
    return failedAt;
}

ProbedTransport::ProbedTransport(std::shared_ptr<LineProbe> probe, std::unique_ptr<ISerialTransport> real)
    : m_real(std::move(real)), m_probe(std::move(probe))
{
}

ProbedTransport::~ProbedTransport() = default;

DWORD ProbedTransport::open(unsigned port)
{
    const DWORD error = m_real->open(port);
    std::lock_guard<std::mutex> hold(m_probe->lock);
    m_probe->openTimes.push_back(GetTickCount64());
    return error;
}

DWORD ProbedTransport::read(void* buffer, DWORD size, DWORD* got)
{
    {
        std::lock_guard<std::mutex> hold(m_probe->lock);
        if (m_probe->failNextRead) {
            m_probe->failNextRead = false;
            m_probe->failedAt = GetTickCount64();
            *got = 0;
            return ERROR_GEN_FAILURE;
        }
    }
    const DWORD error = m_real->read(buffer, size, got);
    std::lock_guard<std::mutex> hold(m_probe->lock);
    m_probe->bytesRead += *got;
    return error;
}

// The written count of a pty may stay 0: a write that worked counts whole.
DWORD ProbedTransport::write(const void* buffer, DWORD size, DWORD* written)
{
    const DWORD error = m_real->write(buffer, size, written);
    std::lock_guard<std::mutex> hold(m_probe->lock);
    if (error == 0)
        m_probe->bytesWritten += size;
    return error;
}

ProbeInstall::ProbeInstall(SerialTransportFactory real) : probe(std::make_shared<LineProbe>())
{
    if (!real)
        real = [] { return std::make_unique<Win32SerialTransport>(); };
    std::shared_ptr<LineProbe> shared = probe;
    setSerialTransportFactory([shared, real] { return std::make_unique<ProbedTransport>(shared, real()); });
}

ProbeInstall::~ProbeInstall()
{
    setSerialTransportFactory(nullptr);
}

} // namespace kwtest
