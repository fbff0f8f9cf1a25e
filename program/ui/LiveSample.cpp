#include "LiveSample.h"

#include <CLPGDevice.h>

bool newestSample(CDiag& out)
{
    if (g_pDevice == nullptr || !g_pDevice->m_connected || g_pDevice->m_diagData.count() == 0)
        return false;
    g_pDevice->m_diagData.getLast(out);
    return true;
}
