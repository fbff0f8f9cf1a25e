#include "ProgramBusy.h"

#include <utility>

namespace {

int g_busyDepth = 0;
std::function<void()> g_idleAction;

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

ProgramBusy::~ProgramBusy()
{
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
