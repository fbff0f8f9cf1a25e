// The sensors page's controller procedures: pressure sensor type, injector
// grouping from the list, the map and detection, and the sequence advance.

#include "CSensorsMPDlg.h"

#include "PetrolProcedure.h"
#include "ProcedureRunner.h"
#include "RoundFunctions.h"
#include "SensorsPageIds.h"
#include "SettingsHandler.h"
#include "translate.h"

#include <CDiag.h>
#include <Conversions.h>
#include <CLPGDevice.h>
#include <MakerWord.h>
#include <UserInterface.h>

#include <windows.h>

namespace {

const uint8_t k4barBit = 0x10; // m_advancedSetup.m_advancedFlags
const uint8_t k3barBit = 0x80;
const uint8_t kSeqAdvanceBit = 0x80; // m_advancedSetup.m_advancedFlags2
const unsigned kAfterResetMs = 1000;
const unsigned kPetrolSettleOffMs = 5000;
const unsigned kPetrolSettleOnMs = 10000;
const double kInjectionTick = 0.025;

void showInformation(const std::wstring& text)
{
    showMessageBox(HWND(nullptr), text, kMakerWord, MB_ICONINFORMATION);
}

bool readInjectorValues(CLPGDevice& device, uint16_t* values)
{
    unsigned char data[kBlock21DataSize] = {};
    if (!device.readBlock21(data))
        return false;
    for (int i = 0; i < 8; ++i)
        values[i] = static_cast<uint16_t>(data[2 * i] | (data[2 * i + 1] << 8));
    return true;
}

} // namespace

void CSensorsMPDlg::OnSelendokCombopresstype()
{
    runSettingsHandler(this, L"CSensorsMPDlg::OnSelendokCombopresstype", [&] {
        CLPGDevice* device = editableDevice();
        if (!device)
            return;
        uint8_t& flags = device->m_settings.m_advancedSetup.m_advancedFlags;
        const double value = m_cmbPressure.getSelValue();
        if (value == 1)
            flags = static_cast<uint8_t>((flags | k4barBit) & ~k3barBit);
        else if (value == 2)
            flags = static_cast<uint8_t>((flags | k3barBit) & ~k4barBit);
        runPetrolProcedure(this, *device, &CLPGDevice::writeBlock26,
                           L"Nie powiodło się zresetowanie urządzenia!");
    });
}

// Whatever becomes of the write, the map shows what the record holds.
void CSensorsMPDlg::OnSelendokComboinjdefinition()
{
    runSettingsHandler(this, L"CSensorsMPDlg::OnSelendokComboinjdefinition", [&] {
        CLPGDevice* device = editableDevice();
        if (!device)
            return;
        Grouping& grouping = device->m_settings.m_adv.m_injConfMap;
        grouping = groupingPattern(static_cast<int>(m_cmbInjConfig.getSelValue()));
        const uint8_t mask = cylinderMask(device->m_settings.m_devInfo.m_injCount);
        for (uint8_t& byte : grouping)
            byte &= mask;
        PetrolProcedure procedure(this, *device);
        if (!procedure.switchToPetrol())
            showCantWrite(this);
        else if (procedure.write(&CLPGDevice::writeBlock4) && procedure.reset(L"Can't reset LPG device!"))
            procedure.finish();
        mapFromRecord();
    });
}

// The press reaches the map only after this: the map is read once the
// posted message comes back.
BOOL CSensorsMPDlg::PreTranslateMessage(MSG* pMsg)
{
    const BOOL result = CGDIpMultiPageDialog::PreTranslateMessage(pMsg);
    if (pMsg->message == WM_LBUTTONDOWN && (pMsg->hwnd == m_hWnd || ::IsChild(m_hWnd, pMsg->hwnd)))
        PostMessageW(kMapPressedMessage, 0, 0);
    return result;
}

LRESULT CSensorsMPDlg::OnMapPressed(WPARAM, LPARAM)
{
    runSettingsHandler(
        this, L"CSensorsMPDlg::PreTranslateMessage",
        [&] {
            CLPGDevice* device = editableDevice();
            if (device && !sameGrouping(device->m_settings.m_adv.m_injConfMap, mapBytes(),
                                        device->m_settings.m_devInfo.m_injCount))
                writeMapChange(*device);
        },
        false);
    return 0;
}

// A failed switch keeps the record as it was and the map as the user left
// it, so the next press tries again.
void CSensorsMPDlg::writeMapChange(CLPGDevice& device)
{
    ProcedureRunner runner(device, this, L"CSensorsMPDlg::PreTranslateMessage()");
    WaitCursor wait;
    if (!runner.switchToPetrol()) {
        showPageError(this, L"Can't switch to petrol mode");
        return;
    }
    device.m_settings.m_adv.m_injConfMap = mapBytes();
    if (writeStep(runner, &CLPGDevice::writeBlock4) && resetWithoutOwner(runner))
        runner.wait(kAfterResetMs);
}

bool CSensorsMPDlg::writeStep(ProcedureRunner& runner, BlockWrite block)
{
    return runner.write(block) || runner.fail(L"Can't write settings to device!");
}

bool CSensorsMPDlg::resetWithoutOwner(ProcedureRunner& runner)
{
    if (runner.reset())
        return true;
    showProgramMessage(HWND(nullptr), L"Can't write settings to device!", MB_ICONERROR);
    return false;
}

void CSensorsMPDlg::OnBtnDetect()
{
    runSettingsHandler(this, L"CSensorsMPDlg::OnBtnDetect", [&] {
        if (CLPGDevice* device = editableDevice())
            detect(*device);
    });
}

// Every injector in its own group while the engine runs on petrol, then
// the injectors whose times lie within 1 ms of each other grouped.
void CSensorsMPDlg::detect(CLPGDevice& device)
{
    PetrolProcedure procedure(this, device);
    ProcedureRunner& runner = procedure.runner();
    if (!runner.switchToPetrol()) {
        showPageError(this, L"Can't switch to petrol mode");
        return;
    }
    Grouping& grouping = device.m_settings.m_adv.m_injConfMap;
    const Grouping sequence = groupingPattern(kSequence);
    if (!equalByCylinders(grouping.data(), sequence.data())) {
        Grouping bytes = sequence;
        m_injMap.setInjConfigMap(bytes.data());
        grouping = mapBytes();
        if (!writeStep(runner, &CLPGDevice::writeBlock4) || !resetWithoutOwner(runner))
            return;
    }
    if (!detectedGrouping(device))
        return;
    grouping = mapBytes();
    if (!writeStep(runner, &CLPGDevice::writeBlock4) || !resetWithoutOwner(runner))
        return;
    procedure.finish();
    showInformation(translate(L"Detected petrol injection type: ") +
                    translate(groupingName(groupingOf(grouping.data()))));
}

bool CSensorsMPDlg::detectedGrouping(CLPGDevice& device)
{
    uint16_t values[8] = {};
    if (!readInjectorValues(device, values)) {
        showPageError(this, L"Can't read settings from device!");
        return false;
    }
    inj_map_sequence_t times;
    for (int i = 0; i < 8; ++i)
        times[i] = round2(values[i] * kInjectionTick);
    m_injMap.setInjConfigMapFromSequence(times);
    return true;
}

void CSensorsMPDlg::OnClickedChkOvertaking180()
{
    bool ran = false;
    runSettingsHandler(this, L"CSensorsMPDlg::OnClickedChkOvertaking180", [&] {
        UpdateData(TRUE);
        CLPGDevice* device = editableDevice();
        if (!device)
            return;
        ran = true;
        ProcedureRunner runner(*device, this, L"CSensorsMPDlg::OnClickedChkOvertaking180()");
        if (m_seqAdvance)
            sequenceAdvanceOn(runner);
        else
            sequenceAdvanceOff(runner);
    });
    // The box shows the bit the record holds, whatever step failed or threw.
    if (ran && g_pDevice) {
        showSequenceAdvance(g_pDevice->m_settings);
        UpdateData(FALSE);
    }
}

// The engine settles on petrol in a pumped wait: the window stays alive
// and a close stops the procedure there.
void CSensorsMPDlg::sequenceAdvanceOff(ProcedureRunner& runner)
{
    if (!runner.switchToPetrol()) {
        showCantWrite(this);
        return;
    }
    if (!runner.wait(kPetrolSettleOffMs))
        return;
    uint8_t& flags = runner.device().m_settings.m_advancedSetup.m_advancedFlags2;
    flags &= ~kSeqAdvanceBit;
    if (!writeStep(runner, &CLPGDevice::writeBlock26)) {
        flags |= kSeqAdvanceBit;
        return;
    }
    m_orderText.SetWindowTextW(L"");
    enableGrouping(true);
    if (runner.reset())
        runner.wait(kAfterResetMs);
    else
        showCantWrite(this);
}

// The order is stored first and the bit only once the order is taken.
void CSensorsMPDlg::sequenceAdvanceOn(ProcedureRunner& runner)
{
    CLPGDevice& device = runner.device();
    CSettingsRecord& r = device.m_settings;
    if (!equalByCylinders(r.m_adv.m_injConfMap.data(), groupingPattern(kSequence).data())) {
        showInformation(translate(L"Option is only for full sequencial petrol injection!"));
        return;
    }
    if (!runner.switchToPetrol()) {
        showCantWrite(this);
        return;
    }
    if (!runner.wait(kPetrolSettleOnMs))
        return;
    Grouping order;
    if (!computeAdvanceOrder(device, order))
        return;
    r.m_advancedSetup.m_injAdvanceOrder = order;
    if (!writeStep(runner, &CLPGDevice::writeBlock35))
        return;
    uint8_t& flags = r.m_advancedSetup.m_advancedFlags2;
    flags |= kSeqAdvanceBit;
    if (!writeStep(runner, &CLPGDevice::writeBlock26)) {
        flags &= ~kSeqAdvanceBit;
        return;
    }
    m_orderText.SetWindowTextW(advanceOrderText(order).c_str());
    enableGrouping(false);
    if (!runner.reset()) {
        showCantWrite(this);
        return;
    }
    runner.wait(kAfterResetMs);
    enableGrouping(true);
}

// Injectors take part when they are in a group and the newest sample shows
// them working; with none of them there is no order to store.
bool CSensorsMPDlg::computeAdvanceOrder(CLPGDevice& device, Grouping& order)
{
    uint16_t values[8] = {};
    if (!readInjectorValues(device, values)) {
        showCantWrite(this);
        return false;
    }
    CDiag newest;
    const bool sampled = device.m_diagData.count() > 0;
    device.m_diagData.getLast(newest);
    if (!sampled || !advanceOrder(values, device.m_settings.m_adv.m_injConfMap,
                                  newest.getByte(CDiag::kInjectorActivityByte), order)) {
        showPageError(this, L"Can't read settings from device!");
        return false;
    }
    return true;
}

void CSensorsMPDlg::enableGrouping(bool enable)
{
    m_injMap.EnableWindow(enable);
    m_detect.EnableWindow(enable);
}
