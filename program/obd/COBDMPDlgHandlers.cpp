// The petrol OBD page's handlers: trouble codes, correction settings and
// the link selection.
#include "COBDAdvancedDlg.h"
#include "COBDMPDlg.h"
#include "ObdPageIds.h"
#include "ObdTroubleCodes.h"
#include "ProcedureRunner.h"
#include "ProgramBusy.h"
#include "SettingsHandler.h"
#include "translate.h"

#include <CLPGDevice.h>
#include <UserInterface.h>

#include <algorithm>
#include <commctrl.h>
#include <cstdio>

namespace {

const uint8_t kSeparateBanks = 0x04;
const int kLinkOff = 0, kLinkAll = 4; // items of the link list

bool writeCorrections(CWnd* page, CLPGDevice& device)
{
    if (device.writeBlock27(device.m_settings.m_obdAdvSetup))
        return true;
    showCantWrite(page);
    return false;
}

} // namespace

// One spin of the page: the block-27 byte it moves, shown as (byte -
// offset) / scale and kept within [low, high] in those units.
struct COBDMPDlg::SpinField
{
    uint8_t& (*field)(COBDAdvSetup&);
    int offset;
    int scale;
    int low;
    int high;
    int editId;
};

void COBDMPDlg::OnBnClickedButtonread()
{
    runSettingsHandler(this, L"COBDMPDlg::OnBnClickedButtonread", [&] {
        CLPGDevice* device = readableDevice();
        if (!device)
            return;
        setErrorRows({});
        std::vector<uint16_t> codes;
        const bool read = readTroubleCodes(*device, codes);
        setErrorRows(codes);
        if (!read)
            showPageError(this, L"Can't read OBD errors");
    });
}

void COBDMPDlg::setErrorRows(const std::vector<uint16_t>& codes)
{
    m_errList.m_textLines.clear();
    m_errList.m_firstOffset = 0;
    for (uint16_t code : codes)
        m_errList.m_textLines.push_back(getText(code).c_str());
    m_errList.Invalidate();
}

// An ECU that refuses keeps its codes: the installer is told so.
void COBDMPDlg::OnBnClickedButtonclear()
{
    runSettingsHandler(this, L"COBDMPDlg::OnBnClickedButtonclear", [&] {
        CLPGDevice* device = editableDevice();
        if (!device)
            return;
        if (showProgramMessage(this, L"Do you want to clear all OBD errors?", MB_YESNO) != IDYES)
            return;
        if (clearTroubleCodes(*device) == ObdClearResult::Cleared)
            setErrorRows({});
        else
            showPageError(this, L"Can't clear OBD errors");
    });
}

void COBDMPDlg::OnBnClickedAdvanced()
{
    if (ProgramBusy::isSet())
        return;
    COBDAdvancedDlg dialog(this);
    dialog.DoModal();
}

// "Enable" needs a bank whose long-term trim the ECU answered: without one
// the controller would get a correction switched on for no bank.
void COBDMPDlg::OnCbnSelendokCombocorron()
{
    if (showRecordIfRefused())
        return;
    runSettingsHandler(this, L"COBD2Page::OnCbnSelendokCombocorron", [&] {
        CLPGDevice* device = editableDevice();
        const double value = m_cmbCorrState.getSelValue();
        if (!device || value < 0)
            return;
        COBDAdvSetup& setup = device->m_settings.m_obdAdvSetup;
        if (value != 0 && !m_ltftBank1Seen && !m_ltftBank2Seen) {
            showCorrectionSettings(setup);
            showPageError(this, L"No long term correction read from the car");
            return;
        }
        uint8_t flag = 0;
        if (value != 0)
            flag = (m_ltftBank1Seen ? 0x01 : 0) | (m_ltftBank2Seen ? 0x02 : 0) |
                   (value == 2 ? kSeparateBanks : 0);
        setup.obd_corr_enable_flag = flag;
        if (value == 2 && !m_ltftBank2Seen)
            setup.obd_corr_for_cyl = 0;
        showCorrectionSettings(setup);
        writeCorrections(this, *device);
    });
}

// A choice the controller cannot take now (offline, or while a procedure
// runs) leaves the page showing what the record holds.
bool COBDMPDlg::showRecordIfRefused()
{
    if (editableDevice())
        return false;
    if (g_pDevice) {
        showLinkChoice(g_pDevice->m_settings.m_obdSetup);
        showCorrectionSettings(g_pDevice->m_settings.m_obdAdvSetup);
    }
    return true;
}

void COBDMPDlg::spinMoved(NMHDR* pHdr, LRESULT* pResult, const wchar_t* handler, const SpinField& spin)
{
    *pResult = 0;
    const int delta = reinterpret_cast<NMUPDOWN*>(pHdr)->iDelta;
    runSettingsHandler(
        this, handler,
        [&] {
            CLPGDevice* device = editableDevice();
            if (!device)
                return;
            uint8_t& stored = spin.field(device->m_settings.m_obdAdvSetup);
            const int value = std::clamp((stored - spin.offset) / spin.scale - delta, spin.low, spin.high);
            wchar_t text[16];
            swprintf(text, 16, L"%d", value);
            GetDlgItem(spin.editId)->SetWindowTextW(text);
            if (setIfChanged(stored, spin.offset + value * spin.scale))
                writeCorrections(this, *device);
        },
        false);
}

void COBDMPDlg::OnDeltaposSpinNeutral1(NMHDR* pHdr, LRESULT* pResult)
{
    spinMoved(pHdr, pResult, L"COBDMPDlg::OnDeltaposSpinNeutral1",
              {[](COBDAdvSetup& s) -> uint8_t& { return s.obd_neutral_points[0]; }, 100, 1, -15, 15,
               IDC_OBD_NEUTRAL_BANK1});
}

void COBDMPDlg::OnDeltaposSpinNeutral2(NMHDR* pHdr, LRESULT* pResult)
{
    spinMoved(pHdr, pResult, L"COBDMPDlg::OnDeltaposSpinNeutral2",
              {[](COBDAdvSetup& s) -> uint8_t& { return s.obd_neutral_points[1]; }, 100, 1, -15, 15,
               IDC_OBD_NEUTRAL_BANK2});
}

// The controller counts the change time in half seconds.
void COBDMPDlg::OnDeltaposSpinAverageCorr(NMHDR* pHdr, LRESULT* pResult)
{
    spinMoved(
        pHdr, pResult, L"COBDMPDlg::OnDeltaposSpinAverageCorr",
        {[](COBDAdvSetup& s) -> uint8_t& { return s.obd_corr_average; }, 0, 2, 2, 25, IDC_OBD_CHANGE_TIME});
}

void COBDMPDlg::OnDeltaposSpinMaxCorr(NMHDR* pHdr, LRESULT* pResult)
{
    spinMoved(pHdr, pResult, L"COBDMPDlg::OnDeltaposSpinMaxCorr",
              {[](COBDAdvSetup& s) -> uint8_t& { return s.obd_corr_max; }, 0, 1, 1, 25, IDC_OBD_RANGE});
}

// A new link starts from the controller's correction defaults and with no
// bank seen: the trims of the former link say nothing of the new one.
void COBDMPDlg::OnCbnSelendokComboEnable()
{
    if (showRecordIfRefused())
        return;
    runSettingsHandler(this, L"COBDMPDlg::OnCbnSelendokComboEnable", [&] {
        CLPGDevice* device = editableDevice();
        const int value = static_cast<int>(m_cmbLink.getSelValue());
        if (!device || value < 0)
            return;
        m_ltftBank1Seen = m_ltftBank2Seen = 0;
        if (value == kLinkOff) {
            switchLinkOff(*device);
            return;
        }
        clearPidTexts(*device);
        device->m_pollIndex = 0;
        if (!writeDefaultCorrections(*device))
            return;
        if (value == kLinkAll)
            setupAuto();
        else
            setupForProtocol(static_cast<uint8_t>(value));
    });
}

bool COBDMPDlg::writeDefaultCorrections(CLPGDevice& device)
{
    COBDAdvSetup& setup = device.m_settings.m_obdAdvSetup;
    const uint8_t reserved = setup.reserved;
    setup = COBDAdvSetup();
    setup.reserved = reserved;
    showCorrectionSettings(setup);
    return writeCorrections(this, device);
}

void COBDMPDlg::switchLinkOff(CLPGDevice& device)
{
    device.m_settings.m_obdSetup.enable = 0;
    if (!device.writeBlock18()) {
        showCantWrite(this);
        return;
    }
    device.m_obdLinkActive = false;
    if (!writeDefaultCorrections(device))
        return;
    clearPidTexts(device);
    m_edits[2].SetWindowTextW(L"");
    m_edits[3].SetWindowTextW(L"");
}

// The program is busy while the tries run; the window keeps answering.
void COBDMPDlg::setupAuto(ObdLinkRun run)
{
    WaitCursor wait;
    ProcedureRunner runner(*g_pDevice, this, L"COBDMPDlg::setupAuto()");
    showLinkResult(setupObdAuto(runner, run));
}

void COBDMPDlg::setupForProtocol(uint8_t proto)
{
    WaitCursor wait;
    ProcedureRunner runner(*g_pDevice, this, L"COBDMPDlg::setupForProtocol()");
    showLinkResult(setupObdForProtocol(runner, proto, ObdLinkRun::UserChoice));
}

// Block 18 holds the outcome: the protocol found, the link switched off,
// or the set-up found at start-up.
void COBDMPDlg::showLinkResult(ObdLinkResult result)
{
    showLinkChoice(g_pDevice->m_settings.m_obdSetup);
    if (result == ObdLinkResult::WriteFailed)
        showCantWrite(this);
}
