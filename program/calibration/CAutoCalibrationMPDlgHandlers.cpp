// The page's commands: the calibration run, Stop, the check boxes, the
// corrections' spins and the B and G buttons.
#include "CAutoCalibrationMPDlg.h"

#include "CAutoCalibration.h"
#include "CPageCalibrationHost.h"
#include "CalibrationMath.h"
#include "CalibrationPageIds.h"
#include "ErrorReport.h"
#include "ProgramBusy.h"
#include "SettingsHandler.h"
#include "translate.h"

#include <CDiag.h>
#include <CLPGDevice.h>
#include <IError.h>
#include <UserInterface.h>

#include <commctrl.h>

#include <cmath>
#include <cstdio>
#include <cstdlib>

namespace {
const double kLowestCorrection = -3.0;
const double kHighestCorrection = 6.0;

// The bits of the first `count` buttons that show `image` (or, with
// `other`, any other image).
unsigned bitsShowing(const int* images, int count, int image, bool other)
{
    unsigned bits = 0;
    for (int i = 0; i < count; ++i)
        if ((images[i] == image) != other)
            bits |= 1u << i;
    return bits;
}
} // namespace

void CAutoCalibrationMPDlg::OnBnClickedStart()
{
    if (!isConnected())
        return;
    if (isRunning()) {
        OnBnClickedStop();
        return;
    }
    // Not inside another procedure's wait, nor on a locked controller.
    if (!editableDevice())
        return;
    CPageCalibrationHost host(*g_pDevice, *this);
    runCalibration(host);
}

// The host's runner keeps the program busy for the whole run and hands the
// controller back at its end; a close meanwhile stops the run.
void CAutoCalibrationMPDlg::runCalibration(CDeviceCalibrationHost& host)
{
    UpdateData(TRUE);
    m_output.clear();
    CAutoCalibration calibration(host);
    calibration.setOneCylinder(m_oneCylinder != 0);
    host.runner().setStopAction([&calibration] { calibration.stop(); });
    m_calibration = &calibration;
    enableOutputButtons();
    host.runner().run([&] {
        calibration.runAutoCalibration();
        return calibration.finished();
    });
    m_calibration = nullptr;
    enableOutputButtons();
}

// Also while the controller is lost: a run must always be stoppable.
void CAutoCalibrationMPDlg::OnBnClickedStop()
{
    if (!isConnected() && !isRunning())
        return;
    if (isRunning()) {
        m_output.addErrorLine(translate(L"Autocalibration aborted"));
        m_calibration->stop();
    }
    m_progress.setPos(0);
}

void CAutoCalibrationMPDlg::OnClickedOneCylinder()
{
    UpdateData(TRUE);
}

void CAutoCalibrationMPDlg::OnClickedSameCorrection()
{
    UpdateData(TRUE);
    enableSpins();
}

void CAutoCalibrationMPDlg::onDeltaSpinMainCorr(UINT id, NMHDR* pNMHDR, LRESULT* pResult)
{
    *pResult = 0;
    const int n = int(id - IDC_CAL_SPIN_FIRST);
    const int delta = reinterpret_cast<NMUPDOWN*>(pNMHDR)->iDelta;
    runSettingsHandler(this, L"CAutoCalibrationMPDlg::onDeltaSpinMainCorr", [&] {
        CLPGDevice* device = editableDevice();
        if (!device || n < 0 || n >= kCylinders)
            return;
        UpdateData(TRUE);
        const double value = std::round((std::wcstod(m_corrections[n], nullptr) - delta * 0.01) * 100) / 100;
        if (value < kLowestCorrection || value > kHighestCorrection)
            return;
        wchar_t text[32];
        swprintf(text, 32, L"%.2f", value);
        for (int i = 0; i < kCylinders; ++i)
            if (m_sameCorrection || i == n)
                m_corrections[i] = text;
        UpdateData(FALSE);
        writeCorrections(*device);
    });
}

void CAutoCalibrationMPDlg::writeCorrections(CLPGDevice& device)
{
    for (int i = 0; i < kCylinders; ++i)
        device.m_settings.m_mainCorr.m_mainCorr[i] = std::wcstod(m_corrections[i], nullptr);
    if (writeSettingsBlock(this, &CLPGDevice::writeBlock15))
        showCorrectionOnIndicator(true);
}

// Outputs change by hand only on gas, for a cylinder the controller has.
bool CAutoCalibrationMPDlg::outputsMayChange(CLPGDevice& device, int n)
{
    if (n < 0 || n >= cylinderCount())
        return false;
    CDiag sample;
    if (device.readDiagSample(sample) != 0)
        return false;
    return isGasMode(sample.getMode());
}

// Cylinders that drive a gas output together switch together.
void CAutoCalibrationMPDlg::onGasInj(UINT id)
{
    const int n = int(id - IDC_CAL_B_FIRST);
    runSettingsHandler(this, L"CAutoCalibrationMPDlg::onGasInj", [&] {
        CLPGDevice* device = editableDevice();
        if (!device || !outputsMayChange(*device, n))
            return;
        const int image = m_bImages[n] != kRed ? kRed : kWhite;
        const auto& map = device->m_settings.m_adv.m_injConfMap;
        for (int j = 0; j < cylinderCount(); ++j)
            if (j != n && (map[j] & map[n]) != 0)
                setB(j, image);
        setB(n, image);
        setEmulators(&CLPGDevice::sendAction23, bitsShowing(m_bImages, cylinderCount(), kRed, true));
    });
}

void CAutoCalibrationMPDlg::onClickedGasInj(UINT id)
{
    const int n = int(id - IDC_CAL_G_FIRST);
    runSettingsHandler(this, L"CAutoCalibrationMPDlg::onClickedGasInj", [&] {
        CLPGDevice* device = editableDevice();
        if (!device || n < 0 || n >= kCylinders || m_bImages[n] == kRed || !outputsMayChange(*device, n))
            return;
        setG(n, m_gImages[n] == kGreen ? kWhite : kGreen);
        setEmulators(&CLPGDevice::sendAction24, bitsShowing(m_gImages, cylinderCount(), kGreen, false));
    });
}

void CAutoCalibrationMPDlg::setEmulators(bool (CLPGDevice::*action)(unsigned char), unsigned bits)
{
    runSettingsHandler(
        this, L"CAutoCalibrationMPDlg::onSetEmulators",
        [&] {
            if (!(g_pDevice->*action)(static_cast<unsigned char>(bits)))
                showCantWrite(this);
        },
        false);
}
