// Transactions per second over a real COM port (a pty pair under Wine)
// against a controller paced like the 38400-baud line, beside the limit
// that the line itself sets for the same bytes.
//
// The controller is played by a thread of this program: it answers each
// request once the request and its reply would have crossed the wire
// (10 bits a byte).
//
// Run inside the test environment:
//   . tests/testenv.sh build && wine build/bin/transact_bench.exe [seconds]; kw_testenv_cleanup
#include "CLPGDevice.h"
#include "PtyPair.h"
#include "ScriptedTransport.h"

#include <windows.h>

#include <atomic>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <thread>

using kwtest::Bytes;

namespace {
const double kWireBytesPerSecond = 38400.0 / 10;

double now()
{
    static LARGE_INTEGER frequency = [] {
        LARGE_INTEGER f;
        QueryPerformanceFrequency(&f);
        return f;
    }();
    LARGE_INTEGER count;
    QueryPerformanceCounter(&count);
    return static_cast<double>(count.QuadPart) / frequency.QuadPart;
}

void waitUntil(double deadline)
{
    for (double left = deadline - now(); left > 0; left = deadline - now()) {
        if (left > 0.002)
            Sleep(1);
    }
}

class PacedController
{
public:
    PacedController(int port, Bytes payload, unsigned char cmd) : m_payload(std::move(payload)), m_cmd(cmd)
    {
        m_handle = CreateFileW(kwtest::PtyPair::deviceName(port).c_str(), GENERIC_READ | GENERIC_WRITE, 0,
                               nullptr, OPEN_EXISTING, 0, nullptr);
        COMMTIMEOUTS timeouts{0, 0, 200, 0, 1000};
        SetCommTimeouts(m_handle, &timeouts);
        m_thread = std::thread([this] { serve(); });
    }
    ~PacedController()
    {
        m_stop = true;
        m_thread.join();
        CloseHandle(m_handle);
    }
    bool ok() const { return m_handle != INVALID_HANDLE_VALUE; }
    size_t replyBytes() const { return m_payload.size() + 8; }

private:
    bool readAll(unsigned char* bytes, DWORD n)
    {
        DWORD done = 0;
        while (done < n && !m_stop) {
            DWORD got = 0;
            if (!ReadFile(m_handle, bytes + done, n - done, &got, nullptr))
                return false;
            done += got;
        }
        return done == n;
    }

    void serve()
    {
        unsigned char request[262];
        uint16_t nonce = 1;
        while (!m_stop) {
            if (!readAll(request, 6) || !readAll(request + 6, request[2]))
                continue;
            const double arrived = now();
            const Bytes reply = kwtest::replyFrame(m_cmd, nonce++ & 0x7FFF, m_payload);
            waitUntil(arrived + (6 + request[2] + reply.size()) / kWireBytesPerSecond);
            DWORD written = 0;
            WriteFile(m_handle, reply.data(), static_cast<DWORD>(reply.size()), &written, nullptr);
        }
    }

    HANDLE m_handle;
    Bytes m_payload;
    unsigned char m_cmd;
    std::atomic<bool> m_stop{false};
    std::thread m_thread;
};

// Runs one kind of transaction for `seconds` and prints the rates.
void measure(const char* name, kwtest::PtyPair& pair, const Bytes& replyPayload, unsigned char replyCmd,
             bool checked, double seconds)
{
    PacedController controller(pair.peerPort(), replyPayload, replyCmd);
    CLPGDevice device;
    openControllerLine(device.m_port, pair.programPort());
    const unsigned char request[6] = {static_cast<unsigned char>(checked ? 36 : 0xCC), 0, 0, 4, 0, 0};
    unsigned done = 0, failed = 0;
    const double start = now();
    while (now() - start < seconds) {
        unsigned char buffer[kTransactBufferSize];
        memcpy(buffer, request, sizeof request);
        unsigned char length = 6, cmd = 2;
        const bool ok =
            checked ? device.transactChecked(buffer, length, cmd) == 0 : device.transact(buffer, length, cmd);
        ++(ok ? done : failed);
    }
    const double elapsed = now() - start;
    device.m_port.close();
    const size_t frameBytes = 14 + controller.replyBytes();
    const double rate = done / elapsed, limit = kWireBytesPerSecond / frameBytes;
    printf("%-10s %6u done %3u failed  %8.1f/s   wire limit %8.1f/s (%u bytes a transaction)   ratio %.3f\n",
           name, done, failed, rate, limit, static_cast<unsigned>(frameBytes), rate / limit);
}
} // namespace

int main(int argc, char** argv)
{
    const double seconds = argc > 1 ? atof(argv[1]) : 3.0;
    kwtest::PtyPair pair;
    if (!pair.ok()) {
        fprintf(stderr, "no pty pair: run inside tests/testenv.sh\n");
        return 1;
    }
    printf("controller paced at 38400 baud by a thread of this program\n");
    measure("identify", pair, {4, '0', 0x55, 0, 0, 0}, 2, false, seconds);
    measure("sample", pair, Bytes(82, 0x40), 1, true, seconds);
    return 0;
}
