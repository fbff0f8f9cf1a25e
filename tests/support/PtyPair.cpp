#include "PtyPair.h"

#include "UnixCommand.h"

#include <windows.h>

#include <string>

namespace kwtest {

namespace {
std::string comLink(int port) { return winePrefix() + "/dosdevices/com" + std::to_string(port); }

std::wstring lockDir(int port)
{
    // Not "comN": a DOS device name is reserved in every folder.
    return windowsPathOf(winePrefix() + "/kw-locks/port" + std::to_string(port));
}

} // namespace

PtyPair::PtyPair(int programPort)
{
    if (winePrefix().empty())
        return;
    CreateDirectoryW(windowsPathOf(winePrefix() + "/kw-locks").c_str(), nullptr);
    int first = programPort ? programPort : 1;
    int last = programPort ? programPort : 9;
    for (int port = first; port <= last && !m_port; ++port) {
        if (lockPort(port))
            m_port = port;
    }
    if (m_port)
        m_ok = start();
}

PtyPair::~PtyPair()
{
    if (!m_port)
        return;
    stop();
    RemoveDirectoryW(lockDir(m_port).c_str());
}

std::wstring PtyPair::deviceName(int port) { return L"\\\\.\\COM" + std::to_wstring(port); }

bool PtyPair::lockPort(int port) { return CreateDirectoryW(lockDir(port).c_str(), nullptr) != 0; }

bool PtyPair::start()
{
    const std::string a = comLink(m_port), b = comLink(peerPort());
    m_pidFile = winePrefix() + "/kw-locks/socat" + std::to_string(m_port) + ".pid";
    runUnixCommand("rm -f '" + a + "' '" + b + "'");
    const std::string ready = m_pidFile + ".ready";
    runUnixCommand("socat pty,raw,echo=0,link='" + a + "' pty,raw,echo=0,link='" + b +
                   "' >/dev/null 2>&1 & echo $! > '" + m_pidFile + "'; for i in $(seq 1 200); do "
                   "[ -e '" + a + "' ] && [ -e '" + b + "' ] && touch '" + ready + "' && break; sleep 0.02; done");
    const std::wstring readyName = windowsPathOf(ready);
    bool linked = GetFileAttributesW(readyName.c_str()) != INVALID_FILE_ATTRIBUTES;
    DeleteFileW(readyName.c_str());
    return linked;
}

void PtyPair::stop()
{
    runUnixCommand("[ -f '" + m_pidFile + "' ] && kill $(cat '" + m_pidFile + "'); rm -f '" + m_pidFile + "' '" +
                   comLink(m_port) + "' '" + comLink(peerPort()) + "'");
}

} // namespace kwtest
