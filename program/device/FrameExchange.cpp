#include "FrameExchange.h"

#include "ByteOrder.h"
#include "frame.h"

#include <windows.h>

#include <algorithm>
#include <cstring>

namespace {
// How long transact waits for the rest of a reply that came in two parts.
const DWORD kSecondReadPauseMs = 50;
} // namespace

bool FrameExchange::send(unsigned char* payload, unsigned char size, unsigned char cmd, uint16_t nonce)
{
    const unsigned char len = static_cast<unsigned char>(size + kFrameSumSize);
    const unsigned char header[kFrameHeaderSize] = {kFrameStart0, kFrameStart1, len, cmd};
    unsigned char nonceBytes[kFrameNonceSize];
    putBigEndian16(nonceBytes, nonce);
    unsigned char sumBytes[kFrameSumSize];
    putBigEndian16(sumBytes, frameChecksum(nonce, cmd, len, payload, size));
    rotateLeft16(payload, size / 2, nonce);
    if (m_checked)
        m_port.purgeIn();
    write(header, sizeof header);
    write(nonceBytes, sizeof nonceBytes);
    if (!lineClear())
        return false;
    write(payload, size);
    if (!lineClear())
        return false;
    // The controller answers only after the sum, so this purge cannot eat its reply.
    m_port.purgeIn();
    write(sumBytes, sizeof sumBytes);
    return lineClear();
}

bool FrameExchange::receive(unsigned char* buffer, size_t capacity, unsigned char& len, unsigned char& cmd)
{
    unsigned char header[kFrameHeaderSize];
    uint16_t nonce = 0;
    if (!readHeader(header) || !readNonce(nonce))
        return false;
    memset(buffer, 0, std::min<size_t>(capacity, kTransactBufferSize));
    if (!lineClear())
        return false;
    // The body goes to a buffer of its own: whatever LEN says, nothing is
    // written past the caller's capacity, and a short reply is no reply.
    unsigned char body[255];
    const unsigned char replyLen = header[2];
    const unsigned count = readBody(body, replyLen);
    if (count != replyLen || count <= kFrameSumSize || count > capacity)
        return false;
    rotateRight16(body, (count - kFrameSumSize) / 2, nonce);
    memcpy(buffer, body, count);
    const uint16_t expected = frameChecksum(nonce, header[3], replyLen, body, replyLen - kFrameSumSize);
    if (bigEndian16(body + count - kFrameSumSize) != expected || !lineClear())
        return false;
    len = replyLen;
    cmd = header[3];
    return true;
}

void FrameExchange::write(const unsigned char* bytes, unsigned n)
{
    if (n == 0)
        return;
    // The written count is not checked: some ports never report it.
    m_port.write(bytes, n);
    m_trace.sent(bytes, n);
}

unsigned FrameExchange::read(unsigned char* bytes, unsigned n)
{
    const unsigned got = std::min(m_port.read(bytes, n), n);
    m_trace.received(bytes, got);
    return got;
}

bool FrameExchange::lineClear()
{
    return !m_checked || m_port.clearCommError() == 0;
}

// Out of step, the header is taken from the first 0xAA on; the second start
// byte is not looked at again (the sum catches a wrong one).
bool FrameExchange::readHeader(unsigned char (&header)[4])
{
    if (read(header, kFrameHeaderSize) < kFrameHeaderSize)
        return false;
    if (header[0] == kFrameStart0 && header[1] == kFrameStart1)
        return true;
    const unsigned char* start = std::find(header, header + kFrameHeaderSize, kFrameStart0);
    if (start == header + kFrameHeaderSize)
        return false;
    const unsigned skipped = static_cast<unsigned>(start - header);
    memmove(header, start, kFrameHeaderSize - skipped);
    return skipped == 0 || read(header + kFrameHeaderSize - skipped, skipped) == skipped;
}

bool FrameExchange::readNonce(uint16_t& nonce)
{
    unsigned char bytes[kFrameNonceSize];
    if (read(bytes, kFrameNonceSize) < kFrameNonceSize)
        return false;
    nonce = bigEndian16(bytes);
    return true;
}

unsigned FrameExchange::readBody(unsigned char* body, unsigned len)
{
    unsigned count = read(body, len);
    if (count < len && !m_checked) {
        Sleep(kSecondReadPauseMs);
        count += read(body + count, len - count);
    }
    return count;
}
