#pragma once

#include <functional>

// The one program-wide busy flag. Every procedure that pumps messages while
// it talks to the controller holds a ProgramBusy for its whole run: menu
// commands are refused meanwhile, the frame's timer skips its own controller
// work, and a close asked for meanwhile waits until the last one ends.
class ProgramBusy
{
public:
    ProgramBusy();
    // A procedure that can be cut short says how: a close asks it to stop
    // rather than wait for its natural end.
    explicit ProgramBusy(std::function<void()> stop);
    ~ProgramBusy();
    ProgramBusy(const ProgramBusy&) = delete;
    ProgramBusy& operator=(const ProgramBusy&) = delete;

    static bool isSet();
    // Runs `action` once no procedure runs any more: at once when none runs,
    // else when the last one ends. A later call replaces an action not run yet.
    static void whenIdle(std::function<void()> action);
    // Asks every running procedure that can stop to stop.
    static void requestStop();

private:
    std::function<void()> m_stop;
};
