#pragma once

#include "IMultilangGUI.h"
#include <CGDIpMultiPageDialog.h>

// Stands in for the additional settings page until it is built: its window is an empty page.
class CAdvancedSettingsMPDlg : public CGDIpMultiPageDialog, public IMultilangGUI
{
    DECLARE_DYNAMIC(CAdvancedSettingsMPDlg)

public:
    explicit CAdvancedSettingsMPDlg(CWnd* pParent = nullptr);
    ~CAdvancedSettingsMPDlg() override;

    void v_translate() override {}
};
