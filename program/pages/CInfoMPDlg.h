#pragma once

#include "IMultilangGUI.h"
#include "ITimerBasedGUI.h"
#include <CGDIpMultiPageDialog.h>

// Stands in for the controller information page until it is built: its window is an empty page.
class CInfoMPDlg : public CGDIpMultiPageDialog, public IMultilangGUI, public ITimerBasedGUI
{
    DECLARE_DYNAMIC(CInfoMPDlg)

public:
    explicit CInfoMPDlg(CWnd* pParent = nullptr);
    ~CInfoMPDlg() override;

    void v_translate() override {}
    void v_onTimer() override {}
};
