// The page's mapping from the engine computer's fuel trims.
#include "CCorRpmMPDlg.h"

#include "PetrolProcedure.h"
#include "ProcedureRunner.h"
#include "translate.h"

#include <CDiag.h>
#include <CLPGDevice.h>
#include <UserInterface.h>

namespace {

bool onGas(unsigned char mode)
{
    return mode == 3 || mode == 4 || mode == 5;
}

void showPageNote(CWnd* page, const wchar_t* text)
{
    showProgramMessage(page, text, MB_ICONINFORMATION);
}

} // namespace

void CCorRpmMPDlg::showObdResults()
{
    for (int l = 0; l < CCorrMap::kRows; ++l)
        for (int r = 0; r < CCorrMap::kCols; ++r)
            m_mapTable.setCellValue(r, l, m_mapFromOBD.result(l, r));
}

void CCorRpmMPDlg::OnClickedBtnObdMapStart()
{
    CLPGDevice* device = editableDevice();
    if (!device || device->m_diagData.count() < 1)
        return;
    CDiag newest;
    device->m_diagData.getLast(newest);
    if (!onGas(newest.getMode())) {
        showPageNote(this, L"Mapping from OBD fuel trim is only avaiable during GAS MODE");
        return;
    }
    bool started = false;
    runSettingsHandler(this, L"CCorRpmMPDlg::OnClickedBtnObdMapStart",
                       [&] { started = startMapping(*device); });
    if (!started)
        return;
    m_mapTable.setColorScale(1.0);
    m_mapTable.setColorMode(0);
    m_startButton.EnableWindow(FALSE);
    m_mapFromOBD.clear();
    m_mappingRunning = true;
    m_calculateButton.EnableWindow(FALSE);
}

// The automatic correction goes off while the trims are collected; mapping
// does not start when it cannot be switched off.
bool CCorRpmMPDlg::startMapping(CLPGDevice& device)
{
    m_correctionSaved = false;
    COBDAdvSetup setup;
    if (!device.readBlock27(setup) || setup.obd_corr_enable_flag == 0)
        return true;
    showPageNote(this, L"Automatic OBD correction must be disable during this operation.");
    const uint8_t enabled = setup.obd_corr_enable_flag;
    setup.obd_corr_enable_flag = 0;
    if (!device.writeBlock27(setup)) {
        showCantWrite(this);
        return false;
    }
    m_savedCorrection = enabled;
    m_correctionSaved = true;
    return true;
}

// Every end of mapping puts back the automatic correction found at Start,
// into block 27 as the controller holds it now; what cannot be put back the
// runner names.
void CCorRpmMPDlg::endMapping(CLPGDevice* device)
{
    m_mappingRunning = false;
    if (!m_correctionSaved || !device)
        return;
    CWnd* owner = GetSafeHwnd() ? this : nullptr;
    runSettingsHandler(owner, L"CCorRpmMPDlg::endMapping", [&] {
        m_correctionSaved = false;
        ProcedureRunner runner(*device, owner, L"CCorRpmMPDlg::endMapping()");
        runner.keepObdCorrectionSwitch(m_savedCorrection);
    });
}

void CCorRpmMPDlg::OnClickedBtnObdMapStop()
{
    endMapping(editableDevice());
    m_calculateButton.EnableWindow(TRUE);
    m_startButton.EnableWindow(TRUE);
}

void CCorRpmMPDlg::OnClickedBtnObdMapCalculate()
{
    WaitCursor wait;
    m_mapFromOBD.calculate();
    const CCorrMap corrected =
        m_mapFromOBD.corrected(g_pDevice ? g_pDevice->m_settings.m_corrMap : CCorrMap());
    m_mapFromOBD.clear();
    m_mapTable.setColorMode(1);
    CLPGDevice* device = editableDevice();
    endMapping(device);
    m_calculateButton.EnableWindow(TRUE);
    m_startButton.EnableWindow(TRUE);
    if (device)
        runSettingsHandler(this, L"CCorRpmMPDlg::OnClickedBtnObdMapCalculate",
                           [&] { storeObdCorrections(*device, corrected); });
    refreshMap();
}

// Petrol, the corrected map, the restart, then back to gas. The record
// takes the map only once the controller has it; otherwise it is read back.
bool CCorRpmMPDlg::storeObdCorrections(CLPGDevice& device, const CCorrMap& corrected)
{
    PetrolProcedure procedure(this, device);
    if (!procedure.switchToPetrol()) {
        showPageError(this, L"Can't switch to petrol");
        return false;
    }
    CCorrMap& map = device.m_settings.m_corrMap;
    const CCorrMap old = map;
    map = corrected;
    if (!procedure.write(&CLPGDevice::writeCorrectionMap)) {
        map = old;
        device.readCorrectionMap();
        return false;
    }
    if (!procedure.reset())
        return true;
    refreshMap();
    procedure.finish();
    return true;
}
