#pragma once

#include "IMultilangGUI.h"
#include "ITimerBasedGUI.h"
#include <CGDIpMultiPageDialog.h>

// Stands in for the gas injection auto-mapping page until it is built: its window is an empty page.
class CGasInjectionMapMPDlg : public CGDIpMultiPageDialog, public IMultilangGUI, public ITimerBasedGUI
{
    DECLARE_DYNAMIC(CGasInjectionMapMPDlg)

public:
    explicit CGasInjectionMapMPDlg(CWnd* pParent = nullptr);
    ~CGasInjectionMapMPDlg() override;

    void v_translate() override {}
    void v_onTimer() override {}
};
