// kwsim: the simulated controller on a COM port, for end-to-end tests.
// Serves until it is ended; see kwSimUsage() for the options.

#include "SimOptions.h"

#include <windows.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <memory>

namespace {

int64_t nowUs()
{
    static const auto start = std::chrono::steady_clock::now();
    return std::chrono::duration_cast<std::chrono::microseconds>(std::chrono::steady_clock::now() - start)
        .count();
}

HANDLE openPort(unsigned port)
{
    const std::wstring name = L"\\\\.\\COM" + std::to_wstring(port);
    HANDLE h = CreateFileW(name.c_str(), GENERIC_READ | GENERIC_WRITE, 0, nullptr, OPEN_EXISTING, 0, nullptr);
    if (h == INVALID_HANDLE_VALUE)
        return h;
    DCB dcb{};
    dcb.DCBlength = sizeof dcb;
    GetCommState(h, &dcb);
    dcb.BaudRate = 38400;
    dcb.ByteSize = 8;
    dcb.Parity = NOPARITY;
    dcb.StopBits = ONESTOPBIT;
    dcb.fBinary = TRUE;
    SetCommState(h, &dcb);
    // A read waits up to 20 ms for as many bytes as it asks for; see readSome().
    COMMTIMEOUTS timeouts{0, 0, 20, 0, 1000};
    SetCommTimeouts(h, &timeouts);
    return h;
}

// One line per request; shared so a test can read it while we run.
class RequestLog
{
public:
    explicit RequestLog(const std::wstring& path)
    {
        if (!path.empty())
            m_file = CreateFileW(path.c_str(), GENERIC_WRITE,
                                 FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr,
                                 CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
    }
    ~RequestLog()
    {
        if (m_file != INVALID_HANDLE_VALUE)
            CloseHandle(m_file);
    }
    bool failed(const std::wstring& path) const { return !path.empty() && m_file == INVALID_HANDLE_VALUE; }
    void add(const kwsim::SimRequest& request) { addLine(request.toLogLine()); }
    void addLine(const std::string& text)
    {
        const std::string line = text + "\n";
        DWORD n = 0;
        if (m_file != INVALID_HANDLE_VALUE)
            WriteFile(m_file, line.data(), static_cast<DWORD>(line.size()), &n, nullptr);
    }

private:
    HANDLE m_file = INVALID_HANDLE_VALUE;
};

// Microseconds on the performance counter, which every process of the
// machine shares, so a benchmark can set these times beside its own.
int64_t counterUs()
{
    LARGE_INTEGER frequency, count;
    QueryPerformanceFrequency(&frequency);
    QueryPerformanceCounter(&count);
    return static_cast<int64_t>(count.QuadPart / double(frequency.QuadPart) * 1e6);
}

// For each answered request: when it had come through, when the reply had
// left, the bytes of both, and the request ("<cmd> <selector>").
class ExchangeTimes
{
public:
    explicit ExchangeTimes(const std::wstring& path) : m_file(path) {}
    bool failed(const std::wstring& path) const { return m_file.failed(path); }
    void requestBytes(size_t bytes) { m_requestBytes += bytes; }
    void request(const kwsim::SimRequest& r)
    {
        m_request =
            std::to_string(r.cmd) + ' ' + (r.selector < 0 ? std::string("-") : std::to_string(r.selector));
    }
    void through() { m_throughUs = counterUs(); }
    void replied(size_t replyBytes)
    {
        m_file.addLine(std::to_string(m_throughUs) + ' ' + std::to_string(counterUs()) + ' ' +
                       std::to_string(m_requestBytes) + ' ' + std::to_string(replyBytes) + ' ' + m_request);
        m_requestBytes = 0;
    }

private:
    RequestLog m_file;
    std::string m_request = "- -";
    size_t m_requestBytes = 0;
    int64_t m_throughUs = 0;
};

void writeAll(HANDLE port, const uint8_t* data, size_t size)
{
    DWORD n = 0;
    // A pty may leave the count at 0: one call per piece, no retry on the count.
    WriteFile(port, data, static_cast<DWORD>(size), &n, nullptr);
}

// Time on the line for `bytes` bytes of 10 bits at 38400 baud.
int64_t wireUs(size_t bytes)
{
    return static_cast<int64_t>(bytes * 10 * 1000000 / 38400);
}

// Never early: whole milliseconds asleep, the rest yielding.
void sleepUntil(int64_t dueUs)
{
    for (int64_t left = dueUs - nowUs(); left > 0; left = dueUs - nowUs())
        Sleep(static_cast<DWORD>(left / 1000));
}

// Each piece leaves once its bytes have had their time on the line.
void sendPaced(HANDLE port, const uint8_t* data, size_t size)
{
    constexpr size_t kPiece = 8;
    const int64_t start = nowUs();
    for (size_t at = 0; at < size; at += kPiece) {
        const size_t n = std::min(kPiece, size - at);
        sleepUntil(start + wireUs(at + n));
        writeAll(port, data + at, n);
    }
}

void sendPart(HANDLE port, const uint8_t* data, size_t size, bool paced)
{
    if (paced)
        sendPaced(port, data, size);
    else if (size)
        writeAll(port, data, size);
}

void sendReply(HANDLE port, const std::vector<uint8_t>& reply, const kwsim::KwSimOptions& options)
{
    if (reply.empty())
        return;
    if (options.replyDelayMs)
        Sleep(options.replyDelayMs);
    const size_t split = options.splitAt ? std::min<size_t>(options.splitAt, reply.size()) : reply.size();
    sendPart(port, reply.data(), split, options.paced);
    if (split < reply.size()) {
        Sleep(options.splitPauseMs);
        sendPart(port, reply.data() + split, reply.size() - split, options.paced);
    }
}

bool markReady(const std::wstring& path)
{
    if (path.empty())
        return true;
    HANDLE h =
        CreateFileW(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (h == INVALID_HANDLE_VALUE)
        return false;
    CloseHandle(h);
    return true;
}

// Waits for a first byte, then takes what else has come. A read that would
// return early once anything has come (MAXDWORD interval and multiplier)
// waits out its whole time-out under Wine: 20 ms lost on every request.
bool readSome(HANDLE port, uint8_t* buffer, DWORD size, DWORD& got)
{
    got = 0;
    if (!ReadFile(port, buffer, 1, &got, nullptr))
        return false;
    COMSTAT status{};
    DWORD errors = 0;
    if (!got || !ClearCommError(port, &errors, &status) || !status.cbInQue)
        return true;
    DWORD more = 0;
    const BOOL ok = ReadFile(port, buffer + 1, std::min<DWORD>(status.cbInQue, size - 1), &more, nullptr);
    got += more;
    return ok;
}

// Paced, the request's bytes have their time on the line too: they follow
// one another from when they were read, and the reply leaves once the last
// has come through.
class RequestLine
{
public:
    explicit RequestLine(bool paced) : m_paced(paced) {}
    void read(size_t bytes, int64_t atUs)
    {
        if (m_paced)
            m_throughUs = std::max(m_throughUs, atUs) + wireUs(bytes);
    }
    void waitUntilThrough() const { sleepUntil(m_throughUs); }

private:
    bool m_paced;
    int64_t m_throughUs = 0;
};

int serve(HANDLE port, kwsim::SimController& sim, const kwsim::KwSimOptions& options, ExchangeTimes& times)
{
    uint8_t buffer[512];
    RequestLine line(options.paced);
    for (;;) {
        DWORD got = 0;
        if (!readSome(port, buffer, sizeof buffer, got)) {
            std::fwprintf(stderr, L"kwsim: reading COM%u failed (%lu)\n", options.port, GetLastError());
            return 1;
        }
        if (!got)
            continue;
        const int64_t now = nowUs();
        line.read(got, now);
        times.requestBytes(got);
        const std::vector<uint8_t> reply = sim.receive(buffer, got, now);
        if (reply.empty())
            continue;
        line.waitUntilThrough();
        times.through();
        sendReply(port, reply, options);
        times.replied(reply.size());
    }
}

} // namespace

int wmain(int argc, wchar_t** argv)
{
    kwsim::KwSimOptions options;
    std::wstring error;
    if (!kwsim::parseKwSimOptions(std::vector<std::wstring>(argv + 1, argv + argc), options, error)) {
        std::fwprintf(stderr, L"kwsim: %ls\n%ls", error.c_str(), kwsim::kwSimUsage().c_str());
        return 2;
    }
    RequestLog log(options.logFile);
    if (log.failed(options.logFile)) {
        std::fwprintf(stderr, L"kwsim: cannot write %ls\n", options.logFile.c_str());
        return 1;
    }
    ExchangeTimes times(options.timesFile);
    if (times.failed(options.timesFile)) {
        std::fwprintf(stderr, L"kwsim: cannot write %ls\n", options.timesFile.c_str());
        return 1;
    }
    kwsim::SimController sim(options.config);
    sim.setRequestListener([&log, &times](const kwsim::SimRequest& r) {
        log.add(r);
        times.request(r);
    });
    HANDLE port = openPort(options.port);
    if (port == INVALID_HANDLE_VALUE) {
        std::fwprintf(stderr, L"kwsim: cannot open COM%u (%lu)\n", options.port, GetLastError());
        return 1;
    }
    if (!markReady(options.readyFile)) {
        std::fwprintf(stderr, L"kwsim: cannot create %ls\n", options.readyFile.c_str());
        CloseHandle(port);
        return 1;
    }
    std::wprintf(L"kwsim: serving COM%u\n", options.port);
    std::fflush(stdout);
    const int code = serve(port, sim, options, times);
    CloseHandle(port);
    return code;
}
