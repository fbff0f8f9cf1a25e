#include "ProgramBusy.h"

#include <algorithm>
#include <utility>
#include <vector>

namespace {

int g_busyDepth = 0;
std::function<void()> g_idleAction;
std::vector<ProgramBusy*> g_stoppable;

void runIdleAction()
{
    std::function<void()> action = std::move(g_idleAction);
    g_idleAction = nullptr;
    if (action)
        action();
}

} // namespace

ProgramBusy::ProgramBusy()
{
    ++g_busyDepth;
}

ProgramBusy::ProgramBusy(std::function<void()> stop) : m_stop(std::move(stop))
{
    ++g_busyDepth;
    g_stoppable.push_back(this);
}

ProgramBusy::~ProgramBusy()
{
    g_stoppable.erase(std::remove(g_stoppable.begin(), g_stoppable.end(), this), g_stoppable.end());
    if (--g_busyDepth == 0)
        runIdleAction();
}

bool ProgramBusy::isSet()
{
    return g_busyDepth > 0;
}

void ProgramBusy::whenIdle(std::function<void()> action)
{
    g_idleAction = std::move(action);
    if (g_busyDepth == 0)
        runIdleAction();
}

void ProgramBusy::requestStop()
{
    const std::vector<ProgramBusy*> running = g_stoppable;
    for (ProgramBusy* busy : running)
        if (busy->m_stop)
            busy->m_stop();
}
