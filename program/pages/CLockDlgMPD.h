#pragma once

#include "IMultilangGUI.h"
#include <CGDIpMultiPageDialog.h>

// Stands in for the credit and inspection (lock) page until it is built: its window is an empty page.
class CLockDlgMPD : public CGDIpMultiPageDialog, public IMultilangGUI
{
    DECLARE_DYNAMIC(CLockDlgMPD)

public:
    explicit CLockDlgMPD(CWnd* pParent = nullptr);
    ~CLockDlgMPD() override;

    void v_translate() override {}
};
