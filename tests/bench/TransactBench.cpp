// Transactions per second of CLPGDevice over a real COM port (a pty pair
// under Wine) against kwsim --pace, whose line carries 10 bits a byte at
// 38400 baud both ways, beside the limit that such a line sets for the same
// bytes (request and reply frame). The ratio of the two is the share of the
// line's time that the transactions use: 1 would mean nothing lost beyond
// the bytes' own time on the line.
//
// Run inside the test environment:
//   . tests/testenv.sh build && wine build/bin/transact_bench.exe [seconds]; kw_testenv_cleanup
#include "BenchSupport.h"
#include "CLPGDevice.h"
#include "KwSimProcess.h"

#include <windows.h>

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <cstring>

namespace {
const unsigned kFrameOverhead = 8; // start bytes, LEN, CMD, nonce, sum

struct Kind
{
    const char* name;
    unsigned char request[6];
    bool checked;
};

// Runs one kind of transaction for `seconds` and prints the rates.
void measure(CLPGDevice& device, const Kind& kind, double seconds)
{
    using clock = std::chrono::steady_clock;
    unsigned done = 0, failed = 0, replyBytes = 0;
    const clock::time_point start = clock::now();
    while (clock::now() - start < std::chrono::duration<double>(seconds)) {
        unsigned char buffer[kTransactBufferSize];
        memcpy(buffer, kind.request, sizeof kind.request);
        unsigned char length = sizeof kind.request, cmd = 2;
        const bool ok = kind.checked ? device.transactChecked(buffer, length, cmd) == 0
                                     : device.transact(buffer, length, cmd);
        ++(ok ? done : failed);
        if (ok)
            replyBytes = length + (kind.checked ? kFrameOverhead - 2 : kFrameOverhead);
    }
    const double elapsed = std::chrono::duration<double>(clock::now() - start).count();
    const unsigned frameBytes = sizeof kind.request + kFrameOverhead + replyBytes;
    const double rate = done / elapsed, limit = kWireBytesPerSecond / frameBytes;
    printf("%-10s %6u done %3u failed  %8.1f/s   wire limit %8.1f/s (%u bytes a transaction)   ratio %.3f\n",
           kind.name, done, failed, rate, limit, frameBytes, rate / limit);
}
} // namespace

int main(int argc, char** argv)
{
    const double seconds = argc > 1 ? atof(argv[1]) : 3.0;
    kwtest::KwSimProcess sim;
    if (!sim.start(L"--pace")) {
        fprintf(stderr, "kwsim did not start: run inside tests/testenv.sh\n");
        return 1;
    }
    CLPGDevice device;
    openControllerLine(device.m_port, sim.programPort());
    const Kind kinds[] = {
        {"identify", {0xCC, 0, 0, 4, 0, 0}, false},
        {"block 31", {7, 0, 0, 0, 0, 0}, false},
        {"sample", {36, 0, 0, 0, 0, 0}, true},
    };
    printf(
        "Transactions per second through CLPGDevice against kwsim --pace over a pty-linked COM port.\n"
        "The line carries 10 bits a byte at 38400 baud both ways; wire limit = 3840 bytes/s over the bytes\n"
        "of request and reply frame; ratio = rate / wire limit (1.000: no time lost beyond the line).\n");
    for (const Kind& kind : kinds)
        measure(device, kind, seconds);
    device.m_port.close();
    return 0;
}
