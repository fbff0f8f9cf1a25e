#include "PetrolProcedure.h"

#include <CDiag.h>
#include <CLPGDevice.h>

namespace {

const unsigned char kPetrolMode = 2;
const unsigned kAfterResetMs = 1000;

} // namespace

// An error object thrown on the way goes to the page's handler; the runner
// hands the controller back as the stack unwinds.
PetrolProcedure::PetrolProcedure(CWnd* page, CLPGDevice& device)
    : m_runner(device, page, L"PetrolProcedure"), m_page(page)
{
    CDiag newest;
    device.m_diagData.getLast(newest);
    m_wasOnPetrol = newest.getMode() == kPetrolMode;
    if (!m_wasOnPetrol)
        m_runner.endOnGas();
}

bool PetrolProcedure::switchToPetrol()
{
    return m_runner.switchToPetrolAndWait();
}

bool PetrolProcedure::write(BlockWrite block)
{
    if (m_runner.stopped())
        return false;
    if (m_runner.write(block))
        return true;
    showCantWrite(m_page);
    return false;
}

bool PetrolProcedure::reset(const wchar_t* failureText)
{
    if (m_runner.stopped())
        return false;
    if (m_runner.reset())
        return true;
    showPageError(m_page, failureText);
    return false;
}

// A stop cuts the second short; the controller goes back all the same.
void PetrolProcedure::finish()
{
    m_runner.wait(kAfterResetMs);
    if (!m_wasOnPetrol)
        m_runner.returnToGas();
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
