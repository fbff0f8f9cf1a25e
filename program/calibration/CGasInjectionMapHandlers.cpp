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

CSettingsRecord& deviceRecord()
{
    return g_pDevice->m_settings;
}

void setFlag(uint16_t& flags, uint16_t flag, bool on)
{
    flags = uint16_t(on ? flags | flag : flags & ~flag);
}

// Runs a command, showing what a controller operation threw under its name.
template <class F> void guarded(const wchar_t* handler, F&& command)
{
    try {
        command();
    } catch (IError* e) {
        reportError(handler, e);
    }
}

} // namespace

// A only: the second table keeps its values until the curve is averaged.
bool CGasInjectionMapMPDlg::writeCurveA(const CurveValues& a)
{
    setCurve(deviceRecord(), a, false);
    if (g_pDevice->writeTable7())
        return true;
    showCantWrite(this);
    return false;
}

void CGasInjectionMapMPDlg::onCorrChanged()
{
    if (!editableDevice())
        return;
    CWaitCursor wait;
    CurveValues a{};
    for (int r = 0; r < kCurveRows; ++r)
        a[r] = int(m_chart.m_points[r].y);
    guarded(L"CGasInjectionMapMPDlg::onCorrChanged()", [&] { writeCurveA(a); });
}

void CGasInjectionMapMPDlg::onIncrementAll(bool up)
{
    if (!editableDevice())
        return;
    CWaitCursor wait;
    CurveValues a = curveA(deviceRecord());
    for (double& value : a)
        value = std::clamp(value + (up ? 1.0 : -1.0), -50.0, 50.0);
    guarded(L"CGasInjectionMapMPDlg::onIncrementAll()", [&] {
        if (writeCurveA(a))
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
    CWaitCursor wait;
    for (int i = 1; i <= 37; ++i) {
        TimeCorrPoint& p = m_chart.m_points[i];
        if (!p.locked)
            p.marked = p.anchor = false;
    }
    guarded(L"CGasInjectionMapMPDlg::OnBnClickedBtnClearCorr()", [&] { writeCurveA(CurveValues{}); });
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
    CWaitCursor wait;
    guarded(gas ? L"CGasInjectionMapMPDlg::OnBtnClrMapLpg()" : L"CGasInjectionMapMPDlg::OnBtnClrMap()", [&] {
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
    CWaitCursor wait;
    bool written = false;
    guarded(L"CGasInjectionMapMPDlg::OnBtnCreate()", [&] { written = countCorrection(*device); });
    // The collected gas points are what the correction came from: they are
    // offered for clearing only once the correction is in the controller.
    if (written && showMessageBox(this, translate(kClearGasQuestion), L"Kestrelwave",
                                  MB_YESNO | MB_ICONQUESTION) == IDYES)
        OnBtnClrMapLpg();
}

bool CGasInjectionMapMPDlg::countCorrection(CLPGDevice& device)
{
    const CurveValues correction = ::countCorrection(m_petrolPoints, m_gasPoints);
    CSettingsRecord& r = device.m_settings;
    CurveValues a = curveA(r);
    addCorrection(a, correction, (r.m_advancedSetup.m_advancedFlags3 & kCorrectionsLocked) != 0, m_lockRow);
    setCurve(r, a, true);
    return OnBnClickedBtnAverage();
}

bool CGasInjectionMapMPDlg::OnBnClickedBtnAverage()
{
    if (!g_pDevice)
        return false;
    CSettingsRecord& r = deviceRecord();
    CurveValues a = curveA(r);
    smoothCurve(a, (r.m_advancedSetup.m_advancedFlags3 & kCorrectionsLocked) != 0, m_lockRow);
    setCurve(r, a, true);
    if (!g_pDevice->writeTable7() || !g_pDevice->writeTable9()) {
        showCantWrite(this);
        return false;
    }
    refreshCurve();
    return true;
}

bool CGasInjectionMapMPDlg::writeLockFlag(uint16_t flag, bool on)
{
    setFlag(deviceRecord().m_advancedSetup.m_advancedFlags3, flag, on);
    if (g_pDevice->writeBlock26())
        return true;
    showCantWrite(this);
    return false;
}

void CGasInjectionMapMPDlg::OnBnClickedChkLockPetrolMap()
{
    UpdateData(TRUE);
    if (!editableDevice())
        return;
    CWaitCursor wait;
    guarded(L"CGasInjectionMapMPDlg::OnBnClickedChkLockPetrolMap()",
            [&] { writeLockFlag(kPetrolMapLocked, m_lockPetrolMap != 0); });
}

void CGasInjectionMapMPDlg::OnBnClickedChkLockCorrections()
{
    UpdateData(TRUE);
    if (!editableDevice())
        return;
    CWaitCursor wait;
    applyCorrectionLocks();
    guarded(L"CGasInjectionMapMPDlg::OnBnClickedChkLockCorrections()",
            [&] { writeLockFlag(kCorrectionsLocked, m_lockCorrections != 0); });
}

void CGasInjectionMapMPDlg::OnSelendokCmbAutomap()
{
    CLPGDevice* device = editableDevice();
    if (device) {
        CWaitCursor wait;
        const int value = int(m_modeCombo.getSelValue());
        guarded(L"CGasInjectionMapMPDlg::OnSelendokCmbAutomap()", [&] { writeMode(*device, value); });
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
    if (device.writeBlock33())
        return true;
    showCantWrite(this);
    return false;
}

// The padlock of the low rows is let go around the change and put back on
// at the new lock row.
void CGasInjectionMapMPDlg::OnSelendokCmbScale()
{
    if (!editableDevice()) {
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
    CWaitCursor wait;
    guarded(L"CGasInjectionMapMPDlg::OnSelendokCmbScale()", [&] { writeLockFlag(kMap40ms, map40); });
    deriveLockRow();
    if (wasLocked)
        relock(1);
    refreshCurve();
}
