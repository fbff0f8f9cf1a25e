#pragma once

#include "ICalibrationHost.h"

class CLPGDevice;

// The controller side of the calibration: the controller object, its
// live-data store and the system clock. The page adds the windows.
class CDeviceCalibrationHost : public ICalibrationHost
{
public:
    explicit CDeviceCalibrationHost(CLPGDevice& device);

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
    void clearSamples() override;
    bool newestSample(CDiag& sample) override;
    void copySamples(std::vector<CDiag>& out) override;
    void sleep(int ms) override;
    unsigned long long now() override;

protected:
    CLPGDevice& m_device;
};
