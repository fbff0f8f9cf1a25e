#pragma once

#include "PrambleApi.h"

// A window whose whole client area is one hosted control: the host creates
// the control in onInit and fits it in onSize.
class PRAMBLE_API ICtrlContainer
{
public:
    ICtrlContainer() = default;
    ICtrlContainer(const ICtrlContainer&) {}
    ICtrlContainer& operator=(const ICtrlContainer&) { return *this; }
    virtual ~ICtrlContainer();

    virtual void onInit() = 0;
    virtual void onSize(int cx, int cy) = 0;
};
