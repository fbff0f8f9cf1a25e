#include "CLPGDevice.h"

CLPGDevice* g_pDevice = nullptr;

CLPGDevice::CLPGDevice()
{
    g_pDevice = this;
}

// The port is not closed here: its owner closes it. A pointer to this object
// does not outlive it.
CLPGDevice::~CLPGDevice()
{
    if (g_pDevice == this)
        g_pDevice = nullptr;
}
