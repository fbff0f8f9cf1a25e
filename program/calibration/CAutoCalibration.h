#pragma once

#include "ICalibrationHost.h"

#include <string>
#include <vector>

// The automatic calibration of the main correction. It runs on the GUI thread
// and pumps messages in its waits; stop() (from the page's Stop button) makes
// the next wait end the run without a line.
class CAutoCalibration
{
public:
    explicit CAutoCalibration(ICalibrationHost& host);

    void setOneCylinder(bool oneCylinder) { m_oneCylinder = oneCylinder; }
    bool oneCylinder() const { return m_oneCylinder; }
    bool isRunning() const { return m_running; }
    // The last run came to its end (not stopped, failed or cut short).
    bool finished() const { return m_finished; }
    void stop() { m_running = false; }

    // The whole run: curve reset, the chosen procedure, the preset.
    void runAutoCalibration();
    void calibrateAllCylinders();
    void autocalibrationPerOneCylinder();

    bool measureInjectionTimes(double& meanTime, double& meanPressure);
    bool waitForSamples(int count);
    int samplesPerWait();
    int progressPercent(int samples);
    bool pumpedWait(int ms);
    // The indicator's value from the first correction; -1 when not valid.
    int indicatorValue(bool valid);

private:
    bool allCylinderSteps();
    bool oneCylinderSteps();
    bool collectSamples(int count);
    bool engineRuns(const CDiag& sample);
    int cylinders();
    bool keepSwitchSettings(double emulatorDelay);
    bool closeWithCorrection(double value);
    bool setPressureSettings(double pressure);
    bool pressureHighEnough(double pressure);
    bool checkGasMode();
    bool writeLockTime(double petrolTime, unsigned short flags);
    bool writeCorrections(double value);
    bool stepCorrections(double to);
    void adviseInjectorSize(double c);
    void reportTooSmall(bool extraLineBreak);
    void reportTooBig(double c);
    void endLines(int emptyLines);
    std::wstring tr(const std::wstring& text);
    bool fail(const std::wstring& text);
    bool measureFailed();
    bool returnToGasAndSettle();
    bool startOnPetrol(int samples);
    bool measureReducerPressure(double& gasTime);
    bool putSwitchSettingsBack();
    // Sleeps without testing the running flag, pumping messages all along.
    void pause(int ms);
    void runGuarded(bool (CAutoCalibration::*steps)());

    ICalibrationHost& m_host;
    bool m_oneCylinder = true;
    bool m_running = false;
    double m_accumulated = 0;
    double m_keptSwitchRPM = 0;
    double m_keptEmulatorDelay = 0;
    bool m_finished = false; // the last procedure came to its end
};
