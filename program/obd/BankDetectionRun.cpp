#include "BankDetectionRun.h"

#include "CObdDetectDlg.h"
#include "CTranspWaitWnd.h"
#include "InjectorBankDetection.h"
#include "ProcedureRunner.h"
#include "SettingsHandler.h"
#include "translate.h"

#include <CLPGDevice.h>

namespace {

// Text only, a 3:1 rectangle without animation, over the main window.
void showWaitWindow(CTranspWaitWnd& wait)
{
    wait.m_text = translate(L"Detect").c_str();
    wait.m_sizeFactor = 0.15;
    wait.m_widthFactor = 3.0;
    wait.m_animate = 0;
    wait.m_rectangle = 1;
    if (CWnd* frame = AfxGetMainWnd())
        wait.show(frame->GetSafeHwnd());
}

} // namespace

bool runBankDetection(CWnd* page, uint8_t& mask)
{
    CLPGDevice* device = editableDevice();
    if (!device)
        return false;
    CObdDetectDlg dialog(page);
    // Cancel changes nothing, so there is nothing to report either.
    if (dialog.DoModal() != IDOK)
        return false;
    ProcedureRunner runner(*device, page, L"COBDMPDlg::OnClickedBtnDetect()");
    CTranspWaitWnd wait;
    showWaitWindow(wait);
    InjectorBankDetection detection(runner);
    const bool written = runner.run(
        [&] { return detection.run(dialog.m_maxShift) == InjectorBankDetection::Outcome::MaskWritten; });
    if (written)
        mask = detection.mask();
    return written;
}
