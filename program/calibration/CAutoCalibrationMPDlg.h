#pragma once

#include "CAutoSetupOutput.h"
#include "CMainCorrInd.h"
#include "COrangeCheckBox.h"
#include "COrvoButton.h"
#include "COrvoEdit.h"
#include "COrvoSpinButtonCtrl.h"
#include "IMultilangGUI.h"
#include "ITimerBasedGUI.h"

#include <CExtImage.h>
#include <CGDIpGradientButton.h>
#include <CGDIpMultiPageDialog.h>
#include <CGDIpProgressBar.h>
#include <CGDIpStatic.h>
#include <CTransparentStatic.h>

#include <string>

class CAutoCalibration;
class CDiag;
class CLPGDevice;
class CDeviceCalibrationHost;

// The page "Auto Calibration": live petrol and gas times per cylinder, the
// cylinders' outputs switched by hand, the main corrections, and the
// automatic calibration with its output box, progress and indicator.
class CAutoCalibrationMPDlg : public CGDIpMultiPageDialog, public IMultilangGUI, public ITimerBasedGUI
{
    DECLARE_DYNAMIC(CAutoCalibrationMPDlg)

public:
    static const int kCylinders = 8;
    // The B and G buttons' images.
    enum InjectorImage
    {
        kRed = 0,
        kGreen = 1,
        kWhite = 2
    };

    explicit CAutoCalibrationMPDlg(CWnd* pParent = nullptr);
    ~CAutoCalibrationMPDlg() override;

    BOOL OnInitDialog() override;
    void v_activate() override;
    void v_onTimer() override;
    void v_translate() override;

    // The run behind Start, with the page's own host or a test's.
    void runCalibration(CDeviceCalibrationHost& host);
    bool isRunning() const { return m_calibration != nullptr; }

    // What the procedure shows on the page.
    void showCorrections(const double* corrections);
    void showCorrectionOnIndicator(bool valid);
    void setProgress(int position) { m_progress.setPos(position); }
    CAutoSetupOutput& output() { return m_output; }
    CMainCorrInd& indicator() { return m_indicator; }

    afx_msg void OnBnClickedStart();
    afx_msg void OnBnClickedStop();
    afx_msg void OnClickedOneCylinder();
    afx_msg void OnClickedSameCorrection();
    afx_msg void onGasInj(UINT id);
    afx_msg void onClickedGasInj(UINT id);
    afx_msg void onDeltaSpinMainCorr(UINT id, NMHDR* pNMHDR, LRESULT* pResult);

protected:
    void DoDataExchange(CDataExchange* pDX) override;

    DECLARE_MESSAGE_MAP()

private:
    void loadImages();
    void styleControls();
    void refreshControls();
    void enableSpins();
    void showCylinderControls(int cylinders);
    void enableOutputButtons();
    void showOutputStates(const CDiag& sample, int cylinders);
    void showTimes(const CDiag& sample, int cylinders);
    void showTime(CGDIpProgressBar& bar, CGDIpStatic& number, std::wstring& shown, double ms,
                  bool blankWhenZero);
    void setB(int n, int image);
    void setG(int n, int image);
    bool outputsMayChange(CLPGDevice& device, int n);
    void setEmulators(bool (CLPGDevice::*action)(unsigned char), unsigned bits);
    void writeCorrections(CLPGDevice& device);
    int cylinderCount() const;
    static bool isConnected();

    CAutoSetupOutput m_output;
    CString m_corrections[kCylinders];
    CGDIpProgressBar m_petrolBars[kCylinders];
    CGDIpProgressBar m_gasBars[kCylinders];
    CGDIpStatic m_gasNumbers[kCylinders];
    CGDIpStatic m_petrolNumbers[kCylinders];
    CExtImage m_injectorImages[3]; // red, green, white
    CExtImage m_selectedImage;
    CExtImage m_unselectedImage;
    CGDIpGradientButton m_bButtons[kCylinders];
    CGDIpGradientButton m_gButtons[kCylinders];
    COrvoSpinButtonCtrl m_spins[kCylinders];
    COrvoEdit m_edits[kCylinders];
    COrangeCheckBox m_chkOneCylinder;
    COrangeCheckBox m_chkSameCorrection;
    COrvoButton m_start;
    COrvoButton m_stop;
    CGDIpProgressBar m_progress;
    CMainCorrInd m_indicator;
    CTransparentStatic m_tooSmall;
    CTransparentStatic m_tooBig;
    int m_sameCorrection = 1;
    int m_oneCylinder = 1;
    CAutoCalibration* m_calibration = nullptr;

    // What the buttons and numbers show, so that a tick changes only what changed.
    int m_bImages[kCylinders] = {2, 2, 2, 2, 2, 2, 2, 2};
    int m_gImages[kCylinders] = {2, 2, 2, 2, 2, 2, 2, 2};
    std::wstring m_petrolShown[kCylinders];
    std::wstring m_gasShown[kCylinders];
};
