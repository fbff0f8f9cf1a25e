#pragma once

#include <string>

namespace kwtest {

// Two COM ports joined by a fresh socat pty pair: what is written to one is
// read from the other. The program side is one of COM1..COM9 (the ports a
// discovery sees); the other side is that number + 10. Pairs are shared
// out between concurrently running test programs through lock folders in
// the Wine prefix.
class PtyPair
{
public:
    // Takes the first free program-side port, or exactly `programPort`.
    explicit PtyPair(int programPort = 0);
    ~PtyPair();
    PtyPair(const PtyPair&) = delete;
    PtyPair& operator=(const PtyPair&) = delete;

    bool ok() const { return m_ok; }
    int programPort() const { return m_port; }
    int peerPort() const { return m_port + 10; }
    // "\\\\.\\COMn" of either side.
    static std::wstring deviceName(int port);

private:
    bool lockPort(int port);
    bool start();
    void stop();

    int m_port = 0;
    bool m_ok = false;
    std::string m_pidFile;
};

} // namespace kwtest
