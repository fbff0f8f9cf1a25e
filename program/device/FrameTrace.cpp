#include "FrameTrace.h"

#include <windows.h>

#include <cstdio>
#include <mutex>

namespace {
// The reading thread and the user interface both trace.
std::mutex s_traceLock;

std::wstring traceFileName()
{
    wchar_t name[MAX_PATH] = {};
    const DWORD n = GetEnvironmentVariableW(L"KESTRELWAVE_FRAME_TRACE", name, MAX_PATH);
    return n > 0 && n < MAX_PATH ? std::wstring(name, n) : std::wstring();
}
} // namespace

// A transaction's frames are written when it ends, whichever way it ends.
FrameTrace::FrameTrace() : m_file(traceFileName()) {}

FrameTrace::~FrameTrace()
{
    if (!on())
        return;
    write("->", m_sent);
    write("<-", m_received);
}

void FrameTrace::sent(const unsigned char* bytes, size_t n)
{
    if (on())
        m_sent.insert(m_sent.end(), bytes, bytes + n);
}

void FrameTrace::received(const unsigned char* bytes, size_t n)
{
    if (on())
        m_received.insert(m_received.end(), bytes, bytes + n);
}

void FrameTrace::write(const char* direction, const std::vector<unsigned char>& bytes) const
{
    SYSTEMTIME now;
    GetLocalTime(&now);
    std::lock_guard<std::mutex> hold(s_traceLock);
    FILE* file = _wfopen(m_file.c_str(), L"a");
    if (!file)
        return;
    fprintf(file, "%02u:%02u:%02u.%03u %s", now.wHour, now.wMinute, now.wSecond, now.wMilliseconds,
            direction);
    for (unsigned char b : bytes)
        fprintf(file, " %02X", b);
    fprintf(file, "\n");
    fclose(file);
}
