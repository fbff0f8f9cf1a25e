#include "InjectorBankDetection.h"

#include "BlockWire.h"
#include "CLPGDevice.h"
#include "UserInterface.h"
#include "translate.h"

#include <algorithm>
#include <cmath>

namespace {

const unsigned kSettleMs = 2500;
const unsigned kWaitRoundMs = 100;
// A slow switch to gas gets this many more rounds before the samples count.
const int kExtraRounds = 25;
const size_t kEnoughSamples = 10;
const size_t kMaxSamples = 50;
const double kMinInjectionMs = 0.2;
const int kShiftSteps = 10;
const unsigned kShiftStepMs = 200;
const unsigned kSettleTrimMs = 500;
const int kTrimRounds = 40;
const unsigned kTrimRoundMs = 30;
const double kTrimThreshold = 5.0;

uint32_t newestSequence(const CDiagData& store)
{
    CDiag newest;
    store.getLast(newest);
    return store.count() > 0 ? newest.getSequence() : 0;
}

} // namespace

InjectorBankDetection::InjectorBankDetection(CLPGDevice& device, HWND owner)
    : sleep([](unsigned ms) { Sleep(ms); }), m_device(device), m_owner(owner)
{
}

InjectorBankDetection::Outcome InjectorBankDetection::run(double shiftPercent)
{
    if (!m_device.readBlock15()) {
        report(L"Can't read settings from device!");
        return Outcome::Failed;
    }
    m_saved = m_device.m_settings.m_mainCorr.m_mainCorr;
    const uint32_t switchMark = newestSequence(m_device.m_diagData);
    if (!m_device.switchToGas()) {
        report(L"Error - Can't switch to LPG");
        return Outcome::Failed;
    }
    uint8_t bank1 = 0;
    const bool detected = detect(shiftPercent, switchMark, bank1);
    if (!handBack() || !detected)
        return Outcome::Failed;
    return writeMask(bank1, cylinders());
}

bool InjectorBankDetection::detect(double shiftPercent, uint32_t switchMark, uint8_t& bank1)
{
    double base = 0;
    if (!baseInjectionTime(switchMark, base)) {
        report(L"Can't detect injector banks - no live data from the engine");
        return false;
    }
    const double baseline = measureTrims();
    const double step = base * shiftPercent / 100.0 / kShiftSteps;
    for (int c = 0; c < cylinders(); ++c) {
        bool onBank1 = false;
        if (!shiftCylinder(c, step, baseline, onBank1))
            return false;
        if (onBank1)
            bank1 |= 1u << c;
    }
    return true;
}

// The mean petrol injection time of the cylinders, from samples taken on gas
// after the switch: older ones may show the engine as it ran before.
bool InjectorBankDetection::baseInjectionTime(uint32_t switchMark, double& base)
{
    wait(kSettleMs);
    std::vector<CDiag> samples = freshSamples(switchMark);
    for (int round = 0; round < kExtraRounds && samples.size() < kEnoughSamples; ++round) {
        wait(kWaitRoundMs);
        samples = freshSamples(switchMark);
    }
    double sum = 0;
    int count = 0;
    for (const CDiag& sample : samples)
        for (int c = 0; c < cylinders(); ++c) {
            const double m = std::max(blockwire::roundTo001(sample.getInjectionTime(2 * c)),
                                      blockwire::roundTo001(sample.getInjectionTime(2 * c + 1)));
            if (m > kMinInjectionMs) {
                sum += m;
                ++count;
            }
        }
    if (count == 0)
        return false;
    base = blockwire::roundTo001(sum / count);
    return true;
}

std::vector<CDiag> InjectorBankDetection::freshSamples(uint32_t switchMark) const
{
    std::vector<CDiag> all, fresh;
    m_device.m_diagData.copyRange(all, 0, m_device.m_diagData.count());
    for (const CDiag& sample : all)
        if (sample.getSequence() > switchMark && sample.getMode() == CDiag::kModeGas &&
            fresh.size() < kMaxSamples)
            fresh.push_back(sample);
    return fresh;
}

bool InjectorBankDetection::shiftCylinder(int cylinder, double step, double baseline, bool& onBank1)
{
    Corrections shifted = m_saved;
    for (int k = 0; k < kShiftSteps; ++k) {
        shifted[cylinder] += step;
        m_changed = true;
        if (!writeCorrections(shifted))
            return false;
        wait(kShiftStepMs);
    }
    wait(kSettleTrimMs);
    const double trim = measureTrims();
    onBank1 = trim < baseline && std::fabs(trim - baseline) > kTrimThreshold;
    if (!writeCorrections(m_saved))
        return false;
    wait(kSettleTrimMs);
    return true;
}

// Short- plus long-term trim of bank 1, averaged while the poll refreshes them.
double InjectorBankDetection::measureTrims()
{
    double sum = 0;
    for (int round = 0; round < kTrimRounds; ++round) {
        pumpMessages();
        sum += m_device.getValue(0) + m_device.getValue(1);
        sleep(kTrimRoundMs);
    }
    return sum / kTrimRounds;
}

bool InjectorBankDetection::writeCorrections(const Corrections& corrections)
{
    m_device.m_settings.m_mainCorr.m_mainCorr = corrections;
    if (m_device.writeBlock15())
        return true;
    report(L"Can't write settings to device!");
    return false;
}

// The corrections as read at the start, then the controller's own switching
// back. A controller left with one cylinder's extra gas must not run on gas.
bool InjectorBankDetection::handBack()
{
    m_device.m_settings.m_mainCorr.m_mainCorr = m_saved;
    if (m_changed && !m_device.writeBlock15()) {
        report(L"Can't restore the gas corrections - the controller stays on petrol");
        m_device.switchToPetrol();
        return false;
    }
    m_device.returnToGas();
    return true;
}

// Half of the cylinders on bank 1, or no decision.
InjectorBankDetection::Outcome InjectorBankDetection::writeMask(uint8_t bank1, int cylinders)
{
    int recorded = 0;
    for (int c = 0; c < cylinders; ++c)
        recorded += (bank1 >> c) & 1;
    if (recorded == 0 || recorded != cylinders / 2)
        return Outcome::NoChange;
    m_mask = static_cast<uint8_t>(0xFF & ~bank1);
    m_device.m_settings.m_obdAdvSetup.obd_corr_for_cyl = m_mask;
    if (m_device.writeBlock27(m_device.m_settings.m_obdAdvSetup))
        return Outcome::MaskWritten;
    report(L"Can't write settings to device!");
    return Outcome::Failed;
}

void InjectorBankDetection::wait(unsigned ms)
{
    for (unsigned round = 0; round < (ms - 1) / kWaitRoundMs + 1; ++round) {
        pumpMessages();
        sleep(kWaitRoundMs);
    }
}

int InjectorBankDetection::cylinders() const
{
    return std::clamp(m_device.m_settings.m_devInfo.m_injCount, 0, 8);
}

void InjectorBankDetection::report(const wchar_t* text) const
{
    showProgramMessage(m_owner, text, MB_ICONERROR);
}
