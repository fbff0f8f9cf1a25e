#pragma once

#include "ISerialTransport.h"

#include <cstdint>
#include <deque>
#include <memory>
#include <mutex>
#include <vector>

namespace kwtest {

using Bytes = std::vector<unsigned char>;

// The controller's side of a scripted line, shared by the test and the
// transport the port makes. Each complete request frame written releases
// the next scripted reply. A reply is a list of parts: a read stops at the
// end of a part as if the line had gone quiet until the read time-out.
struct LineScript
{
    std::mutex lock;
    Bytes written;
    std::deque<std::vector<Bytes>> replies;
    std::deque<Bytes> input;
    std::deque<DWORD> lineErrors; // one per clearCommError call, 0 when none left
    Bytes frame;                  // the request being written
    size_t bytesRead = 0;
    unsigned purges = 0;
    DWORD readError = 0;
    DWORD writeError = 0;
    DWORD openError = 0;
    DWORD stateError = 0;
    DWORD purgeError = 0;

    void reply(std::vector<Bytes> parts);
    void reply(const Bytes& whole) { reply(std::vector<Bytes>{whole}); }
};

// A transport over a LineScript; install with installScript().
class ScriptedTransport : public ISerialTransport
{
public:
    explicit ScriptedTransport(std::shared_ptr<LineScript> script) : m_script(std::move(script)) {}

    bool present(unsigned port) override { return port >= 1 && port <= 9; }
    DWORD open(unsigned port) override;
    void close() override { m_open = false; }
    bool isOpen() const override { return m_open; }
    DWORD setState(const DCB&) override { return m_script->stateError; }
    DWORD setTimeouts(const COMMTIMEOUTS&) override { return m_script->stateError; }
    DWORD read(void* buffer, DWORD size, DWORD* got) override;
    DWORD write(const void* buffer, DWORD size, DWORD* written) override;
    DWORD purgeIn() override;
    DWORD clearCommError(DWORD* errors) override;

private:
    void frameWritten(const unsigned char* bytes, DWORD size);

    std::shared_ptr<LineScript> m_script;
    bool m_open = false;
};

// Makes every new port talk to a fresh script until the returned guard goes.
class ScriptInstall
{
public:
    ScriptInstall();
    ~ScriptInstall();
    std::shared_ptr<LineScript> script;
};

// A reply frame built the way the controller builds it (the simulator's codec,
// written apart from the program's).
Bytes replyFrame(unsigned char cmd, uint16_t nonce, const Bytes& payload);
// A seed after which the next rand() of this thread is `nonce`.
unsigned seedForNonce(uint16_t nonce);

} // namespace kwtest
