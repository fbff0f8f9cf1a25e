#include "CLPGDevice.h"

#include "FrameExchange.h"

#include <cstdint>
#include <cstdlib>

namespace {
const unsigned char kChecked = 0;
const unsigned char kFailed = 2;

// A request that does not fit a frame or the buffer is not sent at all.
bool exchangeFrames(CSerialPort& port, bool checked, uint16_t nonce, unsigned char* buffer, size_t bufferSize,
                    unsigned char& length, unsigned char& cmd)
{
    if (length > kMaxFramePayload || length > bufferSize)
        return false;
    FrameExchange exchange(port, checked);
    unsigned char replyLen = 0, replyCmd = 0;
    if (!exchange.send(buffer, length, cmd, nonce) ||
        !exchange.receive(buffer, bufferSize, replyLen, replyCmd))
        return false;
    length = replyLen;
    cmd = replyCmd;
    return true;
}
} // namespace

bool CLPGDevice::transact(unsigned char* buffer, unsigned char& length, unsigned char& cmd, size_t bufferSize)
{
    const uint16_t nonce = static_cast<uint16_t>(rand());
    CMutexGuard guard(&m_mutex);
    if (!exchangeFrames(m_port, false, nonce, buffer, bufferSize, length, cmd))
        return false;
    length = static_cast<unsigned char>(length - kFrameSumSize);
    return true;
}

unsigned char CLPGDevice::transactChecked(unsigned char* buffer, unsigned char& length, unsigned char& cmd,
                                          size_t bufferSize)
{
    CMutexGuard guard(&m_mutex);
    const uint16_t nonce = static_cast<uint16_t>(rand());
    return exchangeFrames(m_port, true, nonce, buffer, bufferSize, length, cmd) ? kChecked : kFailed;
}
