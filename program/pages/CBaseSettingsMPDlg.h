#pragma once

#include "IMultilangGUI.h"
#include "ITimerBasedGUI.h"
#include <CGDIpMultiPageDialog.h>

// Stands in for the base settings page until it is built: its window is an empty page.
class CBaseSettingsMPDlg : public CGDIpMultiPageDialog, public IMultilangGUI, public ITimerBasedGUI
{
    DECLARE_DYNAMIC(CBaseSettingsMPDlg)

public:
    explicit CBaseSettingsMPDlg(CWnd* pParent = nullptr);
    ~CBaseSettingsMPDlg() override;

    void v_translate() override {}
    void v_onTimer() override {}
};
