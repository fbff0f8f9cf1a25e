// The petrol OBD page's injector bank assignment: the bank boxes and the
// detection behind the "Detect" button.
#include "BankDetectionRun.h"
#include "COBDMPDlg.h"
#include "ObdPageIds.h"
#include "SettingsHandler.h"

#include <CLPGDevice.h>

void COBDMPDlg::setBankBoxes(uint8_t mask)
{
    for (int i = 0; i < kInjectors; ++i)
        checkBank(i, mask);
    UpdateData(FALSE);
}

void COBDMPDlg::checkBank(int injector, uint8_t mask)
{
    const bool bank2 = (mask >> injector) & 1;
    m_bankChecks[2 * injector] = !bank2;
    m_bankChecks[2 * injector + 1] = bank2;
}

void COBDMPDlg::OnBankBoxClicked(UINT id)
{
    const int box = static_cast<int>(id) - IDC_OBD_BANK_BOX_FIRST;
    onInjActive(box / 2, box % 2);
}

void COBDMPDlg::onInjActive(int injector, int bank)
{
    runSettingsHandler(this, L"COBDMPDlg::onInjActive", [&] {
        UpdateData(TRUE);
        m_bankChecks[2 * injector + 1 - bank] = !m_bankChecks[2 * injector + bank];
        UpdateData(FALSE);
        CLPGDevice* device = editableDevice();
        if (!device)
            return;
        uint8_t mask = 0;
        for (int i = 0; i < kInjectors; ++i)
            if (m_bankChecks[2 * i + 1])
                mask |= static_cast<uint8_t>(1 << i);
        device->m_settings.m_obdAdvSetup.obd_corr_for_cyl = mask;
        if (!device->writeBlock27(device->m_settings.m_obdAdvSetup))
            showCantWrite(this);
    });
    // The clicked box has toggled itself already: a refused or failed click
    // must not leave the boxes disagreeing with the record.
    if (g_pDevice) {
        checkBank(injector, g_pDevice->m_settings.m_obdAdvSetup.obd_corr_for_cyl);
        UpdateData(FALSE);
    }
}

void COBDMPDlg::OnClickedBtnDetect()
{
    uint8_t mask = 0;
    if (runBankDetection(this, mask))
        setBankBoxes(mask);
}
