#pragma once

#include "CDeviceCalibrationHost.h"

class CAutoCalibrationMPDlg;

// The calibration on the page: the controller side, with the page's output
// box, progress bar, correction texts and indicator, and the program's
// message pump and translation.
class CPageCalibrationHost : public CDeviceCalibrationHost
{
public:
    CPageCalibrationHost(CLPGDevice& device, CAutoCalibrationMPDlg& page);

    void pumpMessages() override;
    std::wstring translate(const std::wstring& text) override;
    void outputLine(const std::wstring& text, OutputKind kind) override;
    void setProgress(int position) override;
    void showCorrections() override;
    void showIndicator(int value) override;
    void reportError(IError* error) override;

private:
    CAutoCalibrationMPDlg& m_page;
};
