#pragma once

// A window told that the main frame's 100 ms timer ticked: it refreshes its
// displays from the newest live-data sample.
class ITimerBasedGUI
{
public:
    virtual ~ITimerBasedGUI() = default;
    virtual void v_onTimer() {}
};
