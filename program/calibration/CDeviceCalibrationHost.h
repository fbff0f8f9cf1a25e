#pragma once

#include "ICalibrationHost.h"
#include "ProcedureRunner.h"

class CLPGDevice;
class CWnd;

// The controller side of the calibration: the controller object, its
// live-data store and the system clock. The page adds the windows. The
// run goes through a procedure runner, which hands the controller back on
// every way out.
class CDeviceCalibrationHost : public ICalibrationHost
{
public:
    explicit CDeviceCalibrationHost(CLPGDevice& device, CWnd* owner = nullptr);

    ProcedureRunner& runner() { return m_runner; }

    CSettingsRecord& settings() override;
    bool isConnected() override;
    bool switchToPetrol() override;
    bool switchToGas() override;
    bool returnToGas() override;
    bool sendAction23(unsigned char cylinders) override;
    bool readBlock31() override;
    bool readBlock4() override;
    bool readBlock15() override;
    bool writeBlock15() override;
    bool writeBlock26() override;
    bool writeBlock31() override;
    bool writeTable7() override;
    bool writeTable9() override;
    bool applyAfterCalibrationPreset() override;
    bool readDiagSample(CDiag& sample) override;
    void keepSwitchSettings() override;
    void clearSamples() override;
    unsigned long long samplesReceived() override;
    bool newestSample(CDiag& sample) override;
    void copySamples(std::vector<CDiag>& out) override;
    void sleep(int ms) override;
    unsigned long long now() override;

protected:
    CLPGDevice& m_device;
    ProcedureRunner m_runner;
};
