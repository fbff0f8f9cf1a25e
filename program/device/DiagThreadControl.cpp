#include "DiagThreadControl.h"

#include "CDiagRSThread.h"
#include "DiagRunFlag.h"

#include <CThreadManager.h>

// The owner stops the thread before it takes the controller down; a flag
// the thread still holds lives on with it.
DiagThreadControl::~DiagThreadControl() = default;

bool DiagThreadControl::start(CThreadManager& manager, CDiagData* store, const std::wstring& path)
{
    if (!stop())
        return false;
    m_runFlag = std::make_shared<DiagRunFlag>();
    manager.insert(new CDiagRSThread(store, path, m_runFlag));
    return true;
}

bool DiagThreadControl::stop()
{
    if (!isRunning())
        return true;
    m_runFlag->clear();
    const DWORD started = GetTickCount();
    const bool ended = m_runFlag->waitEnded(kMaxStopMs);
    const DWORD waited = GetTickCount() - started;
    if (waited < kMinStopMs)
        Sleep(kMinStopMs - waited);
    return ended;
}

bool DiagThreadControl::isRunning() const
{
    return m_runFlag && !m_runFlag->hasEnded();
}
