#pragma once

#include <string>
#include <vector>

// Frame trace for comparing a real controller with what we expect: when the
// environment variable KESTRELWAVE_FRAME_TRACE names a file, every frame
// sent and received is appended to it as one line of hex bytes with its
// direction ("->" sent, "<-" received).
class FrameTrace
{
public:
    FrameTrace();
    ~FrameTrace();
    FrameTrace(const FrameTrace&) = delete;
    FrameTrace& operator=(const FrameTrace&) = delete;

    bool on() const { return !m_file.empty(); }
    void sent(const unsigned char* bytes, size_t n);
    void received(const unsigned char* bytes, size_t n);

private:
    void write(const char* direction, const std::vector<unsigned char>& bytes) const;

    std::wstring m_file;
    std::vector<unsigned char> m_sent;
    std::vector<unsigned char> m_received;
};
