// The page's mapping from the engine computer's fuel trims.
#include "CCorRpmMPDlg.h"

#include "MapPageSupport.h"
#include "ProgramBusy.h"

#include <CDiag.h>
#include <CLPGDevice.h>
#include <IError.h>

namespace {

bool onGas(unsigned char mode)
{
    return mode == 3 || mode == 4 || mode == 5;
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
    CLPGDevice* device = mapDevice();
    if (!device || device->m_diagData.count() < 1)
        return;
    CDiag newest;
    device->m_diagData.getLast(newest);
    if (!onGas(newest.getMode())) {
        showMapMessage(this, L"Mapping from OBD fuel trim is only avaiable during GAS MODE",
                       MB_ICONINFORMATION);
        return;
    }
    try {
        if (!startMapping(*device))
            return;
    } catch (IError* e) {
        reportMapError(L"CCorRpmMPDlg::OnClickedBtnObdMapStart()", e);
        return;
    }
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
    showMapMessage(this, L"Automatic OBD correction must be disable during this operation.",
                   MB_ICONINFORMATION);
    const uint8_t enabled = setup.obd_corr_enable_flag;
    setup.obd_corr_enable_flag = 0;
    if (!device.writeBlock27(setup)) {
        showMapWriteError(this);
        return false;
    }
    m_savedCorrection = enabled;
    m_correctionSaved = true;
    return true;
}

// Every end of mapping puts back the automatic correction found at Start,
// into block 27 as the controller holds it now.
void CCorRpmMPDlg::endMapping(CLPGDevice* device)
{
    m_mappingRunning = false;
    if (!m_correctionSaved || !device)
        return;
    try {
        COBDAdvSetup setup;
        if (device->readBlock27(setup)) {
            setup.obd_corr_enable_flag = m_savedCorrection;
            if (device->writeBlock27(setup)) {
                m_correctionSaved = false;
                return;
            }
        }
        showMapWriteError(GetSafeHwnd() ? this : nullptr);
    } catch (IError* e) {
        reportMapError(L"CCorRpmMPDlg::endMapping()", e);
    }
}

void CCorRpmMPDlg::OnClickedBtnObdMapStop()
{
    endMapping(mapDevice());
    m_calculateButton.EnableWindow(TRUE);
    m_startButton.EnableWindow(TRUE);
}

void CCorRpmMPDlg::OnClickedBtnObdMapCalculate()
{
    CWaitCursor wait;
    m_mapFromOBD.calculate();
    const CCorrMap corrected =
        m_mapFromOBD.corrected(g_pDevice ? g_pDevice->m_settings.m_corrMap : CCorrMap());
    m_mapFromOBD.clear();
    m_mapTable.setColorMode(1);
    CLPGDevice* device = mapDevice();
    endMapping(device);
    m_calculateButton.EnableWindow(TRUE);
    m_startButton.EnableWindow(TRUE);
    if (device) {
        try {
            CCorrMap& map = device->m_settings.m_corrMap;
            const CCorrMap old = map;
            map = corrected;
            if (!storeObdCorrections(*device)) {
                map = old;
                device->readCorrectionMap();
            }
        } catch (IError* e) {
            reportMapError(L"CCorRpmMPDlg::OnClickedBtnObdMapCalculate()", e);
        }
    }
    refreshMap();
}

// Petrol, the corrected map, the restart, then back to gas. False when the
// controller did not take the map: the record's map is then put back.
bool CCorRpmMPDlg::storeObdCorrections(CLPGDevice& device)
{
    ProgramBusy busy;
    if (!device.switchToPetrolAndWait()) {
        showMapMessage(this, L"Can't switch to petrol", MB_ICONERROR);
        return false;
    }
    if (!device.writeCorrectionMap()) {
        showMapWriteError(nullptr);
        return false;
    }
    if (!device.reset()) {
        showMapWriteError(nullptr);
        return true;
    }
    refreshMap();
    pumpedWait(1000);
    device.returnToGas();
    return true;
}
