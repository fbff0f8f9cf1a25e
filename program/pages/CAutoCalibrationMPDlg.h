#pragma once

#include "IMultilangGUI.h"
#include "ITimerBasedGUI.h"
#include <CGDIpMultiPageDialog.h>

// Stands in for the auto-calibration page until it is built: its window is an empty page.
class CAutoCalibrationMPDlg : public CGDIpMultiPageDialog, public IMultilangGUI, public ITimerBasedGUI
{
    DECLARE_DYNAMIC(CAutoCalibrationMPDlg)

public:
    explicit CAutoCalibrationMPDlg(CWnd* pParent = nullptr);
    ~CAutoCalibrationMPDlg() override;

    void v_translate() override {}
    void v_onTimer() override {}
};
