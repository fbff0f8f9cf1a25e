#include "PetrolProcedure.h"

#include <CDiag.h>
#include <CLPGDevice.h>
#include <UserInterface.h>

#include <windows.h>

namespace {

const unsigned char kPetrolMode = 2;
const DWORD kAfterResetMs = 1000;

} // namespace

PetrolProcedure::PetrolProcedure(CWnd* page, CLPGDevice& device) : m_page(page), m_device(device)
{
    CDiag newest;
    device.m_diagData.getLast(newest);
    m_wasOnPetrol = newest.getMode() == kPetrolMode;
}

bool PetrolProcedure::switchToPetrol()
{
    return m_device.switchToPetrolAndWait();
}

bool PetrolProcedure::write(BlockWrite block)
{
    if ((m_device.*block)())
        return true;
    showCantWrite(m_page);
    return false;
}

bool PetrolProcedure::reset(const wchar_t* failureText)
{
    if (m_device.reset())
        return true;
    showPageError(m_page, failureText);
    return false;
}

void PetrolProcedure::finish()
{
    // The busy flag is held, so the page's own commands stay refused meanwhile.
    pumpedSleep(kAfterResetMs);
    if (!m_wasOnPetrol)
        m_device.returnToGas();
}

bool runPetrolProcedure(CWnd* page, CLPGDevice& device, BlockWrite block, const wchar_t* resetFailureText)
{
    PetrolProcedure procedure(page, device);
    procedure.switchToPetrol();
    if (!procedure.write(block) || !procedure.reset(resetFailureText))
        return false;
    procedure.finish();
    return true;
}
