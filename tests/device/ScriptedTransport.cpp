#include "ScriptedTransport.h"

#include "SimFrame.h"

#include <algorithm>
#include <cstdlib>
#include <cstring>

namespace kwtest {

void LineScript::reply(std::vector<Bytes> parts)
{
    std::lock_guard<std::mutex> hold(lock);
    replies.push_back(std::move(parts));
}

DWORD ScriptedTransport::open(unsigned)
{
    std::lock_guard<std::mutex> hold(m_script->lock);
    m_open = m_script->openError == 0;
    return m_script->openError;
}

DWORD ScriptedTransport::read(void* buffer, DWORD size, DWORD* got)
{
    std::lock_guard<std::mutex> hold(m_script->lock);
    *got = 0;
    if (m_script->readError)
        return m_script->readError;
    auto& input = m_script->input;
    if (input.empty())
        return 0;
    Bytes& part = input.front();
    const DWORD n = std::min<DWORD>(size, static_cast<DWORD>(part.size()));
    memcpy(buffer, part.data(), n);
    part.erase(part.begin(), part.begin() + n);
    if (part.empty())
        input.pop_front();
    *got = n;
    m_script->bytesRead += n;
    return 0;
}

DWORD ScriptedTransport::write(const void* buffer, DWORD size, DWORD* written)
{
    std::lock_guard<std::mutex> hold(m_script->lock);
    *written = 0;
    if (m_script->writeError)
        return m_script->writeError;
    const unsigned char* bytes = static_cast<const unsigned char*>(buffer);
    m_script->written.insert(m_script->written.end(), bytes, bytes + size);
    frameWritten(bytes, size);
    *written = size;
    return 0;
}

// A request is complete after AA 55 LEN CMD, the nonce and LEN more bytes.
void ScriptedTransport::frameWritten(const unsigned char* bytes, DWORD size)
{
    Bytes& frame = m_script->frame;
    frame.insert(frame.end(), bytes, bytes + size);
    if (frame.size() < 3 || frame.size() < 6u + frame[2])
        return;
    frame.clear();
    if (m_script->replies.empty())
        return;
    for (Bytes& part : m_script->replies.front())
        m_script->input.push_back(std::move(part));
    m_script->replies.pop_front();
}

DWORD ScriptedTransport::purgeIn()
{
    std::lock_guard<std::mutex> hold(m_script->lock);
    if (m_script->purgeError)
        return m_script->purgeError;
    m_script->input.clear();
    ++m_script->purges;
    return 0;
}

DWORD ScriptedTransport::clearCommError(DWORD* errors)
{
    std::lock_guard<std::mutex> hold(m_script->lock);
    *errors = 0;
    if (!m_script->lineErrors.empty()) {
        *errors = m_script->lineErrors.front();
        m_script->lineErrors.pop_front();
    }
    return 0;
}

ScriptInstall::ScriptInstall() : script(std::make_shared<LineScript>())
{
    std::shared_ptr<LineScript> shared = script;
    setSerialTransportFactory([shared] { return std::make_unique<ScriptedTransport>(shared); });
}

ScriptInstall::~ScriptInstall()
{
    setSerialTransportFactory(nullptr);
}

Bytes replyFrame(unsigned char cmd, uint16_t nonce, const Bytes& payload)
{
    return kwsim::encodeFrame({cmd, nonce, payload});
}

unsigned seedForNonce(uint16_t nonce)
{
    for (unsigned seed = 0;; ++seed) {
        srand(seed);
        if (rand() == nonce)
            return seed;
    }
}

} // namespace kwtest
