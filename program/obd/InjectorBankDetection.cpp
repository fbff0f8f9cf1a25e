#include "InjectorBankDetection.h"

#include "BlockWire.h"
#include "CLPGDevice.h"
#include "ProcedureRunner.h"

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

} // namespace

InjectorBankDetection::InjectorBankDetection(ProcedureRunner& runner)
    : m_runner(runner), m_device(runner.device())
{
}

InjectorBankDetection::Outcome InjectorBankDetection::run(double shiftPercent)
{
    if (!m_device.readBlock15()) {
        m_runner.report(L"Can't read settings from device!");
        return Outcome::Failed;
    }
    m_saved = m_device.m_settings.m_mainCorr.m_mainCorr;
    m_runner.keepCorrections();
    const unsigned long long switchMark = m_runner.samplesSeen();
    if (!m_runner.switchToGas()) {
        m_runner.report(L"Error - Can't switch to LPG");
        return Outcome::Failed;
    }
    uint8_t bank1 = 0;
    const bool detected = detect(shiftPercent, switchMark, bank1);
    // The mask only goes to a controller that has its own corrections back.
    if (!m_runner.handBack() || !detected)
        return Outcome::Failed;
    return writeMask(bank1, cylinders());
}

bool InjectorBankDetection::detect(double shiftPercent, unsigned long long switchMark, uint8_t& bank1)
{
    double base = 0;
    if (!baseInjectionTime(switchMark, base)) {
        if (!m_runner.stopped() && !m_runner.controllerLost())
            m_runner.report(L"Can't detect injector banks - no live data from the engine");
        return false;
    }
    double baseline = 0;
    if (!measureTrims(baseline))
        return false;
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
bool InjectorBankDetection::baseInjectionTime(unsigned long long switchMark, double& base)
{
    if (!m_runner.wait(kSettleMs))
        return false;
    std::vector<CDiag> samples = freshSamples(switchMark);
    for (int round = 0; round < kExtraRounds && samples.size() < kEnoughSamples; ++round) {
        if (!m_runner.wait(kWaitRoundMs))
            return false;
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

// The samples that reached the store since the switch, counted as they came
// (a restarted reading thread numbers its samples afresh).
std::vector<CDiag> InjectorBankDetection::freshSamples(unsigned long long switchMark) const
{
    const int held = m_device.m_diagData.count();
    const int fresh =
        static_cast<int>(std::min<unsigned long long>(held, m_runner.samplesSeen() - switchMark));
    std::vector<CDiag> all, onGas;
    m_device.m_diagData.copyRange(all, held - fresh, held);
    for (const CDiag& sample : all)
        if (sample.getMode() == CDiag::kModeGas && onGas.size() < kMaxSamples)
            onGas.push_back(sample);
    return onGas;
}

bool InjectorBankDetection::shiftCylinder(int cylinder, double step, double baseline, bool& onBank1)
{
    Corrections shifted = m_saved;
    for (int k = 0; k < kShiftSteps; ++k) {
        shifted[cylinder] += step;
        if (!writeCorrections(shifted) || !m_runner.wait(kShiftStepMs))
            return false;
    }
    double trim = 0;
    if (!m_runner.wait(kSettleTrimMs) || !measureTrims(trim))
        return false;
    onBank1 = trim < baseline && std::fabs(trim - baseline) > kTrimThreshold;
    return writeCorrections(m_saved) && m_runner.wait(kSettleTrimMs);
}

// Short- plus long-term trim of bank 1, averaged while the poll refreshes them.
bool InjectorBankDetection::measureTrims(double& trim)
{
    double sum = 0;
    for (int round = 0; round < kTrimRounds; ++round) {
        if (!m_runner.wait(kTrimRoundMs))
            return false;
        sum += m_device.getValue(0) + m_device.getValue(1);
    }
    trim = sum / kTrimRounds;
    return true;
}

bool InjectorBankDetection::writeCorrections(const Corrections& corrections)
{
    m_device.m_settings.m_mainCorr.m_mainCorr = corrections;
    return m_runner.write(&CLPGDevice::writeBlock15) || m_runner.fail(L"Can't write settings to device!");
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
    m_runner.report(L"Can't write settings to device!");
    return Outcome::Failed;
}

int InjectorBankDetection::cylinders() const
{
    return std::clamp(m_device.m_settings.m_devInfo.m_injCount, 0, 8);
}
