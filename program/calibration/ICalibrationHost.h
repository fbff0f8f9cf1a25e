#pragma once

#include <CDiag.h>
#include <CSettingsRecord.h>

#include <string>
#include <vector>

class IError;

enum class OutputKind
{
    Plain,  // black
    Advice, // green
    Error   // red
};

// What the calibration procedures use of the controller, the live-data store
// and the page. Tests put a fake behind it that records every command.
class ICalibrationHost
{
public:
    virtual ~ICalibrationHost() = default;

    virtual CSettingsRecord& settings() = 0;
    virtual bool isConnected() = 0;

    virtual bool switchToPetrol() = 0;
    virtual bool switchToGas() = 0;
    virtual bool returnToGas() = 0;
    virtual bool sendAction23(unsigned char cylinders) = 0;
    virtual bool readBlock31() = 0;
    virtual bool readBlock4() = 0;
    virtual bool readBlock15() = 0;
    virtual bool writeBlock15() = 0;
    virtual bool writeBlock26() = 0;
    virtual bool writeBlock31() = 0;
    virtual bool writeTable7() = 0;
    virtual bool writeTable9() = 0;
    // Shows its own box when the write fails; false also when there is no preset.
    virtual bool applyAfterCalibrationPreset() = 0;
    virtual bool readDiagSample(CDiag& sample) = 0;
    // The switch RPM and emulator delay, noted before the run changes them:
    // every way out of the run puts them back.
    virtual void keepSwitchSettings() = 0;

    // The live-data store the reading thread fills.
    virtual void clearSamples() = 0;
    // Every sample that reached the store so far, whatever cleared it or
    // restarted the reading thread meanwhile.
    virtual unsigned long long samplesReceived() = 0;
    virtual bool newestSample(CDiag& sample) = 0;
    virtual void copySamples(std::vector<CDiag>& out) = 0;

    virtual void pumpMessages() = 0;
    virtual void sleep(int ms) = 0;
    virtual unsigned long long now() = 0; // milliseconds

    virtual std::wstring translate(const std::wstring& text) = 0;
    virtual void outputLine(const std::wstring& text, OutputKind kind) = 0;
    virtual void setProgress(int position) = 0;
    virtual void showCorrections() = 0;
    virtual void showIndicator(int value) = 0;
    // Shows the error's report under the procedure's name and deletes it.
    virtual void reportError(IError* error) = 0;
};
