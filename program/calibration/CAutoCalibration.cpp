#include "CAutoCalibration.h"

#include "CalibrationMath.h"

#include <IError.h>
#include <RoundFunctions.h>

#include <algorithm>
#include <sstream>

namespace {
const wchar_t kCantSwitchToPetrol[] = L"Error - Can't switch to petrol";
const wchar_t kCantSwitchToGas[] = L"Error - Can't switch to LPG";
const wchar_t kCantRead[] = L"Can't read settings from device!";
const wchar_t kCantWrite[] = L"Can't write settings to device!";
const wchar_t kTuningAdvice[] = L"To make properly tunning of LPG controler try one of the following steps:";
const int kMeasureSamples = 40;
const unsigned long long kSampleTimeoutMs = 3000;
const unsigned short kLockTimeValid = 0x0080;
const unsigned short kCorrectionsLocked = 0x0040;
const unsigned char kNoInjectorAdvice = 0x08;

double& curveA(CSettingsRecord& r, int row)
{
    return r.m_setupTimes1[row / 3][row % 3];
}
double& curveB(CSettingsRecord& r, int row)
{
    return r.m_setupTimes2[row / 3][row % 3];
}

bool curveStartSet(CSettingsRecord& r)
{
    for (int row = 0; row < 8; ++row)
        if (!(curveA(r, row) == 0)) // NaN counts as set
            return true;
    return false;
}

// Rows 0-3 off, rows 4-7 rising to row 8.
void resetCurveStart(CSettingsRecord& r)
{
    for (int row = 0; row < 8; ++row) {
        double share = row < 4 ? 0.0 : 0.2 * (row - 3);
        curveA(r, row) = share * curveA(r, 8);
        curveB(r, row) = share * curveB(r, 8);
    }
}
} // namespace

CAutoCalibration::CAutoCalibration(ICalibrationHost& host) : m_host(host) {}

int CAutoCalibration::cylinders()
{
    return std::clamp(m_host.settings().m_devInfo.m_injCount, 0, 8);
}

int CAutoCalibration::samplesPerWait()
{
    return calibrationSamplesPerWait(m_host.settings().m_base.m_emulatorDelay, cylinders());
}

int CAutoCalibration::progressPercent(int samples)
{
    return calibrationProgressPercent(samples, samplesPerWait(), cylinders(), m_oneCylinder);
}

int CAutoCalibration::indicatorValue(bool valid)
{
    const CSettingsRecord& r = m_host.settings();
    return valid ? correctionIndicatorValue(r.m_mainCorr.m_mainCorr[0], r.m_adv.m_injectorType) : -1;
}

bool CAutoCalibration::pumpedWait(int ms)
{
    for (; ms >= 1; ms -= 100) {
        m_host.pumpMessages();
        if (!m_running)
            return false;
        m_host.sleep(100);
    }
    return true;
}

bool CAutoCalibration::engineRuns(const CDiag& sample)
{
    for (int i = 0; i < cylinders(); ++i)
        if (round2(sample.getInjectionTime(2 * i)) > 0.2 || round2(sample.getInjectionTime(2 * i + 1)) > 0.2)
            return true;
    return false;
}

// Counts the samples as they reach the store: the store keeps only its
// newest few hundred, and a restarted reading thread numbers its samples
// from 1 again.
bool CAutoCalibration::collectSamples(int count)
{
    m_host.clearSamples();
    const unsigned long long base = m_host.samplesReceived();
    int collected = 0;
    unsigned long long lastArrival = m_host.now();
    while (collected < count) {
        m_host.pumpMessages();
        if (!m_running)
            return false;
        if (!m_host.isConnected())
            return fail(L"Error - Connection to the controller lost");
        const int reached =
            static_cast<int>(std::min<unsigned long long>(m_host.samplesReceived() - base, count));
        if (reached != collected) {
            collected = reached;
            lastArrival = m_host.now();
        }
        CDiag newest;
        if (collected > 0 && m_host.newestSample(newest) && !engineRuns(newest))
            return false;
        if (m_host.now() - lastArrival > kSampleTimeoutMs)
            return fail(L"Error - No data from the controller");
        if (collected >= count)
            break;
        m_host.sleep(50);
        m_host.setProgress(10 * progressPercent(int(collected + m_accumulated)));
    }
    m_accumulated += collected;
    return true;
}

bool CAutoCalibration::waitForSamples(int count)
{
    return collectSamples(count);
}

bool CAutoCalibration::measureInjectionTimes(double& meanTime, double& meanPressure)
{
    if (!collectSamples(kMeasureSamples))
        return false;
    std::vector<CDiag> samples;
    m_host.copySamples(samples);
    double timeSum = 0, pressureSum = 0;
    int times = 0;
    for (const CDiag& s : samples) {
        for (int i = 0; i < cylinders(); ++i) {
            double t = std::max(round2(s.getInjectionTime(2 * i)), round2(s.getInjectionTime(2 * i + 1)));
            if (t > 0.2) {
                timeSum += t;
                ++times;
            }
        }
        pressureSum += s.getPressure();
    }
    if (times == 0)
        return false; // the engine stopped
    meanTime = round2(timeSum / times);
    meanPressure = round0(pressureSum / samples.size());
    return true;
}

std::wstring CAutoCalibration::tr(const std::wstring& text)
{
    return m_host.translate(text);
}

bool CAutoCalibration::fail(const std::wstring& text)
{
    m_host.outputLine(tr(text), OutputKind::Error);
    return false;
}

bool CAutoCalibration::measureFailed()
{
    return m_running ? fail(L"Error - Can't read petrol injection time") : false;
}

bool CAutoCalibration::writeCorrections(double value)
{
    m_host.settings().fillCorrections(value);
    return m_host.writeBlock15() || fail(kCantWrite);
}

bool CAutoCalibration::keepSwitchSettings(double emulatorDelay)
{
    m_host.keepSwitchSettings();
    CBaseSettings& base = m_host.settings().m_base;
    m_keptSwitchRPM = base.m_switchRPM;
    m_keptEmulatorDelay = base.m_emulatorDelay;
    base.m_switchRPM = 1200;
    base.m_emulatorDelay = emulatorDelay;
    return m_host.writeBlock31() || fail(kCantWrite);
}

bool CAutoCalibration::closeWithCorrection(double value)
{
    m_host.settings().m_base.m_emulatorDelay = m_keptEmulatorDelay;
    if (!m_host.writeBlock31())
        fail(kCantWrite);
    m_host.settings().fillCorrections(value);
    m_host.showCorrections();
    m_host.writeBlock15();
    m_host.showIndicator(indicatorValue(true));
    return false;
}

bool CAutoCalibration::pressureHighEnough(double pressure)
{
    if (pressure > 60)
        return true;
    m_host.outputLine(tr(L"Reducer pressure to low.") + L" " + tr(L"Recommended pressure is at least 1 bar."),
                      OutputKind::Error);
    return false;
}

bool CAutoCalibration::setPressureSettings(double pressure)
{
    CSettingsRecord& r = m_host.settings();
    r.m_base.m_pressureRef = round0(pressure);
    r.m_base.m_switchPressure = round0(pressure * 0.5);
    r.m_carInfo.m_reductorPress = round0(pressure);
    return true;
}

bool CAutoCalibration::checkGasMode()
{
    CDiag sample;
    if (m_host.readDiagSample(sample) && !isGasMode(sample.getMode()))
        return fail(kCantSwitchToGas);
    return true;
}

bool CAutoCalibration::writeLockTime(double petrolTime, unsigned short flags)
{
    CSettingsRecord& r = m_host.settings();
    if (r.m_devInfo.m_version < 779)
        return true;
    r.m_advancedSetup.m_advancedFlags3 |= flags;
    r.m_advancedSetup.m_maxLoadTime = round1(petrolTime);
    return m_host.writeBlock26() || fail(kCantWrite);
}

void CAutoCalibration::adviseInjectorSize(double c)
{
    if (m_host.settings().m_advancedSetup.m_advancedFlags & kNoInjectorAdvice)
        return;
    if (c < 0.5)
        m_host.outputLine(tr(kTuningAdvice) + L"\n" + tr(L"-decrease LPG injectors size or ") + L"\n",
                          OutputKind::Advice);
    else if (c > 1.5)
        m_host.outputLine(tr(kTuningAdvice) + L"\n" + tr(L"-increase LPG injectors size or ") + L"\n",
                          OutputKind::Advice);
}

void CAutoCalibration::reportTooSmall(bool extraLineBreak)
{
    m_host.switchToPetrol();
    m_host.outputLine(tr(L"Calculated correction too small.") + L"\n" + tr(kTuningAdvice) + L"\n" +
                          tr(L"-decrease LPG injectors size or ") + (extraLineBreak ? L"\n" : L""),
                      OutputKind::Error);
}

void CAutoCalibration::reportTooBig(double c)
{
    m_host.switchToPetrol();
    std::wostringstream text;
    text << tr(L"Calculated correction: ") << c << tr(L" ms too big.") << L"\n"
         << tr(L"It's strongly recommended to increase LPG injectors size.");
    m_host.outputLine(text.str(), OutputKind::Advice);
}

bool CAutoCalibration::startOnPetrol(int samples)
{
    m_host.setProgress(0);
    m_host.outputLine(tr(L"Set engine stable RPM"), OutputKind::Plain);
    if (!m_host.switchToPetrol())
        return fail(kCantSwitchToPetrol);
    return waitForSamples(samples);
}

bool CAutoCalibration::putSwitchSettingsBack()
{
    CBaseSettings& base = m_host.settings().m_base;
    base.m_emulatorDelay = m_keptEmulatorDelay;
    base.m_switchRPM = m_keptSwitchRPM;
    return m_host.writeBlock31() || fail(kCantWrite);
}

// Measures on gas, back on petrol; the reducer pressure must be high enough.
bool CAutoCalibration::measureReducerPressure(double& gasTime)
{
    double pressure = 100.0;
    if (!measureInjectionTimes(gasTime, pressure))
        return measureFailed();
    if (!m_host.switchToPetrol())
        return fail(kCantSwitchToPetrol);
    if (!pressureHighEnough(pressure))
        return false;
    setPressureSettings(pressure);
    return true;
}

// The controller takes gas again with the switch RPM held at 1200; it then gets its own back.
bool CAutoCalibration::returnToGasAndSettle()
{
    if (!m_host.returnToGas())
        return fail(kCantSwitchToGas);
    pause(4900);
    m_host.settings().m_base.m_switchRPM = m_keptSwitchRPM;
    return m_host.writeBlock31() || fail(kCantWrite);
}

void CAutoCalibration::endLines(int emptyLines)
{
    for (int i = 0; i < emptyLines; ++i)
        m_host.outputLine(L"", OutputKind::Plain);
    m_host.outputLine(tr(L"Autocalibation end"), OutputKind::Plain);
    m_host.outputLine(tr(L"Collect petrol map and gas map durring drive."), OutputKind::Plain);
}

// Whatever the steps left changed, the host's runner puts back on the way out.
void CAutoCalibration::runGuarded(bool (CAutoCalibration::*steps)())
{
    m_accumulated = 0;
    m_finished = false;
    try {
        m_finished = (this->*steps)();
    } catch (IError* error) {
        m_host.reportError(error);
    }
}

void CAutoCalibration::runAutoCalibration()
{
    m_running = true;
    m_host.showIndicator(indicatorValue(true));
    CSettingsRecord& r = m_host.settings();
    bool curveReset = curveStartSet(r);
    if (curveReset) {
        resetCurveStart(r);
        if (!m_host.writeTable7() || !m_host.writeTable9()) {
            fail(kCantWrite);
            m_running = false;
            return;
        }
    }
    if (m_oneCylinder)
        autocalibrationPerOneCylinder();
    else
        calibrateAllCylinders();
    // The preset belongs to a calibration that came to its end.
    if (curveReset || (m_finished && m_host.applyAfterCalibrationPreset()))
        m_host.setProgress(0);
    m_running = false;
}

void CAutoCalibration::calibrateAllCylinders()
{
    runGuarded(&CAutoCalibration::allCylinderSteps);
}

void CAutoCalibration::autocalibrationPerOneCylinder()
{
    runGuarded(&CAutoCalibration::oneCylinderSteps);
}

bool CAutoCalibration::allCylinderSteps()
{
    CSettingsRecord& r = m_host.settings();
    int n = samplesPerWait();
    double pressure = 100.0;
    std::vector<double> differences;
    if (!startOnPetrol(n))
        return false;
    if (!m_host.readBlock31() || !m_host.readBlock4() || !m_host.readBlock15())
        return fail(kCantRead);
    double c = r.m_mainCorr.m_mainCorr[0];
    if (!writeCorrections(c))
        return false;
    if (!keepSwitchSettings(0))
        return false;
    if (!returnToGasAndSettle())
        return false;

    if (!m_host.switchToGas())
        return fail(kCantSwitchToGas);
    if (!waitForSamples(n))
        return false;
    if (!checkGasMode())
        return false;
    double gasTime = 0, petrolTime = 0, petrolPressure = 0;
    if (!measureReducerPressure(gasTime))
        return false;
    if (!m_host.switchToPetrol())
        return fail(kCantSwitchToPetrol);
    if (!m_host.writeBlock31())
        return fail(kCantWrite);

    for (int round = 0; round < 3; ++round) {
        if (!m_host.switchToPetrol())
            return fail(kCantSwitchToPetrol);
        if (!waitForSamples(n))
            return false;
        if (!measureInjectionTimes(petrolTime, petrolPressure))
            return measureFailed();
        if (!writeLockTime(petrolTime, kLockTimeValid | kCorrectionsLocked))
            return false;
        if (!m_host.switchToGas())
            return fail(kCantSwitchToGas);
        if (!waitForSamples(n))
            return false;
        if (!measureInjectionTimes(gasTime, pressure))
            return measureFailed();
        double difference = gasTime - petrolTime;
        differences.push_back(difference);
        if (round > 0)
            continue;
        c += difference;
        if (c < 0) {
            reportTooSmall(false);
            return closeWithCorrection(1.0);
        }
        if (c > 2.0) {
            reportTooBig(c);
            return closeWithCorrection(1.0);
        }
        adviseInjectorSize(c);
        if (!writeCorrections(0.8 * c))
            return false;
        m_host.showIndicator(indicatorValue(true));
        m_host.showCorrections();
    }

    double mean = 0;
    if (!averageDifferences(differences, mean))
        return fail(L"Autosetup procedure error");
    double result = std::clamp(mean + r.m_mainCorr.m_mainCorr[0], 0.0, 2.0);
    r.fillCorrections(0.8 * result);
    m_host.setProgress(990);
    if (!m_host.writeBlock15())
        return fail(kCantWrite);
    m_host.showCorrections();
    if (!putSwitchSettingsBack())
        return false;
    m_host.showIndicator(indicatorValue(true));
    m_host.setProgress(1000);
    if (!m_host.returnToGas())
        fail(kCantSwitchToGas);
    endLines(2);
    m_host.setProgress(0);
    return true;
}

void CAutoCalibration::pause(int ms)
{
    for (; ms >= 1; ms -= 100) {
        m_host.sleep(100);
        m_host.pumpMessages();
    }
}

bool CAutoCalibration::stepCorrections(double to)
{
    std::vector<double> steps = correctionSteps(m_host.settings().m_mainCorr.m_mainCorr[0], to);
    for (size_t i = 0; i + 1 < steps.size(); ++i) {
        if (!writeCorrections(steps[i]))
            return false;
        m_host.showIndicator(indicatorValue(true));
        pumpedWait(2000); // after Stop the steps go on without pause
    }
    m_host.settings().fillCorrections(steps.back());
    m_host.showCorrections();
    if (!writeCorrections(steps.back()))
        return false;
    m_host.showIndicator(indicatorValue(true));
    return true;
}

bool CAutoCalibration::oneCylinderSteps()
{
    CSettingsRecord& r = m_host.settings();
    int n = samplesPerWait();
    if (!startOnPetrol(n))
        return false;
    if (!m_host.readBlock31() || !m_host.readBlock15())
        return fail(kCantRead);
    double c = r.m_mainCorr.m_mainCorr[0];
    if (!writeCorrections(c))
        return false;
    m_host.showCorrections();
    m_host.showIndicator(indicatorValue(true));
    if (!keepSwitchSettings(1))
        return false;
    double petrolTime = 0, gasTime = 0, pressure = 100.0;
    if (!measureInjectionTimes(petrolTime, pressure))
        return measureFailed();
    if (!writeLockTime(petrolTime, kLockTimeValid))
        return false;
    if (!returnToGasAndSettle())
        return false;

    if (!m_host.switchToGas())
        return fail(kCantSwitchToGas);
    pause(1000);
    if (!checkGasMode())
        return false;
    if (!m_host.sendAction23(1))
        return fail(kCantSwitchToGas);
    if (!waitForSamples(n))
        return false;
    if (!measureReducerPressure(gasTime))
        return false;
    pumpedWait((cylinders() + 1) * 1000);
    if (!m_host.writeBlock31())
        return fail(kCantWrite);
    if (!waitForSamples(1))
        return false;

    CDiag newest;
    m_host.newestSample(newest);
    unsigned listedBits = newest.getByte(CDiag::kInjectorActivityByte) & ((1u << cylinders()) - 1);
    std::vector<int> order = frontBackOrder(listedBits, cylinders());
    if (order.empty())
        return fail(L"Autosetup procedure error"); // no cylinder to measure
    int settling = cylinders() * n / int(order.size());
    unsigned switched = 0;
    for (size_t i = 0; i < order.size(); ++i) {
        if (r.m_adv.m_injConfMap[i] == 0)
            continue;
        switched |= 1u << order[i];
        if (!m_host.switchToGas())
            return fail(kCantSwitchToGas);
        pause(1000);
        if (!m_host.sendAction23((unsigned char)switched))
            return fail(kCantSwitchToGas);
        if (!waitForSamples(settling))
            return false;
        if (!measureInjectionTimes(gasTime, pressure))
            return measureFailed();
        setPressureSettings(pressure);
        if (!m_host.writeBlock31())
            return fail(kCantWrite);
        c = (gasTime - petrolTime + c) * 0.8;
        if (c < 0) {
            reportTooSmall(true);
            return closeWithCorrection(1.0);
        }
        if (c >= 2.0) {
            reportTooBig(c);
            return closeWithCorrection(1.0);
        }
        if (!stepCorrections(c))
            return false;
    }

    adviseInjectorSize(c);
    if (!m_host.switchToPetrol())
        return fail(kCantSwitchToPetrol);
    pumpedWait((cylinders() + 1) * 1000);
    m_host.setProgress(1000);
    if (!m_host.returnToGas())
        fail(kCantSwitchToGas);
    if (!putSwitchSettingsBack())
        return false;
    endLines(1);
    m_host.setProgress(0);
    return true;
}
