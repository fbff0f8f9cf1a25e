#pragma once

#include "IMultilangGUI.h"
#include "ITimerBasedGUI.h"
#include <CGDIpMultiPageDialog.h>

// Stands in for the oscilloscope page until it is built: its window is an empty page.
class CDiagnosticOscMPDlg : public CGDIpMultiPageDialog, public IMultilangGUI, public ITimerBasedGUI
{
    DECLARE_DYNAMIC(CDiagnosticOscMPDlg)

public:
    explicit CDiagnosticOscMPDlg(CWnd* pParent = nullptr);
    ~CDiagnosticOscMPDlg() override;

    void v_translate() override {}
    void v_onTimer() override {}
};
