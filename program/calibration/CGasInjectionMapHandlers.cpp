// The auto-mapping page's commands: each change goes to the controller at once.
#include "CGasInjectionMapMPDlg.h"

#include "ErrorReport.h"
#include "SettingsHandler.h"
#include "translate.h"

#include <CLPGDevice.h>
#include <IError.h>
#include <UserInterface.h>

#include <algorithm>

namespace {

const wchar_t kClearingRefused[] =
    L"Clearing corrections durring automapping is disable. Turn off automapping first.";
const wchar_t kCountingRefused[] =
    L"Calculating corrections durring automapping is disable. Turn off automapping first.";
const wchar_t kClearGasQuestion[] =
    L"It's recommended to clear gas map after modify corrections. Do You want to clear gas map?";

} // namespace

// A only: the second table keeps its values until the curve is averaged.
bool CGasInjectionMapMPDlg::writeCurveA(CLPGDevice& device, const CurveValues& a)
{
    setCurve(device.m_settings, a, false);
    return writeSettingsBlock(this, &CLPGDevice::writeTable7);
}

void CGasInjectionMapMPDlg::onCorrChanged()
{
    CLPGDevice* device = editableDevice();
    if (!device)
        return;
    CurveValues a{};
    for (int r = 0; r < kCurveRows; ++r)
        a[r] = int(m_chart.m_points[r].y);
    runSettingsHandler(this, L"CGasInjectionMapMPDlg::onCorrChanged", [&] { writeCurveA(*device, a); });
}

void CGasInjectionMapMPDlg::onIncrementAll(bool up)
{
    CLPGDevice* device = editableDevice();
    if (!device)
        return;
    CurveValues a = curveA(device->m_settings);
    for (double& value : a)
        value = std::clamp(value + (up ? 1.0 : -1.0), -50.0, 50.0);
    runSettingsHandler(this, L"CGasInjectionMapMPDlg::onIncrementAll", [&] {
        if (writeCurveA(*device, a))
            refreshCurve();
    });
}

bool CGasInjectionMapMPDlg::refusedWhileMapping(const wchar_t* message)
{
    if (!automapping())
        return false;
    showPageError(this, message);
    return true;
}

void CGasInjectionMapMPDlg::OnBnClickedBtnClearCorr()
{
    CLPGDevice* device = editableDevice();
    if (!device || refusedWhileMapping(kClearingRefused))
        return;
    for (int i = 1; i <= 37; ++i) {
        TimeCorrPoint& p = m_chart.m_points[i];
        if (!p.locked)
            p.marked = p.anchor = false;
    }
    runSettingsHandler(this, L"CGasInjectionMapMPDlg::OnBnClickedBtnClearCorr",
                       [&] { writeCurveA(*device, CurveValues{}); });
    refreshCurve();
}

void CGasInjectionMapMPDlg::OnBtnClrMap()
{
    UpdateData(TRUE);
    if (m_lockPetrolMap || refusedWhileMapping(kClearingRefused))
        return;
    if (CLPGDevice* device = editableDevice())
        clearPointTable(*device, false);
}

void CGasInjectionMapMPDlg::OnBtnClrMapLpg()
{
    CLPGDevice* device = editableDevice();
    if (device && !refusedWhileMapping(kCountingRefused))
        clearPointTable(*device, true);
}

void CGasInjectionMapMPDlg::clearPointTable(CLPGDevice& device, bool gas)
{
    runSettingsHandler(
        this, gas ? L"CGasInjectionMapMPDlg::OnBtnClrMapLpg" : L"CGasInjectionMapMPDlg::OnBtnClrMap", [&] {
            if (gas ? device.sendAction29() : device.sendAction28())
                readMapPoints();
            else
                showCantWrite(this);
        });
}

void CGasInjectionMapMPDlg::OnBtnCreate()
{
    CLPGDevice* device = editableDevice();
    if (!device || refusedWhileMapping(kCountingRefused))
        return;
    bool written = false;
    runSettingsHandler(this, L"CGasInjectionMapMPDlg::OnBtnCreate",
                       [&] { written = countCorrection(*device); });
    // The collected gas points are what the correction came from: they are
    // offered for clearing only once the correction is in the controller.
    if (written && showProgramMessage(this, kClearGasQuestion, MB_YESNO | MB_ICONQUESTION) == IDYES)
        OnBtnClrMapLpg();
}

bool CGasInjectionMapMPDlg::countCorrection(CLPGDevice& device)
{
    const CurveValues correction = ::countCorrection(m_petrolPoints, m_gasPoints);
    CSettingsRecord& r = device.m_settings;
    CurveValues a = curveA(r);
    addCorrection(a, correction, (r.m_advancedSetup.m_advancedFlags3 & kCorrectionsLocked) != 0, m_lockRow);
    setCurve(r, a, true);
    return averageCurve(device);
}

bool CGasInjectionMapMPDlg::OnBnClickedBtnAverage()
{
    return g_pDevice != nullptr && averageCurve(*g_pDevice);
}

bool CGasInjectionMapMPDlg::averageCurve(CLPGDevice& device)
{
    CSettingsRecord& r = device.m_settings;
    CurveValues a = curveA(r);
    smoothCurve(a, (r.m_advancedSetup.m_advancedFlags3 & kCorrectionsLocked) != 0, m_lockRow);
    setCurve(r, a, true);
    if (!writeSettingsBlock(this, &CLPGDevice::writeTable7) ||
        !writeSettingsBlock(this, &CLPGDevice::writeTable9))
        return false;
    refreshCurve();
    return true;
}

bool CGasInjectionMapMPDlg::writeLockFlag(CLPGDevice& device, uint16_t flag, bool on)
{
    setFlag(device.m_settings.m_advancedSetup.m_advancedFlags3, flag, on);
    return writeSettingsBlock(this, &CLPGDevice::writeBlock26);
}

void CGasInjectionMapMPDlg::OnBnClickedChkLockPetrolMap()
{
    UpdateData(TRUE);
    if (CLPGDevice* device = editableDevice())
        runSettingsHandler(this, L"CGasInjectionMapMPDlg::OnBnClickedChkLockPetrolMap",
                           [&] { writeLockFlag(*device, kPetrolMapLocked, m_lockPetrolMap != 0); });
}

void CGasInjectionMapMPDlg::OnBnClickedChkLockCorrections()
{
    UpdateData(TRUE);
    CLPGDevice* device = editableDevice();
    if (!device)
        return;
    applyCorrectionLocks();
    runSettingsHandler(this, L"CGasInjectionMapMPDlg::OnBnClickedChkLockCorrections",
                       [&] { writeLockFlag(*device, kCorrectionsLocked, m_lockCorrections != 0); });
}

void CGasInjectionMapMPDlg::OnSelendokCmbAutomap()
{
    if (CLPGDevice* device = editableDevice()) {
        const int value = int(m_modeCombo.getSelValue());
        runSettingsHandler(this, L"CGasInjectionMapMPDlg::OnSelendokCmbAutomap",
                           [&] { writeMode(*device, value); });
    }
    showModeSelection();
}

bool CGasInjectionMapMPDlg::writeMode(CLPGDevice& device, int value)
{
    CAutoMapSetup& setup = device.m_settings.m_autoMap;
    if (value == 0 || value == 1) {
        setup.m_autoMapMode = uint8_t(value);
    } else {
        if (!device.readBlock12()) {
            showCantWrite(this);
            return false;
        }
        setup.m_autoMapMode = 2;
        setup.m_autoMapParam16 = (value - 2) * 1000.0;
        setup.m_autoMapParam32 =
            setup.m_autoMapParam16 / 50 * 60 * 60 * 2 + device.m_settings.m_devInfo.m_statistic.lpg;
    }
    return writeSettingsBlock(this, &CLPGDevice::writeBlock33);
}

// The padlock of the low rows is let go around the change and put back on
// at the new lock row.
void CGasInjectionMapMPDlg::OnSelendokCmbScale()
{
    CLPGDevice* device = editableDevice();
    if (!device) {
        showScaleSelection();
        return;
    }
    const bool map40 = int(m_scaleCombo.getSelValue()) == 1;
    const bool wasLocked = m_lockCorrections != 0;
    auto relock = [&](int on) {
        m_lockCorrections = on;
        UpdateData(FALSE);
        OnBnClickedChkLockCorrections();
    };
    if (wasLocked)
        relock(0);
    runSettingsHandler(this, L"CGasInjectionMapMPDlg::OnSelendokCmbScale",
                       [&] { writeLockFlag(*device, kMap40ms, map40); });
    deriveLockRow();
    if (wasLocked)
        relock(1);
    refreshCurve();
}
