#pragma once

#include "IMultilangGUI.h"
#include "ITimerBasedGUI.h"
#include <CGDIpMultiPageDialog.h>

// Stands in for the petrol OBD page until it is built: its window is an empty page.
class COBDMPDlg : public CGDIpMultiPageDialog, public IMultilangGUI, public ITimerBasedGUI
{
    DECLARE_DYNAMIC(COBDMPDlg)

public:
    explicit COBDMPDlg(CWnd* pParent = nullptr);
    ~COBDMPDlg() override;

    void v_translate() override {}
    void v_onTimer() override {}
};
