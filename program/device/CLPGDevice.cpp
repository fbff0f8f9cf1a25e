#include "CLPGDevice.h"

CLPGDevice* g_pDevice = nullptr;

CLPGDevice::CLPGDevice()
{
    g_pDevice = this;
}

// The port is not closed here: its owner closes it. A pointer to this object
// does not outlive it, and neither does a reading thread that uses it.
CLPGDevice::~CLPGDevice()
{
    m_diagThread.stop();
    if (g_pDevice == this)
        g_pDevice = nullptr;
}
