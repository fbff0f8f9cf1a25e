#pragma once

#include "IMultilangGUI.h"
#include "ITimerBasedGUI.h"
#include <CGDIpMultiPageDialog.h>

// Stands in for the RPM correction map page until it is built: its window is an empty page.
class CCorRpmMPDlg : public CGDIpMultiPageDialog, public IMultilangGUI, public ITimerBasedGUI
{
    DECLARE_DYNAMIC(CCorRpmMPDlg)

public:
    explicit CCorRpmMPDlg(CWnd* pParent = nullptr);
    ~CCorRpmMPDlg() override;

    void v_translate() override {}
    void v_onTimer() override {}
};
