#pragma once

#include "IMultilangGUI.h"
#include <CGDIpMultiPageDialog.h>

// Stands in for the sensors and additional settings page until it is built: its window is an empty page.
class CSensorsMPDlg : public CGDIpMultiPageDialog, public IMultilangGUI
{
    DECLARE_DYNAMIC(CSensorsMPDlg)

public:
    explicit CSensorsMPDlg(CWnd* pParent = nullptr);
    ~CSensorsMPDlg() override;

    void v_translate() override {}
};
