#pragma once

#include "ProcedureRunner.h"
#include "SettingsHandler.h"

class CLPGDevice;
class CWnd;

// The long settings changes of the pages: the controller goes to petrol,
// takes the new settings, restarts, and after a second goes back to gas
// unless it was on petrol before. It runs on a procedure runner: the
// program is busy for its whole life, a close stops it, and whichever step
// fails, the controller is handed back to its own switching.
//
//     PetrolProcedure procedure(this, *device);
//     procedure.switchToPetrol();
//     if (procedure.write(&CLPGDevice::writeBlock26) && procedure.reset())
//         procedure.finish();
//
// A failed step shows its message and the caller stops there.
class PetrolProcedure
{
public:
    // Notes the working mode of the newest live-data sample.
    PetrolProcedure(CWnd* page, CLPGDevice& device);
    PetrolProcedure(const PetrolProcedure&) = delete;
    PetrolProcedure& operator=(const PetrolProcedure&) = delete;

    // Petrol, and the wait until the controller reports it.
    bool switchToPetrol();
    // One block; a failure shows "Can't write settings to device!". After a
    // stop nothing more is written.
    bool write(BlockWrite block);
    // The restart; a failure shows `failureText` (translated).
    bool reset(const wchar_t* failureText = L"Can't write settings to device!");
    // One second, then back to gas unless the noted mode was petrol.
    void finish();

    bool wasOnPetrol() const { return m_wasOnPetrol; }
    ProcedureRunner& runner() { return m_runner; }

private:
    ProcedureRunner m_runner;
    CWnd* m_page;
    bool m_wasOnPetrol;
};

// The whole procedure for one block: petrol, `block`, reset, 1 s, back to
// gas. True when every step went through.
bool runPetrolProcedure(CWnd* page, CLPGDevice& device, BlockWrite block,
                        const wchar_t* resetFailureText = L"Can't write settings to device!");
