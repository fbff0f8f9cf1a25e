// Connection time: connect plus reading every setting from a simulated
// controller whose line is paced at 38400 baud (10 bits a byte, both ways),
// beside the limit that the line sets for the same bytes.
//
// The controller runs in-process behind the port seam, in real time.
// Run inside the test environment:
//   . tests/testenv.sh build && wine build/bin/connect_bench.exe [runs]; kw_testenv_cleanup
#include "CLPGDevice.h"
#include "SimLink.h"
#include "UserInterface.h"

#include <windows.h>

#include <atomic>
#include <cstdio>
#include <cstdlib>

namespace {
const double kWireBytesPerSecond = 38400.0 / 10;

std::atomic<unsigned long long> s_bytesOnTheLine{0};

// Counts what crosses the line in either direction.
class CountingTransport : public ISerialTransport
{
public:
    explicit CountingTransport(std::unique_ptr<ISerialTransport> line) : m_line(std::move(line)) {}

    bool present(unsigned port) override { return m_line->present(port); }
    DWORD open(unsigned port) override { return m_line->open(port); }
    void close() override { m_line->close(); }
    bool isOpen() const override { return m_line->isOpen(); }
    DWORD setState(const DCB& dcb) override { return m_line->setState(dcb); }
    DWORD setTimeouts(const COMMTIMEOUTS& timeouts) override { return m_line->setTimeouts(timeouts); }
    DWORD purgeIn() override { return m_line->purgeIn(); }
    DWORD clearCommError(DWORD* errors) override { return m_line->clearCommError(errors); }
    DWORD read(void* buffer, DWORD size, DWORD* got) override
    {
        const DWORD error = m_line->read(buffer, size, got);
        s_bytesOnTheLine += *got;
        return error;
    }
    DWORD write(const void* buffer, DWORD size, DWORD* written) override
    {
        s_bytesOnTheLine += size;
        return m_line->write(buffer, size, written);
    }

private:
    std::unique_ptr<ISerialTransport> m_line;
};

double now()
{
    LARGE_INTEGER count, frequency;
    QueryPerformanceCounter(&count);
    QueryPerformanceFrequency(&frequency);
    return static_cast<double>(count.QuadPart) / frequency.QuadPart;
}
} // namespace

int main(int argc, char** argv)
{
    const int runs = argc > 1 ? std::max(1, atoi(argv[1])) : 3;
    auto sim = std::make_shared<kwsim::SimController>();
    auto link = kwsim::SimLink::create(sim, {1}, 1);
    link->setRealTime(true);
    link->setPaced(true);
    setSerialTransportFactory([link] { return std::make_unique<CountingTransport>(link->makeTransport()); });
    setMessageBoxHook([](const MessageBoxRequest& request) {
        fwprintf(stderr, L"message: %s\n", request.text.c_str());
        return IDOK;
    });
    writeLastPortNr(1);
    CLPGDevice device;
    for (int run = 1; run <= runs; ++run) {
        s_bytesOnTheLine = 0;
        sim->clearRequests();
        const double start = now();
        device.connect();
        const double taken = now() - start;
        const double limit = s_bytesOnTheLine / kWireBytesPerSecond;
        printf("run %d: %s, %zu requests, %llu bytes on the line: %.3f s taken, %.3f s wire limit (%.0f%%)\n",
               run, device.m_connected ? "connected" : "NOT connected", sim->requests().size(),
               static_cast<unsigned long long>(s_bytesOnTheLine), taken, limit, 100 * limit / taken);
    }
    device.m_port.close();
    return 0;
}
